#include "PdfPageCount.h"
#include "TicketFileBuilder.h"

#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Draw 3211 is Wednesday 30 September 2026 (draw 117 was Wednesday 5 February
// 1997, two draws a week since: 117 + 2 * 1547 weeks); draw 3210 is the
// Saturday before it. Both lines in the import file's fixed columns.
const QByteArray kResults = "3210     26-SEP-2026  01 02 03 04 05 06  09\r\n"
                            "3211     30-SEP-2026  03 11 19 27 35 43  07\r\n";
constexpr double kSeptember30 = 46295;  // days since 30 December 1899
constexpr double kOctober3 = 46298;
constexpr double kJanuary3 = 46025;

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

// A copy of the program in a folder of its own, whose data files sit beside it.
class InstalledCopy {
public:
    InstalledCopy() {
        QFile::copy(QStringLiteral(TALLIMO_EXECUTABLE), Path(QStringLiteral("tallimo")));
        testsupport::TicketFileBuilder tickets;
        // Against 03 11 19 27 35 43, bonus 07:
        tickets.Add({{3, 11, 19, 27, 35, 43},   // six balls: 1
                     {3, 11, 19, 27, 35, 7},    // five and the bonus: 2
                     {3, 11, 19, 27, 35, 44},   // five: 3
                     {3, 11, 19, 27, 1, 2},     // four: 4
                     {3, 11, 19, 1, 2, 4},      // three: 5
                     {1, 2, 4, 5, 6, 8}},       // none: 6
                    "For the draw", kSeptember30, 1, 0)
            .Add({{43, 35, 27, 12, 13, 14}}, "Three out of order", kJanuary3, 9, 0)  // 5, for ever
            .Add({{3, 11, 19, 27, 35, 43}}, "Starts after the draw", kOctober3, 1, 0);  // 1, --all only
        Write(QStringLiteral("tallimo.TKT"), tickets.Bytes());
        Write(QStringLiteral("results.txt"), kResults);
    }

