#pragma once

#include "lottery/CivilDate.h"

#include <QDate>
#include <QLocale>
#include <QString>

#include <optional>

namespace app {

// Dates as the user reads and types them. Short-date text uses the locale's
// short date format trimmed to a numeric month; the display formats use the
// locale's day and month names.
class DateText {
public:
    // "dddd dd mmmm yyyy", "ddd dd mmm yyyy" and "dd mmm yyyy".
    static constexpr const char* kLongDisplay = "dddd dd MMMM yyyy";
    static constexpr const char* kRowDisplay = "ddd dd MMM yyyy";
    static constexpr const char* kShortDisplay = "dd MMM yyyy";

    DateText(const QLocale& locale, const QString& shortDateFormat);
    // The program's dates: the system locale's, read once at start-up.
    static DateText ForSystemLocale();

    const QString& ShortDateFormat() const { return shortDateFormat_; }

    QString ShortDateText(lottery::DayNumber day) const;
    std::optional<lottery::DayNumber> ParseShortDate(const QString& text) const;
    // Throws the conversion error "'%s' is not a valid date".
    lottery::DayNumber ShortDateOrThrow(const QString& text) const;

    QString Display(lottery::DayNumber day, const char* format) const;

    static QDate ToQDate(lottery::DayNumber day);
    static lottery::DayNumber FromQDate(const QDate& date);

private:
    QLocale locale_;
    QString shortDateFormat_;
    std::optional<QString> fieldOrder_;  // "dMy", "Mdy", "yMd", ...
};

}  // namespace app
