#include "lottery/LotteryError.h"
#include "tests/lottery/LotteryTestSupport.h"
#include "tests/support/FileSizeLimit.h"

#include <cmath>

using namespace lottery;
using namespace lottery::test;

namespace {

// The example: 1 2 3 4 5 6, bonus 7, Wednesday 5 Feb 1997.
const std::string kRecordedRecord = Hex("01 00 02 00 03 00 04 00 05 00 06 00 07 00 00 00 00 00 40 51 E1 40 ");
// The same draw not yet recorded.
const std::string kUnrecordedRecord = std::string(14, '\0') + Hex("00 00 00 00 40 51 E1 40 ");

// Before the first draw there is no draw to fill in, so a load keeps the
// file's entries and nothing else.
const DayNumber kBeforeTheFirstDraw = DayFromCivil({1994, 11, 1});

std::string HistoryFile(int count, const std::string& records) {
    ByteWriter header;
    header.WriteUInt16(1);
    header.WriteInt16(static_cast<int16_t>(count));
    return header.Bytes() + records;
}

// One record holding the numbers as given, in order.
std::string Record(const THistoryLine::Numbers& numbers, double date) {
    ByteWriter writer;
    for (int16_t number : numbers) writer.WriteInt16(number);
    writer.WriteDouble(date);
    return writer.Bytes();
}

class HistoryFileTest : public DataFileTest {
protected:
    void WriteFile(const std::string& bytes) const { WriteBytes(HistoryPath(), bytes); }
    std::string ReadFile() const { return ReadBytes(HistoryPath()); }

    LotteryState Loaded(DayNumber today) const {
        LotteryState state = State(today);
        state.LoadHistory();
        return state;
    }
};

std::vector<DayNumber> DatesInListOrder(const THistoryList& history) {
    std::vector<DayNumber> dates;
    for (int i = 0; i < history.Count(); ++i)
        dates.push_back(static_cast<DayNumber>(history.At(i).DrawDate()));
    return dates;
}

}  // namespace

TEST_F(HistoryFileTest, ExampleRecordsLoadAndSaveByteForByte) {
    const std::string example = HistoryFile(2, kRecordedRecord + kUnrecordedRecord);
    ASSERT_EQ(example.size(), 4u + 2 * 22u);
    WriteFile(example);
    LotteryState state = Loaded(kBeforeTheFirstDraw);
    ASSERT_EQ(state.DrawHistory().Count(), 2);
    const THistoryLine& recorded = state.DrawHistory().At(0);
    EXPECT_EQ(recorded.DrawDate(), 35466.0);
    EXPECT_EQ(recorded.NumberText(1), "01");
    EXPECT_EQ(recorded.NumberText(7), "07");
    EXPECT_TRUE(recorded.IsRecorded());
    EXPECT_EQ(state.DrawHistory().At(1).NumberText(3), "00");
    EXPECT_FALSE(state.DrawHistory().At(1).IsRecorded());
    state.SaveHistory();
    EXPECT_EQ(ReadFile(), example);
}

TEST_F(HistoryFileTest, EmptyHistorySavesAsTheHeaderAlone) {
    LotteryState state = Loaded(kBeforeTheFirstDraw);
    EXPECT_EQ(state.DrawHistory().Count(), 0);
    state.SaveHistory();
    EXPECT_EQ(ReadFile(), Hex("01 00 00 00 "));
}

TEST_F(HistoryFileTest, NoFileGivesOneUnrecordedEntryPerDraw) {
    LotteryState state = Loaded(DrawDateOf(120));
    ASSERT_EQ(state.LatestDrawNumber(), 120);
    const THistoryList& history = state.DrawHistory();
    ASSERT_EQ(history.Count(), 120);
    for (int draw = 1; draw <= 120; ++draw) {
        EXPECT_EQ(history.At(draw - 1).DrawDate(), DrawDateOf(draw)) << draw;
        EXPECT_FALSE(history.At(draw - 1).IsRecorded());
    }
    EXPECT_EQ(state.CountUnrecordedDraws(), 120);
}

