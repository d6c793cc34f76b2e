// Every save (tickets, history, an imported history) meeting a fault: a file
// that cannot be replaced, a folder that cannot be written, a disk that fills
// part-way and a process killed part-way through the write. Each time the old
// file stays exactly as it was and the lists in memory are unchanged.
#include "lottery/HistoryImport.h"
#include "lottery/LotteryError.h"
#include "tests/lottery/LotteryTestSupport.h"
#include "tests/support/FileSizeLimit.h"

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <optional>

using namespace lottery;
using namespace lottery::test;

namespace {

enum class SaveKind { Tickets, History, Import };

// A file image of the lists, to tell whether memory changed.
std::string ImageOf(const LotteryState& state) {
    ByteWriter writer;
    state.TicketList().WriteTo(writer);
    state.DrawHistory().WriteTo(writer);
    return writer.Bytes();
}

// A file image of each kind far larger than the limits the faults set below.
class SaveFaultTest : public DataFileTest, public ::testing::WithParamInterface<SaveKind> {
protected:
    static constexpr rlim_t kBytesBeforeTheFault = 4096;

    void SetUp() override {
        DataFileTest::SetUp();
        LotteryState original = State();
        original.LoadHistory();
        for (int i = 0; i < 200; ++i)
            original.AddTicket(BoardsOf({{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}}), "saved", 35466, 1, 0);
        original.SaveTickets();
        original.SetDrawResult(original.DrawHistory().At(0), {1, 2, 3, 4, 5, 6, 7}, DrawDateOf(1));
        original.SaveHistory();
        oldFile_ = ReadBytes(Target());
        ASSERT_GT(oldFile_.size(), kBytesBeforeTheFault);

        state_.emplace(State());
        state_->LoadTickets();
        state_->LoadHistory();
        state_->AddTicket(BoardsOf({{40, 41, 42, 43, 44, 45}}), "unsaved", 35466, 2, 1);
        state_->SetDrawResult(state_->DrawHistory().At(1), {11, 12, 13, 14, 15, 16, 17}, DrawDateOf(2));
        memory_ = ImageOf(*state_);
    }

    std::filesystem::path Target() const { return GetParam() == SaveKind::Tickets ? TicketPath() : HistoryPath(); }

    void Save() {
        switch (GetParam()) {
        case SaveKind::Tickets: state_->SaveTickets(); break;
        case SaveKind::History: state_->SaveHistory(); break;
        case SaveKind::Import: {
            std::string text;
            for (int line = 0; line < 100; ++line) text += "117      05-FEB-1997  01 02 03 04 05 06  07\n";
            state_->ImportHistory(ReadImportFile(text, state_->LatestDrawNumber()).history);
            break;
        }
        }
    }

    // The message of the failed save, for the user to see.
    std::string SaveFailure() {
        try {
            Save();
        } catch (const LotteryError& error) {
            return error.what();
        }
        return "no failure";
    }

    void ExpectRefusedSave(const std::string& failure) const {
        EXPECT_EQ(failure, "Cannot create file " + Target().string());
        EXPECT_EQ(ImageOf(*state_), memory_);
    }

    void ExpectOldFileIntact() const {
        EXPECT_EQ(ReadBytes(Target()), oldFile_);
        LotteryState reloaded = State();
        reloaded.LoadTickets();
        reloaded.LoadHistory();
        EXPECT_EQ(reloaded.TicketCount(), 200);
        EXPECT_EQ(reloaded.DrawHistory().At(0).Number(7), 7);
    }

    // A later save that meets no fault still goes through.
    void ExpectNextSaveWorks() {
        Save();
        EXPECT_NE(ReadBytes(Target()), oldFile_);
        ExpectNoTemporaryFileLeft();
    }

    void ExpectNoTemporaryFileLeft() const {
        for (const auto& entry : std::filesystem::directory_iterator(dir_)) {
            const std::string name = entry.path().filename().string();
            EXPECT_TRUE(name == "T.TKT" || name == "T.HST" || name == "moved") << name;
        }
    }

    std::optional<LotteryState> state_;
    std::string oldFile_;
    std::string memory_;
};

std::string KindName(const ::testing::TestParamInfo<SaveKind>& info) {
    switch (info.param) {
    case SaveKind::Tickets: return "Tickets";
    case SaveKind::History: return "History";
    case SaveKind::Import: return "Import";
    }
    return {};
}

}  // namespace

TEST_P(SaveFaultTest, AFileThatCannotBeReplaced) {
    // A folder with something in it stands where the file is written.
    std::filesystem::rename(Target(), dir_ / "moved");
    std::filesystem::create_directory(Target());
    WriteBytes(Target() / "inside", "kept");
    ExpectRefusedSave(SaveFailure());
    EXPECT_EQ(ReadBytes(dir_ / "moved"), oldFile_);
    EXPECT_EQ(ReadBytes(Target() / "inside"), "kept");
    ExpectNoTemporaryFileLeft();
}

TEST_P(SaveFaultTest, AFolderThatCannotBeWritten) {
    const auto refusedAndIntact = [this] {
        ExpectRefusedSave(SaveFailure());
        ExpectOldFileIntact();
    };
    chmod(dir_.c_str(), 0555);
    CheckAsOrdinaryUser(refusedAndIntact);
    chmod(dir_.c_str(), 0755);
    ExpectOldFileIntact();
    ExpectNextSaveWorks();
}

TEST_P(SaveFaultTest, ADiskThatFillsPartWay) {
    std::string failure;
    {
        testsupport::FileSizeLimit full(kBytesBeforeTheFault);
        failure = SaveFailure();
    }
    ExpectRefusedSave(failure);
    ExpectOldFileIntact();
    ExpectNoTemporaryFileLeft();
    ExpectNextSaveWorks();
}

TEST_P(SaveFaultTest, AProcessKilledWhileWriting) {
    // The child is killed the moment its write passes the first bytes: the
    // file size limit's signal turns into SIGKILL, so nothing of the save's
    // own clean-up runs, as when the power goes.
    const int status = InChild([this] {
        std::signal(SIGXFSZ, [](int) { kill(getpid(), SIGKILL); });
        const rlimit limit{kBytesBeforeTheFault, RLIM_INFINITY};
        setrlimit(RLIMIT_FSIZE, &limit);
        Save();
    });
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "status " << status;
    ExpectOldFileIntact();
    EXPECT_EQ(ImageOf(*state_), memory_);
    Save();
    EXPECT_NE(ReadBytes(Target()), oldFile_);
}

INSTANTIATE_TEST_SUITE_P(EverySave, SaveFaultTest,
                         ::testing::Values(SaveKind::Tickets, SaveKind::History, SaveKind::Import), KindName);
