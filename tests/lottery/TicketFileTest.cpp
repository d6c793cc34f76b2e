#include "lottery/LotteryError.h"
#include "tests/lottery/LotteryTestSupport.h"
#include "tests/support/FileSizeLimit.h"

#include <sstream>

using namespace lottery;
using namespace lottery::test;

namespace {

// The example ticket: board A 1..6, "abc", Wed 5 Feb 1997, one week, both draws.
std::string ExampleTicketFile() {
    return Hex("01 00 01 00 01 00 02 00 03 00 04 00 05 00 06 00 ") + std::string(108, '\0') +
           Hex("04 00 61 62 63 00 00 00 00 00 40 51 E1 40 01 00 00 00 ");
}

// Three boards, a description too long to stay inside the ticket, and an
// unlimited run.
std::string LongUnlimitedTicketRecord() {
    ByteWriter record;
    for (int board = 1; board <= TLine::kBoardCount; ++board)
        for (int position = 1; position <= TLine::kNumbersPerBoard; ++position)
            record.WriteInt16(static_cast<int16_t>(board <= 3 ? board * 7 + position : 0));
    record.WriteCountedText("A syndicate ticket with a description of more than thirty bytes");
    record.WriteDouble(35466);
    record.WriteInt16(TLine::kUnlimitedWeeks);
    record.WriteInt16(2);
    return record.Bytes();
}

class TicketFileTest : public DataFileTest {
protected:
    void WriteFile(const std::string& bytes) const { WriteBytes(TicketPath(), bytes); }
    std::string ReadFile() const { return ReadBytes(TicketPath()); }
};

}  // namespace

TEST_F(TicketFileTest, ExampleTicketLoadsAndSavesByteForByte) {
    const std::string example = ExampleTicketFile();
    ASSERT_EQ(example.size(), 142u);
    WriteFile(example);
    LotteryState state = State();
    state.LoadTickets();
    ASSERT_EQ(state.TicketCount(), 1);
    const TLine& ticket = state.TicketList().At(0);
    EXPECT_EQ(ticket.Description(), "abc");
    EXPECT_EQ(ticket.StartDate(), 35466.0);
    EXPECT_EQ(ticket.Weeks(), 1);
    EXPECT_EQ(ticket.DrawDays(), 0);
    EXPECT_EQ(ticket.CountBoards(), 1);
    EXPECT_EQ(ticket.NumberText(1, 6), "06");
    state.SaveTickets();
    EXPECT_EQ(ReadFile(), example);
}

TEST_F(TicketFileTest, EmptyListAndEmptyDescription) {
    LotteryState state = State();
    state.LoadTickets();  // no file: an empty list, nothing reported
    EXPECT_EQ(state.TicketCount(), 0);
    state.SaveTickets();
    EXPECT_EQ(ReadFile(), Hex("01 00 00 00 "));

    state.AddTicket(BoardsOf({{1, 2, 3, 4, 5, 6}}), "", 35466, 1, 0);
    state.SaveTickets();
    const std::string bytes = ReadFile();
    ASSERT_EQ(bytes.size(), 4u + 135u);
    EXPECT_EQ(bytes.substr(124, 3), Hex("01 00 00 "));
    state.LoadTickets();
    EXPECT_EQ(state.TicketList().At(0).Description(), "");
}

TEST_F(TicketFileTest, CountOfZeroOrLessMeansNoTickets) {
    for (const char* count : {"00 00 ", "FF FF ", "00 80 "}) {
        WriteFile(Hex("01 00 ") + Hex(count) + ExampleTicketFile().substr(4));
        LotteryState state = State();
        state.LoadTickets();
        EXPECT_EQ(state.TicketCount(), 0) << count;
    }
}

TEST_F(TicketFileTest, OddWeeksAndDrawDaysSurviveAReload) {
    LotteryState state = State();
    state.AddTicket(BoardsOf({{1, 2, 3, 4, 5, 6}}), "x", 35466, 32767, 3);
    state.SaveTickets();
    state.LoadTickets();
    const TLine& ticket = state.TicketList().At(0);
    EXPECT_EQ(ticket.Weeks(), 32767);
    EXPECT_EQ(ticket.DrawDays(), 3);
    EXPECT_EQ(DrawDaysText(ticket.DrawDays()), "<Error>");
    EXPECT_FALSE(state.TicketExpired(ticket));
}

