#pragma once

#include "datepicker/CalendarGeometry.h"

#include <QAccessibleInterface>
#include <QPointer>

namespace datepicker {

class TEPCalendar;

// One day cell of a TEPCalendar as assistive technology sees it: a list
// item named by its whole date, selected when it is the calendar's focused
// cell, and unavailable when it may not be picked (a day of another month).
class CalendarDayAccessible : public QAccessibleInterface {
public:
    // The week rows below the headings.
    static constexpr int kDayCells = CalendarGeometry::kColumns * CalendarGeometry::kWeekRows;

    CalendarDayAccessible(TEPCalendar* calendar, int index);

    int Index() const { return index_; }
    // The cell of a child index: x the column, y the row below the headings.
    static QPoint CellOf(int index);
    static int IndexOf(const QPoint& cell);

    bool isValid() const override { return !calendar_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text kind) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override;

private:
    QPointer<TEPCalendar> calendar_;
    int index_;
};

}  // namespace datepicker
