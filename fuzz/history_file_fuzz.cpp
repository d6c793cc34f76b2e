// Any bytes as a history file, loaded from a file as start-up loads it: the
// program must keep exactly the whole records a plain reader finds, followed
// by an empty entry for each missing draw; what the screens read must not
// crash; and a save must write exactly those entries and load back the same.
#include "fuzz/FuzzChecks.h"
#include "fuzz/ProgramFiles.h"

using lottery::THistoryLine;
using lottery::THistoryList;

namespace {

// Past the start of Wednesday draws, and as many draws as the real seeds.
constexpr int kLatestDraw = 600;

void ReadLikeTheScreens(const THistoryList& history) {
    fuzz::Require(history.HistoryRows().size() == static_cast<std::size_t>(history.Count()),
                  "one row per entry");
    fuzz::Require(history.CountUnrecordedDraws() <= history.Count(), "unrecorded draws are entries");
    for (int i = 0; i < history.Count(); ++i)
        for (int n = 1; n <= THistoryLine::kNumberCount; ++n) (void)history.At(i).NumberText(n);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static fuzz::ProgramFiles files(kLatestDraw);
    const std::vector<plain::Draw> fileDraws = plain::ReadHistoryFile(fuzz::BytesOf(data, size));
    const std::vector<plain::Draw> expected = plain::WithMissingDraws(fileDraws, kLatestDraw);

    const THistoryList& loaded = files.LoadHistory(fuzz::BytesOf(data, size));
    const std::vector<plain::Draw> loadedDraws = fuzz::PlainDraws(loaded);
    fuzz::RequireRecords(fileDraws, loadedDraws, 0, false, "the load keeps exactly the file's whole records");
    fuzz::RequireRecords(std::vector(expected.begin() + static_cast<std::ptrdiff_t>(fileDraws.size()), expected.end()),
                         loadedDraws, fileDraws.size(), true, "the load adds an empty entry for each missing draw");
    ReadLikeTheScreens(loaded);

    const std::string saved = files.SaveHistory();
    fuzz::Require(saved == plain::WriteHistoryFile(expected), "a save writes the loaded entries in their layout");
    fuzz::RequireRecords(expected, fuzz::PlainDraws(files.LoadHistory(saved)), 0, true,
                         "a saved history loads back as it was");
    return 0;
}
