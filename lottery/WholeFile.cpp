#include "lottery/WholeFile.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace lottery {

// One read of the size the file system gives for a regular file, then
// whatever a file that grew meanwhile (or had no size to give) still holds.
std::string ReadWholeFile(const std::string& path, bool& opened) {
    std::ifstream in(path, std::ios::binary);
    opened = in.is_open();
    if (!opened) return {};
    std::error_code error;
    const bool regular = std::filesystem::is_regular_file(path, error);
    const std::uintmax_t size = regular ? std::filesystem::file_size(path, error) : 0;
    std::string bytes(error ? 0 : static_cast<std::size_t>(size), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (in) bytes.append(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return bytes;
}

void WriteWholeFile(const std::string& path, std::string_view bytes) {
    const std::string temporary = path + ".saving";
    bool written = false;
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (out.is_open()) {
            out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
            out.close();
            written = !out.fail();
        }
    }
    std::error_code error;
    if (written) std::filesystem::rename(temporary, path, error);
    if (!written || error) {
        std::filesystem::remove(temporary, error);
        throw LotteryError("Cannot create file " + path);
    }
}

}  // namespace lottery
