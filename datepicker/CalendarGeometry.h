#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

namespace datepicker {

// The cell rectangles of the calendar's 7 x 7 grid inside its client area.
// The columns share the width and the six week rows share the height left
// after the heading row and the grid lines; whatever does not divide evenly
// goes to the last column and the last row.
class CalendarGeometry {
public:
    static constexpr int kColumns = 7;
    static constexpr int kRows = 7;
    static constexpr int kWeekRows = 6;

    // headingHeight is the heading row's height; -lineWidth when the
    // headings are hidden, so that the row and its line take no space.
    CalendarGeometry(const QSize& client, int headingHeight, int lineWidth);

    // The heading row's height for a heading font of the given pixel height.
    static int HeadingHeight(bool showHeadings, int headingFontPixels, int lineWidth);
    // The outer size snapped to whole cells; frame is outer minus client size.
    static QSize IntegralSize(const QSize& outer, const QSize& frame, int headingHeight,
                              int lineWidth);

    int ColumnWidth(int column) const;
    int RowHeight(int row) const;
    QRect CellRect(int column, int row) const;
    // The cell under a point of the client area; a grid line belongs to the
    // cell before it.
    std::optional<QPoint> CellAt(const QPoint& point) const;
    int LineWidth() const { return lineWidth_; }

private:
    int ColumnLeft(int column) const;
    int RowTop(int row) const;

    int headingHeight_;
    int lineWidth_;
    int columnWidth_;
    int extraWidth_;
    int rowHeight_;
    int extraHeight_;
};

}  // namespace datepicker
