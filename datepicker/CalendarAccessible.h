#pragma once

#include "datepicker/CalendarDayAccessible.h"

#include <QAccessibleWidget>

#include <array>

namespace datepicker {

class TEPCalendar;

// A TEPCalendar as assistive technology sees it: a list of its 42 day
// cells, the focused one being the date the arrow keys have reached. The
// weekday headings are left out: every day's name says its weekday.
class CalendarAccessible : public QAccessibleWidget {
public:
    explicit CalendarAccessible(TEPCalendar* calendar);
    ~CalendarAccessible() override;

    // The factory Qt asks for the interface of a TEPCalendar.
    static QAccessibleInterface* Create(const QString& className, QObject* object);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

private:
    TEPCalendar* Calendar() const;

    mutable std::array<QAccessible::Id, CalendarDayAccessible::kDayCells> days_{};
};

}  // namespace datepicker
