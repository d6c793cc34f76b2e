#include "FakePlatform.h"
#include "FileSizeLimit.h"
#include "Master/HeaderedList.h"
#include "Master/MainPage.h"
#include "Master/RowListView.h"
#include "Master/TMasterForm.h"
#include "Master/TicketsPage.h"
#include "TestDataDir.h"
#include "TicketFileBuilder.h"

#include <QAbstractItemModelTester>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

#include <memory>

using master::TMasterForm;
using testsupport::FakePlatform;
using testsupport::TestDataDir;
using testsupport::TicketFileBuilder;

namespace {

constexpr double kWed5Feb1997 = 35466;

// A form opened on the "Your Tickets" page over the given ticket file.
struct TicketsFixture {
    FakePlatform platform;
    TestDataDir data;
    std::unique_ptr<TMasterForm> form;

    explicit TicketsFixture(const QByteArray& tickets) {
        data.WriteTickets(tickets);
        form = std::make_unique<TMasterForm>(platform, data.Paths(), false);
        form->show();
        QTest::mouseClick(form->Main()->BitBtn1(), Qt::LeftButton);
    }
    master::TicketsPage& Page() const { return *form->Tickets(); }
    QStringList Keys() const {
        QStringList keys;
        const QAbstractItemModel* model = Page().LinesList()->List()->Model();
        for (int row = 0; row < model->rowCount(); ++row) keys << model->index(row, 0).data().toString();
        return keys;
    }
    QString Text(const char* label) const { return form->findChild<QLabel*>(QLatin1String(label))->text(); }
    bool Visible(const char* label) const { return form->findChild<QLabel*>(QLatin1String(label))->isVisible(); }
    void ClickRow(int row) const {
        master::RowListView* list = Page().LinesList()->List();
        list->ScrollTo(row);
        QCoreApplication::processEvents();
        const QRect rect = list->RowRect(row);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    }
};

}  // namespace

class TicketsPageTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void listsOneRowPerUsedBoard() {
        TicketsFixture f(TicketFileBuilder()
                             .Add({{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}, {}, {13, 14, 15, 16, 17, 18}},
                                  "first", kWed5Feb1997, 9, 0)
                             .Add({{20, 21, 22, 23, 24, 25}}, "", kWed5Feb1997, 9, 1)
                             .Bytes());
        QCOMPARE(f.form->CurrentPage(), int(TMasterForm::TicketsPageIndex));
        QCOMPARE(f.Keys(), (QStringList{"01-A", "01-B", "01-D", "02-A"}));
        QCOMPARE(f.Text("LineLabel"), QStringLiteral("2 Lottery Tickets (4 Lines)"));
        QCOMPARE(f.Page().LinesList()->SelectedRow(), 0);
        QAbstractItemModelTester tester(f.Page().LinesList()->List()->Model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
    }

    void countsReadNaturally() {
        QCOMPARE(TicketsFixture(TicketFileBuilder().Bytes()).Text("LineLabel"), QStringLiteral("No Tickets"));
        QCOMPARE(TicketsFixture(TicketFileBuilder().Add({{1, 2, 3, 4, 5, 6}}, "", kWed5Feb1997, 9, 0).Bytes())
                     .Text("LineLabel"),
                 QStringLiteral("1 Lottery Ticket (1 Line)"));
    }

    void detailsFollowTheSelectedRow() {
        TicketsFixture f(TicketFileBuilder()
                             .Add({{1, 2, 3, 4, 5, 6}}, "Fish & Chips", kWed5Feb1997, 3, 0)
                             .Add({{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}}, "", kWed5Feb1997, 9, 2)
                             .Bytes());
        QCOMPARE(f.Text("LLabel"), QStringLiteral("01-A"));
        QCOMPARE(f.Text("SDLabel"), QStringLiteral("05 Feb 1997"));
        QCOMPARE(f.Text("DLabel"), QStringLiteral("3"));
        QCOMPARE(f.Text("TCLabel"), QStringLiteral("Fish & Chips"));
        QVERIFY(f.Visible("Detail2Label"));

        f.ClickRow(2);
        QCOMPARE(f.Text("LLabel"), QStringLiteral("02-B"));
        QCOMPARE(f.Text("DLabel"), QStringLiteral("Unlimted"));
        QCOMPARE(f.Text("TCLabel"), QString());
        QVERIFY(!f.Visible("Detail2Label"));
        QVERIFY(f.Visible("Detail4Label"));

        QTest::keyClick(f.Page().LinesList()->List(), Qt::Key_Up);
        QCOMPARE(f.Text("LLabel"), QStringLiteral("02-A"));
    }

