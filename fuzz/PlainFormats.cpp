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

// Optional leading spaces, an optional sign, then digits and nothing else.
std::optional<int> Number(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && text[at] == ' ') ++at;
    const bool negative = at < text.size() && text[at] == '-';
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) ++at;
    if (at == text.size()) return std::nullopt;
    int value = 0;
    for (; at < text.size(); ++at) {
        if (text[at] < '0' || text[at] > '9') return std::nullopt;
        value = value * 10 + (text[at] - '0');
    }
    return negative ? -value : value;
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

}  // namespace

std::optional<int> ImportDate(std::string_view field) {
    const std::optional<int> day = Number(Columns(field, 1, 2));
    const std::optional<int> month = Month(Columns(field, 4, 3));
    const std::optional<int> year = Number(Columns(field, 8, 4));
    if (!day || !month || !year || *year < 1 || *day < 1 || *day > DaysInMonth(*year, *month)) return std::nullopt;
    return static_cast<int>(DaysFromMarchOfYearZero(*year, *month, *day) - DaysFromMarchOfYearZero(1899, 12, 30));
}

ImportedFile ReadImportFile(std::string_view text) {
    ImportedFile file;
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);  // a UTF-8 byte-order mark
    if (text.empty()) {
        file.outcome = ImportOutcome::EmptyFile;
        return file;
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
