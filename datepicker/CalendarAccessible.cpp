#include "datepicker/CalendarAccessible.h"

#include "datepicker/CalendarDayAccessible.h"
#include "datepicker/TEPCalendar.h"

namespace datepicker {

CalendarAccessible::CalendarAccessible(TEPCalendar* calendar) : QAccessibleWidget(calendar, QAccessible::List) {}

CalendarAccessible::~CalendarAccessible() {
    for (const QAccessible::Id id : days_)
        if (id != 0) QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface* CalendarAccessible::Create(const QString& className, QObject* object) {
    auto* calendar = qobject_cast<TEPCalendar*>(object);
    return calendar && className == QLatin1String(TEPCalendar::staticMetaObject.className())
               ? new CalendarAccessible(calendar)
               : nullptr;
}

TEPCalendar* CalendarAccessible::Calendar() const {
    return static_cast<TEPCalendar*>(widget());
}

int CalendarAccessible::childCount() const {
    return CalendarDayAccessible::kDayCells;
}

QAccessibleInterface* CalendarAccessible::child(int index) const {
    if (index < 0 || index >= childCount()) return nullptr;
    QAccessible::Id& id = days_[static_cast<std::size_t>(index)];
    if (id == 0) id = QAccessible::registerAccessibleInterface(new CalendarDayAccessible(Calendar(), index));
    return QAccessible::accessibleInterface(id);
}

int CalendarAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const auto* day = dynamic_cast<const CalendarDayAccessible*>(child);
    return day && day->parent() == this ? day->Index() : -1;
}

QAccessibleInterface* CalendarAccessible::childAt(int x, int y) const {
    const QPoint point = Calendar()->viewport()->mapFromGlobal(QPoint(x, y));
    for (int index = 0; index < childCount(); ++index) {
        const QPoint cell = CalendarDayAccessible::CellOf(index);
        if (Calendar()->CellRect(cell.x(), cell.y()).contains(point)) return child(index);
    }
    return nullptr;
}

QAccessibleInterface* CalendarAccessible::focusChild() const {
    if (!Calendar()->hasFocus()) return nullptr;
    return child(CalendarDayAccessible::IndexOf(Calendar()->FocusedCell()));
}

}  // namespace datepicker
