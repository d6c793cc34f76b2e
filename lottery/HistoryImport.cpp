#include "lottery/HistoryImport.h"

#include "lottery/CsvImport.h"
#include "lottery/DrawCalendar.h"
#include "lottery/ImportText.h"
#include "lottery/LotteryError.h"

#include <array>
#include <unordered_set>

namespace lottery {
namespace {

// Where each of the seven numbers starts (balls 1..6, then the bonus ball);
// each is two columns wide.
constexpr std::array<std::size_t, THistoryLine::kNumberCount> kNumberColumns = {23, 26, 29, 32, 35, 38, 42};

// Columns counted from 1, as the file's layout gives them. A line too short
// for the field gives what it has of it, perhaps nothing.
std::string_view Columns(std::string_view line, std::size_t first, std::size_t last) {
    if (line.size() < first) return {};
    return line.substr(first - 1, last - first + 1);
}

// One line that is not blank into the history: the seven numbers are read
// before the date, so a line with both wrong names the number. A history
// that is full already keeps no more, and the line is counted as left out.
// False when the draw-number field is no whole number, which ends the
// reading; throws LotteryError for a number or a date it cannot read.
bool ReadDrawLine(std::string_view line, ImportResult& result) {
    if (!WholeNumber(Trimmed(Columns(line, 1, 3)))) return false;
    THistoryLine::Numbers numbers{};
    for (std::size_t i = 0; i < numbers.size(); ++i)
        numbers[i] = NumberOrThrow(Columns(line, kNumberColumns[i], kNumberColumns[i] + 1));
    result.AddDraw(numbers, DateOrThrow(ParseImportDate(Columns(line, 10, 20))));
    return true;
}

// The draws 1..latestDrawNumber that have no entry.
int CountDrawsWithoutEntry(const THistoryList& history, int latestDrawNumber) {
    std::unordered_set<DayNumber> dated;
    for (int i = 0; i < history.Count(); ++i)
        if (const std::optional<DayNumber> day = WholeDayOf(history.At(i).DrawDate())) dated.insert(*day);
    int missing = 0;
    for (int draw = 1; draw <= latestDrawNumber; ++draw) missing += dated.contains(DrawDateOf(draw)) ? 0 : 1;
    return missing;
}

// A file of fixed columns, one draw per line, its draws kept in file order.
// Throws LotteryError for a number or a date it cannot read.
void ReadFixedColumnFile(std::string_view text, ImportResult& result) {
    for (const std::string_view line : ImportLines(text)) {
        if (Trimmed(line).empty()) continue;
        if (!ReadDrawLine(line, result)) {
            result.status = ImportStatus::FormatError;
            return;
        }
    }
}

}  // namespace

void ImportResult::AddDraw(const THistoryLine::Numbers& numbers, DayNumber drawDate) {
    if (history.Full()) {
        ++drawsLeftOut;
        return;
    }
    history.Add(numbers, drawDate);
    ++drawsImported;
}

void ImportResult::FillMissingDraws(int latestDrawNumber) {
    history.FillMissingDraws(latestDrawNumber);
    // Filling stops only when the history is full; what it could not add
    // is still missing then.
    if (history.Full()) drawsLeftOut += CountDrawsWithoutEntry(history, latestDrawNumber);
}

std::optional<DayNumber> ParseImportDate(std::string_view field) {
    return DateFromFields(Columns(field, 1, 2), Columns(field, 4, 6), Columns(field, 8, 11));
}

ImportResult ReadImportFile(std::string_view text, int latestDrawNumber) {
    ImportResult result;
    if (text.starts_with(kUtf8ByteOrderMark)) text.remove_prefix(kUtf8ByteOrderMark.size());
    // Any byte at all makes a line, if only a blank one.
    if (text.empty()) {
        result.status = ImportStatus::EmptyFile;
        return result;
    }
    try {
        if (IsCsvHeader(FirstLineNotBlank(text)))
            ReadCsvFile(text, result);
        else
            ReadFixedColumnFile(text, result);
    } catch (const LotteryError& error) {
        result.status = ImportStatus::ConversionError;
        result.conversionMessage = error.what();
        return result;
    }
    if (result.status == ImportStatus::Imported) result.FillMissingDraws(latestDrawNumber);
    return result;
}

}  // namespace lottery
