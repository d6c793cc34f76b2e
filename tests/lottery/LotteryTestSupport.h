#pragma once

#include "app/DataFileWriter.h"
#include "lottery/LotteryState.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

namespace lottery::test {

// Bytes from hexadecimal pairs, each followed by one blank: "01 00 ".
inline std::string Hex(const std::string& text) {
    std::string bytes;
    for (std::size_t i = 0; i + 1 < text.size(); i += 3)
        bytes.push_back(static_cast<char>(std::stoi(text.substr(i, 2), nullptr, 16)));
    return bytes;
}

inline TLine::BoardArray BoardsOf(std::initializer_list<TLine::Board> used) {
    TLine::BoardArray boards{};
    std::copy(used.begin(), used.end(), boards.begin());
    return boards;
}

// A test of its own directory holding T.TKT and T.HST, and a lottery state
// over them whose today is Tuesday 8 December 2026 unless the test says else.
// It saves as the program does.
class DataFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = std::filesystem::temp_directory_path() /
               ("tallimo-" + std::string(test->test_suite_name()) + "-" + test->name() + "-" +
                std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::filesystem::path TicketPath() const { return dir_ / "T.TKT"; }
    std::filesystem::path HistoryPath() const { return dir_ / "T.HST"; }

    LotteryState State(DayNumber today = DayFromCivil({2026, 12, 8})) const {
        return LotteryState(TicketPath().string(), HistoryPath().string(), [today] { return today; },
                            app::WriteDataFile);
    }
    static void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::string ReadBytes(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    // Runs the action in a child process and gives its wait status.
    static int InChild(const std::function<void()>& action) {
        const pid_t child = fork();
        if (child == 0) {
            action();
            _exit(0);
        }
        int status = 0;
        waitpid(child, &status, 0);
        return status;
    }

    // Runs the checks as a user without root's rights, who may read and
    // write only what the permissions allow: root, as in a container, runs
    // them as nobody in a child process.
    static void CheckAsOrdinaryUser(const std::function<void()>& checks) {
        if (geteuid() != 0) {
            checks();
            return;
        }
        const int status = InChild([&] {
            if (setgid(65534) != 0 || setuid(65534) != 0) _exit(2);
            checks();
            _exit(::testing::Test::HasFailure() ? 1 : 0);
        });
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the child's checks failed: " << status;
    }

    std::filesystem::path dir_;
};

}  // namespace lottery::test
