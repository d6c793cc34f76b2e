#include "Master/RowAccessible.h"

#include "Master/RowListView.h"

#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace master {

RowAccessible::RowAccessible(RowListView* view, int row) : view_(view), row_(row) {}

bool RowAccessible::isValid() const {
    return view_ && row_ < view_->RowCount();
}

QWindow* RowAccessible::window() const {
    return view_ ? view_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* RowAccessible::parent() const {
    return QAccessible::queryAccessibleInterface(view_.data());
}

QString RowAccessible::text(QAccessible::Text kind) const {
    if (kind != QAccessible::Name || !isValid()) return {};
    return view_->RowText(row_);
}

QRect RowAccessible::rect() const {
    if (!isValid()) return {};
    const QRect shown = view_->RowRect(row_);
    return {view_->viewport()->mapToGlobal(shown.topLeft()), shown.size()};
}

QAccessible::State RowAccessible::state() const {
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    state.selectable = true;
    state.focusable = true;
    state.selected = view_->SelectedRow() == row_;
    // The keys act on the selected row, or on the first row without one.
    state.focused = view_->hasFocus() && row_ == std::max(view_->SelectedRow(), 0);
    state.invisible = !view_->viewport()->rect().intersects(view_->RowRect(row_));
    state.offscreen = state.invisible;
    return state;
}

}  // namespace master