TEST_F(TicketFileTest, TruncatedFilesLoadTheWholeRecordsOnly) {
    const std::string two = Hex("01 00 02 00 ") + ExampleTicketFile().substr(4) + ExampleTicketFile().substr(4);
    LotteryState reloaded = State();
    for (std::size_t length = 0; length <= two.size(); ++length) {
        WriteFile(two);
        reloaded.LoadTickets();  // the truncated file then loads over two whole tickets
        WriteFile(two.substr(0, length));
        LotteryState fresh = State();
        fresh.LoadTickets();
        reloaded.LoadTickets();
        const int whole = length < 4 ? 0 : static_cast<int>((length - 4) / 138);
        ASSERT_EQ(fresh.TicketCount(), whole) << length;
        ASSERT_EQ(reloaded.TicketList(), fresh.TicketList()) << length;
    }
}

// As "Cancel" does after another program rewrote the file where it stands.
TEST_F(TicketFileTest, ALoadReadsTheFileAsItIsNow) {
    const std::string two = Hex("01 00 02 00 ") + ExampleTicketFile().substr(4) + LongUnlimitedTicketRecord();
    WriteFile(two);
    LotteryState state = State();
    state.LoadTickets();
    ASSERT_EQ(state.TicketCount(), 2);
    {
        std::ofstream inPlace(TicketPath(), std::ios::binary | std::ios::in | std::ios::out);
        inPlace << Hex("01 00 01 00 ");
    }
    std::filesystem::resize_file(TicketPath(), ExampleTicketFile().size());
    state.LoadTickets();
    ASSERT_EQ(state.TicketCount(), 1);
    EXPECT_EQ(state.TicketList().At(0).Description(), "abc");
    WriteFile(Hex("01 00 01 00 ") + LongUnlimitedTicketRecord());
    state.LoadTickets();
    ASSERT_EQ(state.TicketCount(), 1);
    EXPECT_EQ(state.TicketList().At(0).Weeks(), TLine::kUnlimitedWeeks);
}

TEST_F(TicketFileTest, ALoadReplacesEveryFieldOfTheTicketsItLoadsOver) {
    WriteFile(ExampleTicketFile());
    LotteryState fresh = State();
    fresh.LoadTickets();

    LotteryState edited = State();
    edited.AddTicket(BoardsOf({{7, 8, 9, 10, 11, 12}, {13, 14, 15, 16, 17, 18}}),
                     "A description longer than the one in the file", 35469, 9, 2);
    edited.AddTicket(BoardsOf({{1, 2, 3, 4, 5, 6}}), "second", 35469, 2, 1);
    edited.LoadTickets();  // as "Cancel" does
    ASSERT_EQ(edited.TicketCount(), 1);
    EXPECT_EQ(edited.TicketList(), fresh.TicketList());
    EXPECT_EQ(edited.TicketList().At(0).Description(), "abc");
    EXPECT_EQ(edited.TicketList().At(0).CountBoards(), 1);
}

// The longest text a record can declare, written by some other program,
// runs across the stretch of the file read at a time; the ticket after it
// still loads whole.
TEST_F(TicketFileTest, TheLongestDeclaredTextLoadsAcrossTheReadingWindow) {
    ByteWriter longest;
    for (int number = 0; number < TLine::kBoardCount * TLine::kNumbersPerBoard; ++number) longest.WriteInt16(0);
    longest.WriteCountedText(std::string(65534, 'a'));
    longest.WriteDouble(35466);
    longest.WriteInt16(1);
    longest.WriteInt16(0);
    WriteFile(Hex("01 00 03 00 ") + ExampleTicketFile().substr(4) + longest.Bytes() + LongUnlimitedTicketRecord());
    LotteryState state = State();
    state.LoadTickets();
    ASSERT_EQ(state.TicketCount(), 3);
    EXPECT_EQ(state.TicketList().At(0).Description(), "abc");
    EXPECT_EQ(state.TicketList().At(1).Description(), std::string(TLine::kMaxDescriptionLength, 'a'));
    EXPECT_EQ(state.TicketList().At(2).Weeks(), TLine::kUnlimitedWeeks);
    EXPECT_EQ(state.TicketList().At(2).Number(3, 6), 27);
}

