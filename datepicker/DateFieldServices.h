#pragma once

#include <QDate>
#include <QString>

#include <functional>
#include <optional>

namespace datepicker {

// What a date field needs from the program around it: the machine's today
// and beep, and the program's short-date text in both directions. All four
// must be set.
struct DateFieldServices {
    std::function<QDate()> today;
    std::function<void()> beep;
    // The date a text stands for, or nothing when it is no date.
    std::function<std::optional<QDate>(const QString&)> dateFromText;
    std::function<QString(const QDate&)> textFromDate;
};

}  // namespace datepicker
