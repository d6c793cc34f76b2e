#include "datepicker/CalendarGeometry.h"

#include <algorithm>
#include <cmath>

namespace datepicker {
namespace {

// Integer division and remainder that never go below zero, so that a control
// squeezed smaller than its grid lines still gets empty cells, not negative ones.
int SharePerCell(int space, int cells) {
    return std::max(0, space) / cells;
}

int Leftover(int space, int cells) {
    return std::max(0, space) % cells;
}

}  // namespace

CalendarGeometry::CalendarGeometry(const QSize& client, int headingHeight, int lineWidth)
    : headingHeight_(headingHeight),
      lineWidth_(lineWidth),
      columnWidth_(SharePerCell(client.width() - (kColumns - 1) * lineWidth, kColumns)),
      extraWidth_(Leftover(client.width() + lineWidth, kColumns)),
      rowHeight_(SharePerCell(client.height() - headingHeight - kWeekRows * lineWidth, kWeekRows)),
      extraHeight_(Leftover(client.height() - headingHeight, kWeekRows)) {}

int CalendarGeometry::HeadingHeight(bool showHeadings, int headingFontPixels, int lineWidth) {
    if (!showHeadings) return -lineWidth;
    return static_cast<int>(std::lround(1.3 * headingFontPixels));
}

QSize CalendarGeometry::IntegralSize(const QSize& outer, const QSize& frame, int headingHeight,
                                     int lineWidth) {
    const int columns = SharePerCell(outer.width() - frame.width() + lineWidth, kColumns);
    const int rows = SharePerCell(outer.height() - frame.height() - headingHeight, kWeekRows);
    return {frame.width() + columns * kColumns - lineWidth,
            frame.height() + rows * kWeekRows + headingHeight};
}

int CalendarGeometry::ColumnWidth(int column) const {
    return column == kColumns - 1 ? columnWidth_ + extraWidth_ : columnWidth_;
}

int CalendarGeometry::RowHeight(int row) const {
    if (row == 0) return std::max(0, headingHeight_);
    return row == kRows - 1 ? rowHeight_ + extraHeight_ : rowHeight_;
}

int CalendarGeometry::ColumnLeft(int column) const {
    return column * (columnWidth_ + lineWidth_);
}

int CalendarGeometry::RowTop(int row) const {
    if (row == 0) return 0;
    return headingHeight_ + lineWidth_ + (row - 1) * (rowHeight_ + lineWidth_);
}

QRect CalendarGeometry::CellRect(int column, int row) const {
    return {ColumnLeft(column), RowTop(row), ColumnWidth(column), RowHeight(row)};
}

std::optional<QPoint> CalendarGeometry::CellAt(const QPoint& point) const {
    if (point.x() < 0 || point.y() < 0) return std::nullopt;
    int column = 0;
    while (column < kColumns - 1 && point.x() >= ColumnLeft(column + 1)) ++column;
    int row = 0;
    while (row < kRows - 1 && point.y() >= RowTop(row + 1)) ++row;
    const QRect last = CellRect(column, row);
    if (point.x() > last.right() + lineWidth_ || point.y() > last.bottom() + lineWidth_)
        return std::nullopt;
    return QPoint(column, row);
}

}  // namespace datepicker
