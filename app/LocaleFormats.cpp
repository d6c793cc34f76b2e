#include "app/LocaleFormats.h"

namespace app {
namespace {

QString OrDefault(const QString& value, const QString& fallback) {
    return value.isEmpty() ? fallback : value;
}

// The first character of the date format that is not a date field letter.
QString DateSeparatorOf(const QString& format) {
    for (const QChar c : format)
        if (!QStringLiteral("dMy").contains(c)) return QString(c);
    return {};
}

}  // namespace

LocaleFormats ReadLocaleFormats(const QLocale& locale) {
    LocaleFormats formats;
    formats.currencyString = locale.currencySymbol();
    formats.thousandsSeparator = OrDefault(locale.groupSeparator(), QStringLiteral(","));
    formats.decimalSeparator = OrDefault(locale.decimalPoint(), QStringLiteral("."));
    formats.shortDateFormat = OrDefault(locale.dateFormat(QLocale::ShortFormat), QStringLiteral("M/d/yy"));
    formats.longDateFormat = OrDefault(locale.dateFormat(QLocale::LongFormat), QStringLiteral("MMMM d, yyyy"));
    formats.dateSeparator = OrDefault(DateSeparatorOf(formats.shortDateFormat), QStringLiteral("/"));
    formats.timeSeparator = QStringLiteral(":");
    formats.timeAmString = OrDefault(locale.amText(), QStringLiteral("am"));
    formats.timePmString = OrDefault(locale.pmText(), QStringLiteral("pm"));

    const QString localeTime = locale.timeFormat(QLocale::ShortFormat);
    const bool leadingZero = localeTime.contains(QLatin1String("hh"), Qt::CaseInsensitive);
    const bool twentyFourHour = !localeTime.contains(QLatin1String("ap"), Qt::CaseInsensitive);
    const QString hours = leadingZero ? QStringLiteral("hh") : QStringLiteral("h");
    const QString suffix = twentyFourHour ? QString() : QStringLiteral(" AP");
    formats.shortTimeFormat = hours + QStringLiteral(":mm") + suffix;
    formats.longTimeFormat = hours + QStringLiteral(":mm:ss") + suffix;
    return formats;
}

QString TrimShortDateFormat(const QString& format) {
    QString trimmed;
    int monthLetters = 0;
    for (const QChar c : format) {
        const bool monthLetter = c == QLatin1Char('M') || c == QLatin1Char('m');
        if (monthLetter && ++monthLetters > 2) continue;
        trimmed += c;
    }
    return trimmed;
}

}  // namespace app
