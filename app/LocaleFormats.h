#pragma once

#include <QLocale>
#include <QString>

namespace app {

// The locale's formats as read once at start-up and kept for the whole run,
// in Qt's format notation.
struct LocaleFormats {
    QString currencyString;
    QString thousandsSeparator;
    QString decimalSeparator;
    QString dateSeparator;
    QString shortDateFormat;
    QString longDateFormat;
    QString timeSeparator;
    QString timeAmString;
    QString timePmString;
    QString shortTimeFormat;
    QString longTimeFormat;
};

LocaleFormats ReadLocaleFormats(const QLocale& locale);

// Keeps the first two month letters ("M" or "m") and deletes every later
// one, so that short-date text always carries a numeric month:
// dd-MMM-yy becomes dd-MM-yy.
QString TrimShortDateFormat(const QString& format);

}  // namespace app
