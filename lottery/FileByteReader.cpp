#include "lottery/FileByteReader.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace lottery {

FileByteReader::FileByteReader(const std::string& path) : in_(path, std::ios::binary) {
    std::error_code error;
    if (Opened() && std::filesystem::is_regular_file(path, error)) {
        const std::uintmax_t size = std::filesystem::file_size(path, error);
        if (!error) unreadInFile_ = static_cast<std::size_t>(size);
    }
    ShowBytes({}, unreadInFile_);
}

// The unread bytes move to the front of the window and the file fills the
// rest; a block larger than the window widens it.
bool FileByteReader::BringIntoView(std::size_t count) {
    if (!Opened() || !in_) return false;
    const std::string_view unread = Unread();
    const std::size_t kept = unread.size();
    if (kept > 0) std::memmove(window_.data(), unread.data(), kept);
    window_.resize(std::max({window_.size(), kWindowSize, count}));
    in_.read(window_.data() + kept, static_cast<std::streamsize>(window_.size() - kept));
    const auto got = static_cast<std::size_t>(in_.gcount());
    unreadInFile_ -= std::min(got, unreadInFile_);  // a file that grew meanwhile gives more than its size
    ShowBytes({window_.data(), kept + got}, unreadInFile_);
    return kept + got >= count;
}

}  // namespace lottery
