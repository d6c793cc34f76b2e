#include "LotteryTestSupport.h"
#include "lottery/HistoryImport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <random>
#include <sstream>

using namespace lottery;

namespace {

DayNumber Day(int year, int month, int day) {
    return DayFromCivil({year, month, day});
}

// One line of the import format: draw number, DD-MMM-YYYY, six balls, bonus.
std::string ImportLine(int draw, const std::string& date, const std::array<int, 7>& numbers) {
    char line[64];
    std::snprintf(line, sizeof line, "%-9d%s  %02d %02d %02d %02d %02d %02d  %02d", draw, date.c_str(), numbers[0],
                  numbers[1], numbers[2], numbers[3], numbers[4], numbers[5], numbers[6]);
    return line;
}

std::vector<int> Numbers(const THistoryLine& entry) {
    std::vector<int> numbers;
    for (int i = 1; i <= THistoryLine::kNumberCount; ++i) numbers.push_back(entry.Number(i));
    return numbers;
}

const std::string kDraw117 = "117      05-FEB-1997  01 02 03 04 05 06  07";

}  // namespace

TEST(HistoryImport, TheDesignsExampleLine) {
    const ImportResult result = ReadImportFile(kDraw117, 120);
    ASSERT_EQ(result.status, ImportStatus::Imported);
    const THistoryLine* entry = result.history.FindDrawOn(Day(1997, 2, 5));
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(Numbers(*entry), (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(&result.history.At(0), entry);  // the file's lines come first
    EXPECT_EQ(result.history.Count(), 120);
    EXPECT_EQ(result.history.CountUnrecordedDraws(), 119);
}

TEST(HistoryImport, EmptyFilesAndFilesOfBlankLines) {
    EXPECT_EQ(ReadImportFile("", 120).status, ImportStatus::EmptyFile);
    const ImportResult blank = ReadImportFile("\r\n   \n\t\r", 120);
    ASSERT_EQ(blank.status, ImportStatus::Imported);
    EXPECT_EQ(blank.history.Count(), 120);
    const ImportResult spaced = ReadImportFile("\n\n" + kDraw117 + "\r\n   \r" + kDraw117 + "\n", 120);
    ASSERT_EQ(spaced.status, ImportStatus::Imported);
    EXPECT_EQ(spaced.history.Count(), 121);  // the repeated draw gets two entries
}

// Line breaks are found wherever they fall in the text, after blank lines of
// any length; other control characters, tabs included, end no line.
TEST(HistoryImport, LineBreaksAnywhereAndControlCharactersWithinLines) {
    for (const std::string ending : {"\r\n", "\n", "\r"}) {
        for (std::size_t blank = 0; blank <= 17; ++blank) {
            std::string blankLine(blank, ' ');
            if (blank > 0) blankLine[blank / 2] = '\t';
            const std::string file = blankLine + ending + kDraw117 + "\x01\x0b\t not read" + ending + kDraw117;
            const ImportResult result = ReadImportFile(file, 0);
            ASSERT_EQ(result.status, ImportStatus::Imported) << blank;
            ASSERT_EQ(result.history.Count(), 2) << blank;
            EXPECT_EQ(result.history.At(1).DrawDate(), Day(1997, 2, 5)) << blank;
        }
    }
    EXPECT_EQ(ReadImportFile(kDraw117.substr(0, 20) + "\r" + kDraw117.substr(20), 0).status,
              ImportStatus::ConversionError);
    // The last line may end with the text, words after its bonus ball and
    // all. Read from a copy, which holds just these bytes with no room after
    // them, so that the memory checker sees any read past the end.
    const std::string unendedText = kDraw117 + "\n" + kDraw117 + " not read";
    const std::string unendedCopy = unendedText;
    const ImportResult unended = ReadImportFile(unendedCopy, 0);
    ASSERT_EQ(unended.status, ImportStatus::Imported);
    EXPECT_EQ(unended.history.Count(), 2);
}

// Editors that save UTF-8 may start the file with a byte-order mark.
TEST(HistoryImport, AByteOrderMarkIsPassedOver) {
    const ImportResult marked = ReadImportFile("\xEF\xBB\xBF" + kDraw117 + "\r\n", 120);
    ASSERT_EQ(marked.status, ImportStatus::Imported);
    EXPECT_EQ(Numbers(marked.history.At(0)), (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(ReadImportFile("\xEF\xBB\xBF", 120).status, ImportStatus::EmptyFile);
    // Only at the very start: elsewhere the bytes are part of a line.
    EXPECT_EQ(ReadImportFile(kDraw117 + "\n\xEF\xBB\xBF" + kDraw117, 120).status, ImportStatus::FormatError);
}

TEST(HistoryImport, ADrawNumberThatIsNoNumberIsAFormatError) {
    const std::string third = "ABC" + kDraw117.substr(3);
    EXPECT_EQ(ReadImportFile(kDraw117 + "\n" + kDraw117 + "\n" + third, 120).status, ImportStatus::FormatError);
    EXPECT_EQ(ReadImportFile("   " + kDraw117.substr(3), 120).status, ImportStatus::FormatError);
    EXPECT_EQ(ReadImportFile("+17" + kDraw117.substr(3), 120).status, ImportStatus::Imported);
}

TEST(HistoryImport, MonthsInAnyCaseAndUnknownMonths) {
    EXPECT_EQ(ParseImportDate("05-feb-1997"), Day(1997, 2, 5));
    EXPECT_EQ(ParseImportDate(" 5-Feb-1997"), Day(1997, 2, 5));
    EXPECT_EQ(ParseImportDate("05-FEX-1997"), std::nullopt);
    EXPECT_EQ(ParseImportDate("31-FEB-1997"), std::nullopt);
    EXPECT_EQ(ParseImportDate("xx-FEB-1997"), std::nullopt);

    std::string lower = kDraw117;
    lower.replace(12, 3, "feb");
    EXPECT_EQ(ReadImportFile(lower, 120).status, ImportStatus::Imported);
    std::string unknown = kDraw117;
    unknown.replace(12, 3, "FEX");
    const ImportResult result = ReadImportFile(unknown, 120);
    EXPECT_EQ(result.status, ImportStatus::ConversionError);
    EXPECT_EQ(result.conversionMessage, "'' is not a valid date");
}

// Lines of one month follow each other; each day is still checked against
// that month's length, leap years included, and a change of month or year is
// seen however little of the date changes.
TEST(HistoryImport, DaysOfTheSameMonthOnConsecutiveLines) {
    const auto importOf = [](const std::vector<std::string>& dates) {
        std::string file;
        for (const std::string& date : dates) file += ImportLine(117, date, {1, 2, 3, 4, 5, 6, 7}) + "\n";
        return ReadImportFile(file, 0);
    };
    const ImportResult leap = importOf({"01-FEB-1996", "29-feb-1996", "29-FEB-1997", "01-FEB-1997"});
    EXPECT_EQ(leap.status, ImportStatus::ConversionError);
    EXPECT_EQ(leap.history.Count(), 2);
    EXPECT_EQ(importOf({"01-FEB-1997", "28-FEB-1997", "29-FEB-1997"}).history.Count(), 2);
    EXPECT_EQ(importOf({"30-JAN-1997", "00-JAN-1997"}).history.Count(), 1);

    const ImportResult changes = importOf({"31-JAN-1997", "31-MAR-1997", "31-MAR-1998", "31-MAR-2998", "31-mar-2998"});
    ASSERT_EQ(changes.status, ImportStatus::Imported);
    const std::vector<DayNumber> expected = {Day(1997, 1, 31), Day(1997, 3, 31), Day(1998, 3, 31), Day(2998, 3, 31),
                                             Day(2998, 3, 31)};
    for (int i = 0; i < changes.history.Count(); ++i)
        EXPECT_EQ(changes.history.At(i).DrawDate(), expected[i]) << i;

    // A month seen before does not excuse a date whose month is unreadable.
    EXPECT_EQ(importOf({"05-FEB-1997", "05-FEX-1997"}).status, ImportStatus::ConversionError);
    EXPECT_EQ(importOf({"05-FEB-1997", "05-FEB-19x7"}).status, ImportStatus::ConversionError);
    // A date field cut short is read as far as it goes.
    EXPECT_EQ(ParseImportDate("05-FEB-199"), Day(199, 2, 5));
}

TEST(HistoryImport, NumbersAreReadAsWrittenAndSorted) {
    const ImportResult result = ReadImportFile(ImportLine(117, "05-FEB-1997", {49, 3, 27, 1, 12, 30, 3}), 117);
    ASSERT_EQ(result.status, ImportStatus::Imported);
    EXPECT_EQ(Numbers(result.history.At(0)), (std::vector<int>{1, 3, 12, 27, 30, 49, 3}));  // bonus repeats a ball

    std::string spaced = "117      05-FEB-1997   1  2  3 -4 +5  0   7";
    const ImportResult signs = ReadImportFile(spaced, 117);
    ASSERT_EQ(signs.status, ImportStatus::Imported);
    EXPECT_EQ(Numbers(signs.history.At(0)), (std::vector<int>{-4, 0, 1, 2, 3, 5, 7}));

    // Balls in order stay so, a single pair out of order anywhere is put
    // right, and the bonus ball is no part of the order.
    const std::array<int, 7> inOrder = {5, 10, 20, 21, 40, 49, 1};
    std::string file = ImportLine(117, "05-FEB-1997", inOrder) + "\r\n";
    for (std::size_t first = 0; first + 1 < 6; ++first) {
        std::array<int, 7> numbers = inOrder;
        std::swap(numbers[first], numbers[first + 1]);
        file += ImportLine(117, "05-FEB-1997", numbers) + "\r\n";
    }
    const ImportResult orders = ReadImportFile(file, 0);
    ASSERT_EQ(orders.history.Count(), 6);
    for (int i = 0; i < orders.history.Count(); ++i)
        EXPECT_EQ(Numbers(orders.history.At(i)), (std::vector<int>{5, 10, 20, 21, 40, 49, 1})) << i;
}

TEST(HistoryImport, ABallThatIsNoNumberOrAShortLineStopsTheImport) {
    std::string letter = kDraw117;
    letter.replace(25, 2, "x2");
    const ImportResult bad = ReadImportFile(kDraw117 + "\n" + letter, 120);
    EXPECT_EQ(bad.status, ImportStatus::ConversionError);
    EXPECT_EQ(bad.conversionMessage, "'x2' is not a valid integer value");

    const ImportResult shortLine = ReadImportFile(kDraw117.substr(0, 41), 120);
    EXPECT_EQ(shortLine.status, ImportStatus::ConversionError);
    EXPECT_EQ(shortLine.conversionMessage, "'' is not a valid integer value");
}

TEST(HistoryImport, DrawsOneHundredSeventeenToOneHundredTwentyOnly) {
    std::string file;
    for (int draw = 117; draw <= 120; ++draw)
        file += ImportLine(draw, draw == 117 ? "05-FEB-1997" : draw == 118 ? "08-FEB-1997"
                                 : draw == 119 ? "12-FEB-1997" : "15-FEB-1997",
                           {draw % 40 + 1, 42, 43, 44, 45, 46, 47}) + "\r\n";
    const ImportResult result = ReadImportFile(file, 130);
    ASSERT_EQ(result.status, ImportStatus::Imported);
    EXPECT_EQ(result.history.Count(), 130);
    EXPECT_EQ(result.history.CountUnrecordedDraws(), 126);
    for (int draw = 117; draw <= 120; ++draw)
        EXPECT_TRUE(result.history.FindDrawOn(DrawDateOf(draw))->IsRecorded()) << draw;
}

// The real results of every 49-ball draw since 1994, turned into the import
// format, come in with their real numbers and their real dates.
TEST(HistoryImport, RealResultsOfEveryFortyNineBallDraw) {
    std::ifstream csv(TALLIMO_SHARED_DATA "/uk-lotto/lotto.csv");
    if (!csv) GTEST_SKIP() << "the shared draw data is not beside this checkout";
    std::string row;
    std::getline(csv, row);  // header
    std::map<int, std::pair<DayNumber, std::vector<int>>> draws;
    std::string file;
    while (std::getline(csv, row)) {
        std::stringstream fields(row);
        std::vector<std::string> cells;
        for (std::string cell; std::getline(fields, cell, ',');) cells.push_back(cell);
        const int draw = std::stoi(cells[0]);
        if (draw > 2065) continue;
        std::array<int, 7> numbers{};
        for (int i = 0; i < 7; ++i) numbers[i] = std::stoi(cells[5 + i]);
        const std::string day = cells[2].size() == 1 ? "0" + cells[2] : cells[2];
        file += ImportLine(draw, day + "-" + cells[3] + "-" + cells[4], numbers) + "\n";
        std::vector<int> sorted(numbers.begin(), numbers.begin() + 6);
        std::sort(sorted.begin(), sorted.end());
        sorted.push_back(numbers[6]);
        static const std::map<std::string, int> kMonths = {{"Jan", 1}, {"Feb", 2}, {"Mar", 3}, {"Apr", 4},
                                                           {"May", 5}, {"Jun", 6}, {"Jul", 7}, {"Aug", 8},
                                                           {"Sep", 9}, {"Oct", 10}, {"Nov", 11}, {"Dec", 12}};
        draws[draw] = {Day(std::stoi(cells[4]), kMonths.at(cells[3]), std::stoi(cells[2])), sorted};
    }
    ASSERT_EQ(draws.size(), 2065u);

    const ImportResult result = ReadImportFile(file, 3230);
    ASSERT_EQ(result.status, ImportStatus::Imported);
    for (const auto& [draw, expected] : draws) {
        const THistoryLine* entry = result.history.FindDrawOn(expected.first);
        ASSERT_NE(entry, nullptr) << draw;
        ASSERT_EQ(Numbers(*entry), expected.second) << draw;
    }
    EXPECT_EQ(draws[1].second, (std::vector<int>{3, 5, 14, 22, 30, 44, 10}));
    // Moved draws keep their real dates; their calendar days get an empty entry.
    for (const auto& [draw, realDay] : std::map<int, DayNumber>{
             {178, Day(1997, 9, 7)}, {418, Day(1999, 12, 24)}, {731, Day(2002, 12, 24)}, {940, Day(2004, 12, 24)}}) {
        EXPECT_EQ(draws[draw].first, realDay);
        EXPECT_FALSE(result.history.FindDrawOn(DrawDateOf(draw))->IsRecorded()) << draw;
    }
    EXPECT_EQ(draws[1566].first, DrawDateOf(1566));
    EXPECT_EQ(result.history.Count(), 2065 + (3230 - 2065) + 4);
    EXPECT_EQ(result.history.CountUnrecordedDraws(), 3230 - 2065 + 4);
}

// Column 5 is never read, so a tab there changes nothing: each mangled file
// must import exactly as its copy with those tabs does, with the same
// outcome, message and entries.
TEST(HistoryImport, PlainLinesReadAsAnyOtherLine) {
    std::mt19937 random(20261208);
    const std::string kBytes = std::string("0123456789 +-AaFfEeBbYy\r\n\t\x80\xff") + '\0';
    const auto pick = [&](std::size_t count) { return std::uniform_int_distribution<std::size_t>(0, count - 1)(random); };
    int plainFiles = 0;
    for (int file = 0; file < 3000; ++file) {
        std::vector<std::string> lines;
        DayNumber day = Day(1994, 11, 19) + static_cast<DayNumber>(pick(40000));
        for (int line = 0; line < 6; ++line, day += 3 + static_cast<DayNumber>(pick(5))) {
            const CivilDate date = CivilFromDay(day);
            static const char* const kMonths[] = {"JAN", "feb", "Mar", "APR", "MAY", "JUN",
                                                  "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
            char text[16];
            std::snprintf(text, sizeof text, "%02d-%s-%04d", date.day, kMonths[date.month - 1], date.year);
            std::array<int, 7> numbers;
            for (int& number : numbers) number = static_cast<int>(pick(100));
            // What follows the bonus ball is not read, however long.
            std::string written = ImportLine(static_cast<int>(pick(1000)), text, numbers) + std::string(pick(12), ' ');
            // Mangled now and then; no line break comes before column 6, so
            // the tab below stays in column 5 of the line it was put in.
            for (std::size_t change = pick(4) == 0 ? pick(4) : 0; change > 0; --change) {
                const std::size_t at = pick(written.size() + 3);
                const char byte = kBytes[pick(kBytes.size())];
                if (at < 5 && (byte == '\r' || byte == '\n')) continue;
                if (at < written.size()) written[at] = byte;
                else written += byte;
            }
            lines.push_back(written);
        }
        std::string asWritten;
        std::string withTabs;
        for (std::string& line : lines) {
            const std::string ending = pick(3) == 0 ? "\n" : "\r\n";
            asWritten += line + ending;
            line[4] = '\t';
            withTabs += line + ending;
        }
        const ImportResult plain = ReadImportFile(asWritten, 0);
        const ImportResult other = ReadImportFile(withTabs, 0);
        ASSERT_EQ(plain.status, other.status) << asWritten;
        ASSERT_EQ(plain.conversionMessage, other.conversionMessage) << asWritten;
        ASSERT_TRUE(plain.history == other.history) << asWritten;
        plainFiles += plain.status == ImportStatus::Imported;
    }
    EXPECT_GT(plainFiles, 1000);  // most files import, so their entries are compared too
}

// The history keeps at most kMaxEntries entries: the lines past that and the
// draws left without an entry are counted, never dropped unsaid.
TEST(HistoryImport, DrawsPastTheHistorysLimitAreCounted) {
    const auto importOf = [](int lines, int latestDraw) {
        std::string file;
        const std::string line = ImportLine(117, "05-FEB-1997", {1, 2, 3, 4, 5, 6, 7}) + "\n";
        for (int i = 0; i < lines; ++i) file += line;
        return ReadImportFile(file, latestDraw);
    };
    const int limit = THistoryList::kMaxEntries;
    const ImportResult roomForAll = importOf(limit - 3, 3);  // just room for draws 1..3
    EXPECT_EQ(roomForAll.history.Count(), limit);
    EXPECT_EQ(roomForAll.drawsLeftOut, 0);

    const ImportResult tooFewFilled = importOf(limit - 3, 120);
    ASSERT_EQ(tooFewFilled.status, ImportStatus::Imported);
    EXPECT_EQ(tooFewFilled.history.Count(), limit);
    EXPECT_EQ(tooFewFilled.drawsLeftOut, 119 - 3);

    const ImportResult tooManyLines = importOf(limit + 5, 120);
    ASSERT_EQ(tooManyLines.status, ImportStatus::Imported);
    EXPECT_EQ(tooManyLines.history.Count(), limit);
    EXPECT_EQ(tooManyLines.drawsLeftOut, 5 + 119);

    // Lines past the limit are still read: a fault there fails the import.
    std::string faulty = ImportLine(117, "05-FEB-1997", {1, 2, 3, 4, 5, 6, 7}) + "\n";
    for (int i = 0; i < 15; ++i) faulty += faulty;  // 32768 lines
    EXPECT_EQ(ReadImportFile(faulty + "ABC", 0).status, ImportStatus::FormatError);
}
