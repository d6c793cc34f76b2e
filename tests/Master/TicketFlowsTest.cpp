#include "AddLineDlg/TAddLineForm.h"
#include "FakePlatform.h"
#include "Master/HeaderedList.h"
#include "Master/HistoryPage.h"
#include "Master/MainPage.h"
#include "Master/ResultSheetPage.h"
#include "Master/RowListView.h"
#include "Master/TMasterForm.h"
#include "Master/TicketsPage.h"
#include "TestDataDir.h"
#include "TicketFileBuilder.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using master::TMasterForm;
using testsupport::FakePlatform;
using testsupport::TestDataDir;
using testsupport::TicketFileBuilder;

namespace {

// Runs the given steps on the wizard as soon as it is shown modally; a
// wizard the steps leave open (a failed check) is cancelled so that the
// test ends.
void WhenWizardOpens(std::function<void(addlinedlg::TAddLineForm&)> steps) {
    QTimer::singleShot(0, [steps] {
        auto* wizard = qobject_cast<addlinedlg::TAddLineForm*>(QApplication::activeModalWidget());
        if (!wizard) {
            WhenWizardOpens(steps);
            return;
        }
        steps(*wizard);
        if (wizard->isVisible()) wizard->reject();
    });
}

void Click(addlinedlg::TAddLineForm& wizard, const char* button) {
    QTest::mouseClick(wizard.findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
}

void TypeBoard(addlinedlg::TAddLineForm& wizard, int board, const QStringList& numbers) {
    for (int position = 1; position <= 6; ++position) {
        auto* field = wizard.findChild<QLineEdit*>(QStringLiteral("Memo%1").arg(6 * (board - 1) + position));
        field->setFocus();
        QTest::keyClicks(field, numbers[position - 1]);
    }
}

struct Fixture {
    FakePlatform platform;
    TestDataDir data;
    std::unique_ptr<TMasterForm> form;

    explicit Fixture(const QByteArray& tickets) {
        data.WriteTickets(tickets);
        form = std::make_unique<TMasterForm>(platform, data.Paths(), false);
        form->show();
        QTest::mouseClick(form->Main()->BitBtn1(), Qt::LeftButton);
    }
    master::TicketsPage& Page() const { return *form->Tickets(); }
    int Selected() const { return Page().LinesList()->SelectedRow(); }
    QString Text(const char* label) const { return form->findChild<QLabel*>(QLatin1String(label))->text(); }
    QStringList Keys() const {
        QStringList keys;
        for (const lottery::TicketRow& row : Page().Rows().Rows()) keys << QString::fromStdString(row.Key());
        return keys;
    }
};

const QByteArray kTwoTickets = TicketFileBuilder()
                                   .Add({{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}}, "first", 46361, 9, 0)
                                   .Add({{13, 14, 15, 16, 17, 18}}, "second", 46361, 9, 0)
                                   .Bytes();

}  // namespace

class TicketFlowsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void addingATicketListsItAndSelectsItsLastBoard() {
        Fixture f(kTwoTickets);
        WhenWizardOpens([](addlinedlg::TAddLineForm& wizard) {
            TypeBoard(wizard, 1, {"49", "3", "27", "1", "12", "30"});
            TypeBoard(wizard, 2, {"5", "6", "7", "8", "9", "10"});
            wizard.findChild<QLineEdit*>(QStringLiteral("Comment"))->setText(QStringLiteral("Café £5"));
            Click(wizard, "Button3");  // on to the confirmation
            Click(wizard, "Button3");  // "Finish"
        });
        QTest::mouseClick(f.Page().Button6(), Qt::LeftButton);
        QCOMPARE(f.Keys(), (QStringList{"01-A", "01-B", "02-A", "03-A", "03-B"}));
        QCOMPARE(f.Selected(), 4);
        QCOMPARE(f.Text("TCLabel"), QStringLiteral("Café £5"));
        QCOMPARE(f.Text("LineLabel"), QStringLiteral("3 Lottery Tickets (5 Lines)"));
        const lottery::TLine& added = f.form->Lottery().TicketList().At(2);
        QCOMPARE(added.Number(1, 1), 1);
        QCOMPARE(added.Number(1, 6), 49);
        QCOMPARE(added.Description(), std::string("Caf\xe9 \xa3" "5"));
        QCOMPARE(lottery::DrawNumberOf(added.StartDate()), 3231);  // the next draw, Wed 9 Dec 2026
    }

    void editingKeepsTheTicketsPlaceAndTheSelection() {
        Fixture f(kTwoTickets);
        f.Page().LinesList()->SelectRow(1);
        WhenWizardOpens([](addlinedlg::TAddLineForm& wizard) {
            QCOMPARE(wizard.windowTitle(), QStringLiteral("Edit Lottery Ticket"));
            wizard.findChild<QLineEdit*>(QStringLiteral("Comment"))->setText(QStringLiteral("edited"));
            Click(wizard, "Button3");
            Click(wizard, "Button3");
        });
        QTest::mouseClick(f.Page().Button7(), Qt::LeftButton);
        QCOMPARE(f.Selected(), 1);
        QCOMPARE(f.Text("TCLabel"), QStringLiteral("edited"));
        QCOMPARE(f.form->Lottery().TicketList().At(0).Description(), std::string("edited"));
        QCOMPARE(f.Keys(), (QStringList{"01-A", "01-B", "02-A"}));
    }

