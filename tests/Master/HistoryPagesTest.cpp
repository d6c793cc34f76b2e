#include "FakePlatform.h"
#include "Master/EditResultPage.h"
#include "Master/HeaderedList.h"
#include "Master/HistoryPage.h"
#include "Master/MainPage.h"
#include "Master/ResultSheetPage.h"
#include "Master/RowListView.h"
#include "Master/TMasterForm.h"
#include "Master/TicketsPage.h"
#include "PrintTickets/TPrintDlg.h"
#include "TestDataDir.h"
#include "TicketFileBuilder.h"
#include "datepicker/DateField.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
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

const QString kInvalid = QStringLiteral(
    "Number Invalid.\r\n\r\nLottery Numbers can only be in the range 1 to 49\r\nand may not be specified more than once.");

struct Fixture {
    FakePlatform platform;
    TestDataDir data;
    std::unique_ptr<TMasterForm> form;

    explicit Fixture(const QByteArray& tickets = TicketFileBuilder().Bytes(), QDate today = QDate(2026, 12, 8)) {
        platform.today = today;
        data.WriteTickets(tickets);
        Open();
    }
    void Open() {
        form = std::make_unique<TMasterForm>(platform, data.Paths(), false);
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    void Reopen() {
        QVERIFY(form->close());
        form.reset();
        Open();
    }
    QString Text(const char* name) const { return form->findChild<QLabel*>(QLatin1String(name))->text(); }
    bool Visible(const char* name) const { return form->findChild<QLabel*>(QLatin1String(name))->isVisible(); }
    QStringList Keys(const master::HeaderedList& list) const {
        QStringList keys;
        const QAbstractItemModel* model = list.List()->Model();
        for (int row = 0; row < model->rowCount(); ++row) keys << model->index(row, 0).data().toString();
        return keys;
    }
    // Types each number into its field and presses Enter, as a user would.
    void TypeResult(const QStringList& numbers) const {
        for (int i = 0; i < numbers.size(); ++i) {
            QLineEdit* memo = form->EditResult()->Memo(i + 1);
            QTRY_VERIFY(memo->hasFocus());
            QTest::keyClicks(memo, numbers[i]);
            QTest::keyClick(memo, Qt::Key_Return);
        }
    }
    void HaveYouWon(const QStringList& numbers) const {
        QTest::mouseClick(form->Main()->BitBtn5(), Qt::LeftButton);
        QCoreApplication::processEvents();
        TypeResult(numbers);
    }
};

// Runs the steps on the print dialog as soon as it is shown modally, then
// cancels it if the steps left it open.
void WhenPrintDialogOpens(std::function<void(printtickets::TPrintDlg&)> steps) {
    QTimer::singleShot(0, [steps] {
        auto* dialog = qobject_cast<printtickets::TPrintDlg*>(QApplication::activeModalWidget());
        if (!dialog) {
            WhenPrintDialogOpens(steps);
            return;
        }
        steps(*dialog);
        if (dialog->isVisible()) dialog->reject();
    });
}

}  // namespace

class HistoryPagesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { QSettings(QStringLiteral("Brenwick"), QStringLiteral("Tallimo")).clear(); }

    void aFirstStartListsEveryDrawUnrecorded() {
        Fixture f;
        QTest::mouseClick(f.form->Main()->BitBtn3(), Qt::LeftButton);
        QCOMPARE(f.form->CurrentPage(), int(TMasterForm::HistoryPageIndex));
        const int latest = f.form->Lottery().LatestDrawNumber();
        QCOMPARE(latest, 3230);
        QCOMPARE(f.Text("ResultsL1"), QString::number(latest));
        QCOMPARE(f.Text("ResultsL2"), QStringLiteral("0"));
        QCOMPARE(f.Text("ResultsL3"), QStringLiteral("3230 Draws have not yet been recorded"));
        const QStringList keys = f.Keys(*f.form->History()->HistoryList());
        QCOMPARE(keys.first(), QStringLiteral("19941119"));
        QCOMPARE(keys.last(), QStringLiteral("20261205"));
        QCOMPARE(f.form->History()->HistoryList()->SelectedRow(), latest - 1);
        QAbstractItemModelTester tester(f.form->History()->HistoryList()->List()->Model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
    }

    void countsOfRecordedDraws() {
        Fixture f(TicketFileBuilder().Bytes(), QDate(1994, 11, 30));  // draws 1 and 2 so far
        f.HaveYouWon({"1", "2", "3", "4", "5", "6", "7"});
        QTest::mouseClick(f.form->ResultSheet()->Button17(), Qt::LeftButton);
        QTest::mouseClick(f.form->Main()->BitBtn3(), Qt::LeftButton);
        QCOMPARE(f.Text("ResultsL3"), QStringLiteral("1 Draw has not yet been recorded"));
        QVERIFY(f.Visible("ResultsS3"));
        f.form->History()->HistoryList()->SelectRow(0);
        QTest::mouseClick(f.form->History()->Button11(), Qt::LeftButton);
        QCOMPARE(f.Text("DrawNumberLabel"), QStringLiteral("1"));
        QCOMPARE(f.Text("DateofDrawLabel"), QStringLiteral("Saturday 19 November 1994"));
        QCOMPARE(f.form->EditResult()->Button10()->text(), QStringLiteral("Save"));
        QCOMPARE(f.form->EditResult()->Memo(1)->text(), QStringLiteral("00"));
        f.form->EditResult()->Memo(1)->setFocus();
        f.TypeResult({"9", "8", "7", "6", "5", "4", "3"});
        QCOMPARE(f.form->CurrentPage(), int(TMasterForm::HistoryPageIndex));
        QTest::mouseClick(f.form->History()->Button14(), Qt::LeftButton);  // "Cancel" leaves the history alone
        QTest::mouseClick(f.form->Main()->BitBtn3(), Qt::LeftButton);
        QCOMPARE(f.Text("ResultsL2"), QStringLiteral("2"));
        QVERIFY(!f.Visible("ResultsS3"));
        QVERIFY(!f.Visible("ResultsL3"));
    }

    void fieldsTakeTwoDigitsAndNothingElse() {
        Fixture f;
        QTest::mouseClick(f.form->Main()->BitBtn5(), Qt::LeftButton);
        QLineEdit* memo = f.form->EditResult()->Memo(1);
        QTRY_VERIFY(memo->hasFocus());
        QTRY_COMPARE(memo->selectedText(), QStringLiteral("00"));
        QTest::keyClicks(memo, QStringLiteral("a4-x27"));
        QCOMPARE(memo->text(), QStringLiteral("42"));
        QTest::keyClick(memo, Qt::Key_Down);
        QVERIFY(memo->hasFocus());
        QTest::keyClick(memo, Qt::Key_Return);
        QVERIFY(f.form->EditResult()->Memo(2)->hasFocus());
    }

    void enterInAnEmptyFieldReportsTheInvalidNumber() {
        Fixture f;
        QTest::mouseClick(f.form->Main()->BitBtn5(), Qt::LeftButton);
        QLineEdit* memo = f.form->EditResult()->Memo(1);
        QTRY_VERIFY(memo->hasFocus());
        QTest::keyClick(memo, Qt::Key_Backspace);
        QTest::keyClick(memo, Qt::Key_Return);
        QCOMPARE(f.platform.beeps, 1);
        QCOMPARE(f.platform.messages.size(), 1);
        QCOMPARE(f.platform.messages[0].text, kInvalid);
        QCOMPARE(f.form->CurrentPage(), int(TMasterForm::EditResultPageIndex));
    }

    void aBonusRepeatingABallIsRefusedAndBallsAreSorted() {
        Fixture f;
        f.HaveYouWon({"07", "12", "23", "31", "40", "45", "12"});
        QCOMPARE(f.platform.messages.size(), 1);
        QCOMPARE(f.platform.messages[0].text, kInvalid);
        QCOMPARE(f.form->CurrentPage(), int(TMasterForm::EditResultPageIndex));

        f.form->EditResult()->Memo(1)->setFocus();
        f.TypeResult({"49", "12", "07", "31", "40", "23", "45"});
        QCOMPARE(f.form->CurrentPage(), int(TMasterForm::ResultSheetPageIndex));
        QCOMPARE(f.Text("WinningNumbers"), QStringLiteral("07 - 12 - 23 - 31 - 40 - 49   Bonus Ball 45"));
    }

    void haveYouWonListsTheWinnersFirstWithTheirCounts() {
        const double start = 46361;  // Sat 5 Dec 2026, the latest draw
        Fixture f(TicketFileBuilder()
                      .Add({{10, 11, 12, 13, 14, 15}, {1, 2, 3, 40, 41, 42}}, "three balls", start, 9, 0)
                      .Add({{20, 21, 22, 23, 24, 25}, {1, 2, 3, 4, 5, 6}, {30, 31, 32, 33, 34, 35}}, "", start, 9, 0)
                      .Add({{36, 37, 38, 39, 40, 41}, {1, 2, 3, 4, 5, 7}}, "bonus", start, 9, 1)  // Wednesdays
                      .Bytes());
        f.HaveYouWon({"1", "2", "3", "4", "5", "6", "7"});
        master::ResultSheetPage* sheet = f.form->ResultSheet();
        QCOMPARE(f.form->CurrentPage(), int(TMasterForm::ResultSheetPageIndex));
        QVERIFY(sheet->ValidOnly()->isChecked());
        QCOMPARE(f.Keys(*sheet->CheckList()), (QStringList{"1 02-B", "5 01-B", "6 01-A", "6 02-A", "6 02-C"}));
        QCOMPARE(f.Text("CheckL2"), QStringLiteral("5"));
        QCOMPARE(f.Text("CheckL3"), QStringLiteral("2"));
        QCOMPARE(f.Text("CheckL1"), QStringLiteral("3230"));
        QCOMPARE(f.Text("CheckL4"), QStringLiteral("Saturday 05 December 2026"));
        QVERIFY(!sheet->DrawUp()->isEnabled());
        QVERIFY(sheet->DrawDown()->isEnabled());
        QAbstractItemModelTester tester(sheet->CheckList()->List()->Model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);

        QTest::mouseClick(sheet->ValidOnly(), Qt::LeftButton);  // all tickets, whatever their draws
        QCOMPARE(f.Keys(*sheet->CheckList()).first(), QStringLiteral("1 02-B"));
        QCOMPARE(f.Keys(*sheet->CheckList())[1], QStringLiteral("2 03-B"));
        QCOMPARE(f.Text("CheckL2"), QStringLiteral("7"));
        QCOMPARE(f.Text("CheckL3"), QStringLiteral("3"));

        QTest::mouseClick(sheet->Button17(), Qt::LeftButton);
        QCOMPARE(f.form->CurrentPage(), int(TMasterForm::MainPageIndex));
    }

    void theDescriptionFollowsTheSelectedBoard() {
        Fixture f(TicketFileBuilder()
                      .Add({{1, 2, 3, 4, 5, 6}}, "Fish & Chips", 46361, 9, 0)
                      .Add({{7, 8, 9, 10, 11, 12}}, "", 46361, 9, 0)
                      .Bytes());
        f.HaveYouWon({"1", "2", "3", "4", "5", "6", "7"});
        QCOMPARE(f.Text("CheckL5"), QStringLiteral("Fish & Chips"));
        QVERIFY(f.Visible("CheckS5"));
        f.form->ResultSheet()->CheckList()->SelectRow(1);
        QVERIFY(!f.Visible("CheckS5"));
        QVERIFY(!f.Visible("CheckL5"));
    }

    void printOpensTheResultSheetOfTheDrawOrTheChecklist() {
        const double start = 46361;  // Sat 5 Dec 2026, the latest draw
        Fixture f(TicketFileBuilder().Add({{1, 2, 3, 40, 41, 42}}, "", start, 9, 0).Bytes());
        f.HaveYouWon({"1", "2", "3", "4", "5", "6", "7"});
        bool opened = false;
        WhenPrintDialogOpens([&opened](printtickets::TPrintDlg& dialog) {
            opened = true;
            QVERIFY(!dialog.ChecklistMode());
            QVERIFY(!dialog.SDateBox()->isEnabled());
            QCOMPARE(dialog.SDateBox()->Text(), dialog.EDateBox()->Text());
            QTest::mouseClick(dialog.Button1(), Qt::LeftButton);
        });
        QTest::mouseClick(f.form->ResultSheet()->Button22(), Qt::LeftButton);
        QVERIFY(opened);
        // The test's machine has no printer: one draw, one message.
        QCOMPARE(f.platform.messages.size(), 1);
        QCOMPARE(f.platform.messages[0].text, QStringLiteral("No printers are defined, aborting print job."));

        opened = false;
        WhenPrintDialogOpens([&opened](printtickets::TPrintDlg& dialog) {
            opened = true;
            QVERIFY(dialog.ChecklistMode());
            QVERIFY(dialog.SDateBox()->isEnabled());
        });
        QTest::mouseClick(f.form->Main()->BitBtn1(), Qt::LeftButton);
        QTest::mouseClick(f.form->Tickets()->Button19(), Qt::LeftButton);
        QVERIFY(opened);
    }

    void drawStepsStopAtTheEnds() {
        Fixture f(TicketFileBuilder().Bytes(), QDate(1994, 12, 10));  // draws 1 to 4
        QTest::mouseClick(f.form->Main()->BitBtn3(), Qt::LeftButton);
        f.form->History()->HistoryList()->SelectRow(1);
        QTest::mouseClick(f.form->History()->Button16(), Qt::LeftButton);
        master::ResultSheetPage* sheet = f.form->ResultSheet();
        QCOMPARE(f.Text("CheckL1"), QStringLiteral("2"));
        QTest::mouseClick(sheet->DrawDown(), Qt::LeftButton);
        QCOMPARE(f.Text("CheckL1"), QStringLiteral("1"));
        QVERIFY(!sheet->DrawDown()->isEnabled());
        QCOMPARE(f.Text("WinningNumbers"), QStringLiteral("00 - 00 - 00 - 00 - 00 - 00   Bonus Ball 00"));
        for (int step = 0; step < 3; ++step) QTest::mouseClick(sheet->DrawUp(), Qt::LeftButton);
        QCOMPARE(f.Text("CheckL1"), QStringLiteral("4"));
        QVERIFY(!sheet->DrawUp()->isEnabled());
        QCOMPARE(f.form->History()->HistoryList()->SelectedRow(), 3);
        QTest::mouseClick(sheet->Button17(), Qt::LeftButton);
        QCOMPARE(f.form->CurrentPage(), int(TMasterForm::HistoryPageIndex));
    }

    void cancelOnEditResultReturnsWithoutStoring() {
        Fixture f;
        QTest::mouseClick(f.form->Main()->BitBtn5(), Qt::LeftButton);
        f.form->EditResult()->Memo(1)->setText(QStringLiteral("12"));
        QTest::mouseClick(f.form->EditResult()->Button12(), Qt::LeftButton);
        QCOMPARE(f.form->CurrentPage(), int(TMasterForm::MainPageIndex));
        QCOMPARE(f.form->Lottery().CountUnrecordedDraws(), 3230);
    }

    void resultsAndTheValidOnlyChoiceSurviveARestart() {
        Fixture f(TicketFileBuilder().Add({{1, 2, 3, 4, 5, 6}}, "", 46361, 9, 1).Bytes());
        f.HaveYouWon({"1", "2", "3", "4", "5", "6", "7"});
        QCOMPARE(f.Keys(*f.form->ResultSheet()->CheckList()), QStringList());  // Wednesdays only
        QTest::mouseClick(f.form->ResultSheet()->ValidOnly(), Qt::LeftButton);
        QCOMPARE(f.Keys(*f.form->ResultSheet()->CheckList()), QStringList{"1 01-A"});
        f.Reopen();
        QCOMPARE(f.form->Lottery().CountUnrecordedDraws(), 3229);
        f.HaveYouWon({"1", "2", "3", "4", "5", "6", "7"});
        QVERIFY(!f.form->ResultSheet()->ValidOnly()->isChecked());
        QCOMPARE(f.Keys(*f.form->ResultSheet()->CheckList()), QStringList{"1 01-A"});
    }
};

QTEST_MAIN(HistoryPagesTest)
#include "HistoryPagesTest.moc"
