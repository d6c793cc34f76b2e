#include "AddLineDlg/TAddLineForm.h"
#include "FakePlatform.h"
#include "FileSizeLimit.h"
#include "Master/AboutWindow.h"
#include "Master/ArtworkIconEngine.h"
#include "Master/HeaderedList.h"
#include "Master/HistoryPage.h"
#include "Master/LogoPanel.h"
#include "Master/MainPage.h"
#include "Master/TMasterForm.h"
#include "TestDataDir.h"
#include "TicketFileBuilder.h"
#include "app/LoginReminder.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

#include <cstdlib>

using master::TMasterForm;
using testsupport::FakePlatform;
using testsupport::TestDataDir;

namespace {

// Wed 5 Feb 1997 for one week: long expired. Unlimited tickets never expire.
QByteArray TicketFile(int expired, int unlimited) {
    testsupport::TicketFileBuilder builder;
    for (int i = 0; i < expired; ++i) builder.Add({{1, 2, 3, 4, 5, 6}}, "abc", 35466, 1, 0);
    for (int i = 0; i < unlimited; ++i) builder.Add({{1, 2, 3, 4, 5, 6}}, "forever", 35466, 9, 0);
    return builder.Bytes();
}

QLabel* Label(const QWidget& form, const char* name) {
    return form.findChild<QLabel*>(QLatin1String(name));
}

// The mean difference of the two pictures' channels, 0 to 255.
double MeanDifference(const QImage& first, const QImage& second) {
    const QImage a = first.convertToFormat(QImage::Format_ARGB32);
    const QImage b = second.convertToFormat(QImage::Format_ARGB32);
    double total = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            total += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q)) +
                     std::abs(qAlpha(p) - qAlpha(q));
        }
    return total / (4.0 * a.width() * a.height());
}

// The names of the pages handed to the help viewer, marked when the manual
// has no such page.
QStringList ManualPages(const FakePlatform& platform) {
    QStringList names;
    for (const QString& path : platform.helpFiles) {
        const QString name = QFileInfo(path).fileName();
        const bool written = QFileInfo::exists(QStringLiteral(TALLIMO_MANUAL_DIR "/") + name);
        names << (written ? name : QStringLiteral("missing ") + name);
    }
    return names;
}

void ClearSettings() {
    QSettings(QStringLiteral("Brenwick"), QStringLiteral("Tallimo")).clear();
}

}  // namespace

class MasterFormTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { ClearSettings(); }

    void opensAtTwentyTwentyWithNoStoredPosition() {
        FakePlatform platform;
        TestDataDir data;
        TMasterForm form(platform, data.Paths(), false);
        QCOMPARE(form.pos(), QPoint(20, 20));
        QCOMPARE(form.windowTitle(), QStringLiteral("Tallimo"));
        QCOMPARE(form.size(), QSize(583, 441));
    }

    void closingWritesThePositionAndTheTicketsByteForByte() {
        FakePlatform platform;
        TestDataDir data;
        const QByteArray file = TicketFile(1, 0);
        QCOMPARE(file.size(), 142);
        data.WriteTickets(file);
        {
            TMasterForm form(platform, data.Paths(), false);
            form.move(57, 43);
            QVERIFY(form.close());
        }
        QCOMPARE(data.ReadTickets(), file);
        QSettings settings(QStringLiteral("Brenwick"), QStringLiteral("Tallimo"));
        QCOMPARE(settings.value(QStringLiteral("Main Window/Left")).toString(), QStringLiteral("57"));
        QCOMPARE(settings.value(QStringLiteral("Main Window/Top")).toString(), QStringLiteral("43"));
        TMasterForm reopened(platform, data.Paths(), false);
        QCOMPARE(reopened.pos(), QPoint(57, 43));
    }

    void anEmptyTicketListIsSavedAsFourBytes() {
        FakePlatform platform;
        TestDataDir data;
        TMasterForm form(platform, data.Paths(), false);
        QVERIFY(form.close());
        QCOMPARE(data.ReadTickets(), QByteArray("\x01\x00\x00\x00", 4));
    }

    void mainPageCountsAndWarnsOfExpiredTickets() {
        FakePlatform platform;
        TestDataDir data;
        data.WriteTickets(TicketFile(1, 1));
        TMasterForm form(platform, data.Paths(), false);
        form.show();
        QCOMPARE(Label(form, "TicketsRecorded")->text(), QStringLiteral("2 (2 Lines)"));
        QVERIFY(Label(form, "Warning")->isVisible());
        QCOMPARE(Label(form, "Warning")->text(), QStringLiteral("WARNING: You have an Expired Lottery Ticket"));
        QVERIFY(Label(form, "TicketsExpiredLabel")->isVisible());
        QCOMPARE(Label(form, "TicketsExpired")->text(), QStringLiteral("1"));
        QCOMPARE(platform.beeps, 0);
        QVERIFY(platform.messages.isEmpty());
    }

    void noExpiredTicketHidesTheWarning() {
        FakePlatform platform;
        TestDataDir data;
        data.WriteTickets(TicketFile(0, 1));
        TMasterForm form(platform, data.Paths(), false);
        form.show();
        QVERIFY(!Label(form, "Warning")->isVisible());
        QVERIFY(!Label(form, "TicketsExpired")->isVisible());
        QVERIFY(!Label(form, "TicketsExpiredLabel")->isVisible());
    }

    void reminderWithTwoExpiredTicketsBeepsWarnsAndWritesNothing() {
        FakePlatform platform;
        TestDataDir data;
        const QByteArray file = TicketFile(2, 0);
        data.WriteTickets(file);
        const QDateTime written = QFileInfo(data.Paths().ticketFilePath).lastModified();
        {
            TMasterForm form(platform, data.Paths(), true);
            QCOMPARE(form.pos(), QPoint(-1000, -1000));
            QVERIFY(form.close());
        }
        QCOMPARE(platform.beeps, 1);
        QCOMPARE(platform.messages.size(), 1);
        QCOMPARE(platform.messages[0].kind, QStringLiteral("Warning"));
        QCOMPARE(platform.messages[0].text, QStringLiteral("Tallimo\r\n\r\nYou have 2 Expired Lottery Tickets"));
        QCOMPARE(data.ReadTickets(), file);
        QCOMPARE(QFileInfo(data.Paths().ticketFilePath).lastModified(), written);
        QVERIFY(!QSettings(QStringLiteral("Brenwick"), QStringLiteral("Tallimo")).contains(QStringLiteral("Main Window/Left")));
    }

    void reminderWithNothingExpiredSaysNothing() {
        FakePlatform platform;
        TestDataDir data;
        {
            TMasterForm form(platform, data.Paths(), true);
            QVERIFY(form.close());
        }
        QCOMPARE(platform.beeps, 0);
        QVERIFY(platform.messages.isEmpty());
        QVERIFY(!data.TicketsExist());
    }

    void pageChangesBeforeTheFirstShowDoNothing() {
        FakePlatform platform;
        TestDataDir data;
        TMasterForm form(platform, data.Paths(), false);
        form.ShowPage(TMasterForm::TicketsPageIndex);
        QCOMPARE(form.AboutButton()->text(), QStringLiteral("&About"));
        form.ShowPage(TMasterForm::MainPageIndex);
        form.show();
        QCOMPARE(form.AboutButton()->text(), QStringLiteral("&About"));
        form.ShowPage(TMasterForm::HistoryPageIndex);
        QCOMPARE(form.AboutButton()->text(), QStringLiteral("About"));
    }

    void theLogoShowsOnMainImportAndEditResult() {
        FakePlatform platform;
        TestDataDir data;
        TMasterForm form(platform, data.Paths(), false);
        form.show();
        const QList<bool> expected = {true, false, true, false, true, false};
        for (int page : {1, 2, 3, 4, 5, 0}) {
            form.ShowPage(page);
            QCOMPARE(form.Logo()->isVisible(), expected[page]);
        }
    }

    // On a screen scaled to 200 % each picture has twice the device pixels
    // each way, says so, and is the same picture as at 100 %.
    void thePicturesAreDrawnForTheScreensPixelRatio() {
        using master::Artwork;
        const QSize logoSize(201, 150);
        const QPixmap logo = Artwork::Draw(Artwork::Picture::Logo, logoSize, 1.0);
        const QPixmap sharpLogo = Artwork::Draw(Artwork::Picture::Logo, logoSize, 2.0);
        QCOMPARE(logo.size(), logoSize);
        QCOMPARE(sharpLogo.size(), logoSize * 2);
        QCOMPARE(sharpLogo.devicePixelRatio(), 2.0);
        const QImage shrunk = sharpLogo.toImage().scaled(logoSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const double difference = MeanDifference(shrunk, logo.toImage());
        QVERIFY2(difference < 4, qPrintable(QString::number(difference)));

        const QIcon icon = master::ArtworkIconEngine::Icon(Artwork::Picture::ArrowUp);
        for (const qreal ratio : {1.0, 2.0}) {
            const QPixmap arrow = icon.pixmap(QSize(16, 16), ratio);
            QCOMPARE(arrow.size(), QSize(16, 16) * ratio);
            QCOMPARE(arrow.devicePixelRatio(), ratio);
            // A disabled button's arrow is shaded as the style shades any.
            QVERIFY(icon.pixmap(QSize(16, 16), ratio, QIcon::Disabled).toImage() != arrow.toImage());
        }
    }

    void theWebButtonReportsABrowserThatWillNotStart() {
        FakePlatform platform;
        TestDataDir data;
        TMasterForm form(platform, data.Paths(), false);
        form.show();
        QTest::mouseClick(form.Logo()->WebButton(), Qt::LeftButton);
        QCOMPARE(platform.openedAddresses.size(), 1);
        QVERIFY(platform.messages.isEmpty());
        platform.browserStarts = false;
        QTest::mouseClick(form.Logo()->WebButton(), Qt::LeftButton);
        QCOMPARE(platform.messages.size(), 1);
        QCOMPARE(platform.messages[0].text, QStringLiteral("Failed to launch your Web Browser"));
    }

    void finishClosesTheWindow() {
        FakePlatform platform;
        TestDataDir data;
        TMasterForm form(platform, data.Paths(), false);
        form.show();
        QTest::mouseClick(form.Main()->Button2(), Qt::LeftButton);
        QVERIFY(!form.isVisible());
        QVERIFY(data.TicketsExist());
    }

    void aFailedSaveAtCloseAsksBeforeLosingChanges() {
        FakePlatform platform;
        platform.today = QDate(1994, 11, 1);  // before the first draw: the history file is its header alone
        TestDataDir data;
        data.WriteTickets(TicketFile(1, 0));
        TMasterForm form(platform, data.Paths(), false);
        form.show();
        platform.answerYes = false;
        {
            // Room for the history's header, not for the ticket.
            testsupport::FileSizeLimit full(64);
            QVERIFY(!form.close());
        }
        QVERIFY(form.isVisible());
        QCOMPARE(platform.messages.size(), 2);
        QCOMPARE(platform.messages[0].text, QStringLiteral("Cannot create file ") + data.Paths().ticketFilePath);
        QCOMPARE(platform.messages[1].kind, QStringLiteral("Question"));
        platform.answerYes = true;
        QVERIFY(form.close());
        QCOMPARE(data.ReadTickets(), TicketFile(1, 0));
    }

    void aboutOpensTheManualsContents() {
        FakePlatform platform;
        master::AboutWindow about(platform, nullptr);
        QTest::mouseClick(about.HelpButton(), Qt::LeftButton);
        QCOMPARE(ManualPages(platform), QStringList{"index.html"});
    }

    void f1OpensTheManualPageOfTheScreenInView() {
        FakePlatform platform;
        TestDataDir data;
        TMasterForm form(platform, data.Paths(), false);
        form.show();
        form.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &form);
        QTest::keyClick(&form, Qt::Key_F1);
        QTest::mouseClick(form.Main()->BitBtn3(), Qt::LeftButton);
        QTest::keyClick(form.History()->HistoryList(), Qt::Key_F1);
        addlinedlg::TAddLineForm wizard(form.Context(), &form);
        wizard.show();
        wizard.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &wizard);
        QTest::keyClick(&wizard, Qt::Key_F1);
        QCOMPARE(ManualPages(platform), (QStringList{"main.html", "history.html", "wizard.html"}));
        QVERIFY(platform.messages.isEmpty());
    }

    void theAboutBoxSetsAndClearsTheReminderAtLogin() {
        FakePlatform platform;
        const QString entry = app::LoginReminder::EntryPath();
        QFile::remove(entry);
        {
            master::AboutWindow about(platform, nullptr);
            QVERIFY(!about.ReminderBox()->isChecked());
            QTest::mouseClick(about.ReminderBox(), Qt::LeftButton);
            QVERIFY(QFileInfo::exists(entry));
        }
        master::AboutWindow again(platform, nullptr);
        QVERIFY(again.ReminderBox()->isChecked());
        QTest::mouseClick(again.ReminderBox(), Qt::LeftButton);
        QVERIFY(!QFileInfo::exists(entry));
        QVERIFY(platform.messages.isEmpty());
    }

    void aReminderThatCannotBeWrittenIsReportedAndShownOff() {
        FakePlatform platform;
        const QString entry = app::LoginReminder::EntryPath();
        const QString folder = QFileInfo(entry).absolutePath();
        QDir(folder).removeRecursively();
        QVERIFY(QDir().mkpath(QFileInfo(folder).absolutePath()));
        QFile blocker(folder);  // a file where the folder belongs
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        master::AboutWindow about(platform, nullptr);
        QTest::mouseClick(about.ReminderBox(), Qt::LeftButton);
        QVERIFY(!about.ReminderBox()->isChecked());
        QCOMPARE(platform.messages.size(), 1);
        QCOMPARE(platform.messages[0].text, QStringLiteral("Cannot create file ") + entry);
        QFile::remove(folder);
    }
};

QTEST_MAIN(MasterFormTest)
#include "MasterFormTest.moc"
