#pragma once

#include "lottery/ByteStream.h"
#include "lottery/LargeBlockAllocator.h"

#include <fstream>
#include <string>
#include <vector>

namespace lottery {

// Reads a file a window at a time. Loading the largest ticket file through a
// buffer of its whole size cost start-up megabytes of fresh memory that were
// written once and thrown away; a window keeps only what is being read.
class FileByteReader : public ByteReader {
public:
    explicit FileByteReader(const std::string& path);

    bool Opened() const { return in_.is_open(); }

protected:
    bool BringIntoView(std::size_t count) override;

private:
    // Large enough to be offered a huge page: one fault readies it, where a
    // window in small pages costs a fault for every 4 KB.
    static constexpr std::size_t kWindowSize = 512 * 1024;

    std::ifstream in_;
    std::vector<char, LargeBlockAllocator<char>> window_;
    std::size_t unreadInFile_ = 0;
};

}  // namespace lottery
