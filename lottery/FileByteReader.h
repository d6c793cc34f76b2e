#pragma once

#include "lottery/ByteStream.h"
#include "lottery/LargeBlockAllocator.h"

#include <fstream>
#include <string>
#include <vector>

namespace lottery {

// Reads a file through a read-only mapping of the whole of it: loading the
// largest ticket file then copies nothing and asks for no fresh memory, which
// made up most of the time it took. A file the system cannot map (a pipe, a
// file that gives no size) is read a window at a time instead: a buffer of
// its whole size would cost megabytes of fresh memory written once and
// thrown away.
class FileByteReader : public ByteReader {
public:
    explicit FileByteReader(const std::string& path);
    ~FileByteReader() override;

    bool Opened() const { return mapping_ || in_.is_open(); }

protected:
    bool BringIntoView(std::size_t count) override;

private:
    // Large enough to be offered a huge page: one fault readies it, where a
    // window in small pages costs a fault for every 4 KB.
    static constexpr std::size_t kWindowSize = 512 * 1024;

    bool MapWholeFile(const std::string& path);

    std::ifstream in_;
    std::vector<char, LargeBlockAllocator<char>> window_;
    std::size_t unreadInFile_ = 0;
    void* mapping_ = nullptr;
    std::size_t mappedSize_ = 0;
};

}  // namespace lottery