TEST_F(HistoryFileTest, FilledDrawsFollowTheFileEntriesInDrawOrder) {
    WriteFile(HistoryFile(1, kRecordedRecord));  // draw 117 only
    LotteryState state = Loaded(DrawDateOf(120));
    std::vector<DayNumber> expected{DrawDateOf(117)};
    for (int draw : {1, 2, 3}) expected.push_back(DrawDateOf(draw));
    const std::vector<DayNumber> dates = DatesInListOrder(state.DrawHistory());
    ASSERT_EQ(dates.size(), 120u);
    EXPECT_EQ(std::vector<DayNumber>(dates.begin(), dates.begin() + 4), expected);
    EXPECT_EQ(dates[116], DrawDateOf(116));
    EXPECT_EQ(dates[117], DrawDateOf(118));
    EXPECT_EQ(dates[119], DrawDateOf(120));
    EXPECT_EQ(state.CountUnrecordedDraws(), 119);

    // The history page still lists them by date.
    const std::vector<HistoryRow> rows = state.FillHistoryRows();
    ASSERT_EQ(rows.size(), 120u);
    EXPECT_EQ(rows[0].Key(), "19941119");
    EXPECT_EQ(rows[116].Key(), "19970205");
    EXPECT_EQ(rows[116].result, &state.DrawHistory().At(0));
    EXPECT_EQ(rows[119].result->DrawDate(), DrawDateOf(120));
}

// As an import's reading back does after another program rewrote the file
// where it stands.
TEST_F(HistoryFileTest, ALoadReadsTheFileAsItIsNow) {
    WriteFile(HistoryFile(2, kRecordedRecord + Record({8, 9, 10, 11, 12, 13, 14}, DrawDateOf(118))));
    LotteryState state = Loaded(kBeforeTheFirstDraw);
    ASSERT_EQ(state.DrawHistory().Count(), 2);
    std::filesystem::resize_file(HistoryPath(), 4 + 22);
    {
        std::ofstream inPlace(HistoryPath(), std::ios::binary | std::ios::in | std::ios::out);
        inPlace << HistoryFile(1, Record({21, 22, 23, 24, 25, 26, 27}, DrawDateOf(118)));
    }
    state.LoadHistory();
    ASSERT_EQ(state.DrawHistory().Count(), 1);
    EXPECT_EQ(state.DrawHistory().At(0).Number(1), 21);
}

TEST_F(HistoryFileTest, FirstEntryOfADateWinsAndNoEntryIsReorderedOrDropped) {
    const DayNumber draw117 = DrawDateOf(117);
    const DayNumber friday = draw117 + 2;
    const DayNumber afterTheLatest = DrawDateOf(130);
    WriteFile(HistoryFile(5, Record({10, 11, 12, 13, 14, 15, 16}, afterTheLatest) +
                                 Record({1, 2, 3, 4, 5, 6, 7}, draw117 + 0.75) +
                                 Record({21, 22, 23, 24, 25, 26, 27}, draw117) +
                                 Record({31, 32, 33, 34, 35, 36, 37}, friday) + kUnrecordedRecord));
    LotteryState state = Loaded(DrawDateOf(120));
    const THistoryList& history = state.DrawHistory();
    // Draw 117 is there three times and is not filled; the rest of 1..120 is.
    ASSERT_EQ(history.Count(), 5 + 119);
    EXPECT_EQ(DatesInListOrder(history)[0], afterTheLatest);
    EXPECT_EQ(history.FindDrawOn(draw117), &history.At(1));
    EXPECT_TRUE(history.HasDrawOn(friday));
    EXPECT_FALSE(history.HasDrawOn(friday - 1));
    EXPECT_EQ(state.DrawNumbersText(117), "\t01\t02\t03\t04\t05\t06\t07");

    // All three entries of 5 Feb 1997 are listed, in list order, between
    // 1 Feb and the Friday after.
    const std::vector<HistoryRow> rows = state.FillHistoryRows();
    ASSERT_EQ(rows.size(), 124u);
    EXPECT_EQ(rows[115].Key(), "19970201");
    EXPECT_EQ(rows[116].result, &history.At(1));
    EXPECT_EQ(rows[117].result, &history.At(2));
    EXPECT_EQ(rows[118].result, &history.At(4));
    EXPECT_EQ(rows[119].Key(), "19970207");
    EXPECT_EQ(rows[120].result->DrawDate(), DrawDateOf(118));
    EXPECT_EQ(rows[123].result, &history.At(0));
}

