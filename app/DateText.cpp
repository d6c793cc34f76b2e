#include "app/DateText.h"

#include "app/LocaleFormats.h"
#include "lottery/LotteryError.h"

#include <QRegularExpression>

namespace app {
namespace {

const QDate kEpoch(1899, 12, 30);

// The order of the day, month and year fields in a numeric date format,
// or nothing when the format holds names (such as "ddd" or "MMM"). A plain
// scan of the letter runs: a regular expression here cost start-up the
// compiling of it.
std::optional<QString> NumericFieldOrder(const QString& format) {
    QString order;
    for (qsizetype start = 0; start < format.size();) {
        const QChar letter = format[start];
        qsizetype end = start + 1;
        while (end < format.size() && format[end] == letter) ++end;
        const bool field = letter == QLatin1Char('d') || letter == QLatin1Char('M') || letter == QLatin1Char('y');
        if (field && letter != QLatin1Char('y') && end - start > 2) return std::nullopt;
        if (field) order += letter;
        start = end;
    }
    if (order.size() != 3 || !order.contains(QLatin1Char('d')) || !order.contains(QLatin1Char('M')) ||
        !order.contains(QLatin1Char('y')))
        return std::nullopt;
    return order;
}

// A year typed with one or two digits is taken within 80 years before and
// 20 after the current year, so that 94 is 1994 and 26 is 2026.
int FullYear(const QString& digits, int currentYear) {
    const int typed = digits.toInt();
    if (digits.size() > 2) return typed;
    int year = currentYear / 100 * 100 + typed;
    if (year > currentYear + 20) year -= 100;
    return year;
}

// A date the program can take: years 1 to 9999, which the calendar can
// show. A locale's own parser also reads a year with a minus sign.
std::optional<lottery::DayNumber> ProgramDate(const QDate& date) {
    const bool inRange = date.isValid() && date.year() >= 1 && date.year() <= 9999;
    return inRange ? std::optional(DateText::FromQDate(date)) : std::nullopt;
}

}  // namespace

DateText::DateText(const QLocale& locale, const QString& shortDateFormat)
    : locale_(locale),
      shortDateFormat_(shortDateFormat),
      fieldOrder_(NumericFieldOrder(shortDateFormat)) {}

DateText DateText::ForSystemLocale() {
    const QLocale locale = QLocale::system();
    return DateText(locale, TrimShortDateFormat(ReadLocaleFormats(locale).shortDateFormat));
}

QString DateText::ShortDateText(lottery::DayNumber day) const {
    return locale_.toString(ToQDate(day), shortDateFormat_);
}

// Numeric dates are read field by field, leniently as typed: one or two
// digits for the day and month, any non-letter separators, and a short
// year placed in the right century (Qt alone would read 29/02/00 as 1900).
std::optional<lottery::DayNumber> DateText::ParseShortDate(const QString& text) const {
    const QString trimmed = text.trimmed();
    if (!fieldOrder_) return ProgramDate(locale_.toDate(trimmed, shortDateFormat_));
    static const QRegularExpression shape(QStringLiteral("^(\\d+)[^\\d\\p{L}]+(\\d+)[^\\d\\p{L}]+(\\d+)$"));
    const QRegularExpressionMatch match = shape.match(trimmed);
    if (!match.hasMatch()) return std::nullopt;
    int day = 0, month = 0, year = 0;
    for (int i = 0; i < 3; ++i) {
        const QString digits = match.captured(i + 1);
        if (digits.size() > 4) return std::nullopt;
        switch (fieldOrder_->at(i).toLatin1()) {
        case 'd': day = digits.toInt(); break;
        case 'M': month = digits.toInt(); break;
        default: year = FullYear(digits, QDate::currentDate().year()); break;
        }
    }
    return ProgramDate(QDate(year, month, day));
}

lottery::DayNumber DateText::ShortDateOrThrow(const QString& text) const {
    const auto day = ParseShortDate(text);
    if (!day) throw lottery::LotteryError(QStringLiteral("'%1' is not a valid date").arg(text).toStdString());
    return *day;
}

QString DateText::Display(lottery::DayNumber day, const char* format) const {
    return locale_.toString(ToQDate(day), QString::fromLatin1(format));
}

QDate DateText::ToQDate(lottery::DayNumber day) {
    return kEpoch.addDays(day);
}

lottery::DayNumber DateText::FromQDate(const QDate& date) {
    return static_cast<lottery::DayNumber>(kEpoch.daysTo(date));
}

}  // namespace app
