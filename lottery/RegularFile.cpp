#include "lottery/RegularFile.h"

#include <filesystem>
#include <system_error>

namespace lottery {

RegularFile OpenRegularFile(const std::string& path) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    RegularFile file;
    if (status.type() == std::filesystem::file_type::not_found) return file;
    file.found = FileFound::Unreadable;
    if (!std::filesystem::is_regular_file(status)) return file;
    file.stream.open(path, std::ios::binary);
    file.size = std::filesystem::file_size(path, error);
    if (file.stream.is_open() && !error) file.found = FileFound::Contents;
    return file;
}

}  // namespace lottery
