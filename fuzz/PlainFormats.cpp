#include "PlainFormats.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <set>

namespace plain {

namespace {

constexpr std::size_t kBoardNumbers = 60;
constexpr std::size_t kLongestDescription = 255;
constexpr std::size_t kDrawRecordSize = 22;
constexpr std::size_t kLargestList = 32767;

// Little-endian numbers read one byte at a time, with the caller asking
// first whether enough bytes are left.
struct Cursor {
    std::string_view bytes;
    std::size_t at = 0;

    bool Has(std::size_t count) const { return bytes.size() - at >= count; }
    uint64_t Unsigned(std::size_t width) {
        uint64_t value = 0;
        for (std::size_t i = 0; i < width; ++i)
            value |= uint64_t{static_cast<unsigned char>(bytes[at + i])} << (8 * i);
        at += width;
        return value;
    }
    int16_t Int16() { return static_cast<int16_t>(Unsigned(2)); }
    std::string_view Take(std::size_t count) {
        const std::string_view taken = bytes.substr(at, count);
        at += count;
        return taken;
    }
};

void Put(std::string& out, uint64_t value, std::size_t width) {
    for (std::size_t i = 0; i < width; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xff));
}

// The format word and the count, or a count of none when the file is too
// short to hold them or the count is not positive.
std::size_t RecordCount(Cursor& cursor) {
    if (!cursor.Has(4)) return 0;
    cursor.Unsigned(2);
    return static_cast<std::size_t>(std::max<int>(cursor.Int16(), 0));
}

bool ReadTicket(Cursor& cursor, Ticket& ticket) {
    if (!cursor.Has(kBoardNumbers * 2 + 2)) return false;
    for (int16_t& number : ticket.numbers) number = cursor.Int16();
    const std::size_t blockLength = cursor.Unsigned(2);
    if (!cursor.Has(blockLength)) return false;
    const std::string_view block = cursor.Take(blockLength);
    ticket.description = std::string(block.substr(0, std::min(block.find('\0'), kLongestDescription)));
    if (!cursor.Has(12)) return false;
    ticket.startDateBits = cursor.Unsigned(8);
    ticket.weeks = cursor.Int16();
    ticket.drawDays = cursor.Int16();
    return true;
}

uint64_t BitsOf(double value) {
    uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

double DateOf(const Draw& draw) {
    double date = 0;
    std::memcpy(&date, &draw.dateBits, sizeof date);
    return date;
}

}  // namespace

std::vector<Ticket> ReadTicketFile(std::string_view bytes) {
    Cursor cursor{bytes};
    std::vector<Ticket> tickets;
    for (std::size_t count = RecordCount(cursor); tickets.size() < count;) {
        Ticket ticket;
        if (!ReadTicket(cursor, ticket)) break;
        tickets.push_back(ticket);
    }
    return tickets;
}

std::string WriteTicketFile(const std::vector<Ticket>& tickets) {
    std::string out;
    Put(out, 1, 2);
    Put(out, tickets.size(), 2);
    for (const Ticket& ticket : tickets) {
        for (int16_t number : ticket.numbers) Put(out, static_cast<uint16_t>(number), 2);
        Put(out, ticket.description.size() + 1, 2);
        out += ticket.description;
        out.push_back('\0');
        Put(out, ticket.startDateBits, 8);
        Put(out, static_cast<uint16_t>(ticket.weeks), 2);
        Put(out, static_cast<uint16_t>(ticket.drawDays), 2);
    }
    return out;
}

std::vector<Draw> ReadHistoryFile(std::string_view bytes) {
    Cursor cursor{bytes};
    std::vector<Draw> draws;
    for (std::size_t count = RecordCount(cursor); draws.size() < count && cursor.Has(kDrawRecordSize);) {
        Draw draw;
        for (int16_t& number : draw.numbers) number = cursor.Int16();
        draw.dateBits = cursor.Unsigned(8);
        draws.push_back(draw);
    }
    return draws;
}

std::string WriteHistoryFile(const std::vector<Draw>& draws) {
    std::string out;
    Put(out, 1, 2);
    Put(out, draws.size(), 2);
    for (const Draw& draw : draws) {
        for (int16_t number : draw.numbers) Put(out, static_cast<uint16_t>(number), 2);
        Put(out, draw.dateBits, 8);
    }
    return out;
}

// Saturdays only up to draw 116; from draw 117 (Wednesday 5 February 1997)
// odd draws are Wednesdays and even ones the Saturdays after them.
int DrawDay(int drawNumber) {
    if (drawNumber < 117) return 34657 + (drawNumber - 1) * 7;
    if (drawNumber % 2 == 1) return 35466 + (drawNumber - 117) / 2 * 7;
    return 35469 + (drawNumber - 118) / 2 * 7;
}

Draw UnrecordedDraw(int day) {
    Draw draw;
    draw.dateBits = BitsOf(day);
    return draw;
}

std::vector<Draw> WithMissingDraws(std::vector<Draw> draws, int latestDrawNumber) {
    std::set<double> wholeDays;
    for (const Draw& draw : draws)
        if (std::isfinite(DateOf(draw))) wholeDays.insert(std::trunc(DateOf(draw)));
    for (int drawNumber = 1; drawNumber <= latestDrawNumber && draws.size() < kLargestList; ++drawNumber)
        if (!wholeDays.count(DrawDay(drawNumber))) draws.push_back(UnrecordedDraw(DrawDay(drawNumber)));
    return draws;
}

namespace {

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

// Characters from column `from` (counted from 1), as many as the line has.
std::string_view Columns(std::string_view line, std::size_t from, std::size_t width) {
    return from > line.size() ? std::string_view() : line.substr(from - 1, width);
}

// Optional leading spaces, an optional sign, then digits and nothing else,
// of a value an int holds.
std::optional<int> Number(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && text[at] == ' ') ++at;
    const bool negative = at < text.size() && text[at] == '-';
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) ++at;
    if (at == text.size()) return std::nullopt;
    long long value = 0;
    for (; at < text.size(); ++at) {
        if (text[at] < '0' || text[at] > '9') return std::nullopt;
        value = value * 10 + (text[at] - '0');
        if (value > 2147483647) return std::nullopt;
    }
    return static_cast<int>(negative ? -value : value);
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Days from 1 March of year 0 of the proleptic Gregorian calendar.
long DaysFromMarchOfYearZero(long year, long month, long day) {
    if (month <= 2) --year;
    const long shiftedMonth = (month + 9) % 12;  // March is 0
    return year * 365 + year / 4 - year / 100 + year / 400 + (153 * shiftedMonth + 2) / 5 + day - 1;
}

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

std::optional<int> Month(std::string_view name) {
    static constexpr std::string_view kMonths[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                                   "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
    std::string upper(name);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    for (int month = 1; month <= 12; ++month)
        if (upper == kMonths[month - 1]) return month;
    return std::nullopt;
}

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find_first_of("\r\n"), text.size());
        lines.push_back(text.substr(0, end));
        const bool crLf = text.substr(end, 2) == "\r\n";
        text.remove_prefix(std::min(text.size(), end + (crLf ? 2 : 1)));
    }
    return lines;
}

