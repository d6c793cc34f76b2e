#include "lottery/WholeFile.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace lottery {

std::string ReadWholeFile(const std::string& path, bool& opened) {
    std::ifstream in(path, std::ios::binary);
    opened = in.is_open();
    if (!opened) return {};
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
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
