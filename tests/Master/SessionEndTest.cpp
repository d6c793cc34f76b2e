#include "FakePlatform.h"
#include "Master/TMasterForm.h"
#include "TestDataDir.h"
#include "app/DataFileWriter.h"
#include "app/TerminationSignal.h"

#include <QFile>
#include <QStandardPaths>
#include <QTest>

#include <csignal>
#include <memory>

using master::TMasterForm;
using testsupport::FakePlatform;
using testsupport::TestDataDir;

namespace {

// A window with one ticket and one result entered since start-up, neither
// saved.
struct UnsavedWork {
    FakePlatform platform;
    TestDataDir data;
    std::unique_ptr<TMasterForm> form;

    UnsavedWork() {
        platform.today = QDate(1997, 2, 20);
        form = std::make_unique<TMasterForm>(platform, data.Paths(), false);
        form->show();
        lottery::LotteryState& lottery = form->Lottery();
        lottery.AddTicket({lottery::TLine::Board{1, 2, 3, 4, 5, 6}}, "entered", 35466, 9, 0);
        lottery.SetDrawResult(lottery.DrawHistory().At(0), {1, 2, 3, 4, 5, 6, 7}, lottery::DrawDateOf(1));
    }

    // What the next start finds in the files.
    void ExpectSaved() const {
        lottery::LotteryState next(data.Paths().ticketFilePath.toStdString(),
                                   data.Paths().historyFilePath.toStdString(),
                                   [] { return lottery::DayNumber(35481); }, app::WriteDataFile);
        next.LoadTickets();
        next.LoadHistory();
        QCOMPARE(next.TicketCount(), 1);
        QCOMPARE(next.TicketList().At(0).Description(), std::string("entered"));
        QCOMPARE(next.DrawHistory().At(0).NumberText(7), std::string("07"));
    }
};

}  // namespace

class SessionEndTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void sigtermClosesTheWindowAfterItsClosingSteps() {
        UnsavedWork work;
        struct sigaction before {};
        ::sigaction(SIGTERM, nullptr, &before);
        {
            app::TerminationSignal termination(*work.form);
            ::raise(SIGTERM);
            QTRY_VERIFY(!work.form->isVisible());
            work.ExpectSaved();
        }
        struct sigaction after {};
        ::sigaction(SIGTERM, nullptr, &after);
        QVERIFY(after.sa_handler == before.sa_handler);
    }

    void theSessionsEndSavesAndLeavesTheWindowOpen() {
        UnsavedWork work;
        work.form->SaveAtSessionEnd();
        work.ExpectSaved();
        QVERIFY(work.form->isVisible());
        QVERIFY(!work.form->Lottery().TicketsChanged());
        QVERIFY(work.platform.messages.isEmpty());
    }
};

QTEST_MAIN(SessionEndTest)
#include "SessionEndTest.moc"
