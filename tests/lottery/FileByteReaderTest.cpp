#include "LotteryTestSupport.h"
#include "lottery/FileByteReader.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <thread>

using namespace lottery;
using namespace lottery::test;

namespace {

// Records of every size a ticket file holds, written past several windows,
// with one counted text of 65,000 bytes and a last value cut short.
std::string MixedRecords() {
    ByteWriter writer;
    for (int record = 0; record < 3000; ++record) {
        writer.WriteInt16(static_cast<int16_t>(record));
        writer.WriteCountedText(std::string(static_cast<std::size_t>(record % 300), static_cast<char>('a' + record % 26)));
        writer.WriteDouble(record + 0.5);
        for (int i = 0; i < 60; ++i) writer.WriteInt16(static_cast<int16_t>(record + i));
    }
    writer.WriteCountedText(std::string(65'000, 'w'));
    writer.WriteInt16(-7);
    std::string bytes = writer.Bytes();
    bytes.push_back('\x01');  // half of an int16
    return bytes;
}

// Reads the records above and everything after them, saying what it read
// and, where the reader can know it, how much was left after each record.
std::string ReadAll(ByteReader& reader, bool sayRemaining = true) {
    std::string seen;
    for (int record = 0; record < 3000; ++record) {
        seen += std::to_string(reader.ReadInt16()) + " ";
        seen += std::string(reader.ReadCountedText()) + " ";
        seen += std::to_string(reader.ReadDouble()) + " ";
        int16_t numbers[60];
        reader.ReadInt16s(numbers, 60);
        for (int16_t number : numbers) seen += std::to_string(number) + ",";
        seen += (sayRemaining ? std::to_string(reader.Remaining()) : std::string()) + "\n";
    }
    seen += std::to_string(reader.ReadCountedText().size()) + " ";
    for (int value = 0; value < 2; ++value) {
        seen += std::to_string(reader.ReadInt16());
        seen += reader.Exhausted() ? " exhausted" : " ";
    }
    return seen;
}

class FileByteReaderTest : public DataFileTest {};

}  // namespace

TEST_F(FileByteReaderTest, ReadsAFileAsIfItWereAllInMemory) {
    const std::string bytes = MixedRecords();
    WriteBytes(TicketPath(), bytes);
    ByteReader inMemory(bytes);
    FileByteReader fromFile(TicketPath().string());
    ASSERT_TRUE(fromFile.Opened());
    EXPECT_EQ(fromFile.Remaining(), bytes.size());
    const std::string expected = ReadAll(inMemory);
    EXPECT_EQ(ReadAll(fromFile), expected);
    EXPECT_EQ(expected.substr(expected.rfind('\n') + 1), "65000 -7 0 exhausted");  // the cut value exhausts both
}

// A pipe cannot be mapped: it is read a window at a time, records that
// straddle two windows and a block wider than a window included.
TEST_F(FileByteReaderTest, ReadsAPipeWindowByWindowAsIfItWereAllInMemory) {
    const std::string bytes = MixedRecords();
    const std::filesystem::path pipe = dir_ / "tickets.pipe";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    std::thread writer([&] {
        std::ofstream out(pipe, std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    });
    FileByteReader fromPipe(pipe.string());
    const std::string seen = ReadAll(fromPipe, false);
    writer.join();
    ByteReader inMemory(bytes);
    EXPECT_EQ(seen, ReadAll(inMemory, false));
    EXPECT_TRUE(fromPipe.Exhausted());
}

TEST_F(FileByteReaderTest, AMissingFileReadsAsNothing) {
    FileByteReader reader((dir_ / "missing.TKT").string());
    EXPECT_FALSE(reader.Opened());
    EXPECT_EQ(reader.Remaining(), 0u);
    EXPECT_EQ(reader.ReadUInt16(), 0);
    EXPECT_TRUE(reader.Exhausted());
}
