#pragma once

#include "FakePlatform.h"
#include "app/AppContext.h"
#include "app/DataFileWriter.h"
#include "app/DateText.h"
#include "app/SettingsStore.h"
#include "lottery/LotteryState.h"

#include <initializer_list>

namespace printtests {

// Draw 118, Saturday 8 February 1997, and the draws around it.
inline constexpr lottery::DayNumber kSat1Feb1997 = 35462;  // draw 116
inline constexpr lottery::DayNumber kWed5Feb1997 = 35466;  // draw 117
inline constexpr lottery::DayNumber kSat8Feb1997 = 35469;  // draw 118
inline constexpr int kDraw118 = 118;

// What the print dialog and its reports run on: a recording platform whose
// today is Tuesday 8 December 2026, British short dates and lottery data
// that lives in memory only.
struct PrintWorld {
    explicit PrintWorld(QDate today = QDate(2026, 12, 8)) { platform.today = today; }

    testsupport::FakePlatform platform;
    app::SettingsStore settings;
    app::DateText dates{QLocale(QLocale::English, QLocale::UnitedKingdom), QStringLiteral("dd/MM/yyyy")};
    app::AppContext context{platform, settings, dates};
    lottery::LotteryState lottery{{}, {}, [this] { return app::DateText::FromQDate(platform.today); }, app::WriteDataFile};

    // A ticket whose used boards are given, the others left empty.
    const lottery::TLine& AddTicket(std::initializer_list<lottery::TLine::Board> boards, const std::string& description,
                                    lottery::DayNumber start, int16_t weeks, int16_t drawDays) {
        lottery::TLine::BoardArray all{};
        std::size_t board = 0;
        for (const lottery::TLine::Board& numbers : boards) all[board++] = numbers;
        return lottery.AddTicket(all, description, start, weeks, drawDays);
    }
};

}  // namespace printtests
