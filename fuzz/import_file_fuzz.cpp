// Any text as a results file: the import must not crash or hang, a history it
// accepts must be whole (every draw present, balls in order), the history it
// saves must load back as it was, and column 5, which is never read, must
// change nothing.
#include "fuzz/FuzzChecks.h"
#include "lottery/DrawCalendar.h"
#include "lottery/HistoryImport.h"

#include <algorithm>
#include <string>
#include <string_view>

using lottery::THistoryLine;
using lottery::THistoryList;

namespace {

constexpr int kLatestDraw = 300;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

void RequireWhole(const THistoryList& history) {
    fuzz::RequireEveryDraw(history, kLatestDraw);
    for (int i = 0; i < history.Count(); ++i) {
        const THistoryLine::Balls balls = history.At(i).BallArray();
        fuzz::Require(std::is_sorted(balls.begin(), balls.end()), "balls are stored in order");
    }
}

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

// The same text with column 5 of its lines a tab, which ends no line. A
// line whose only character that is not blank stands in column 5 keeps it,
// as a tab there would make the line blank. A byte-order mark at the start
// is no part of the first line.
std::string WithColumnFiveTabs(std::string text) {
    for (std::size_t start = text.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0; start < text.size();) {
        const std::size_t end = std::min(text.find_first_of("\r\n", start), text.size());
        const auto line = text.begin() + static_cast<std::ptrdiff_t>(start);
        const auto lineEnd = text.begin() + static_cast<std::ptrdiff_t>(end);
        const auto notBlank = [](char c) { return !IsBlank(c); };
        if (end - start >= 5 && (IsBlank(line[4]) || std::count_if(line, lineEnd, notBlank) > 1))
            line[4] = '\t';
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return text;
}

void RequireColumnFiveUnread(const std::string& text, const lottery::ImportResult& result) {
    const lottery::ImportResult withTabs = lottery::ReadImportFile(WithColumnFiveTabs(text), kLatestDraw);
    fuzz::Require(withTabs.status == result.status && withTabs.conversionMessage == result.conversionMessage &&
                      withTabs.history == result.history && withTabs.drawsLeftOut == result.drawsLeftOut,
                  "column 5 of a line is never read");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string text(fuzz::BytesOf(data, size));
    const lottery::ImportResult result = lottery::ReadImportFile(text, kLatestDraw);
    fuzz::Require((result.status == lottery::ImportStatus::EmptyFile) == (text.empty() || text == kByteOrderMark),
                  "only a file of no bytes, or of just a byte-order mark, has no lines");
    RequireColumnFiveUnread(text, result);
    if (result.status != lottery::ImportStatus::Imported) return 0;
    fuzz::Require(result.drawsLeftOut == 0 || result.history.Full(), "draws are left out only from a full history");
    RequireWhole(result.history);
    const std::string saved = fuzz::Saved(result.history);
    THistoryList reloaded = fuzz::LoadedHistory(saved);
    reloaded.FillMissingDraws(kLatestDraw);
    fuzz::Require(reloaded == result.history, "an imported history loads back as it was saved");
    return 0;
}
