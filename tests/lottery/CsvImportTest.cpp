#include "lottery/HistoryImport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using namespace lottery;

namespace {

DayNumber Day(int year, int month, int day) {
    return DayFromCivil({year, month, day});
}

std::vector<int> Numbers(const THistoryLine& entry) {
    std::vector<int> numbers;
    for (int i = 1; i <= THistoryLine::kNumberCount; ++i) numbers.push_back(entry.Number(i));
    return numbers;
}

const std::string kNumberedHeader = "DrawNo,Day,DD,MMM,YYYY,N1,N2,N3,N4,N5,N6,BonusBall,Jackpot,Wins,Machine,Set\n";
const std::string kDatedHeader = "DrawDate,Ball 1,Ball 2,Ball 3,Ball 4,Ball 5,Ball 6,Bonus Ball,Ball Set,Machine\n";

}  // namespace

// Newest first, as the download comes: the history reads oldest first, and
// the draws from the first with a ball above 49 on are left out, counted,
// even one whose balls all happen to be 49 or less.
TEST(CsvImport, NumberedRowsNewestFirst) {
    const std::string file = "\xEF\xBB\xBF" + kNumberedHeader +
                             "2067,Wed,14,Oct,2015,01,02,03,04,05,06,07,1,0,Merlin,1\n"
                             "2066,Sat,10,Oct,2015,52,02,03,04,05,06,07,1,0,Merlin,1\n"
                             "2065,Wed,7,Oct,2015,30,03,05,44,14,22,10,1,0,Merlin,1\r\n"
                             "\n"
                             "117,Wed,5,Feb,1997,49,03,27,01,12,30,05,\"1,000\",0,\"Arthur\",A";
    const ImportResult result = ReadImportFile(file, 2070);
    ASSERT_EQ(result.status, ImportStatus::Imported);
    EXPECT_EQ(result.drawsImported, 2);
    EXPECT_EQ(result.laterGameDrawsLeftOut, 2);
    EXPECT_EQ(result.laterGameFrom, Day(2015, 10, 10));
    EXPECT_EQ(result.drawsLeftOut, 0);
    EXPECT_EQ(result.history.At(0).DrawDate(), Day(1997, 2, 5));
    EXPECT_EQ(Numbers(result.history.At(0)), (std::vector<int>{1, 3, 12, 27, 30, 49, 5}));
    EXPECT_EQ(Numbers(result.history.At(1)), (std::vector<int>{3, 5, 14, 22, 30, 44, 10}));
    EXPECT_FALSE(result.history.FindDrawOn(Day(2015, 10, 14))->IsRecorded());
    EXPECT_EQ(result.history.CountUnrecordedDraws(), 2070 - 2);

    // A file of the later game alone would only wipe the history out.
    const ImportResult laterOnly =
        ReadImportFile(kNumberedHeader + "2066,Sat,10,Oct,2015,52,02,03,04,05,06,07,1,0,Merlin,1\n", 2070);
    EXPECT_EQ(laterOnly.status, ImportStatus::EmptyFile);
    // A header alone holds no draws to import.
    EXPECT_EQ(ReadImportFile(kNumberedHeader, 120).history.CountUnrecordedDraws(), 120);
}

TEST(CsvImport, DatedRowsInAnyOrder) {
    const std::string file = "\r\n" + kDatedHeader +
                             "08-Feb-1997,10,20,30,40,41,42,43,1,Lancelot\n"
                             "05-feb-1997, 6, 5, 4, 3, 2, 1, 7,1,Lancelot\n"
                             "5-FEB-1997,11,12,13,14,15,16,17\n";
    const ImportResult result = ReadImportFile(file, 120);
    ASSERT_EQ(result.status, ImportStatus::Imported);
    EXPECT_EQ(result.drawsImported, 3);
    EXPECT_EQ(result.laterGameDrawsLeftOut, 0);
    EXPECT_EQ(Numbers(result.history.At(0)), (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));
    // Rows of the same day keep the file's order, so lookups find the first.
    EXPECT_EQ(Numbers(result.history.At(1)), (std::vector<int>{11, 12, 13, 14, 15, 16, 17}));
    EXPECT_EQ(result.history.At(2).DrawDate(), Day(1997, 2, 8));
    EXPECT_EQ(result.history.FindDrawOn(Day(1997, 2, 5)), &result.history.At(0));
    // A date that is no draw day is kept, as in the fixed-column file.
    const ImportResult sunday = ReadImportFile(kDatedHeader + "07-Sep-1997,1,2,3,4,5,6,7\n", 0);
    ASSERT_EQ(sunday.status, ImportStatus::Imported);
    EXPECT_EQ(sunday.history.At(0).DrawDate(), Day(1997, 9, 7));
}

