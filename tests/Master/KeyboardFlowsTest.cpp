#include "FakePlatform.h"
#include "Master/HeaderedList.h"
#include "Master/ResultSheetPage.h"
#include "Master/RowListView.h"
#include "Master/TMasterForm.h"
#include "Master/TicketsPage.h"
#include "TestDataDir.h"
#include "TicketFileBuilder.h"

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using master::TMasterForm;
using testsupport::FakePlatform;
using testsupport::TestDataDir;
using testsupport::TicketFileBuilder;

// Every flow here starts on the main page and is driven by keys alone, each
// sent to the widget that has the focus, as a keyboard user would.
namespace {

void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* focus = QApplication::focusWidget();
    QVERIFY2(focus, "no widget has the focus");
    QTest::keyClick(focus, static_cast<Qt::Key>(key), modifiers);
}

void Type(const QString& text) {
    QWidget* focus = QApplication::focusWidget();
    QVERIFY2(focus, "no widget has the focus");
    QTest::keyClicks(focus, text);
}

QString FocusName() {
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString();
}

// What a screen reader says for the focused control: for a list, its
// focused row.
QString SpokenFocus() {
    QAccessibleInterface* focus = QAccessible::queryAccessibleInterface(QApplication::focusWidget());
    if (QAccessibleInterface* row = focus ? focus->focusChild() : nullptr) focus = row;
    return focus ? focus->text(QAccessible::Name) : QString();
}

// Tab until the control has the focus; a whole round of the tab order
// without it fails.
void TabTo(const std::function<bool(const QWidget*)>& wanted, const QString& name) {
    for (int presses = 0; presses < 120 && !wanted(QApplication::focusWidget()); ++presses) Press(Qt::Key_Tab);
    QVERIFY2(wanted(QApplication::focusWidget()), qPrintable(QStringLiteral("Tab never reaches ") + name));
}

void TabTo(const QString& name) {
    TabTo([name](const QWidget* focus) { return focus && focus->objectName() == name; }, name);
}

void TabTo(const QWidget* control) {
    TabTo([control](const QWidget* focus) { return focus == control; }, control->objectName());
}

// Runs the steps on the modal dialog as soon as it is shown and has the
// focus; a dialog the steps leave open is closed so that the test ends.
void WhenDialogOpens(std::function<void()> steps, int triesLeft = 200) {
    QTimer::singleShot(10, [steps, triesLeft] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        const QWidget* focus = QApplication::focusWidget();
        if (!dialog || !focus || focus->window() != dialog) {
            if (triesLeft > 0) WhenDialogOpens(steps, triesLeft - 1);
            return;
        }
        steps();
        if (dialog->isVisible()) dialog->reject();
    });
}

const QByteArray kTwoTickets = TicketFileBuilder()
                                   .Add({{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}}, "first", 46361, 9, 0)
                                   .Add({{13, 14, 15, 16, 17, 18}}, "second", 46361, 9, 0)
                                   .Bytes();

struct Fixture {
    FakePlatform platform;
    TestDataDir data;
    QTemporaryDir files;
    std::unique_ptr<TMasterForm> form;

    Fixture() {
        data.WriteTickets(kTwoTickets);
        form = std::make_unique<TMasterForm>(platform, data.Paths(), false);
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    lottery::LotteryState& Lottery() const { return form->Lottery(); }
    QString Text(const char* label) const { return form->findChild<QLabel*>(QLatin1String(label))->text(); }
    int Page() const { return form->CurrentPage(); }
    // The window manager gives the main window back its activation when a
    // dialog closes, which the offscreen platform leaves to the test.
    void BackFromDialog() {
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    void Open(const char* mainPageButton) {
        TabTo(QLatin1String(mainPageButton));
        Press(Qt::Key_Space);
    }
};

}  // namespace

class KeyboardFlowsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void addATicket() {
        Fixture f;
        f.Open("BitBtn1");  // "Your Tickets"
        QCOMPARE(f.Page(), int(TMasterForm::TicketsPageIndex));
        WhenDialogOpens([] {
            TabTo(QStringLiteral("Memo1"));
            for (const char* number : {"5", "10", "15", "20", "25", "30"}) {
                Type(QLatin1String(number));
                Press(Qt::Key_Return);  // on to the next field
            }
            QCOMPARE(FocusName(), QStringLiteral("Memo7"));
            Press(Qt::Key_L, Qt::ControlModifier);  // Lucky Dip for board B
            TabTo(QStringLiteral("W3"));
            Press(Qt::Key_Space);
            TabTo(QStringLiteral("D1"));
            Press(Qt::Key_Down);  // "Wed"
            Press(Qt::Key_Return);  // "Next >"
            Press(Qt::Key_Return);  // "Finish"
        });
        Press(Qt::Key_A, Qt::AltModifier);  // "&Add..."
        QTRY_COMPARE(f.Lottery().TicketCount(), 3);
        const lottery::TLine& added = f.Lottery().TicketList().At(2);
        QCOMPARE(int(added.Number(1, 1)), 5);
        QCOMPARE(int(added.Number(1, 6)), 30);
        QVERIFY(added.Number(2, 6) > 0);
        QCOMPARE(int(added.Number(3, 1)), 0);
        QCOMPARE(int(added.Weeks()), 3);
        QCOMPARE(int(added.DrawDays()), 1);
    }

