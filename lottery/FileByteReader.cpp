#include "lottery/FileByteReader.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <system_error>

#if defined(__unix__)
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace lottery {

FileByteReader::FileByteReader(const std::string& path) {
    if (MapWholeFile(path)) {
        ShowBytes({static_cast<const char*>(mapping_), mappedSize_}, 0);
        return;
    }
    in_.open(path, std::ios::binary);
    std::error_code error;
    if (Opened() && std::filesystem::is_regular_file(path, error)) {
        const std::uintmax_t size = std::filesystem::file_size(path, error);
        if (!error) unreadInFile_ = static_cast<std::size_t>(size);
    }
    ShowBytes({}, unreadInFile_);
}

FileByteReader::~FileByteReader() {
#if defined(__unix__)
    if (mapping_) munmap(mapping_, mappedSize_);
#endif
}

// The size is the mapped file's own, so no byte of the mapping lies past its
// end; opening without blocking leaves a pipe with no writer yet to the
// window reading. The mapping is private, and a save replaces the file
// rather than writing into it, so what is read stays the file as it was
// when opened.
bool FileByteReader::MapWholeFile(const std::string& path) {
#if defined(__unix__)
    const int descriptor = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (descriptor < 0) return false;
    struct stat status {};
    void* mapping = MAP_FAILED;
    if (fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode) && status.st_size > 0) {
        int flags = MAP_PRIVATE;
#if defined(MAP_POPULATE)
        flags |= MAP_POPULATE;  // one call maps every page, where touching them would fault on each
#endif
        mapping = mmap(nullptr, static_cast<std::size_t>(status.st_size), PROT_READ, flags, descriptor, 0);
    }
    close(descriptor);
    if (mapping == MAP_FAILED) return false;
    mapping_ = mapping;
    mappedSize_ = static_cast<std::size_t>(status.st_size);
    return true;
#else
    (void)path;
    return false;
#endif
}

// The unread bytes move to the front of the window and the file fills the
// rest; a block larger than the window widens it.
bool FileByteReader::BringIntoView(std::size_t count) {
    if (!in_.is_open() || !in_) return false;  // a mapped file opens no stream: it is in view whole
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
