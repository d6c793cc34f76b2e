#include "FakePlatform.h"
#include "Master/MainPage.h"
#include "Master/TMasterForm.h"
#include "Master/TicketsPage.h"
#include "TicketFileBuilder.h"
#include "app/DataFilePaths.h"
#include "app/DataFileWriter.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using master::TMasterForm;
using testsupport::FakePlatform;

namespace {

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A program installed in a folder it cannot write, with two expired
// tickets and one recorded draw kept beside it, and a per-user folder
// that holds nothing yet.
struct InstalledProgram {
    QTemporaryDir install;
    QTemporaryDir perUser;
    FakePlatform platform;
    QByteArray tickets = testsupport::TicketFileBuilder()
                             .Add({{1, 2, 3, 4, 5, 6}}, "first", 35466, 1, 0)
                             .Add({{7, 8, 9, 10, 11, 12}}, "second", 35466, 1, 0)
                             .Bytes();

    InstalledProgram() {
        const app::DataFilePaths beside = app::DataFilePaths::ForExecutable(install.filePath(QStringLiteral("tallimo")));
        QFile ticketFile(beside.ticketFilePath);
        if (ticketFile.open(QIODevice::WriteOnly)) ticketFile.write(tickets);
        lottery::LotteryState history(beside.ticketFilePath.toStdString(), beside.historyFilePath.toStdString(),
                                      [] { return lottery::DayNumber(35481); }, app::WriteDataFile);
        history.LoadHistory();
        history.SetDrawResult(history.DrawHistory().At(0), {1, 2, 3, 4, 5, 6, 7}, lottery::DrawDateOf(1));
        history.SaveHistory();
    }
    // As the program finds them at each start.
    app::DataFilePaths Paths() const {
        return app::DataFilePaths::ForInstalledExecutable(install.filePath(QStringLiteral("tallimo")), false,
                                                          perUser.path());
    }
    QString Kept(const char* name) const { return perUser.filePath(QLatin1String(name)); }
};

}  // namespace

class MovedDataTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void aReminderReadsTheFilesBesideTheProgram() {
        InstalledProgram program;
        TMasterForm form(program.platform, program.Paths(), true);
        form.close();
        QCOMPARE(program.platform.messages.size(), 1);
        QCOMPARE(program.platform.messages[0].text, QStringLiteral("Tallimo\r\n\r\nYou have 2 Expired Lottery Tickets"));
        QVERIFY(QDir(program.perUser.path()).isEmpty());
    }

    void theFirstSaveKeepsTheDataPerUserAndSaysWhereOnce() {
        InstalledProgram program;
        {
            TMasterForm form(program.platform, program.Paths(), false);
            form.show();
            QCOMPARE(form.findChild<QLabel*>(QStringLiteral("TicketsRecorded"))->text(), QStringLiteral("2 (2 Lines)"));
            QTest::mouseClick(form.Main()->BitBtn1(), Qt::LeftButton);
            QTest::mouseClick(form.Tickets()->Button5(), Qt::LeftButton);  // "Save"
            QCOMPARE(program.platform.messages.size(), 1);
            QCOMPARE(program.platform.messages[0].kind, QStringLiteral("Warning"));
            QCOMPARE(program.platform.messages[0].text,
                     QStringLiteral("Your tickets and results are now kept in %1.")
                         .arg(QDir::toNativeSeparators(program.perUser.path())));
            QCOMPARE(ReadFile(program.Kept("tallimo.TKT")), program.tickets);
            form.close();
            QCOMPARE(program.platform.messages.size(), 1);
        }
        QCOMPARE(ReadFile(program.install.filePath(QStringLiteral("tallimo.TKT"))), program.tickets);
        lottery::LotteryState kept(program.Kept("tallimo.TKT").toStdString(), program.Kept("tallimo.HST").toStdString(),
                                   [] { return lottery::DayNumber(35481); }, app::WriteDataFile);
        kept.LoadHistory();
        QCOMPARE(kept.DrawHistory().At(0).NumberText(7), std::string("07"));

        TMasterForm next(program.platform, program.Paths(), false);
        next.show();
        next.close();
        QCOMPARE(program.platform.messages.size(), 1);
    }
};

QTEST_MAIN(MovedDataTest)
#include "MovedDataTest.moc"
