#pragma once

#include "datepicker/CalendarGeometry.h"
#include "datepicker/CalendarTypes.h"
#include "datepicker/MonthLayout.h"

#include <QAbstractScrollArea>
#include <QColor>
#include <QDate>
#include <QFont>

#include <functional>
#include <optional>

class QPainter;

namespace datepicker {

// A month calendar: a 7 x 7 grid with a heading row of weekday names over six
// week rows of day numbers. It holds one date, SelectedDate, and always shows
// that date's month; the user picks a day with the mouse or the arrow keys.
// Days of the months before and after pad the six rows; by default they are
// blank and cannot be picked.
class TEPCalendar : public QAbstractScrollArea {
    Q_OBJECT

public:
    // Called after a date cell has been painted (or, without
    // epcoDefaultDrawing, to paint it on a painter set up with the cell's font
    // and colours).
    using DrawDateHandler =
        std::function<void(QPainter&, TGridDrawState, const QRect&, const QDate&)>;
    using DrawHeadingHandler = std::function<void(QPainter&, const QRect&, TEPDayOfWeek)>;
    // May change a date cell's background and text colour before it is painted.
    using SelectColorHandler =
        std::function<void(TGridDrawState, const QDate&, QColor& background, QColor& text)>;
    // May refuse a date cell that is about to become the focused one.
    using SelectDateHandler = std::function<void(const QDate&, bool& canSelect)>;

    // The calendar starts at today, which the caller supplies.
    explicit TEPCalendar(const QDate& today, QWidget* parent = nullptr);

    QDate SelectedDate() const { return selectedDate_; }
    // Throws std::invalid_argument for a date outside the years 1..9999.
    void SetSelectedDate(const QDate& date);
    int Day() const { return selectedDate_.day(); }
    int Month() const { return selectedDate_.month(); }
    int Year() const { return selectedDate_.year(); }
    // A day beyond the month's length is ignored; the month's other parts are
    // re-applied.
    void SetDay(int day);
    // A month outside 1..12 is ignored; the day is lowered to the length of
    // the resulting month.
    void SetMonth(int month);
    // Throws std::invalid_argument for a year outside 1..9999.
    void SetYear(int year);

    TEPDayOfWeek StartOfWeek() const { return startOfWeek_; }
    void SetStartOfWeek(TEPDayOfWeek day);
    TEPCalendarAlignment Alignment() const { return alignment_; }
    void SetAlignment(TEPCalendarAlignment alignment);
    TEPDayStyle HeadingStyle() const { return headingStyle_; }
    void SetHeadingStyle(TEPDayStyle style);
    TEPCalendarOptions Options() const { return options_; }
    void SetOptions(TEPCalendarOptions options);
    TEPBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TEPBorderStyle style);
    bool Ctl3D() const { return ctl3D_; }
    void SetCtl3D(bool on);

    // Colours: the date cells' background, the days of other months, the
    // heading row's background, and the text of the date cells.
    QColor Color() const { return color_; }
    void SetColor(const QColor& color);
    QColor GrayTextColor() const { return grayTextColor_; }
    void SetGrayTextColor(const QColor& color);
    QColor HeadingColor() const { return headingColor_; }
    void SetHeadingColor(const QColor& color);
    QColor FontColor() const { return fontColor_; }
    void SetFontColor(const QColor& color);

    // The heading row's font and text colour follow the control's font and
    // FontColor until either is set here, which turns on epcoUseHeadingFont.
    QFont HeadingFont() const { return headingFont_; }
    void SetHeadingFont(const QFont& font);
    QColor HeadingFontColor() const { return headingFontColor_; }
    void SetHeadingFontColor(const QColor& color);

    void SetOnDrawDate(DrawDateHandler handler) { onDrawDate_ = std::move(handler); }
    void SetOnDrawHeading(DrawHeadingHandler handler) { onDrawHeading_ = std::move(handler); }
    void SetOnSelectColor(SelectColorHandler handler) { onSelectColor_ = std::move(handler); }
    void SetOnSelectDate(SelectDateHandler handler) { onSelectDate_ = std::move(handler); }

    // The date shown in a cell; an invalid date for the heading row.
    QDate DateOfCell(int column, int row) const;
    QString CellText(int column, int row) const;
    // Whether the cell may become the focused one.
    bool SelectCell(int column, int row) const;
    // The focused cell: x is the column, y the row.
    QPoint FocusedCell() const { return focusedCell_; }
    // A cell's rectangle in the coordinates of the viewport.
    QRect CellRect(int column, int row) const;
    // Makes the cell of SelectedDate the focused and selected one.
    void FocusDateCell();
    // Re-applies the sizing rule to the current size and lets the parent
    // re-arrange its children.
    void UpdateCellSizes();

    QSize sizeHint() const override;

signals:
    // SelectedDate has changed.
    void changed();
    // A cell was clicked or reached with the keyboard.
    void clicked();
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    MonthLayout Layout() const { return MonthLayout(selectedDate_, startOfWeek_); }
    CalendarGeometry Geometry() const;
    int LineWidth(TEPCalendarOptions options) const;
    int HeadingHeight(TEPCalendarOptions options) const;
    QSize FrameSize() const;
    void ApplyFrame();
    void ApplyIntegralSize();
    void SetDateParts(int year, int month, int day);
    void FollowFont();
    void ShowHeadingsChanged(TEPCalendarOptions oldOptions);
    void Repaint();
    void Change();
    void AnnounceFocusedDay();
    void Click();
    void MousePress(const QPoint& point, bool doublePress);
    void MoveFocus(const QPoint& cell);
    std::optional<QPoint> KeyTarget(const QKeyEvent& event) const;

    TGridDrawState StateOf(int column, int row) const;
    void PaintGridLines(QPainter& painter, const CalendarGeometry& geometry) const;
    void DrawCell(QPainter& painter, int column, int row, const QRect& rect,
                  TGridDrawState state);
    void DrawHeadingText(QPainter& painter, const QString& text, const QRect& rect) const;
    void DrawDayText(QPainter& painter, const QString& text, const QRect& rect) const;
    void DrawRaisedEdge(QPainter& painter, const QRect& rect) const;
    void DrawFocusRect(QPainter& painter, const QRect& rect, const QColor& background) const;

    QDate selectedDate_;
    QPoint focusedCell_{0, 1};
    TEPDayOfWeek startOfWeek_ = epdSunday;
    TEPCalendarAlignment alignment_ = epcaCenter;
    TEPDayStyle headingStyle_ = epdShortName;
    TEPCalendarOptions options_ = kDefaultCalendarOptions;
    TEPBorderStyle borderStyle_ = bsSingle;
    bool ctl3D_ = true;
    QColor color_;
    QColor grayTextColor_;
    QColor headingColor_;
    QColor fontColor_;
    QFont headingFont_;
    QColor headingFontColor_;
    DrawDateHandler onDrawDate_;
    DrawHeadingHandler onDrawHeading_;
    SelectColorHandler onSelectColor_;
    SelectDateHandler onSelectDate_;
};

}  // namespace datepicker