TEST_F(HistoryFileTest, DrawNumbersTextOfMissingAndUnrecordedDraws) {
    LotteryState state = Loaded(DrawDateOf(120));
    EXPECT_EQ(state.DrawNumbersText(120), "\t00\t00\t00\t00\t00\t00\t00");
    EXPECT_EQ(state.DrawNumbersText(121), "");
    EXPECT_EQ(state.DrawNumbersText(0), "");
}

TEST_F(HistoryFileTest, SetResultSortsTheBallsAndKeepsTheDate) {
    LotteryState state = Loaded(DrawDateOf(120));
    const THistoryLine& entry = *state.DrawHistory().FindDrawOn(DrawDateOf(119));
    state.SetDrawResult(entry, {49, 3, 27, 1, 12, 30, 5}, DrawDateOf(119));
    EXPECT_EQ(entry.BallArray(), (THistoryLine::Balls{1, 3, 12, 27, 30, 49}));
    EXPECT_EQ(entry.BonusBall(), 5);
    EXPECT_EQ(entry.DrawDate(), DrawDateOf(119));
    EXPECT_EQ(state.CountUnrecordedDraws(), 119);

    state.SaveHistory();
    LotteryState reloaded = Loaded(DrawDateOf(120));
    EXPECT_EQ(reloaded.DrawHistory(), state.DrawHistory());
    EXPECT_EQ(reloaded.DrawNumbersText(119), "\t01\t03\t12\t27\t30\t49\t05");
}

TEST_F(HistoryFileTest, ClearAddAndFillAsAnImportDoes) {
    LotteryState state = Loaded(DrawDateOf(120));
    state.ClearHistory();
    EXPECT_EQ(state.DrawHistory().Count(), 0);
    state.AddDrawResult({49, 3, 27, 1, 12, 30, 5}, DrawDateOf(118));
    state.AddDrawResult({0, 0, 0, 0, 0, 9, 9}, DrawDateOf(119));  // the import does not validate
    state.FillMissingDraws();
    const THistoryList& history = state.DrawHistory();
    ASSERT_EQ(history.Count(), 120);
    EXPECT_EQ(history.At(0).Number(1), 1);
    EXPECT_EQ(history.At(1).BallArray(), (THistoryLine::Balls{0, 0, 0, 0, 0, 9}));
    EXPECT_EQ(history.At(2).DrawDate(), DrawDateOf(1));
    EXPECT_EQ(state.CountUnrecordedDraws(), 119);

    state.FreeHistory();
    EXPECT_EQ(state.DrawHistory().Count(), 0);
}

TEST_F(HistoryFileTest, CountOfZeroOrLessMeansNoEntries) {
    for (const char* count : {"00 00 ", "FF FF ", "00 80 "}) {
        WriteFile(Hex("01 00 ") + Hex(count) + kRecordedRecord);
        EXPECT_EQ(Loaded(kBeforeTheFirstDraw).DrawHistory().Count(), 0) << count;
    }
}

TEST_F(HistoryFileTest, TruncatedFilesLoadTheWholeRecordsOnly) {
    const std::string three = HistoryFile(3, kRecordedRecord + kUnrecordedRecord + kRecordedRecord);
    LotteryState reloaded = State(kBeforeTheFirstDraw);
    for (std::size_t length = 0; length <= three.size(); ++length) {
        WriteFile(three);
        reloaded.LoadHistory();  // the truncated file then loads over three whole entries
        WriteFile(three.substr(0, length));
        reloaded.LoadHistory();
        const LotteryState fresh = Loaded(kBeforeTheFirstDraw);
        const int whole = length < 4 ? 0 : static_cast<int>((length - 4) / 22);
        ASSERT_EQ(fresh.DrawHistory().Count(), whole) << length;
        ASSERT_EQ(reloaded.DrawHistory(), fresh.DrawHistory()) << length;
    }
}