// Another copy of the program may save between the opening and the read:
// what the file holds by then is read, past the size it had.
TEST_F(TicketFileTest, AFileThatGrewSinceItWasOpenedReadsWhole) {
    const std::string file = Hex("01 00 02 00 ") + ExampleTicketFile().substr(4) + LongUnlimitedTicketRecord();
    std::istringstream grown(file);
    std::istringstream asOpened(file);
    ByteReader fromGrown(grown, 4);
    ByteReader fromAsOpened(asOpened, file.size());
    fromGrown.ReadUInt16();
    fromAsOpened.ReadUInt16();
    TLineList streamed;
    TLineList whole;
    streamed.ReadFrom(fromGrown);
    whole.ReadFrom(fromAsOpened);
    ASSERT_EQ(streamed.Count(), 2);
    EXPECT_EQ(streamed, whole);
}

TEST_F(TicketFileTest, HugeCountInATinyFileDoesNotAllocateForIt) {
    WriteFile(Hex("01 00 FF 7F ") + std::string(10, 'x'));
    LotteryState state = State();
    state.LoadTickets();
    EXPECT_EQ(state.TicketCount(), 0);
}

TEST_F(TicketFileTest, RowsCountsAndRenumbering) {
    LotteryState state = State();
    state.AddTicket(BoardsOf({{1, 2, 3, 4, 5, 6}}), "a", 35466, 1, 0);
    state.AddTicket(BoardsOf({{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}, {}, {13, 14, 15, 16, 17, 18}}),
                    "b", 35466, 9, 0);
    state.AddTicket(BoardsOf({{1, 2, 3, 4, 5, 6}}), "c", 35466, 9, 0);

    std::vector<std::string> keys;
    for (const TicketRow& row : state.FillTicketRows()) keys.push_back(row.Key());
    EXPECT_EQ(keys, (std::vector<std::string>{"01-A", "02-A", "02-B", "02-D", "03-A"}));

    const TicketCounts counts = state.CountTickets();
    EXPECT_EQ(counts.tickets, 3);
    EXPECT_EQ(counts.boards, 5);
    EXPECT_EQ(counts.expired, 1);

    state.DeleteTicket(state.TicketList().At(1));
    const auto rows = state.FillTicketRows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].Key(), "02-A");
    EXPECT_EQ(state.TicketList().TicketOf(rows[1]).Description(), "c");

    const TLine& first = state.TicketList().At(0);
    state.ReplaceTicket(first, BoardsOf({{2, 3, 4, 5, 6, 7}}), "edited", 35469, 2, 2);
    EXPECT_EQ(&state.TicketList().At(0), &first);
    EXPECT_EQ(first.Description(), "edited");
    EXPECT_EQ(TicketRowKey(100, 3), "100-C");
}

TEST_F(TicketFileTest, TicketBeyondTheFileLimitIsRefused) {
    LotteryState state = State();
    const auto boards = BoardsOf({{1, 2, 3, 4, 5, 6}});
    for (int i = 0; i < TLineList::kMaxTickets; ++i) state.AddTicket(boards, "", 35466, 1, 0);
    EXPECT_THROW(state.AddTicket(boards, "", 35466, 1, 0), LotteryError);
    EXPECT_EQ(state.TicketCount(), TLineList::kMaxTickets);
    state.SaveTickets();
    state.LoadTickets();
    EXPECT_EQ(state.TicketCount(), TLineList::kMaxTickets);
}

