#include "datepicker/SymbolButton.h"
#include "datepicker/TEPCalendar.h"
#include "datepicker/TEPCalendarFm.h"
#include "datepicker/TEPCalendarPopup.h"

#include <QComboBox>
#include <QLocale>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <stdexcept>

using namespace datepicker;

namespace {

const QDate kToday(2026, 12, 8);

QStringList Items(const QComboBox& box) {
    QStringList items;
    for (int index = 0; index < box.count(); ++index) items << box.itemText(index);
    return items;
}

}  // namespace

class TEPCalendarPopupTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom)); }

    void init() {
        dialog_ = std::make_unique<QWidget>();
        dialog_->setGeometry(100, 100, 400, 300);
        dialog_->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog_.get()));
        popup_ = new TEPCalendarPopup([] { return kToday; }, dialog_.get());
        picks_ = std::make_unique<QSignalSpy>(popup_, &TEPCalendarPopup::clicked);
    }

    void cleanup() {
        picks_.reset();
        dialog_.reset();
    }

    void opensAtThePointOnTheGivenDate() {
        OpenAt(QDate(1995, 2, 16));
        TEPCalendarFm* window = popup_->DropDown();
        QCOMPARE(window->pos(), QPoint(150, 180));
        QVERIFY(window->isVisible());
        QVERIFY(window->windowFlags().testFlag(Qt::Popup));
        QCOMPARE(window->CalendarCd()->SelectedDate(), QDate(1995, 2, 16));
        QCOMPARE(window->CalendarCd()->FocusedCell(), QPoint(4, 3));
        QCOMPARE(window->MonthCb()->currentText(), "February");
        QCOMPARE(window->YearCb()->currentText(), "1995");
        QCOMPARE(picks_->count(), 0);
    }

    void windowLayout() {
        OpenAt(QDate(1995, 2, 16));
        TEPCalendarFm* window = popup_->DropDown();
        QCOMPARE(window->contentsRect().size(), QSize(195, 130));
        QCOMPARE(window->CalendarCd()->size(), QSize(195, 108));
        QCOMPARE(window->CalendarCd()->CellRect(3, 3).width(), 27);
        QCOMPARE(window->CalendarCd()->CellRect(3, 6).height(), 18);
        QCOMPARE(window->CancelBt()->size(), QSize(21, 21));
        QCOMPARE(window->MonthCb()->width(), 95);
        QCOMPARE(window->YearCb()->x() - window->contentsRect().x(), 135);
        QCOMPARE(Items(*window->MonthCb()).first(), "January");
        QCOMPARE(Items(*window->MonthCb()).last(), "December");
    }

    void symbolColoursComeFromThePopup() {
        QCOMPARE(popup_->OKColor(), QColor(0, 255, 0));
        QCOMPARE(popup_->CancelColor(), QColor(255, 0, 0));
        popup_->SetOKColor(Qt::blue);
        OpenAt(QDate(1995, 2, 16));
        QCOMPARE(popup_->DropDown()->OKBt()->SymbolColor(), QColor(Qt::blue));
        QCOMPARE(popup_->DropDown()->CancelBt()->SymbolColor(), QColor(255, 0, 0));
    }

    void yearBoxOffersThisYearAndTenMore() {
        QCOMPARE(popup_->FirstYear(), 1980);
        QCOMPARE(popup_->LastYear(), 2036);
        OpenAt(QDate(2026, 12, 8));
        const QStringList years = Items(*popup_->DropDown()->YearCb());
        QCOMPARE(years.first(), "1980");
        QCOMPARE(years.last(), "2036");
        QCOMPARE(years.size(), 57);
        QCOMPARE(popup_->DropDown()->YearCb()->currentText(), "2026");
    }

    void yearsOutsideTheRangeLeaveTheYearBoxEmpty_data() {
        QTest::addColumn<int>("firstYear");
        QTest::addColumn<int>("lastYear");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<int>("yearCount");
        QTest::newRow("after the last year") << 1980 << 2020 << QDate(2021, 3, 3) << 41;
        QTest::newRow("before the first year") << 1994 << 2036 << QDate(1993, 3, 3) << 43;
        QTest::newRow("no years at all") << 2000 << 1999 << QDate(2000, 3, 3) << 0;
    }

    void yearsOutsideTheRangeLeaveTheYearBoxEmpty() {
        QFETCH(int, firstYear);
        QFETCH(int, lastYear);
        QFETCH(QDate, date);
        QFETCH(int, yearCount);
        popup_->SetFirstYear(firstYear);
        popup_->SetLastYear(lastYear);
        OpenAt(date);
        QComboBox* years = popup_->DropDown()->YearCb();
        QCOMPARE(years->count(), yearCount);
        QCOMPARE(years->currentIndex(), -1);
        QCOMPARE(popup_->DropDown()->CalendarCd()->SelectedDate(), date);
    }

    void printDialogRangeBeginsAt1994() {
        popup_->SetFirstYear(1994);
        OpenAt(QDate(1995, 2, 16));
        QCOMPARE(popup_->DropDown()->YearCb()->itemText(0), "1994");
        QCOMPARE(popup_->DropDown()->YearCb()->currentIndex(), 1);
    }

    void monthAndYearBoxesMoveTheGrid() {
        OpenAt(QDate(2000, 3, 31));
        TEPCalendarFm* window = popup_->DropDown();
        window->MonthCb()->setCurrentIndex(3);  // April
        QCOMPARE(window->CalendarCd()->SelectedDate(), QDate(2000, 4, 30));
        window->YearCb()->setCurrentIndex(window->YearCb()->findText("1999"));
        QCOMPARE(window->CalendarCd()->SelectedDate(), QDate(1999, 4, 30));
        QCOMPARE(picks_->count(), 0);
    }

    void datesThatArePickedAreReported_data() {
        QTest::addColumn<QString>("trigger");
        QTest::newRow("OK button") << "ok";
        QTest::newRow("Enter in the grid") << "enter grid";
        QTest::newRow("Enter in the month box") << "enter month";
        QTest::newRow("Enter in the year box") << "enter year";
        QTest::newRow("keypad Enter in the window") << "enter window";
        QTest::newRow("double click on a day") << "double click";
    }

    void datesThatArePickedAreReported() {
        QFETCH(QString, trigger);
        OpenAt(QDate(1995, 2, 16));
        QPointer<TEPCalendarFm> window = popup_->DropDown();
        QTest::keyClick(window->CalendarCd(), Qt::Key_Right);
        if (trigger == "ok") QTest::mouseClick(window->OKBt(), Qt::LeftButton);
        if (trigger == "enter grid") QTest::keyClick(window->CalendarCd(), Qt::Key_Return);
        if (trigger == "enter month") QTest::keyClick(window->MonthCb(), Qt::Key_Return);
        if (trigger == "enter year") QTest::keyClick(window->YearCb(), Qt::Key_Return);
        if (trigger == "enter window") QTest::keyClick(window.data(), Qt::Key_Enter);
        if (trigger == "double click") DoubleClickCell(*window->CalendarCd(), 5, 3);
        QCOMPARE(picks_->count(), 1);
        QCOMPARE(picks_->first().at(0).toDate(), QDate(1995, 2, 17));
        QVERIFY(!window->isVisible());
        QTRY_VERIFY(window.isNull());
        QVERIFY(!popup_->DropDown());
    }

    void windowsClosedWithoutAPickReportNothing_data() {
        QTest::addColumn<QString>("trigger");
        QTest::newRow("cancel button") << "cancel";
        QTest::newRow("Esc in the grid") << "esc grid";
        QTest::newRow("Esc in the month box") << "esc month";
        QTest::newRow("Alt in the grid") << "alt grid";
        QTest::newRow("Alt in the year box") << "alt year";
        QTest::newRow("click into the dialog") << "click outside";
    }

    void windowsClosedWithoutAPickReportNothing() {
        QFETCH(QString, trigger);
        OpenAt(QDate(1995, 2, 16));
        QPointer<TEPCalendarFm> window = popup_->DropDown();
        if (trigger == "cancel") QTest::mouseClick(window->CancelBt(), Qt::LeftButton);
        if (trigger == "esc grid") QTest::keyClick(window->CalendarCd(), Qt::Key_Escape);
        if (trigger == "esc month") QTest::keyClick(window->MonthCb(), Qt::Key_Escape);
        if (trigger == "alt grid") QTest::keyClick(window->CalendarCd(), Qt::Key_Alt);
        if (trigger == "alt year") QTest::keyClick(window->YearCb(), Qt::Key_Alt);
        if (trigger == "click outside")
            QTest::mouseClick(dialog_->windowHandle(), Qt::LeftButton, {}, QPoint(380, 20));
        QTRY_VERIFY(window.isNull());
        QVERIFY(!popup_->DropDown());
        QCOMPARE(picks_->count(), 0);
    }

    void doubleClickOnAGreyDayDoesNothing() {
        OpenAt(QDate(1995, 2, 16));
        TEPCalendarFm* window = popup_->DropDown();
        DoubleClickCell(*window->CalendarCd(), 0, 1);  // 29 Jan
        QCOMPARE(picks_->count(), 0);
        QVERIFY(window->isVisible());
        QCOMPARE(window->CalendarCd()->SelectedDate(), QDate(1995, 2, 16));
    }

    void openingAgainReplacesTheOpenWindow() {
        OpenAt(QDate(1995, 2, 16));
        QPointer<TEPCalendarFm> first = popup_->DropDown();
        OpenAt(QDate(2000, 6, 1));
        QTRY_VERIFY(first.isNull());
        QCOMPARE(popup_->DropDown()->CalendarCd()->SelectedDate(), QDate(2000, 6, 1));
    }

    void aPickMayReopenTheCalendarAtOnce() {
        connect(popup_, &TEPCalendarPopup::clicked, popup_,
                [this](const QDate& date) { popup_->Popup(10, 10, date.addMonths(1)); });
        OpenAt(QDate(1995, 2, 16));
        QTest::keyClick(popup_->DropDown()->CalendarCd(), Qt::Key_Return);
        QCOMPARE(picks_->count(), 1);
        QCOMPARE(popup_->DropDown()->CalendarCd()->SelectedDate(), QDate(1995, 3, 16));
        QTRY_COMPARE(dialog_->findChildren<TEPCalendarFm*>().size(), 1);
    }

    void destroyingThePopupDestroysItsWindow() {
        OpenAt(QDate(1995, 2, 16));
        QPointer<TEPCalendarFm> window = popup_->DropDown();
        delete popup_;
        QVERIFY(window.isNull());
    }

    void aDateThatCannotBeShownLeavesNoWindow() {
        OpenAt(QDate(1995, 2, 16));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, popup_->Popup(0, 0, QDate()));
        QVERIFY(!popup_->DropDown());
        QTRY_COMPARE(dialog_->findChildren<TEPCalendarFm*>().size(), 0);
    }

private:
    void OpenAt(const QDate& date) {
        popup_->Popup(150, 180, date);
        QVERIFY(popup_->DropDown());
        QVERIFY(QTest::qWaitForWindowExposed(popup_->DropDown()));
    }

    static void DoubleClickCell(TEPCalendar& calendar, int column, int row) {
        const QPoint centre = calendar.CellRect(column, row).center();
        QTest::mouseClick(calendar.viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(calendar.viewport(), Qt::LeftButton, {}, centre);
    }

    std::unique_ptr<QWidget> dialog_;
    TEPCalendarPopup* popup_ = nullptr;
    std::unique_ptr<QSignalSpy> picks_;
};

QTEST_MAIN(TEPCalendarPopupTest)
#include "TEPCalendarPopupTest.moc"
