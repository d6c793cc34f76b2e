#include "app/HelpManual.h"
#include "app/LoginReminder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString ExecLine(const QString& entryText) {
    for (const QString& line : entryText.split(QLatin1Char('\n')))
        if (line.startsWith(QLatin1String("Exec="))) return line;
    return {};
}

// desktop-file-validate's verdict on the entry, when the tool is there.
void VerifyValidEntry(const QString& path) {
    const QString validator = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (validator.isEmpty()) return;
    QProcess run;
    run.start(validator, {path});
    QVERIFY(run.waitForFinished());
    QVERIFY2(run.exitCode() == 0, run.readAllStandardOutput().constData());
}

void WriteFile(const QString& path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

}  // namespace

// The program at home on a desktop: its manual and its reminder at login.
class DesktopTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        config_ = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", config_->path().toLocal8Bit());
    }

    void theManualIsFoundBesideTheProgramOrWhereItIsInstalled() {
        QTemporaryDir root;
        const QString bin = root.filePath(QStringLiteral("usr/bin"));
        const QString beside = bin + QStringLiteral("/manual/main.html");
        const QString installed = root.filePath(QStringLiteral("usr/share/tallimo/manual/main.html"));
        QCOMPARE(app::help::PagePath(bin, QStringLiteral("main.html")), beside);
        WriteFile(installed);
        QCOMPARE(app::help::PagePath(bin, QStringLiteral("main.html")), installed);
        WriteFile(beside);
        QCOMPARE(app::help::PagePath(bin, QStringLiteral("main.html")), beside);
    }

    void theEntryStartsTheProgramAsAReminderUntilRemoved() {
        const app::LoginReminder reminder(QStringLiteral("/opt/tallimo/bin/tallimo"));
        const QString entry = config_->filePath(QStringLiteral("autostart/tallimo-reminder.desktop"));
        QCOMPARE(app::LoginReminder::EntryPath(), entry);
        QVERIFY(!app::LoginReminder::IsOn());
        QVERIFY(reminder.SetOn(true));
        QVERIFY(app::LoginReminder::IsOn());
        QFile file(entry);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(ExecLine(QString::fromUtf8(file.readAll())), QStringLiteral("Exec=/opt/tallimo/bin/tallimo /WARN"));
        VerifyValidEntry(entry);
        QVERIFY(reminder.SetOn(false));
        QVERIFY(!QFileInfo::exists(entry));
        QVERIFY(reminder.SetOn(false));
    }

    // Quoted for the Exec key, then escaped as every string value is.
    void aPathWithReservedCharactersIsQuoted() {
        const app::LoginReminder reminder(QStringLiteral("/home/ann lee/100% \"sure\"/$bin/tallimo"));
        QCOMPARE(ExecLine(reminder.EntryText()),
                 QStringLiteral(R"(Exec="/home/ann lee/100%% \\"sure\\"/\\$bin/tallimo" /WARN)"));
        QVERIFY(reminder.SetOn(true));
        VerifyValidEntry(app::LoginReminder::EntryPath());
    }

    void aFolderThatCannotBeMadeFails() {
        QFile blocker(config_->filePath(QStringLiteral("autostart")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QVERIFY(!app::LoginReminder(QStringLiteral("/usr/bin/tallimo")).SetOn(true));
        QVERIFY(!app::LoginReminder::IsOn());
    }

private:
    std::unique_ptr<QTemporaryDir> config_;
};

QTEST_GUILESS_MAIN(DesktopTest)
#include "DesktopTest.moc"
