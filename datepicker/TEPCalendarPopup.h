#pragma once

#include <QColor>
#include <QDate>
#include <QObject>
#include <QPointer>

#include <functional>

class QWidget;

namespace datepicker {

class TEPCalendarFm;

// Shows the drop-down calendar window at a screen point and reports the date
// the user picks. At most one window is open per popup; opening it again
// replaces the open one, and destroying the popup destroys it.
class TEPCalendarPopup : public QObject {
    Q_OBJECT

public:
    using Clock = std::function<QDate()>;

    // today gives the current date, also for the default LastYear (ten years
    // on). parent is the dialog that holds the date field, if any.
    TEPCalendarPopup(Clock today, QWidget* parent = nullptr);
    ~TEPCalendarPopup() override;

    QColor CancelColor() const { return cancelColor_; }
    void SetCancelColor(const QColor& color) { cancelColor_ = color; }
    QColor OKColor() const { return okColor_; }
    void SetOKColor(const QColor& color) { okColor_ = color; }
    quint16 FirstYear() const { return firstYear_; }
    void SetFirstYear(quint16 year) { firstYear_ = year; }
    quint16 LastYear() const { return lastYear_; }
    void SetLastYear(quint16 year) { lastYear_ = year; }

    // The calendar window now open, or none.
    TEPCalendarFm* DropDown() const;

    // Shows the calendar with its top-left corner at the screen point (x, y)
    // and the date selected, and returns at once. Throws
    // std::invalid_argument, with no window left open, for a date outside
    // the years 1..9999.
    void Popup(int x, int y, const QDate& date);

signals:
    // The user picked a date (OK, Enter or a double click on a day).
    void clicked(const QDate& date);

private:
    Clock today_;
    QColor cancelColor_{255, 0, 0};
    QColor okColor_{0, 255, 0};
    quint16 firstYear_ = 1980;
    quint16 lastYear_;
    QPointer<TEPCalendarFm> dropDown_;
};

}  // namespace datepicker
