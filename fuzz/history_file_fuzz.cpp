// Any bytes as a history file: loading (with the missing draws filled in)
// must not crash or hang, and saving then loading again must give the same
// history.
#include "fuzz/FuzzChecks.h"
#include "lottery/DrawCalendar.h"
#include "lottery/THistoryList.h"

using lottery::THistoryLine;
using lottery::THistoryList;

namespace {

// Small enough to keep each run quick, past the start of Wednesday draws.
constexpr int kLatestDraw = 300;

THistoryList LoadedAndFilled(std::string_view bytes) {
    THistoryList history = fuzz::LoadedHistory(bytes);
    history.FillMissingDraws(kLatestDraw);
    return history;
}

void ReadLikeTheScreens(const THistoryList& history) {
    fuzz::Require(history.HistoryRows().size() == static_cast<std::size_t>(history.Count()),
                  "one row per entry");
    fuzz::Require(history.CountUnrecordedDraws() <= history.Count(), "unrecorded draws are entries");
    fuzz::RequireEveryDraw(history, kLatestDraw);
    for (int i = 0; i < history.Count(); ++i)
        for (int n = 1; n <= THistoryLine::kNumberCount; ++n) (void)history.At(i).NumberText(n);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const THistoryList first = LoadedAndFilled(fuzz::BytesOf(data, size));
    ReadLikeTheScreens(first);
    const std::string saved = fuzz::Saved(first);
    const THistoryList second = LoadedAndFilled(saved);
    fuzz::Require(second == first, "a saved history loads back as it was");
    fuzz::Require(fuzz::Saved(second) == saved, "saving a reloaded history writes the same bytes");
    return 0;
}
