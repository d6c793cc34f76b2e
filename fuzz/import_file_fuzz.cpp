// Any text as a results file: the import must not crash or hang, a history it
// accepts must be whole (every draw present, balls in order), and the history
// it saves must load back as it was.
#include "fuzz/FuzzChecks.h"
#include "lottery/DrawCalendar.h"
#include "lottery/HistoryImport.h"

#include <algorithm>

using lottery::THistoryLine;
using lottery::THistoryList;

namespace {

constexpr int kLatestDraw = 300;

void RequireWhole(const THistoryList& history) {
    fuzz::RequireEveryDraw(history, kLatestDraw);
    for (int i = 0; i < history.Count(); ++i) {
        const THistoryLine::Balls balls = history.At(i).BallArray();
        fuzz::Require(std::is_sorted(balls.begin(), balls.end()), "balls are stored in order");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const lottery::ImportResult result = lottery::ReadImportFile(fuzz::BytesOf(data, size), kLatestDraw);
    fuzz::Require((result.status == lottery::ImportStatus::EmptyFile) == (size == 0),
                  "only a file of no bytes has no lines");
    if (result.status != lottery::ImportStatus::Imported) return 0;
    RequireWhole(result.history);
    const std::string saved = fuzz::Saved(result.history);
    THistoryList reloaded = fuzz::LoadedHistory(saved);
    reloaded.FillMissingDraws(kLatestDraw);
    fuzz::Require(reloaded == result.history, "an imported history loads back as it was saved");
    return 0;
}
