#include "FakePlatform.h"
#include "TicketFileBuilder.h"
#include "app/AnsiText.h"
#include "app/DataFilePaths.h"
#include "app/DateFieldWiring.h"
#include "app/DateText.h"
#include "app/DialogPlacement.h"
#include "app/LocaleFormats.h"
#include "app/ProgramLottery.h"
#include "app/SettingsStore.h"
#include "app/TallimoApplication.h"
#include "app/VectorRegisterState.h"
#include "datepicker/DateField.h"
#include "datepicker/TEPCalendar.h"
#include "datepicker/TEPCalendarFm.h"
#include "datepicker/TEPCalendarPopup.h"
#include "lottery/LotteryError.h"

#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#if defined(__x86_64__)
#include <cpuid.h>
#endif

class AppTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void trimsTheShortDateFormatToANumericMonth_data() {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("trimmed");
        QTest::newRow("dd-MMM-yy") << "dd-MMM-yy" << "dd-MM-yy";
        QTest::newRow("d/M/yyyy") << "d/M/yyyy" << "d/M/yyyy";
        QTest::newRow("dd/MM/yyyy") << "dd/MM/yyyy" << "dd/MM/yyyy";
        QTest::newRow("yyyy/MMM/dd") << "yyyy/MMM/dd" << "yyyy/MM/dd";
        QTest::newRow("MMMM d yyyy") << "MMMM d yyyy" << "MM d yyyy";
    }
    void trimsTheShortDateFormatToANumericMonth() {
        QFETCH(QString, format);
        QFETCH(QString, trimmed);
        QCOMPARE(app::TrimShortDateFormat(format), trimmed);
    }

    void shortDateTextRoundTripsEveryDrawDay_data() {
        QTest::addColumn<QString>("format");
        QTest::newRow("British") << "dd/MM/yyyy";
        QTest::newRow("American two-digit year") << "M/d/yy";
        QTest::newRow("ISO-like") << "yyyy-MM-dd";
        QTest::newRow("German two-digit year") << "d.M.yy";
        QTest::newRow("with a day name, read by the locale") << "ddd dd/MM/yyyy";
    }
    void shortDateTextRoundTripsEveryDrawDay() {
        QFETCH(QString, format);
        const app::DateText dates(QLocale::c(), format);
        // From the first draw to twenty years from now, the window that a
        // two-digit year can name.
        for (lottery::DayNumber day = 34657; day < 34657 + 50 * 366; ++day) {
            const QString text = dates.ShortDateText(day);
            const auto back = dates.ParseShortDate(text);
            QVERIFY2(back && *back == day, qPrintable(text));
        }
    }

    void parsesTypedDatesAndRejectsTheRest() {
        const app::DateText dates(QLocale::c(), QStringLiteral("dd/MM/yyyy"));
        QCOMPARE(dates.ParseShortDate(QStringLiteral("05/02/1997")).value_or(0), 35466);
        QCOMPARE(dates.ParseShortDate(QStringLiteral("5/2/1997")).value_or(0), 35466);
        QCOMPARE(dates.ParseShortDate(QStringLiteral(" 5-2-97 ")).value_or(0), 35466);
        QVERIFY(!dates.ParseShortDate(QStringLiteral("5/2/1997x")));
        QVERIFY(!dates.ParseShortDate(QStringLiteral("5/Feb/1997")));
        QVERIFY(!dates.ParseShortDate(QStringLiteral("31/02/1997")));
        QVERIFY(!dates.ParseShortDate(QStringLiteral("tomorrow")));
        QVERIFY(!dates.ParseShortDate(QString()));
        try {
            dates.ShortDateOrThrow(QStringLiteral("32/01/2000"));
            QFAIL("no conversion error");
        } catch (const lottery::LotteryError& error) {
            QCOMPARE(QString::fromUtf8(error.what()), QStringLiteral("'32/01/2000' is not a valid date"));
        }
        QCOMPARE(dates.Display(35466, app::DateText::kLongDisplay), QStringLiteral("Wednesday 05 February 1997"));
        QCOMPARE(dates.Display(35466, app::DateText::kRowDisplay), QStringLiteral("Wed 05 Feb 1997"));
    }

    // The locale's parser reads a signed year; the calendar opened over such
    // a text starts at today, as for any text that is no date.
    void aYearBeforeOneIsNoDate() {
        const app::DateText dates(QLocale::c(), QStringLiteral("ddd dd/MM/yyyy"));
        const QString yearMinusFive = QStringLiteral("Mon 01/01/-0005");
        QVERIFY(!dates.ParseShortDate(yearMinusFive));
        testsupport::FakePlatform platform;
        QWidget dialog;
        auto* field = new datepicker::DateField(app::DateFieldServicesFor(platform, dates), &dialog);
        dialog.show();
        field->SetText(yearMinusFive);
        field->showPopup();
        QCOMPARE(platform.beeps, 1);
        QCOMPARE(field->Cal()->DropDown()->CalendarCd()->SelectedDate(), platform.today);
    }

    void settingsKeepTextAndReadHexadecimal() {
        {
            QSettings raw(QStringLiteral("Brenwick"), QStringLiteral("Tallimo"));
            raw.clear();
            raw.setValue(QStringLiteral("Main Window/Left"), QStringLiteral("0x1F"));
            raw.setValue(QStringLiteral("Main Window/Top"), QStringLiteral("not a number"));
        }
        app::SettingsStore settings;
        QCOMPARE(settings.ReadInteger(QStringLiteral("Main Window"), QStringLiteral("Left"), 20), 31);
        QCOMPARE(settings.ReadInteger(QStringLiteral("Main Window"), QStringLiteral("Top"), 20), 20);
        QCOMPARE(settings.ReadBool(QStringLiteral("Options"), QStringLiteral("Valid Only"), true), true);
        settings.WriteBool(QStringLiteral("Options"), QStringLiteral("Valid Only"), false);
        settings.WriteInteger(QStringLiteral("Main Window"), QStringLiteral("Top"), -7);
        QSettings raw(QStringLiteral("Brenwick"), QStringLiteral("Tallimo"));
        QCOMPARE(raw.value(QStringLiteral("Options/Valid Only")).toString(), QStringLiteral("0"));
        QCOMPARE(raw.value(QStringLiteral("Main Window/Top")).toString(), QStringLiteral("-7"));
    }

    void dataFilesAreNamedAfterTheExecutable() {
        const auto paths = app::DataFilePaths::ForExecutable(QStringLiteral("/games/CHECK.EXE"));
        QCOMPARE(paths.ticketFilePath, QStringLiteral("/games/CHECK.TKT"));
        QCOMPARE(paths.historyFilePath, QStringLiteral("/games/CHECK.HST"));
        const auto bare = app::DataFilePaths::ForExecutable(QStringLiteral("/opt/tallimo/tallimo"));
        QCOMPARE(bare.ticketFilePath, QStringLiteral("/opt/tallimo/tallimo.TKT"));
        const auto dotted = app::DataFilePaths::ForExecutable(QStringLiteral("/a.b/my.app.bin"));
        QCOMPARE(dotted.historyFilePath, QStringLiteral("/a.b/my.app.HST"));
    }

    void anUnwritableProgramFolderKeepsTheDataPerUser() {
        const auto paths = app::DataFilePaths::ForInstalledExecutable(QStringLiteral("/nonexistent/bin/tallimo"));
        const QString perUser = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QCOMPARE(paths.ticketFilePath, perUser + QStringLiteral("/tallimo.TKT"));
        QCOMPARE(paths.historyFilePath, perUser + QStringLiteral("/tallimo.HST"));
        QCOMPARE(paths.formerTicketFilePath, QStringLiteral("/nonexistent/bin/tallimo.TKT"));
        QCOMPARE(paths.formerHistoryFilePath, QStringLiteral("/nonexistent/bin/tallimo.HST"));
        const auto writable = app::DataFilePaths::ForInstalledExecutable(QStringLiteral("/games/CHECK.EXE"), true, perUser);
        QCOMPARE(writable.ticketFilePath, QStringLiteral("/games/CHECK.TKT"));
        QVERIFY(writable.formerTicketFilePath.isEmpty());
    }

    // The window and the command line open the same data: a file not yet
    // kept per user is read from where it stood before.
    void theProgramsLotteryReadsFilesNotYetKeptPerUser() {
        QTemporaryDir program;
        QTemporaryDir perUser;
        const auto paths = app::DataFilePaths::ForInstalledExecutable(program.filePath(QStringLiteral("tallimo")),
                                                                      false, perUser.path());
        QFile former(paths.formerTicketFilePath);
        QVERIFY(former.open(QIODevice::WriteOnly));
        former.write(testsupport::TicketFileBuilder().Add({{1, 2, 3, 4, 5, 6}}, "kept beside", 35466, 9, 0).Bytes());
        former.close();
        testsupport::FakePlatform platform;
        lottery::LotteryState lottery = app::ProgramLottery(paths, platform);
        lottery.LoadTickets();
        QCOMPARE(lottery.TicketCount(), 1);
        QCOMPARE(lottery.Today(), app::DateText::FromQDate(platform.today));
    }

    void descriptionsTravelAsWindows1252() {
        const QString text = QStringLiteral("£5 café – €2 “quoted” ✓");
        const std::string bytes = app::ToAnsi(text);
        QCOMPARE(QByteArray::fromStdString(bytes).toHex(' '),
                 QByteArray("a3 35 20 63 61 66 e9 20 96 20 80 32 20 93 71 75 6f 74 65 64 94 20 3f"));
        QCOMPARE(app::FromAnsi(bytes), QStringLiteral("£5 café – €2 “quoted” ?"));
        QCOMPARE(app::FromAnsi(std::string("\x81\x9d", 2)), QString(QChar(0x81)) + QChar(0x9d));
    }

    void dialogsStayOnTheScreen() {
        const QSize screen(1024, 768);
        QCOMPARE(app::DialogPosition(QRect(20, 20, 583, 441), QSize(300, 200), screen), QPoint(161, 140));
        QCOMPARE(app::DialogPosition(QRect(-500, -500, 100, 100), QSize(300, 200), screen), QPoint(40, 60));
        QCOMPARE(app::DialogPosition(QRect(900, 700, 100, 100), QSize(300, 200), screen), QPoint(362, 284));
        // A stored position off every screen comes back whole onto the nearest.
        const QList<QRect> screens{QRect(0, 0, 1024, 768), QRect(1024, 0, 1280, 1024)};
        QCOMPARE(app::KeptOnScreen(QRect(-100000, 20, 583, 441), screens), QPoint(0, 20));
        QCOMPARE(app::KeptOnScreen(QRect(2200, 900, 583, 441), screens), QPoint(1721, 583));
        QCOMPARE(app::KeptOnScreen(QRect(1100, 50, 583, 441), screens), QPoint(1100, 50));
        QCOMPARE(app::KeptOnScreen(QRect(5000, 5000, 300, 200), {QRect(0, 0, 1024, 768)}), QPoint(724, 568));
        // Wider than the screen: a negative left of half the difference.
        QCOMPARE(app::DialogPosition(QRect(20, 20, 583, 441), QSize(1100, 200), screen).x(), -38);
    }

    void onlyAFirstParameterOfWarnSelectsReminderMode() {
        using app::TallimoApplication;
        QVERIFY(TallimoApplication::IsWarnMode({"tallimo", "/WARN"}));
        QVERIFY(TallimoApplication::IsWarnMode({"tallimo", "/warn"}));
        QVERIFY(TallimoApplication::IsWarnMode({"tallimo", "/wArN", "x"}));
        QVERIFY(!TallimoApplication::IsWarnMode({"tallimo"}));
        QVERIFY(!TallimoApplication::IsWarnMode({"tallimo", "/WARNING"}));
        QVERIFY(!TallimoApplication::IsWarnMode({"tallimo", "x", "/WARN"}));
    }

    // The processor reports which register parts are in use (XGETBV 1, bit
    // 2 for the upper halves); the test dirties them as Qt's settings do.
    void clearingTheUpperVectorHalvesMarksThemUnused() {
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
        unsigned eax = 0, ebx = 0, ecx = 0, edx = 0;
        const bool inUseReadable = __get_cpuid_count(0xD, 1, &eax, &ebx, &ecx, &edx) && (eax & 4) != 0;
        if (!__builtin_cpu_supports("avx") || !inUseReadable)
            QSKIP("this processor cannot say which vector register parts are in use");
        const auto upperHalvesInUse = [] {
            unsigned low = 0, high = 0;
            asm volatile("xgetbv" : "=a"(low), "=d"(high) : "c"(1));
            return (low & 4) != 0;
        };
        asm volatile("vpcmpeqd %%ymm1, %%ymm1, %%ymm1" ::: "xmm1");
        QVERIFY(upperHalvesInUse());
        app::ClearUpperVectorHalves();
        QVERIFY(!upperHalvesInUse());
#else
        QSKIP("only x86-64 processors have the state this clears");
#endif
    }
};

QTEST_MAIN(AppTest)
#include "AppTest.moc"