    QString Path(const QString& name) const { return dir_.filePath(name); }
    void Write(const QString& name, const QByteArray& bytes) const {
        QFile file(Path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    Run Start(const QStringList& arguments, const QProcessEnvironment& environment =
                                                QProcessEnvironment::systemEnvironment()) const {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(dir_.path());
        process.start(Path(QStringLiteral("tallimo")), arguments);
        process.waitForFinished(60000);
        const bool exited = process.exitStatus() == QProcess::NormalExit;
        return {exited ? process.exitCode() : -1, QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

private:
    QTemporaryDir dir_;
};

}  // namespace

// Runs the built program, as a script would, on data files of its own.
class CommandLineTest : public QObject {
    Q_OBJECT
private slots:
    void versionAndUsageErrors() {
        InstalledCopy copy;
        const Run version = copy.Start({QStringLiteral("--version")});
        QCOMPARE(version.exitCode, 0);
        QCOMPARE(version.out, "Tallimo 1.5\n");
        for (const QStringList& wrong : {QStringList{"--bogus"}, QStringList{"--check", "1", "2"},
                                         QStringList{"--check", "x"}, QStringList{"--import"},
                                         QStringList{"--pdf", "results", "3211"}, QStringList{"--all"},
                                         QStringList{"--version", "--check"}}) {
            const Run run = copy.Start(wrong);
            QCOMPARE(run.exitCode, 2);
            QVERIFY2(run.err.contains("Try tallimo --help."), qPrintable(wrong.join(' ')));
        }
        QVERIFY(copy.Start({QStringLiteral("--bogus")}).err.contains("Unknown option 'bogus'."));
    }

    void importThenCheck() {
        InstalledCopy copy;
        QCOMPARE(copy.Start({QStringLiteral("--check")}).exitCode, 1);  // no history yet
        const Run import = copy.Start({QStringLiteral("--import"), copy.Path(QStringLiteral("results.txt"))});
        QCOMPARE(import.exitCode, 0);
        QVERIFY(QFile::exists(copy.Path(QStringLiteral("tallimo.HST"))));

        // The latest recorded draw; ticket 3 starts after it.
        const Run latest = copy.Start({QStringLiteral("--check")});
        QCOMPARE(latest.exitCode, 0);
        QCOMPARE(latest.out, "Draw 3211 Wednesday 30 September 2026: 03 11 19 27 35 43 Bonus 07\n"
                             "1\t01-A\t03 11 19 27 35 43\tJackpot! 6 Balls\n"
                             "2\t01-B\t03 11 19 27 35 07\t5 and the Bonus\n"
                             "3\t01-C\t03 11 19 27 35 44\t5 Balls\n"
                             "4\t01-D\t03 11 19 27 01 02\t4 Balls\n"
                             "5\t01-E\t03 11 19 01 02 04\t3 Balls\n"
                             "5\t02-A\t43 35 27 12 13 14\t3 Balls\n"
                             "6\t01-F\t01 02 04 05 06 08\t\n"
                             "Checked: 7 boards; winning: 6\n");
        const Run all = copy.Start({QStringLiteral("--check"), QStringLiteral("3211"), QStringLiteral("--all")});
        QVERIFY(all.out.contains("1\t01-A\t03 11 19 27 35 43\tJackpot! 6 Balls\n"
                                 "1\t03-A\t03 11 19 27 35 43\tJackpot! 6 Balls\n"));
        QVERIFY(all.out.endsWith("Checked: 8 boards; winning: 7\n"));

        // Against 01 02 03 04 05 06 only ticket 2 was entered, and wins nothing.
        QCOMPARE(copy.Start({QStringLiteral("--check"), QStringLiteral("3210")}).out,
                 "Draw 3210 Saturday 26 September 2026: 01 02 03 04 05 06 Bonus 09\n"
                 "6\t02-A\t43 35 27 12 13 14\t\n"
                 "Checked: 1 boards; winning: 0\n");

        const Run unrecorded = copy.Start({QStringLiteral("--check"), QStringLiteral("3209")});
        QCOMPARE(unrecorded.exitCode, 1);
        QVERIFY(unrecorded.out.isEmpty());
        QVERIFY(unrecorded.err.contains("Draw 3209 has no recorded result\n"));
    }

    void importFailuresLeaveTheHistory() {
        InstalledCopy copy;
        copy.Write(QStringLiteral("empty.txt"), QByteArray());
        const Run empty = copy.Start({QStringLiteral("--import"), copy.Path(QStringLiteral("empty.txt"))});
        QCOMPARE(empty.exitCode, 1);
        QVERIFY(empty.err.contains("Import Failed:\n\nImport File is Empty or its Format is Invalid\n"));
        const Run missing = copy.Start({QStringLiteral("--import"), copy.Path(QStringLiteral("none.txt"))});
        QCOMPARE(missing.exitCode, 1);
        QVERIFY(missing.err.contains("Cannot open file " + copy.Path(QStringLiteral("none.txt"))));

        // While the window has the files open, an import would be undone when it closes.
        QLockFile window(copy.Path(QStringLiteral("tallimo.TKT.lock")));
        QVERIFY(window.tryLock(0));
        const Run locked = copy.Start({QStringLiteral("--import"), copy.Path(QStringLiteral("results.txt"))});
        QCOMPARE(locked.exitCode, 1);
        QVERIFY(locked.err.contains("Tallimo is already running with these files:"));
        QVERIFY(!QFile::exists(copy.Path(QStringLiteral("tallimo.HST"))));
        QCOMPARE(copy.Start({QStringLiteral("--check"), QStringLiteral("3211")}).exitCode, 1);
    }

    // Without any display: the program finds itself a platform for the fonts.
    void pdfReports() {
        InstalledCopy copy;
        QCOMPARE(copy.Start({QStringLiteral("--import"), copy.Path(QStringLiteral("results.txt"))}).exitCode, 0);
        QProcessEnvironment noDisplay = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) noDisplay.remove(name);

        // One page per draw: ticket 2 for draw 3210, tickets 1 and 2 for draw 3211.
        const QString checklist = copy.Path(QStringLiteral("checklist.pdf"));
        QCOMPARE(copy.Start({"--pdf", "checklist", "3210", "3211", checklist}, noDisplay).exitCode, 0);
        QCOMPARE(testsupport::PdfPageCount(checklist), 2);
        const QString results = copy.Path(QStringLiteral("results.pdf"));
        QCOMPARE(copy.Start({"--pdf", "results", "3211", results}, noDisplay).exitCode, 0);
        QCOMPARE(testsupport::PdfPageCount(results), 1);

        const Run backwards = copy.Start({"--pdf", "checklist", "3211", "3210", checklist});
        QCOMPARE(backwards.exitCode, 1);
        QVERIFY(backwards.err.contains("The Last Draw Date cannot be before the First Draw Date."));
        const Run unwritable = copy.Start({"--pdf", "results", "3211", copy.Path("no/such/folder.pdf")});
        QCOMPARE(unwritable.exitCode, 1);
        QVERIFY(!unwritable.err.isEmpty());
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "CommandLineTest.moc"
