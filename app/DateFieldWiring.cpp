#include "app/DateFieldWiring.h"

#include "app/DateText.h"
#include "app/Platform.h"

namespace app {

datepicker::DateFieldServices DateFieldServicesFor(Platform& platform, const DateText& dates) {
    return {
        [&platform] { return platform.Today(); },
        [&platform] { platform.Beep(); },
        [&dates](const QString& text) -> std::optional<QDate> {
            const auto day = dates.ParseShortDate(text);
            return day ? std::optional<QDate>(DateText::ToQDate(*day)) : std::nullopt;
        },
        [&dates](const QDate& date) { return dates.ShortDateText(DateText::FromQDate(date)); },
    };
}

}  // namespace app
