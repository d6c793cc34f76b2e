#pragma once

#include "lottery/LotteryError.h"

#include <string>
#include <string_view>

namespace lottery {

// Whole-file reads and writes. A write goes to a temporary file beside the
// target and is renamed over it only once every byte is out, so a failed or
// interrupted save leaves the old file exactly as it was.
std::string ReadWholeFile(const std::string& path, bool& opened);
void WriteWholeFile(const std::string& path, std::string_view bytes);

}  // namespace lottery
