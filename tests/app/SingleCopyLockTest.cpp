#include "FakePlatform.h"
#include "app/SingleCopyLock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using testsupport::FakePlatform;

class SingleCopyLockTest : public QObject {
    Q_OBJECT
private slots:
    void aSecondCopyIsRefusedUntilTheFirstEnds() {
        QTemporaryDir dir;
        const QString tickets = dir.filePath(QStringLiteral("Tallimo.TKT"));
        FakePlatform platform;
        auto first = std::make_unique<app::SingleCopyLock>(tickets);
        QVERIFY(first->Claim(platform));
        QVERIFY(platform.messages.isEmpty());

        app::SingleCopyLock second(tickets);
        QVERIFY(!second.Claim(platform));
        QCOMPARE(platform.messages.size(), 1);
        QCOMPARE(platform.messages[0].kind, QStringLiteral("Error"));
        QCOMPARE(platform.messages[0].text, QStringLiteral("Tallimo is already running with these files:\r\n") +
                                                QDir::toNativeSeparators(tickets) +
                                                QStringLiteral("\r\n\r\nClose the other copy first."));

        first.reset();
        QVERIFY(second.Claim(platform));
        QCOMPARE(platform.messages.size(), 1);
    }

    void aLockLeftByACopyThatCrashedIsTakenOver() {
        QTemporaryDir dir;
        const QString tickets = dir.filePath(QStringLiteral("Tallimo.TKT"));
        // As the lock file's writer leaves it: its process, its name and the
        // machine. No process can have this number.
        QFile left(tickets + QStringLiteral(".lock"));
        QVERIFY(left.open(QIODevice::WriteOnly));
        left.write("2147483646\ntallimo\n" + QSysInfo::machineHostName().toUtf8() + '\n');
        left.close();

        FakePlatform platform;
        app::SingleCopyLock lock(tickets);
        QVERIFY(lock.Claim(platform));
        QVERIFY(platform.messages.isEmpty());
        QVERIFY(left.open(QIODevice::ReadOnly));
        QCOMPARE(left.readLine().trimmed(), QByteArray::number(QCoreApplication::applicationPid()));
    }
};

QTEST_MAIN(SingleCopyLockTest)
#include "SingleCopyLockTest.moc"
