// Saves through the main window that meet a fault: at close, by "Save" and
// by an import. The user sees "Cannot create file" with the path, the files
// on disk keep what they held and the lists in memory lose nothing.
// The tests run under a plain QApplication, without the program's last-resort
// catch in notify(): a failure that escaped its button's handler would end
// the run instead of reaching the error dialog.
#include "FakePlatform.h"
#include "FileSizeLimit.h"
#include "Master/HistoryPage.h"
#include "Master/ImportPage.h"
#include "Master/MainPage.h"
#include "Master/TMasterForm.h"
#include "Master/TicketsPage.h"
#include "TestDataDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include <sys/stat.h>

using master::TMasterForm;
using testsupport::FakePlatform;
using testsupport::TestDataDir;

namespace {

// Far smaller than either file, so every save fails part-way.
constexpr rlim_t kDiskRoom = 256;

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The lists in memory as the files would hold them.
std::string ImageOf(const lottery::LotteryState& lottery) {
    lottery::ByteWriter writer;
    lottery.TicketList().WriteTo(writer);
    lottery.DrawHistory().WriteTo(writer);
    return writer.Bytes();
}

// A window whose saved files hold 20 tickets and draw 1's result, with one
// more ticket and draw 2's result in memory only.
struct UnsavedChanges {
    FakePlatform platform;
    TestDataDir data;
    std::unique_ptr<TMasterForm> form;
    QByteArray savedTickets;
    QByteArray savedHistory;
    std::string memory;

    UnsavedChanges() {
        platform.today = QDate(1997, 2, 20);
        form = std::make_unique<TMasterForm>(platform, data.Paths(), false);
        form->show();
        lottery::LotteryState& lottery = form->Lottery();
        for (int i = 0; i < 20; ++i) lottery.AddTicket(Boards({1, 2, 3, 4, 5, 6}), "saved", 35466, 9, 0);
        lottery.SetDrawResult(lottery.DrawHistory().At(0), {1, 2, 3, 4, 5, 6, 7}, lottery::DrawDateOf(1));
        lottery.SaveTickets();
        lottery.SaveHistory();
        savedTickets = ReadFile(data.Paths().ticketFilePath);
        savedHistory = ReadFile(data.Paths().historyFilePath);
        lottery.AddTicket(Boards({7, 8, 9, 10, 11, 12}), "unsaved", 35466, 9, 0);
        lottery.SetDrawResult(lottery.DrawHistory().At(1), {11, 12, 13, 14, 15, 16, 17}, lottery::DrawDateOf(2));
        memory = ImageOf(lottery);
    }
    static lottery::TLine::BoardArray Boards(lottery::TLine::Board first) {
        lottery::TLine::BoardArray boards{};
        boards[0] = first;
        return boards;
    }
    QString CannotCreate(const QString& path) const { return QStringLiteral("Cannot create file ") + path; }
    QString BothFailures() const {
        return CannotCreate(data.Paths().historyFilePath) + QStringLiteral("\r\n") +
               CannotCreate(data.Paths().ticketFilePath);
    }
    void ExpectNothingLost() const {
        QCOMPARE(ImageOf(form->Lottery()), memory);
        QCOMPARE(ReadFile(data.Paths().ticketFilePath), savedTickets);
        QCOMPARE(ReadFile(data.Paths().historyFilePath), savedHistory);
    }
};

}  // namespace

class SaveFaultsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void closingOnAFullDiskNamesBothFilesAndKeepsThem() {
        UnsavedChanges f;
        f.platform.answerYes = false;
        bool closed = true;
        {
            testsupport::FileSizeLimit full(kDiskRoom);
            closed = f.form->close();
        }
        QVERIFY(!closed);
        QCOMPARE(f.platform.messages.size(), 2);
        QCOMPARE(f.platform.messages[0].kind, QStringLiteral("Error"));
        QCOMPARE(f.platform.messages[0].text, f.BothFailures());
        f.ExpectNothingLost();
        // Room again: the next close writes everything.
        QVERIFY(f.form->close());
        QVERIFY(ReadFile(f.data.Paths().ticketFilePath) != f.savedTickets);
        QVERIFY(ReadFile(f.data.Paths().historyFilePath) != f.savedHistory);
    }

    void closingWhereFoldersStandForTheFilesKeepsTheFolders() {
        UnsavedChanges f;
        for (const QString& path : {f.data.Paths().ticketFilePath, f.data.Paths().historyFilePath}) {
            QVERIFY(QFile::rename(path, path + QStringLiteral(".old")));
            QVERIFY(QDir().mkpath(path + QStringLiteral("/kept")));
        }
        f.platform.answerYes = true;  // close anyway
        QVERIFY(f.form->close());
        QCOMPARE(f.platform.messages[0].text, f.BothFailures());
        QCOMPARE(ImageOf(f.form->Lottery()), f.memory);
        QVERIFY(QFileInfo(f.data.Paths().ticketFilePath + QStringLiteral("/kept")).isDir());
        QVERIFY(QFileInfo(f.data.Paths().historyFilePath + QStringLiteral("/kept")).isDir());
        QCOMPARE(ReadFile(f.data.Paths().ticketFilePath + QStringLiteral(".old")), f.savedTickets);
    }

    void savingOverAFolderStaysOnThePageAndSaysWhy_data() {
        QTest::addColumn<int>("page");
        QTest::newRow("tickets") << int(TMasterForm::TicketsPageIndex);
        QTest::newRow("history") << int(TMasterForm::HistoryPageIndex);
    }

    // "Save" on either page writes the tickets; a folder stands for their file.
    void savingOverAFolderStaysOnThePageAndSaysWhy() {
        QFETCH(int, page);
        UnsavedChanges f;
        const QString tickets = f.data.Paths().ticketFilePath;
        QVERIFY(QFile::rename(tickets, tickets + QStringLiteral(".old")));
        QVERIFY(QDir().mkpath(tickets + QStringLiteral("/kept")));
        const bool ticketsPage = page == TMasterForm::TicketsPageIndex;
        QTest::mouseClick(ticketsPage ? f.form->Main()->BitBtn1() : f.form->Main()->BitBtn3(), Qt::LeftButton);
        QTest::mouseClick(ticketsPage ? f.form->Tickets()->Button5() : f.form->History()->Button13(), Qt::LeftButton);
        QCOMPARE(f.form->CurrentPage(), page);
        QCOMPARE(f.platform.messages.size(), 1);
        QCOMPARE(f.platform.messages[0].kind, QStringLiteral("Error"));
        QCOMPARE(f.platform.messages[0].text, f.CannotCreate(tickets));
        QCOMPARE(ImageOf(f.form->Lottery()), f.memory);
        QVERIFY(QFileInfo(tickets + QStringLiteral("/kept")).isDir());
        QCOMPARE(ReadFile(f.data.Paths().historyFilePath), f.savedHistory);
    }

    // A pipe waits for a writer when opened: start-up must not open it, and
    // the empty list it shows must not take its place at close.
    void aFileThatCouldNotBeReadAtStartUpIsNotReplacedAtClose() {
        FakePlatform platform;
        TestDataDir data;
        const QString tickets = data.Paths().ticketFilePath;
        QCOMPARE(mkfifo(QFile::encodeName(tickets).constData(), 0600), 0);
        {
            TMasterForm reminder(platform, data.Paths(), true);
            QVERIFY(reminder.close());
        }
        QVERIFY(platform.messages.isEmpty());
        TMasterForm form(platform, data.Paths(), false);
        form.show();
        QCOMPARE(form.Lottery().TicketCount(), 0);
        platform.answerYes = true;
        QVERIFY(form.close());
        QCOMPARE(platform.messages.size(), 2);
        QCOMPARE(platform.messages[0].text, QStringLiteral("Cannot create file ") + tickets);
        QCOMPARE(platform.messages[1].kind, QStringLiteral("Question"));
        struct stat status {};
        QCOMPARE(stat(QFile::encodeName(tickets).constData(), &status), 0);
        QVERIFY(S_ISFIFO(status.st_mode));
        QVERIFY(QFileInfo(data.Paths().historyFilePath).isFile());
    }

    void anImportThatCannotBeSavedChangesNothing() {
        UnsavedChanges f;
        QTemporaryDir downloads;
        const QString results = downloads.filePath(QStringLiteral("results.txt"));
        QFile file(results);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("117      05-FEB-1997  01 02 03 04 05 06  07\r\n");
        file.close();
        f.form->ShowPage(TMasterForm::ImportPageIndex);
        f.platform.fileAnswers.enqueue(results);
        {
            testsupport::FileSizeLimit full(kDiskRoom);
            QTest::mouseClick(f.form->Import()->Button1(), Qt::LeftButton);
        }
        QCOMPARE(f.platform.messages.size(), 1);
        QCOMPARE(f.platform.messages[0].text, f.CannotCreate(f.data.Paths().historyFilePath));
        f.ExpectNothingLost();
        QCOMPARE(f.form->CurrentPage(), int(TMasterForm::HistoryPageIndex));
    }
};

QTEST_MAIN(SaveFaultsTest)
#include "SaveFaultsTest.moc"
