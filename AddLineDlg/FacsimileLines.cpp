#include "AddLineDlg/FacsimileLines.h"

#include "app/DateText.h"
#include "lottery/DrawCalendar.h"

namespace addlinedlg {
namespace {

constexpr int kLongestLimitedRun = 8;
constexpr const char* kTicketDate = "ddd dd MMM yy ";
constexpr const char* kThruDate = "'thru' ddd dd MMM yy";

bool Unlimited(int weeks) {
    return weeks > kLongestLimitedRun;
}

QString OneDayDrawLine(int weeks, const QString& dayName) {
    if (weeks == 1) return QStringLiteral("For 01 %1 Draw").arg(dayName);
    return QString::asprintf("For %.2d ", weeks) + dayName + QStringLiteral(" Draws");
}

}  // namespace

QString DateLine(const app::DateText& dates, lottery::DayNumber start, int drawDays, int weeks) {
    const QString startText = dates.Display(start, kTicketDate);
    if (Unlimited(weeks)) return QStringLiteral("Starting ") + startText;
    const lottery::DayNumber last = lottery::TicketLastDrawDate(drawDays, weeks, start);
    if (last == start) return startText + QStringLiteral("Only");
    return startText + dates.Display(last, kThruDate);
}

QString DrawLine(int drawDays, int weeks) {
    if (Unlimited(weeks)) return QStringLiteral("For Unlimited Weeks");
    switch (drawDays) {
    case 0: return QString::asprintf("For %.2d Draws %.2d Wed and %.2d Sat", 2 * weeks, weeks, weeks);
    case 1: return OneDayDrawLine(weeks, QStringLiteral("Wednesday"));
    case 2: return OneDayDrawLine(weeks, QStringLiteral("Saturday"));
    default: return {};
    }
}

}  // namespace addlinedlg
