// Any text as a results file: the import must not crash or hang, must end
// as a plain reader of the fixed columns and of the comma-separated layouts
// says, and a history it accepts must be exactly that reader's draws (balls
// in order, comma-separated rows in date order) followed by an empty entry
// for each missing draw, and load back as it was once saved. The draws of
// the later game must be counted as that reader counts them. In a file of
// fixed columns, column 5, which is never read, must change nothing, as
// long as the file stays one: a blank there can leave a header of the
// comma-separated layout as the first line's first text.
#include "fuzz/FuzzChecks.h"
#include "fuzz/ProgramFiles.h"
#include "lottery/HistoryImport.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace {

constexpr int kLatestDraw = 600;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

plain::ImportOutcome OutcomeOf(lottery::ImportStatus status) {
    switch (status) {
    case lottery::ImportStatus::Imported: return plain::ImportOutcome::Imported;
    case lottery::ImportStatus::EmptyFile: return plain::ImportOutcome::EmptyFile;
    case lottery::ImportStatus::FormatError: return plain::ImportOutcome::FormatError;
    case lottery::ImportStatus::ConversionError: break;
    }
    return plain::ImportOutcome::ConversionError;
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
    const std::string tabbed = WithColumnFiveTabs(text);
    if (plain::ReadImportFile(tabbed).commaSeparated) return;
    const lottery::ImportResult withTabs = lottery::ReadImportFile(tabbed, kLatestDraw);
    fuzz::Require(withTabs.status == result.status && withTabs.conversionMessage == result.conversionMessage &&
                      withTabs.history == result.history && withTabs.drawsLeftOut == result.drawsLeftOut,
                  "column 5 of a line is never read");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static fuzz::ProgramFiles files(kLatestDraw);
    const std::string text(fuzz::BytesOf(data, size));
    const plain::ImportedFile plainImport = plain::ReadImportFile(text);
    const lottery::ImportResult result = lottery::ReadImportFile(text, kLatestDraw);
    fuzz::Require(OutcomeOf(result.status) == plainImport.outcome, "the import ends as the plain reader's does");
    if (!plainImport.commaSeparated) RequireColumnFiveUnread(text, result);
    if (result.status != lottery::ImportStatus::Imported) return 0;
    fuzz::Require(result.drawsLeftOut == 0 || result.history.Full(), "draws are left out only from a full history");
    fuzz::Require(result.laterGameDrawsLeftOut == plainImport.laterGameDraws &&
                      result.laterGameFrom == plainImport.laterGameFrom,
                  "the later game's draws are left out from the day of its first draw");
    fuzz::Require(result.drawsImported == static_cast<int>(plainImport.draws.size()) || result.history.Full(),
                  "every draw kept is counted");

    const std::vector<plain::Draw> expected = plain::WithMissingDraws(plainImport.draws, kLatestDraw);
    fuzz::RequireRecords(expected, fuzz::PlainDraws(result.history), 0, true,
                         "the import holds the file's draws, then an empty entry for each missing draw");
    const std::vector<plain::Draw> reloaded = fuzz::PlainDraws(files.ImportHistory(result.history));
    fuzz::Require(files.LastSaved() == plain::WriteHistoryFile(expected), "the import saves its draws in their layout");
    fuzz::RequireRecords(expected, reloaded, 0, true, "an imported history loads back as it was saved");
    return 0;
}
