#include "Master/RowListAccessible.h"

#include "Master/RowAccessible.h"
#include "Master/RowListView.h"

namespace master {

RowListAccessible::RowListAccessible(RowListView* view) : QAccessibleWidget(view, QAccessible::List) {}

RowListAccessible::~RowListAccessible() {
    for (const QAccessible::Id id : std::as_const(rows_)) QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface* RowListAccessible::Create(const QString& className, QObject* object) {
    auto* view = qobject_cast<RowListView*>(object);
    return view && className == QLatin1String(RowListView::staticMetaObject.className())
               ? new RowListAccessible(view)
               : nullptr;
}

RowListView* RowListAccessible::View() const {
    return static_cast<RowListView*>(widget());
}

int RowListAccessible::childCount() const {
    return View()->RowCount();
}

QAccessibleInterface* RowListAccessible::child(int index) const {
    if (index < 0 || index >= childCount()) return nullptr;
    if (const auto known = rows_.constFind(index); known != rows_.cend())
        return QAccessible::accessibleInterface(*known);
    auto* row = new RowAccessible(View(), index);
    rows_.insert(index, QAccessible::registerAccessibleInterface(row));
    return row;
}

int RowListAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const auto* row = dynamic_cast<const RowAccessible*>(child);
    return row && row->parent() == this && row->isValid() ? row->Row() : -1;
}

QAccessibleInterface* RowListAccessible::childAt(int x, int y) const {
    const QPoint inViewport = View()->viewport()->mapFromGlobal(QPoint(x, y));
    if (!View()->viewport()->rect().contains(inViewport)) return nullptr;
    return child(View()->RowAt(inViewport.y()));
}

// The keys act on the selected row, or on the first row without one.
QAccessibleInterface* RowListAccessible::focusChild() const {
    if (!View()->hasFocus()) return nullptr;
    return child(std::max(View()->SelectedRow(), 0));
}

}  // namespace master