TEST_F(TicketFileTest, AFailedSaveLeavesTheOldFileAndTheListAsTheyWere) {
    WriteFile(ExampleTicketFile());
    LotteryState state = State();
    state.LoadTickets();
    state.AddTicket(BoardsOf({{1, 2, 3, 4, 5, 6}}), "new", 35466, 1, 0);
    // A disk that fills makes the save fail, whoever runs the test.
    try {
        testsupport::FileSizeLimit full(200);
        state.SaveTickets();
        FAIL() << "the save should have failed";
    } catch (const LotteryError& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot create file " + (dir_ / "T.TKT").string());
    }
    EXPECT_EQ(ReadFile(), ExampleTicketFile());
    EXPECT_EQ(state.TicketCount(), 2);
    EXPECT_TRUE(state.TicketsChanged());
}

TEST_F(TicketFileTest, AFileNotYetSavedIsReadFromWhereItStoodBefore) {
    const std::filesystem::path former = dir_ / "former.TKT";
    WriteBytes(former, ExampleTicketFile());
    LotteryState state = State();
    state.ReadUnsavedFilesFrom(former.string(), "");
    state.LoadTickets();
    ASSERT_EQ(state.TicketCount(), 1);
    state.DeleteTicket(state.TicketList().At(0));
    state.SaveTickets();
    EXPECT_EQ(ReadFile(), Hex("01 00 00 00 "));
    EXPECT_EQ(ReadBytes(former), ExampleTicketFile());
    state.LoadTickets();  // from its own path, now that it is saved there
    EXPECT_EQ(state.TicketCount(), 0);
}

TEST_F(TicketFileTest, OnlyEditsSinceTheLastLoadOrSaveCountAsChanges) {
    WriteFile(ExampleTicketFile());
    LotteryState state = State();
    state.LoadTickets();
    EXPECT_FALSE(state.TicketsChanged());
    state.AddTicket(BoardsOf({{1, 2, 3, 4, 5, 6}}), "new", 35466, 1, 0);
    EXPECT_TRUE(state.TicketsChanged());
    state.SaveTickets();
    EXPECT_FALSE(state.TicketsChanged());
    state.ReplaceTicket(state.TicketList().At(0), BoardsOf({{7, 8, 9, 10, 11, 12}}), "edited", 35466, 1, 0);
    EXPECT_TRUE(state.TicketsChanged());
    state.LoadTickets();
    EXPECT_FALSE(state.TicketsChanged());
    state.DeleteTicket(state.TicketList().At(1));
    EXPECT_TRUE(state.TicketsChanged());
}

// Each change of the tickets, and of the day, shows in the next counts.
TEST_F(TicketFileTest, CountsFollowEveryChangeOfTheTicketsAndOfTheDay) {
    DayNumber today = DrawDateOf(3000);
    LotteryState state(TicketPath().string(), HistoryPath().string(), [&today] { return today; },
                       app::WriteDataFile);
    const auto counts = [&state] {
        const TicketCounts c = state.CountTickets();
        return std::vector<int>{c.tickets, c.boards, c.expired};
    };
    state.AddTicket(BoardsOf({{1, 2, 3, 4, 5, 6}}), "one week", DrawDateOf(3000), 1, 0);
    EXPECT_EQ(counts(), (std::vector<int>{1, 1, 0}));
    state.AddTicket(BoardsOf({{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}}), "unlimited", DrawDateOf(3000), 9, 0);
    EXPECT_EQ(counts(), (std::vector<int>{2, 3, 0}));
    today = DrawDateOf(3002);  // past the first ticket's last draw, 3001
    EXPECT_EQ(counts(), (std::vector<int>{2, 3, 1}));
    state.ReplaceTicket(state.TicketList().At(0), BoardsOf({{1, 2, 3, 4, 5, 6}}), "renewed", DrawDateOf(3002), 1, 0);
    EXPECT_EQ(counts(), (std::vector<int>{2, 3, 0}));
    state.SaveTickets();
    state.DeleteTicket(state.TicketList().At(1));
    EXPECT_EQ(counts(), (std::vector<int>{1, 1, 0}));
    state.LoadTickets();
    EXPECT_EQ(counts(), (std::vector<int>{2, 3, 0}));
    state.FreeTickets();
    EXPECT_EQ(counts(), (std::vector<int>{0, 0, 0}));
}