std::optional<int> DateOf(std::string_view dayText, std::string_view monthText, std::string_view yearText) {
    const std::optional<int> day = Number(dayText);
    const std::optional<int> month = Month(monthText);
    const std::optional<int> year = Number(yearText);
    if (!day || !month || !year || *year < 1 || *year > 9999 || *day < 1 || *day > DaysInMonth(*year, *month))
        return std::nullopt;
    return static_cast<int>(DaysFromMarchOfYearZero(*year, *month, *day) - DaysFromMarchOfYearZero(1899, 12, 30));
}

// The comma-separated layouts: the header's first cells, whether the first
// cell is a draw number, where the balls start, and whether the date is one
// DD-MMM-YYYY cell first or DD, MMM and YYYY in cells 3 to 5.
struct CsvLayout {
    std::vector<std::string> header;
    bool drawNumber;
    std::size_t firstBall;
    bool dashedDate;
};

const CsvLayout kCsvLayouts[] = {
    {{"drawno", "day", "dd", "mmm", "yyyy", "n1", "n2", "n3", "n4", "n5", "n6", "bonusball"}, true, 5, false},
    {{"drawdate", "ball 1", "ball 2", "ball 3", "ball 4", "ball 5", "ball 6", "bonus ball"}, false, 1, true},
};

// Cells split at commas outside double quotes; "" inside quotes is one
// quote; each cell trimmed of blanks.
std::vector<std::string> CsvCells(std::string_view line) {
    std::vector<std::string> cells;
    std::string cell;
    bool inQuotes = false;
    std::size_t at = 0;
    while (at < line.size()) {
        const char c = line[at];
        if (inQuotes && c == '"' && at + 1 < line.size() && line[at + 1] == '"') {
            cell.push_back('"');
            at += 2;
            continue;
        }
        if (c == '"') inQuotes = !inQuotes;
        else if (c == ',' && !inQuotes) {
            cells.push_back(std::string(Trimmed(cell)));
            cell.clear();
        } else cell.push_back(c);
        ++at;
    }
    cells.push_back(std::string(Trimmed(cell)));
    return cells;
}

std::string Cell(const std::vector<std::string>& cells, std::size_t index) {
    return index < cells.size() ? cells[index] : std::string();
}