    void editAndDeleteATicket() {
        Fixture f;
        f.Open("BitBtn1");
        TabTo(f.form->Tickets()->LinesList()->List());
        Press(Qt::Key_End);  // ticket 2's board
        QCOMPARE(SpokenFocus(), QStringLiteral("Line 02-A, 13 14 15 16 17 18, draw Both"));  // unlimited weeks
        WhenDialogOpens([] {
            Press(Qt::Key_C, Qt::AltModifier);  // "Des&cription:"
            Press(Qt::Key_A, Qt::ControlModifier);
            Type(QStringLiteral("edited"));
            Press(Qt::Key_Return);  // "Next >"
            Press(Qt::Key_Return);  // "Finish"
        });
        Press(Qt::Key_E, Qt::AltModifier);  // "&Edit..."
        QTRY_COMPARE(f.Lottery().TicketList().At(1).Description(), std::string("edited"));
        f.BackFromDialog();
        QCOMPARE(QApplication::focusWidget(), f.form->Tickets()->LinesList()->List());  // where the user left it

        TabTo(f.form->Tickets()->LinesList()->List());
        Press(Qt::Key_Home);
        WhenDialogOpens([] { Press(Qt::Key_Return); });  // "Delete"
        Press(Qt::Key_Delete);
        QCOMPARE(f.Lottery().TicketCount(), 1);
        QCOMPARE(f.Lottery().TicketList().At(0).Description(), std::string("edited"));
    }

    // "Have you Won?", the seven numbers, on to the result sheet, and back
    // and forth through the draws there.
    void enterADrawResultAndStepThroughTheDraws() {
        Fixture f;
        f.Open("BitBtn5");
        QCOMPARE(f.Page(), int(TMasterForm::EditResultPageIndex));
        QCOMPARE(FocusName(), QStringLiteral("Memo1"));
        for (const char* number : {"1", "2", "3", "4", "5", "9", "6"}) {
            Type(QLatin1String(number));
            Press(Qt::Key_Return);
        }
        Press(Qt::Key_Return);  // "Next >", where the last Enter left the focus
        QCOMPARE(f.Page(), int(TMasterForm::ResultSheetPageIndex));
        const QString latest = f.Text("CheckL1");
        QCOMPARE(f.Text("WinningNumbers"), QStringLiteral("01 - 02 - 03 - 04 - 05 - 09   Bonus Ball 06"));
        QCOMPARE(f.Text("CheckL3"), QStringLiteral("1"));
        TabTo(f.form->ResultSheet()->findChild<master::RowListView*>());
        QCOMPARE(SpokenFocus(), QStringLiteral("5 and the Bonus, Line 01-A, 01 02 03 04 05 06, drawn 01 02 03 04 05, "
                                               "bonus ball 06"));
        Press(Qt::Key_Down);
        QCOMPARE(SpokenFocus(), QStringLiteral("No prize, Line 01-B, 07 08 09 10 11 12, drawn 09"));

        TabTo(QStringLiteral("DrawDown"));
        Press(Qt::Key_Space);
        QCOMPARE(f.Text("CheckL1").toInt(), latest.toInt() - 1);
        TabTo(QStringLiteral("DrawUp"));
        Press(Qt::Key_Space);
        QCOMPARE(f.Text("CheckL1"), latest);
        Press(Qt::Key_Escape);  // "Finish"
        QTRY_COMPARE(f.Page(), int(TMasterForm::MainPageIndex));
    }

    void saveTheTicketsAsPdf() {
        Fixture f;
        const QString pdf = f.files.filePath(QStringLiteral("tickets.pdf"));
        f.platform.fileAnswers.enqueue(pdf);
        f.Open("BitBtn1");
        WhenDialogOpens([] {
            TabTo(QStringLiteral("SaveAsPdf"));
            Press(Qt::Key_Space);
        });
        Press(Qt::Key_P, Qt::AltModifier);  // "&Print..."
        QTRY_VERIFY(QFile::exists(pdf));
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.read(5) == "%PDF-");
    }

    void importAHistoryFile() {
        Fixture f;
        const QString results = f.files.filePath(QStringLiteral("results.txt"));
        QFile file(results);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("117      05-FEB-1997  01 02 03 04 05 06  07\r\n118      08-FEB-1997  49 03 27 01 12 30  05\r\n");
        file.close();
        f.platform.fileAnswers.enqueue(results);
        f.Open("BitBtn3");  // "Lottery History"
        QCOMPARE(f.Page(), int(TMasterForm::HistoryPageIndex));
        TabTo(QStringLiteral("Button15"));  // "Import"
        Press(Qt::Key_Space);
        QCOMPARE(f.Page(), int(TMasterForm::ImportPageIndex));
        TabTo(QStringLiteral("Button1"));  // "Import" on the import page
        Press(Qt::Key_Space);
        QCOMPARE(f.Page(), int(TMasterForm::HistoryPageIndex));
        QCOMPARE(f.Lottery().DrawHistory().Count() - f.Lottery().CountUnrecordedDraws(), 2);
        QCOMPARE(f.Text("ResultsL2"), QStringLiteral("2"));
    }
};

QTEST_MAIN(KeyboardFlowsTest)
#include "KeyboardFlowsTest.moc"
