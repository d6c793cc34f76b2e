#include "lottery/WholeFile.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace lottery {

// A file that shrinks between its size and its read gives what it still
// holds; one that grows gives the size it had.
WholeFile ReadWholeFile(const std::string& path, std::size_t largest) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (status.type() == std::filesystem::file_type::not_found) return {};
    if (!std::filesystem::is_regular_file(status)) return {WholeFile::Found::Unreadable, {}};
    std::ifstream in(path, std::ios::binary);
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (!in.is_open() || error) return {WholeFile::Found::Unreadable, {}};
    std::string bytes(static_cast<std::size_t>(std::min<std::uintmax_t>(size, largest)), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) return {WholeFile::Found::Unreadable, {}};
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return {WholeFile::Found::Contents, std::move(bytes)};
}

}  // namespace lottery