const CsvLayout* CsvLayoutOf(std::string_view line) {
    const std::vector<std::string> cells = CsvCells(line);
    for (const CsvLayout& layout : kCsvLayouts) {
        bool same = cells.size() >= layout.header.size();
        for (std::size_t i = 0; same && i < layout.header.size(); ++i) {
            std::string lower = cells[i];
            for (char& c : lower)
                if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
            same = lower == layout.header[i];
        }
        if (same) return &layout;
    }
    return nullptr;
}

std::optional<int> CsvDate(const CsvLayout& layout, const std::vector<std::string>& cells) {
    if (!layout.dashedDate) return DateOf(Cell(cells, 2), Cell(cells, 3), Cell(cells, 4));
    std::vector<std::string> parts(1);
    for (const char c : Cell(cells, 0)) {
        if (c == '-') parts.emplace_back();
        else parts.back().push_back(c);
    }
    if (parts.size() != 3) return std::nullopt;
    return DateOf(parts[0], parts[1], parts[2]);
}

void ReadCsvRows(const CsvLayout& layout, const std::vector<std::string_view>& rows, ImportedFile& file) {
    file.commaSeparated = true;
    std::vector<std::pair<int, Draw>> dated;
    for (std::string_view row : rows) {
        if (Trimmed(row).empty()) continue;
        const std::vector<std::string> cells = CsvCells(row);
        if (layout.drawNumber && !Number(Cell(cells, 0))) {
            file.outcome = ImportOutcome::FormatError;
            return;
        }
        Draw draw;
        for (std::size_t i = 0; i < 7; ++i) {
            const std::optional<int> number = Number(Cell(cells, layout.firstBall + i));
            if (!number || *number < -32768 || *number > 32767) {
                file.outcome = ImportOutcome::ConversionError;
                return;
            }
            draw.numbers[i] = static_cast<int16_t>(*number);
        }
        const std::optional<int> day = CsvDate(layout, cells);
        if (!day) {
            file.outcome = ImportOutcome::ConversionError;
            return;
        }
        std::sort(draw.numbers.begin(), draw.numbers.begin() + 6);
        draw.dateBits = BitsOf(*day);
        dated.emplace_back(*day, draw);
    }
    std::stable_sort(dated.begin(), dated.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::optional<int> laterGameFrom;
    for (const auto& [day, draw] : dated)
        for (int16_t number : draw.numbers)
            if (number > 49 && (!laterGameFrom || day < *laterGameFrom)) laterGameFrom = day;
    for (const auto& [day, draw] : dated) {
        if (laterGameFrom && day >= *laterGameFrom) ++file.laterGameDraws;
        else file.draws.push_back(draw);
    }
    if (laterGameFrom) file.laterGameFrom = *laterGameFrom;
    if (!dated.empty() && file.draws.empty()) file.outcome = ImportOutcome::EmptyFile;
}

}  // namespace

std::optional<int> ImportDate(std::string_view field) {
    return DateOf(Columns(field, 1, 2), Columns(field, 4, 3), Columns(field, 8, 4));
}

ImportedFile ReadImportFile(std::string_view text) {
    ImportedFile file;
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);  // a UTF-8 byte-order mark
    if (text.empty()) {
        file.outcome = ImportOutcome::EmptyFile;
        return file;
    }
    const std::vector<std::string_view> lines = Lines(text);
    std::size_t first = 0;
    while (first < lines.size() && Trimmed(lines[first]).empty()) ++first;
    if (first < lines.size()) {
        if (const CsvLayout* layout = CsvLayoutOf(lines[first])) {
            ReadCsvRows(*layout, std::vector<std::string_view>(lines.begin() + first + 1, lines.end()), file);
            return file;
        }
    }
    static constexpr std::size_t kNumberColumns[] = {23, 26, 29, 32, 35, 38, 42};
    for (std::string_view line : Lines(text)) {
        if (Trimmed(line).empty()) continue;
        if (!Number(Trimmed(Columns(line, 1, 3)))) {
            file.outcome = ImportOutcome::FormatError;
            return file;
        }
        const std::optional<int> day = ImportDate(Columns(line, 10, 11));
        Draw draw;
        for (std::size_t i = 0; i < draw.numbers.size(); ++i) {
            const std::optional<int> number = Number(Columns(line, kNumberColumns[i], 2));
            if (!number || !day) {
                file.outcome = ImportOutcome::ConversionError;
                return file;
            }
            draw.numbers[i] = static_cast<int16_t>(*number);
        }
        std::sort(draw.numbers.begin(), draw.numbers.begin() + 6);
        draw.dateBits = BitsOf(*day);
        file.draws.push_back(draw);
    }
    return file;
}

}  // namespace plain