// The whole file or nothing, with the fixed-column file's outcomes.
TEST(CsvImport, BadRowsFailTheImport) {
    const std::string good = "117,Wed,5,Feb,1997,01,02,03,04,05,06,07\n";
    const auto numbered = [&](const std::string& row) { return ReadImportFile(kNumberedHeader + good + row, 120); };
    EXPECT_EQ(numbered("Total,,,,,,,,,,,,\n").status, ImportStatus::FormatError);
    EXPECT_EQ(numbered("118,Sat,8,Feb,1997,01,02,03,04,05,06\n").conversionMessage, "'' is not a valid integer value");
    EXPECT_EQ(numbered("118,Sat,8,Feb,1997,01,x2,03,04,05,06,07\n").conversionMessage,
              "'x2' is not a valid integer value");
    EXPECT_EQ(numbered("118,Sat,8,Feb,1997,01,70000,03,04,05,06,07\n").conversionMessage,
              "'70000' is not a valid integer value");
    EXPECT_EQ(numbered("118,Sat,31,Feb,1997,01,02,03,04,05,06,07\n").conversionMessage, "'' is not a valid date");
    const ImportResult dated = ReadImportFile(kDatedHeader + "05-Fex-1997,1,2,3,4,5,6,7\n", 120);
    EXPECT_EQ(dated.status, ImportStatus::ConversionError);
    EXPECT_EQ(dated.conversionMessage, "'' is not a valid date");
    EXPECT_EQ(ReadImportFile(kDatedHeader + "05-Feb-1997-1,1,2,3,4,5,6,7\n", 120).status,
              ImportStatus::ConversionError);
    // A header of other cells is no comma-separated layout read here, so
    // the file is read as fixed columns, where it is no draw line.
    EXPECT_EQ(ReadImportFile("DrawNo,Date,N1\n" + good, 120).status, ImportStatus::FormatError);
}

// Every row of the real results file: the 49-ball game's draws imported and
// the later game's rows left out, counted here with a plain loop of its own.
TEST(CsvImport, TheRealResultsFileWhole) {
    std::ifstream csv(TALLIMO_SHARED_DATA "/uk-lotto/lotto.csv", std::ios::binary);
    if (!csv) GTEST_SKIP() << "the shared draw data is not beside this checkout";
    const std::string file((std::istreambuf_iterator<char>(csv)), std::istreambuf_iterator<char>());
    // Draws up to 2065 (7 Oct 2015) have balls up to 49; draw 2066 on are
    // the later game, two rows a draw from 3179.
    int fortyNineBallRows = 0;
    int laterRows = 0;
    std::istringstream lines(file);
    std::string row;
    std::getline(lines, row);  // header
    while (std::getline(lines, row)) (std::stoi(row) <= 2065 ? fortyNineBallRows : laterRows) += 1;
    ASSERT_EQ(fortyNineBallRows, 2065);
    ASSERT_EQ(laterRows, 1155);  // as awk counts the rows from draw 2066 on

    const ImportResult result = ReadImportFile(file, 3230);
    ASSERT_EQ(result.status, ImportStatus::Imported);
    EXPECT_EQ(result.drawsImported, fortyNineBallRows);
    EXPECT_EQ(result.laterGameDrawsLeftOut, laterRows);
    EXPECT_EQ(result.laterGameFrom, Day(2015, 10, 10));
    EXPECT_EQ(result.history.At(0).DrawDate(), Day(1994, 11, 19));
    EXPECT_EQ(Numbers(result.history.At(0)), (std::vector<int>{3, 5, 14, 22, 30, 44, 10}));
    EXPECT_EQ(result.history.At(2064).DrawDate(), Day(2015, 10, 7));
    // The four moved draws keep their real days; their calendar days are empty.
    EXPECT_EQ(result.history.CountUnrecordedDraws(), 3230 - 2065 + 4);
}
