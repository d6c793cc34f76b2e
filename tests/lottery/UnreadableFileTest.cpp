// Data files a save must not lose: one that was there but could not be read
// (a pipe, a file without read permission) is never written over, a file
// that may not be written is refused, and a save keeps the file's
// permissions and its symbolic link.
#include "lottery/LotteryError.h"
#include "tests/lottery/LotteryTestSupport.h"

#include <sys/stat.h>

using namespace lottery;
using namespace lottery::test;

namespace {

class UnreadableFileTest : public DataFileTest {
protected:
    static std::string Outcome(const std::function<void()>& save) {
        try {
            save();
        } catch (const LotteryError& error) {
            return error.what();
        }
        return "saved";
    }
    std::string CannotCreate(const std::filesystem::path& path) const { return "Cannot create file " + path.string(); }

    // A ticket file of one ticket.
    void SaveOneTicket() const {
        LotteryState state = State();
        state.AddTicket(BoardsOf({{1, 2, 3, 4, 5, 6}}), "kept", 35466, 9, 0);
        state.SaveTickets();
    }
};

}  // namespace

// Opening a pipe waits for a writer, so the loads must not open it.
TEST_F(UnreadableFileTest, PipesInPlaceOfTheFilesLoadAsNothingAndAreNeverWrittenOver) {
    ASSERT_EQ(mkfifo(TicketPath().c_str(), 0600), 0);
    ASSERT_EQ(mkfifo(HistoryPath().c_str(), 0600), 0);
    LotteryState state = State(DrawDateOf(120));
    state.LoadTickets();
    state.LoadHistory();
    EXPECT_EQ(state.TicketCount(), 0);
    EXPECT_EQ(state.DrawHistory().Count(), 120);

    state.AddTicket(BoardsOf({{1, 2, 3, 4, 5, 6}}), "new", 35466, 9, 0);
    EXPECT_EQ(Outcome([&] { state.SaveTickets(); }), CannotCreate(TicketPath()));
    EXPECT_EQ(Outcome([&] { state.SaveHistory(); }), CannotCreate(HistoryPath()));
    EXPECT_EQ(Outcome([&] { state.ImportHistory(THistoryList()); }), CannotCreate(HistoryPath()));
    EXPECT_TRUE(std::filesystem::is_fifo(TicketPath()));
    EXPECT_TRUE(std::filesystem::is_fifo(HistoryPath()));
    EXPECT_EQ(state.TicketCount(), 1);
    EXPECT_EQ(state.DrawHistory().Count(), 120);

    // Once the pipe is gone nothing can be lost, and the tickets are saved.
    std::filesystem::remove(TicketPath());
    state.SaveTickets();
    state.LoadTickets();
    EXPECT_EQ(state.TicketCount(), 1);
}

// The folder lets anyone make files in it, so the file's own permissions
// alone decide: one that may be written but not read is left alone all the
// same, as its tickets were never loaded.
TEST_F(UnreadableFileTest, AFileThatMayNotBeReadOrWrittenKeepsItsTickets) {
    SaveOneTicket();
    const std::string saved = ReadBytes(TicketPath());
    std::filesystem::permissions(dir_, std::filesystem::perms::all);
    for (const mode_t mode : {0444, 0222, 0000}) {
        chmod(TicketPath().c_str(), mode);
        CheckAsOrdinaryUser([&] {
            LotteryState state = State();
            state.LoadTickets();
            EXPECT_EQ(state.TicketCount(), mode == 0444 ? 1 : 0) << mode;
            state.AddTicket(BoardsOf({{7, 8, 9, 10, 11, 12}}), "new", 35466, 9, 0);
            EXPECT_EQ(Outcome([&] { state.SaveTickets(); }), CannotCreate(TicketPath())) << mode;
        });
        chmod(TicketPath().c_str(), 0644);
        EXPECT_EQ(ReadBytes(TicketPath()), saved) << mode;
    }
}

TEST_F(UnreadableFileTest, ASaveKeepsTheFilesPermissionsAndSymbolicLink) {
    SaveOneTicket();
    const std::filesystem::path target = dir_ / "kept" / "Tickets.dat";
    std::filesystem::create_directory(target.parent_path());
    std::filesystem::rename(TicketPath(), target);
    std::filesystem::permissions(target, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    std::filesystem::create_symlink(target, TicketPath());

    LotteryState state = State();
    state.LoadTickets();
    ASSERT_EQ(state.TicketCount(), 1);
    state.AddTicket(BoardsOf({{7, 8, 9, 10, 11, 12}}), "new", 35466, 9, 0);
    state.SaveTickets();
    EXPECT_TRUE(std::filesystem::is_symlink(TicketPath()));
    EXPECT_EQ(std::filesystem::read_symlink(TicketPath()), target);
    EXPECT_EQ(std::filesystem::status(target).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    LotteryState reloaded = State();
    reloaded.LoadTickets();
    EXPECT_EQ(reloaded.TicketCount(), 2);
}