    void displayAndACancelledDeleteChangeNothing() {
        Fixture f(kTwoTickets);
        WhenWizardOpens([](addlinedlg::TAddLineForm& wizard) {
            QCOMPARE(wizard.windowTitle(), QStringLiteral("Display of Lottery Ticket"));
            Click(wizard, "Button5");  // "OK"
        });
        QTest::mouseClick(f.Page().Button9(), Qt::LeftButton);
        WhenWizardOpens([](addlinedlg::TAddLineForm& wizard) {
            QCOMPARE(wizard.windowTitle(), QStringLiteral("Delete Lottery Ticket"));
            Click(wizard, "Button5");  // "Cancel"
        });
        QTest::mouseClick(f.Page().Button21(), Qt::LeftButton);
        QCOMPARE(f.form->Lottery().TicketCount(), 2);
    }

    void deletingTheLastRowsTicketLeavesNoSelection() {
        Fixture f(kTwoTickets);
        f.Page().LinesList()->SelectRow(2);
        WhenWizardOpens([](addlinedlg::TAddLineForm& wizard) { Click(wizard, "Button3"); });  // "Delete"
        QTest::mouseClick(f.Page().Button21(), Qt::LeftButton);
        QCOMPARE(f.Keys(), (QStringList{"01-A", "01-B"}));
        QCOMPARE(f.Selected(), -1);
        QCOMPARE(f.Text("LLabel"), QString());
        QVERIFY(!f.form->findChild<QLabel*>(QStringLiteral("Detail4Label"))->isVisible());

        // The Delete key on the list starts the same flow as the button.
        f.Page().LinesList()->SelectRow(0);
        f.Page().LinesList()->List()->setFocus();
        WhenWizardOpens([](addlinedlg::TAddLineForm& wizard) { Click(wizard, "Button3"); });
        QTest::keyClick(f.Page().LinesList()->List(), Qt::Key_Delete);
        QCOMPARE(f.Text("LineLabel"), QStringLiteral("No Tickets"));
        QTest::mouseClick(f.Page().Button5(), Qt::LeftButton);  // "Save"
        QCOMPARE(f.data.ReadTickets(), QByteArray("\x01\x00\x00\x00", 4));
    }

    void cancelAfterAnAddAsksThenRestoresTheLastSave() {
        Fixture f(kTwoTickets);
        WhenWizardOpens([](addlinedlg::TAddLineForm& wizard) {
            TypeBoard(wizard, 1, {"1", "2", "3", "4", "5", "6"});
            Click(wizard, "Button3");
            Click(wizard, "Button3");
        });
        QTest::mouseClick(f.Page().Button6(), Qt::LeftButton);
        QCOMPARE(f.form->Lottery().TicketCount(), 3);
        f.platform.answerYes = false;
        QTest::mouseClick(f.Page().Button3(), Qt::LeftButton);
        QCOMPARE(f.platform.messages.size(), 1);
        QCOMPARE(f.platform.messages[0].kind, QStringLiteral("Question"));
        QCOMPARE(f.platform.messages[0].text, QStringLiteral("Discard the changes to your tickets?"));
        QCOMPARE(f.form->Lottery().TicketCount(), 3);
        QCOMPARE(f.form->CurrentPage(), int(TMasterForm::TicketsPageIndex));

        f.platform.answerYes = true;
        QTest::mouseClick(f.Page().Button3(), Qt::LeftButton);
        QCOMPARE(f.form->Lottery().TicketCount(), 2);
        QCOMPARE(f.data.ReadTickets(), kTwoTickets);
        QCOMPARE(f.form->CurrentPage(), int(TMasterForm::MainPageIndex));

        // With nothing left to lose, the history page's "Cancel" asks nothing.
        QTest::mouseClick(f.form->Main()->BitBtn3(), Qt::LeftButton);
        QTest::mouseClick(f.form->History()->Button14(), Qt::LeftButton);
        QCOMPARE(f.platform.messages.size(), 2);
        QCOMPARE(f.form->CurrentPage(), int(TMasterForm::MainPageIndex));
    }

    void theResultSheetDisplaysATicketsWinnings() {
        Fixture f(kTwoTickets);
        f.form->Lottery().SetDrawResult(f.form->Lottery().DrawHistory().At(3229), {1, 2, 3, 4, 5, 9, 6},
                                        lottery::DrawDateOf(3230));
        QTest::mouseClick(f.Page().Button5(), Qt::LeftButton);
        QTest::mouseClick(f.form->Main()->BitBtn5(), Qt::LeftButton);
        QTest::mouseClick(f.form->findChild<QPushButton*>(QStringLiteral("Button10")), Qt::LeftButton);
        QString heading;
        WhenWizardOpens([&heading](addlinedlg::TAddLineForm& wizard) {
            heading = wizard.findChild<QLabel*>(QStringLiteral("Label13"))->text();
            Click(wizard, "Button5");
        });
        QTest::mouseClick(f.form->ResultSheet()->Button18(), Qt::LeftButton);
        QCOMPARE(heading, QStringLiteral("Draw: 3230 Ticket Winnings"));
    }
};

QTEST_MAIN(TicketFlowsTest)
#include "TicketFlowsTest.moc"