    void threeDigitTicketNumbersKeepTheirBoards() {
        TicketFileBuilder builder;
        for (int i = 0; i < 100; ++i) builder.Add({{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}}, "", kWed5Feb1997, 9, 0);
        TicketsFixture f(builder.Bytes());
        const QStringList keys = f.Keys();
        QCOMPARE(keys.size(), 200);
        QCOMPARE(keys[18], QStringLiteral("10-A"));
        QCOMPARE(keys.last(), QStringLiteral("100-B"));
        f.ClickRow(199);
        QCOMPARE(f.Text("LLabel"), QStringLiteral("100-B"));
    }

    void cancelGoesBackToTheLastSaveAndSaveWrites() {
        const QByteArray one = TicketFileBuilder().Add({{1, 2, 3, 4, 5, 6}}, "kept", kWed5Feb1997, 9, 0).Bytes();
        TicketsFixture f(one);
        f.form->Lottery().DeleteTicket(f.form->Lottery().TicketList().At(0));
        QTest::mouseClick(f.Page().Button3(), Qt::LeftButton);
        QCOMPARE(f.form->CurrentPage(), int(TMasterForm::MainPageIndex));
        QCOMPARE(f.form->Lottery().TicketCount(), 1);
        QCOMPARE(f.data.ReadTickets(), one);

        QTest::mouseClick(f.form->Main()->BitBtn1(), Qt::LeftButton);
        f.form->Lottery().DeleteTicket(f.form->Lottery().TicketList().At(0));
        QTest::mouseClick(f.Page().Button5(), Qt::LeftButton);
        QCOMPARE(f.form->CurrentPage(), int(TMasterForm::MainPageIndex));
        QCOMPARE(f.data.ReadTickets(), QByteArray("\x01\x00\x00\x00", 4));
    }

    void aFailedSaveStaysOnThePageAndSaysWhy() {
        TicketsFixture f(TicketFileBuilder().Bytes());
        {
            testsupport::FileSizeLimit full(2);  // less than the empty list's four bytes
            QTest::mouseClick(f.Page().Button5(), Qt::LeftButton);
        }
        QCOMPARE(f.form->CurrentPage(), int(TMasterForm::TicketsPageIndex));
        QCOMPARE(f.platform.messages.size(), 1);
        QCOMPARE(f.platform.messages[0].text, QStringLiteral("Cannot create file ") + f.data.Paths().ticketFilePath);
    }

    void printWithNoRowsOnlyBeeps() {
        TicketsFixture f(TicketFileBuilder().Bytes());
        QTest::mouseClick(f.Page().Button19(), Qt::LeftButton);
        QCOMPARE(f.platform.beeps, 1);
        QVERIFY(f.platform.messages.isEmpty());
    }

    void expiredRowsArePaintedRed() {
        TicketsFixture f(TicketFileBuilder()
                             .Add({{1, 2, 3, 4, 5, 6}}, "", kWed5Feb1997, 9, 0)
                             .Add({{1, 2, 3, 4, 5, 6}}, "", kWed5Feb1997, 1, 0)
                             .Bytes());
        master::RowListView* list = f.Page().LinesList()->List();
        QCoreApplication::processEvents();
        const QImage image = list->viewport()->grab().toImage();
        const auto hasRed = [&image, list](int row) {
            const QRect rect = list->RowRect(row);
            for (int y = rect.top(); y <= rect.bottom(); ++y)
                for (int x = rect.left(); x <= rect.right(); ++x) {
                    const QColor c = image.pixelColor(x, y);
                    if (c.red() > 200 && c.green() < 80 && c.blue() < 80) return true;
                }
            return false;
        };
        QVERIFY(!hasRed(0));
        QVERIFY(hasRed(1));
    }
};

QTEST_MAIN(TicketsPageTest)
#include "TicketsPageTest.moc"
