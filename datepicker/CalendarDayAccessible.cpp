#include "datepicker/CalendarDayAccessible.h"

#include "datepicker/TEPCalendar.h"

#include <QWindow>

namespace datepicker {

CalendarDayAccessible::CalendarDayAccessible(TEPCalendar* calendar, int index) : calendar_(calendar), index_(index) {}

QPoint CalendarDayAccessible::CellOf(int index) {
    return {index % CalendarGeometry::kColumns, 1 + index / CalendarGeometry::kColumns};
}

int CalendarDayAccessible::IndexOf(const QPoint& cell) {
    return (cell.y() - 1) * CalendarGeometry::kColumns + cell.x();
}

QWindow* CalendarDayAccessible::window() const {
    return calendar_ ? calendar_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* CalendarDayAccessible::parent() const {
    return QAccessible::queryAccessibleInterface(calendar_.data());
}

QString CalendarDayAccessible::text(QAccessible::Text kind) const {
    if (kind != QAccessible::Name || !calendar_) return {};
    const QPoint cell = CellOf(index_);
    return calendar_->locale().toString(calendar_->DateOfCell(cell.x(), cell.y()), QLocale::LongFormat);
}

QRect CalendarDayAccessible::rect() const {
    if (!calendar_) return {};
    const QPoint cell = CellOf(index_);
    const QRect shown = calendar_->CellRect(cell.x(), cell.y());
    return {calendar_->viewport()->mapToGlobal(shown.topLeft()), shown.size()};
}

QAccessible::State CalendarDayAccessible::state() const {
    QAccessible::State state;
    if (!calendar_) {
        state.invalid = true;
        return state;
    }
    const QPoint cell = CellOf(index_);
    state.selectable = true;
    state.focusable = true;
    state.selected = calendar_->FocusedCell() == cell;
    state.focused = state.selected && calendar_->hasFocus();
    state.disabled = !calendar_->SelectCell(cell.x(), cell.y());
    return state;
}

}  // namespace datepicker
