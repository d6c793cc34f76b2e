#include "datepicker/TEPCalendar.h"

#include <QAccessible>
#include <QLocale>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <stdexcept>

using namespace datepicker;

namespace {

// A calendar without frame, with an 11-pixel font, shown so that the sizing
// rule sees its resizes.
std::unique_ptr<TEPCalendar> ShownCalendar(const QDate& date, QSize size = QSize(181, 98)) {
    auto calendar = std::make_unique<TEPCalendar>(date);
    calendar->SetBorderStyle(bsNone);
    QFont font = calendar->font();
    font.setPixelSize(11);
    calendar->setFont(font);
    calendar->resize(size);
    calendar->show();
    if (!QTest::qWaitForWindowExposed(calendar.get())) return nullptr;
    return calendar;
}

QStringList RowTexts(const TEPCalendar& calendar, int row) {
    QStringList texts;
    for (int column = 0; column < 7; ++column) texts << calendar.CellText(column, row);
    return texts;
}

void ClickCell(TEPCalendar& calendar, int column, int row) {
    QTest::mouseClick(calendar.viewport(), Qt::LeftButton, {},
                      calendar.CellRect(column, row).center());
}

QColor PixelAt(const QImage& image, const QPoint& point) {
    return image.pixelColor(point);
}

// The colours found inside a cell's rectangle of a grabbed viewport.
QSet<QRgb> ColoursIn(const QImage& image, const QRect& rect) {
    QSet<QRgb> colours;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x) colours.insert(image.pixel(x, y));
    return colours;
}

QImage Grab(TEPCalendar& calendar) {
    return calendar.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

}  // namespace

class TEPCalendarTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom)); }

    void february1995LaysOutAroundItsWednesdayStart() {
        TEPCalendar calendar(QDate(1995, 2, 16));
        QCOMPARE(RowTexts(calendar, 0),
                 QStringList({"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"}));
        QCOMPARE(RowTexts(calendar, 1), QStringList({"29", "30", "31", "1", "2", "3", "4"}));
        QCOMPARE(RowTexts(calendar, 5), QStringList({"26", "27", "28", "1", "2", "3", "4"}));
        QCOMPARE(RowTexts(calendar, 6), QStringList({"5", "6", "7", "8", "9", "10", "11"}));
        QCOMPARE(calendar.FocusedCell(), QPoint(4, 3));
        QCOMPARE(calendar.DateOfCell(0, 1), QDate(1995, 1, 29));
        QCOMPARE(calendar.DateOfCell(6, 6), QDate(1995, 3, 11));
        QVERIFY(!calendar.DateOfCell(3, 0).isValid());
    }

    void mondayStartMovesTheFirstToColumnTwo() {
        TEPCalendar calendar(QDate(1995, 2, 16));
        calendar.SetStartOfWeek(epdMonday);
        QCOMPARE(calendar.CellText(0, 0), QLocale().standaloneDayName(Qt::Monday, QLocale::ShortFormat));
        QCOMPARE(calendar.CellText(6, 0), "Sun");
        QCOMPARE(calendar.DateOfCell(2, 1), QDate(1995, 2, 1));
        QCOMPARE(calendar.FocusedCell(), QPoint(3, 3));  // a Thursday
    }

    void aMonthStartingOnTheFirstWeekdayBeginsInColumnZero() {
        TEPCalendar calendar(QDate(1995, 1, 10));  // 1 Jan 1995 was a Sunday
        QCOMPARE(calendar.DateOfCell(0, 1), QDate(1995, 1, 1));
        calendar.SetStartOfWeek(epdWednesday);
        calendar.SetSelectedDate(QDate(1995, 2, 10));
        QCOMPARE(calendar.DateOfCell(0, 1), QDate(1995, 2, 1));
    }

    void everyMonthFillsSixWeeksFromItsFirstWeekRow() {
        TEPCalendar calendar(QDate(2000, 1, 1));
        for (int start = epdSunday; start <= epdSaturday; ++start) {
            calendar.SetStartOfWeek(static_cast<TEPDayOfWeek>(start));
            for (QDate date(1999, 1, 31); date.year() < 2003; date = date.addDays(13)) {
                calendar.SetSelectedDate(date);
                const QDate topLeft = calendar.DateOfCell(0, 1);
                QCOMPARE(topLeft.dayOfWeek() % 7, start);
                QVERIFY(topLeft <= QDate(date.year(), date.month(), 1));
                QVERIFY(topLeft.daysTo(QDate(date.year(), date.month(), 1)) < 7);
                for (int index = 0; index < 42; ++index)
                    QCOMPARE(calendar.DateOfCell(index % 7, 1 + index / 7), topLeft.addDays(index));
                const QPoint focus = calendar.FocusedCell();
                QCOMPARE(calendar.DateOfCell(focus.x(), focus.y()), date);
            }
        }
    }

    void headingStyles() {
        TEPCalendar calendar(QDate(1995, 2, 16));
        calendar.SetHeadingStyle(epdSingleLetter);
        QCOMPARE(RowTexts(calendar, 0), QStringList({"S", "M", "T", "W", "T", "F", "S"}));
        calendar.SetHeadingStyle(epdLongName);
        QCOMPARE(calendar.CellText(3, 0), "Wednesday");
    }

    void dateSetters_data() {
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QString>("part");
        QTest::addColumn<int>("value");
        QTest::addColumn<QDate>("expected");
        QTest::newRow("February of a leap year") << QDate(2000, 1, 31) << "Month" << 2 << QDate(2000, 2, 29);
        QTest::newRow("February of 1900") << QDate(1900, 1, 31) << "Month" << 2 << QDate(1900, 2, 28);
        QTest::newRow("April from the 31st") << QDate(2000, 3, 31) << "Month" << 4 << QDate(2000, 4, 30);
        QTest::newRow("month 13 ignored") << QDate(2000, 3, 31) << "Month" << 13 << QDate(2000, 3, 31);
        QTest::newRow("month 0 ignored") << QDate(2000, 3, 31) << "Month" << 0 << QDate(2000, 3, 31);
        QTest::newRow("year keeps day") << QDate(1999, 1, 31) << "Year" << 2000 << QDate(2000, 1, 31);
        QTest::newRow("year out of a leap day") << QDate(2000, 2, 29) << "Year" << 2001 << QDate(2001, 2, 28);
        QTest::newRow("day in month") << QDate(2000, 1, 1) << "Day" << 30 << QDate(2000, 1, 30);
        QTest::newRow("31 April ignored") << QDate(2000, 4, 10) << "Day" << 31 << QDate(2000, 4, 10);
        QTest::newRow("day 0 ignored") << QDate(2000, 4, 10) << "Day" << 0 << QDate(2000, 4, 10);
    }

    void dateSetters() {
        QFETCH(QDate, start);
        QFETCH(QString, part);
        QFETCH(int, value);
        QFETCH(QDate, expected);
        TEPCalendar calendar(start);
        QSignalSpy changes(&calendar, &TEPCalendar::changed);
        if (part == "Day") calendar.SetDay(value);
        if (part == "Month") calendar.SetMonth(value);
        if (part == "Year") calendar.SetYear(value);
        QCOMPARE(calendar.SelectedDate(), expected);
        QCOMPARE(changes.count(), expected == start ? 0 : 1);
        const QPoint focus = calendar.FocusedCell();
        QCOMPARE(calendar.DateOfCell(focus.x(), focus.y()), expected);
    }

    void yearsThatCannotBeEncodedFailAndKeepTheDate() {
        TEPCalendar calendar(QDate(2000, 5, 6));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, calendar.SetYear(0));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, calendar.SetYear(10000));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, calendar.SetSelectedDate(QDate()));
        QCOMPARE(calendar.SelectedDate(), QDate(2000, 5, 6));
    }

    void sizingRuleExampleWithIntegralSize() {
        auto calendar = ShownCalendar(QDate(1995, 2, 16), QSize(181, 98));
        QVERIFY(calendar);
        QCOMPARE(calendar->size(), QSize(181, 98));
        QCOMPARE(calendar->CellRect(0, 0).height(), 14);
        for (int row = 1; row <= 6; ++row) QCOMPARE(calendar->CellRect(0, row).height(), 13);
        for (int column = 0; column < 7; ++column) QCOMPARE(calendar->CellRect(column, 3).width(), 25);
        QCOMPARE(calendar->CellRect(6, 6).bottomRight(), QPoint(180, 97));

        calendar->resize(186, 103);
        QTRY_COMPARE(calendar->size(), QSize(181, 98));
    }

    void sizingRuleExampleOfTheDropDownGrid() {
        auto calendar = ShownCalendar(QDate(1995, 2, 16), QSize(195, 108));
        QVERIFY(calendar);
        calendar->SetOptions(calendar->Options() & ~TEPCalendarOptions(epcoIntegralSize));
        calendar->resize(195, 108);
        QTRY_COMPARE(calendar->size(), QSize(195, 108));
        for (int column = 0; column < 7; ++column) QCOMPARE(calendar->CellRect(column, 2).width(), 27);
        for (int row = 1; row <= 5; ++row) QCOMPARE(calendar->CellRect(3, row).height(), 14);
        QCOMPARE(calendar->CellRect(3, 6).height(), 18);
        QCOMPARE(calendar->CellRect(6, 6).bottomRight(), QPoint(194, 107));
    }

    void turningHeadingsOffAndOnRestoresTheHeight() {
        auto calendar = ShownCalendar(QDate(1995, 2, 16));
        QVERIFY(calendar);
        calendar->SetBorderStyle(bsSingle);
        const QSize withHeadings = calendar->size();
        const int rowHeight = calendar->CellRect(0, 3).height();

        calendar->SetOptions(calendar->Options() & ~TEPCalendarOptions(epcoShowHeadings));
        QCOMPARE(calendar->size(), withHeadings - QSize(0, 15));
        QCOMPARE(calendar->CellRect(0, 1).top(), 0);
        QCOMPARE(calendar->CellRect(0, 3).height(), rowHeight);

        calendar->SetOptions(calendar->Options() | epcoShowHeadings);
        QCOMPARE(calendar->size(), withHeadings);
        QCOMPARE(calendar->CellRect(0, 1).top(), 15);
    }

    void borderStyleKeepsTheClientSizeOnlyWhenSnapping() {
        auto calendar = ShownCalendar(QDate(1995, 2, 16));
        QVERIFY(calendar);
        calendar->SetBorderStyle(bsSingle);
        QCOMPARE(calendar->viewport()->size(), QSize(181, 98));
        QCOMPARE(calendar->size(), QSize(185, 102));

        calendar->SetOptions(calendar->Options() & ~TEPCalendarOptions(epcoIntegralSize));
        calendar->SetBorderStyle(bsNone);
        QCOMPARE(calendar->size(), QSize(185, 102));
    }

    void optionsThatFollowFromOthers() {
        TEPCalendar calendar(QDate(1995, 2, 16));
        QCOMPARE(calendar.Options(), kDefaultCalendarOptions);
        QCOMPARE(calendar.Options().toInt(), 235);
        calendar.SetOptions(calendar.Options() | epcoSelectAllDates);
        QVERIFY(calendar.Options().testFlag(epcoDrawAllDates));
    }

    void headingFontFollowsTheFontUntilSetItself() {
        TEPCalendar calendar(QDate(1995, 2, 16));
        QFont big = calendar.font();
        big.setPixelSize(20);
        calendar.setFont(big);
        QCOMPARE(calendar.HeadingFont().pixelSize(), 20);
        QVERIFY(!calendar.Options().testFlag(epcoUseHeadingFont));

        QFont small = big;
        small.setPixelSize(9);
        calendar.SetHeadingFont(small);
        QVERIFY(calendar.Options().testFlag(epcoUseHeadingFont));
        big.setPixelSize(22);
        calendar.setFont(big);
        QCOMPARE(calendar.HeadingFont().pixelSize(), 9);

        calendar.SetOptions(calendar.Options() & ~TEPCalendarOptions(epcoUseHeadingFont));
        QCOMPARE(calendar.HeadingFont().pixelSize(), 22);
        QVERIFY(!calendar.Options().testFlag(epcoUseHeadingFont));
    }

    void clickingADayOfTheMonthSelectsIt() {
        auto calendar = ShownCalendar(QDate(1995, 2, 16));
        QVERIFY(calendar);
        QSignalSpy changes(calendar.get(), &TEPCalendar::changed);
        QSignalSpy clicks(calendar.get(), &TEPCalendar::clicked);
        ClickCell(*calendar, 2, 4);  // Tuesday 21 Feb
        QCOMPARE(calendar->SelectedDate(), QDate(1995, 2, 21));
        QCOMPARE(calendar->FocusedCell(), QPoint(2, 4));
        QCOMPARE(changes.count(), 1);
        QCOMPARE(clicks.count(), 1);

        ClickCell(*calendar, 2, 4);
        QCOMPARE(clicks.count(), 2);
        QCOMPARE(changes.count(), 1);
    }

    void daysOfOtherMonthsCannotBeClickedByDefault() {
        auto calendar = ShownCalendar(QDate(1995, 2, 16));
        QVERIFY(calendar);
        calendar->clearFocus();
        QSignalSpy changes(calendar.get(), &TEPCalendar::changed);
        QSignalSpy clicks(calendar.get(), &TEPCalendar::clicked);
        ClickCell(*calendar, 0, 1);  // 29 Jan
        ClickCell(*calendar, 3, 0);  // a heading
        QCOMPARE(calendar->SelectedDate(), QDate(1995, 2, 16));
        QCOMPARE(calendar->FocusedCell(), QPoint(4, 3));
        QCOMPARE(changes.count(), 0);
        QCOMPARE(clicks.count(), 0);
        QVERIFY(calendar->hasFocus());
    }

    void selectAllDatesMovesToTheClickedMonth() {
        auto calendar = ShownCalendar(QDate(1995, 2, 16));
        QVERIFY(calendar);
        calendar->SetOptions(calendar->Options() | epcoSelectAllDates);
        QSignalSpy changes(calendar.get(), &TEPCalendar::changed);
        ClickCell(*calendar, 3, 5);  // 1 Mar
        QCOMPARE(calendar->SelectedDate(), QDate(1995, 3, 1));
        QCOMPARE(calendar->FocusedCell(), QPoint(3, 1));  // 1 Mar 1995 was a Wednesday
        QCOMPARE(changes.count(), 1);
    }

    void readOnlyRefusesCellsButStillReportsClicks() {
        auto calendar = ShownCalendar(QDate(1995, 2, 16));
        QVERIFY(calendar);
        calendar->SetOptions(calendar->Options() | epcoReadOnly);
        QSignalSpy clicks(calendar.get(), &TEPCalendar::clicked);
        QSignalSpy doubleClicks(calendar.get(), &TEPCalendar::doubleClicked);
        QSignalSpy changes(calendar.get(), &TEPCalendar::changed);
        ClickCell(*calendar, 2, 4);
        QCOMPARE(clicks.count(), 1);
        QTest::mouseDClick(calendar->viewport(), Qt::LeftButton, {},
                           calendar->CellRect(2, 4).center());
        QCOMPARE(doubleClicks.count(), 1);
        QCOMPARE(changes.count(), 0);
        QCOMPARE(calendar->SelectedDate(), QDate(1995, 2, 16));
        QTest::keyClick(calendar.get(), Qt::Key_Left);
        QCOMPARE(calendar->SelectedDate(), QDate(1995, 2, 16));
    }

    void doubleClickOnlyOnSelectableDays() {
        auto calendar = ShownCalendar(QDate(1995, 2, 16));
        QVERIFY(calendar);
        QSignalSpy doubleClicks(calendar.get(), &TEPCalendar::doubleClicked);
        QTest::mouseDClick(calendar->viewport(), Qt::LeftButton, {},
                           calendar->CellRect(0, 1).center());
        QCOMPARE(doubleClicks.count(), 0);
        QTest::mouseDClick(calendar->viewport(), Qt::LeftButton, {},
                           calendar->CellRect(1, 2).center());
        QCOMPARE(doubleClicks.count(), 1);
        QCOMPARE(calendar->SelectedDate(), QDate(1995, 2, 6));
    }

    void onSelectDateMayRefuseADay() {
        auto calendar = ShownCalendar(QDate(1995, 2, 16));
        QVERIFY(calendar);
        calendar->SetOnSelectDate([](const QDate& date, bool& canSelect) {
            if (date.dayOfWeek() == Qt::Saturday) canSelect = false;
        });
        ClickCell(*calendar, 6, 3);  // Saturday 18 Feb
        QCOMPARE(calendar->SelectedDate(), QDate(1995, 2, 16));
        QTest::keyClick(calendar.get(), Qt::Key_Right);
        QCOMPARE(calendar->SelectedDate(), QDate(1995, 2, 17));
        QTest::keyClick(calendar.get(), Qt::Key_Right);
        QCOMPARE(calendar->SelectedDate(), QDate(1995, 2, 17));
    }

    void keysMoveWithinTheMonthOnly_data() {
        QTest::addColumn<QDate>("start");
        QTest::addColumn<int>("key");
        QTest::addColumn<QDate>("expected");
        QTest::newRow("right") << QDate(1995, 2, 16) << int(Qt::Key_Right) << QDate(1995, 2, 17);
        QTest::newRow("down") << QDate(1995, 2, 16) << int(Qt::Key_Down) << QDate(1995, 2, 23);
        QTest::newRow("up") << QDate(1995, 2, 16) << int(Qt::Key_Up) << QDate(1995, 2, 9);
        QTest::newRow("left stops at the row's edge") << QDate(1995, 2, 5) << int(Qt::Key_Left) << QDate(1995, 2, 5);
        QTest::newRow("left into January refused") << QDate(1995, 2, 1) << int(Qt::Key_Left) << QDate(1995, 2, 1);
        QTest::newRow("up into January refused") << QDate(1995, 2, 5) << int(Qt::Key_Up) << QDate(1995, 2, 5);
        QTest::newRow("up into the headings refused") << QDate(1995, 2, 2) << int(Qt::Key_Up) << QDate(1995, 2, 2);
        QTest::newRow("down into March refused") << QDate(1995, 2, 22) << int(Qt::Key_Down) << QDate(1995, 2, 22);
        QTest::newRow("home") << QDate(1995, 2, 16) << int(Qt::Key_Home) << QDate(1995, 2, 12);
        QTest::newRow("end") << QDate(1995, 2, 16) << int(Qt::Key_End) << QDate(1995, 2, 18);
        QTest::newRow("page up") << QDate(1995, 2, 16) << int(Qt::Key_PageUp) << QDate(1995, 2, 2);
        QTest::newRow("page down into March refused") << QDate(1995, 2, 16) << int(Qt::Key_PageDown) << QDate(1995, 2, 16);
    }

    void keysMoveWithinTheMonthOnly() {
        QFETCH(QDate, start);
        QFETCH(int, key);
        QFETCH(QDate, expected);
        auto calendar = ShownCalendar(start);
        QVERIFY(calendar);
        QSignalSpy clicks(calendar.get(), &TEPCalendar::clicked);
        QTest::keyClick(calendar.get(), static_cast<Qt::Key>(key));
        QCOMPARE(calendar->SelectedDate(), expected);
        QCOMPARE(clicks.count(), expected == start ? 0 : 1);
        const QPoint focus = calendar->FocusedCell();
        QCOMPARE(calendar->DateOfCell(focus.x(), focus.y()), expected);
    }

    // A screen reader sees the 42 day cells, each named by its whole date;
    // the focused one follows the keys and the other months' days read as
    // unavailable.
    void theDaysAreExposedWithTheKeysFocus() {
        auto calendar = ShownCalendar(QDate(1995, 2, 16));
        QVERIFY(calendar);
        calendar->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(calendar.get()));
        calendar->setFocus();
        QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(calendar.get());
        QCOMPARE(grid->text(QAccessible::Name), QStringLiteral("Calendar"));
        QCOMPARE(grid->childCount(), 42);
        QCOMPARE(grid->focusChild()->text(QAccessible::Name), QStringLiteral("Thursday, 16 February 1995"));
        QVERIFY(grid->focusChild()->state().focused);
        QAccessibleInterface* january = grid->child(0);
        QCOMPARE(january->text(QAccessible::Name), QStringLiteral("Sunday, 29 January 1995"));
        QVERIFY(january->state().disabled);
        QCOMPARE(grid->indexOfChild(january), 0);
        QCOMPARE(grid->childAt(january->rect().center().x(), january->rect().center().y()), january);
        QTest::keyClick(calendar.get(), Qt::Key_Down);
        QCOMPARE(grid->focusChild()->text(QAccessible::Name), QStringLiteral("Thursday, 23 February 1995"));
        QVERIFY(!grid->focusChild()->state().disabled);
    }

    void otherMonthsAreBlankUnlessDrawAllDates() {
        auto calendar = ShownCalendar(QDate(1995, 2, 16));
        QVERIFY(calendar);
        calendar->SetColor(Qt::white);
        calendar->SetGrayTextColor(QColor(255, 0, 0));
        const QRect january = calendar->CellRect(0, 1);
        QCOMPARE(ColoursIn(Grab(*calendar), january), QSet<QRgb>({QColor(Qt::white).rgb()}));

        calendar->SetOptions(calendar->Options() | epcoDrawAllDates);
        bool reddish = false;
        for (QRgb colour : ColoursIn(Grab(*calendar), january))
            reddish = reddish || (qRed(colour) > 200 && qGreen(colour) < 150);
        QVERIFY(reddish);
    }

    void hiddenHeadingsLeaveNoTraceOfTheHeadingColour() {
        auto calendar = ShownCalendar(QDate(1995, 2, 16));
        QVERIFY(calendar);
        const QColor headingColour(1, 2, 3);
        calendar->SetHeadingColor(headingColour);
        QVERIFY(ColoursIn(Grab(*calendar), calendar->CellRect(0, 0)).contains(headingColour.rgb()));
        calendar->SetOptions(calendar->Options() & ~TEPCalendarOptions(epcoShowHeadings | epcoDrawGridLines));
        const QImage image = Grab(*calendar);
        QVERIFY(!ColoursIn(image, image.rect()).contains(headingColour.rgb()));
    }

    void selectedCellUsesTheHighlightAndOnSelectColorOverrides() {
        auto calendar = ShownCalendar(QDate(1995, 2, 16));
        QVERIFY(calendar);
        const QRect selected = calendar->CellRect(4, 3);
        const QPoint corner = selected.topLeft() + QPoint(2, 2);
        QCOMPARE(PixelAt(Grab(*calendar), corner), calendar->palette().color(QPalette::Highlight));

        calendar->SetOnSelectColor([](TGridDrawState, const QDate& date, QColor& background, QColor&) {
            if (date == QDate(1995, 2, 14)) background = QColor(0, 0, 255);
        });
        const QRect valentine = calendar->CellRect(2, 3);
        QCOMPARE(PixelAt(Grab(*calendar), valentine.topLeft() + QPoint(2, 2)), QColor(0, 0, 255));
    }

    void withoutDefaultDrawingOnlyTheHandlersPaint() {
        auto calendar = ShownCalendar(QDate(1995, 2, 16));
        QVERIFY(calendar);
        QList<QDate> dates;
        QList<int> weekdays;
        calendar->SetStartOfWeek(epdMonday);
        calendar->SetOnDrawDate([&](QPainter& painter, TGridDrawState, const QRect& rect, const QDate& date) {
            dates << date;
            if (date == QDate(1995, 2, 1)) painter.fillRect(rect, QColor(0, 128, 0));
        });
        calendar->SetOnDrawHeading([&](QPainter&, const QRect&, TEPDayOfWeek day) { weekdays << day; });
        calendar->SetColor(Qt::white);
        calendar->SetOptions(calendar->Options() & ~TEPCalendarOptions(epcoDefaultDrawing));
        const QImage image = Grab(*calendar);
        QCOMPARE(dates.size(), 42);
        QCOMPARE(dates.first(), QDate(1995, 1, 30));
        QCOMPARE(weekdays, QList<int>({1, 2, 3, 4, 5, 6, 0}));
        const QRect first = calendar->CellRect(2, 1);
        QCOMPARE(ColoursIn(image, first), QSet<QRgb>({QColor(0, 128, 0).rgb()}));
        // No day numbers: an ordinary day's cell keeps its background only.
        QCOMPARE(ColoursIn(image, calendar->CellRect(1, 4).adjusted(1, 1, -1, -1)),
                 QSet<QRgb>({QColor(Qt::white).rgb()}));
    }
};

QTEST_MAIN(TEPCalendarTest)
#include "TEPCalendarTest.moc"