TEST_F(HistoryFileTest, ADirectoryInPlaceOfTheFileGivesAnEmptyHistory) {
    std::filesystem::create_directory(HistoryPath());
    EXPECT_EQ(Loaded(DrawDateOf(120)).DrawHistory().Count(), 120);
}

TEST_F(HistoryFileTest, HugeCountInATinyFileDoesNotAllocateForIt) {
    WriteFile(Hex("01 00 FF 7F ") + kRecordedRecord + "xyz");
    EXPECT_EQ(Loaded(kBeforeTheFirstDraw).DrawHistory().Count(), 1);
}

TEST_F(HistoryFileTest, DatesThatAreNoDatesSurviveWithoutHarm) {
    const double nan = std::nan("");
    WriteFile(HistoryFile(3, Record({1, 2, 3, 4, 5, 6, 7}, nan) + Record({1, 2, 3, 4, 5, 6, 7}, 1e300) +
                                 Record({1, 2, 3, 4, 5, 6, 7}, -1e18)));
    LotteryState state = Loaded(DrawDateOf(3));
    const THistoryList& history = state.DrawHistory();
    ASSERT_EQ(history.Count(), 3 + 3);
    const std::vector<HistoryRow> rows = state.FillHistoryRows();
    EXPECT_EQ(rows[0].Key(), "00000000");
    EXPECT_EQ(rows[2].result, &history.At(2));
    EXPECT_EQ(rows[3].Key(), "19941119");
    const std::string before = ReadFile();
    state.SaveHistory();
    EXPECT_EQ(ReadFile().substr(4, 66), before.substr(4));
}

TEST_F(HistoryFileTest, TheHistoryNeverOutgrowsTheFilesCount) {
    // Recorded draws from draw 1000 on leave draws 1..120 to be filled.
    std::string records;
    const int almostFull = THistoryList::kMaxEntries - 3;
    for (int i = 0; i < almostFull; ++i) records += Record({1, 2, 3, 4, 5, 6, 7}, DrawDateOf(1000 + i));
    WriteFile(HistoryFile(almostFull, records));
    LotteryState state = Loaded(DrawDateOf(120));
    const THistoryList& history = state.DrawHistory();
    ASSERT_EQ(history.Count(), THistoryList::kMaxEntries);
    EXPECT_EQ(history.At(almostFull + 2).DrawDate(), DrawDateOf(3));
    EXPECT_FALSE(history.HasDrawOn(DrawDateOf(4)));
    EXPECT_THROW(state.AddDrawResult({1, 2, 3, 4, 5, 6, 7}, DrawDateOf(4)), LotteryError);

    state.SaveHistory();
    EXPECT_EQ(ReadFile().substr(0, 4), Hex("01 00 FF 7F "));
    EXPECT_EQ(Loaded(DrawDateOf(120)).DrawHistory(), history);
}

TEST_F(HistoryFileTest, AFailedSaveLeavesTheOldFileAndTheHistoryAsTheyWere) {
    const std::string example = HistoryFile(1, kRecordedRecord);
    WriteFile(example);
    LotteryState state = Loaded(DrawDateOf(120));
    state.SetDrawResult(state.DrawHistory().At(1), {1, 2, 3, 4, 5, 6, 7}, DrawDateOf(1));
    try {
        testsupport::FileSizeLimit full(example.size());
        state.SaveHistory();
        FAIL() << "the save should have failed";
    } catch (const LotteryError& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot create file " + HistoryPath().string());
    }
    EXPECT_EQ(ReadFile(), example);
    EXPECT_EQ(state.DrawHistory().Count(), 120);
    EXPECT_EQ(state.CountUnrecordedDraws(), 118);
}
