#pragma once

#include <string>
#include <string_view>

namespace app {

// Puts the bytes in place of the data file at the path. They go to a
// temporary file that is synced and then renamed over the file, so a save
// that fails at any point leaves the old file as it was. The file keeps its
// permissions, and a symbolic link stays a link whose target gets the
// bytes. A file that cannot be written, or a folder at the path, is refused.
// Throws lottery::LotteryError "Cannot create file <path>" when the file
// could not be written.
void WriteDataFile(const std::string& path, std::string_view bytes);

}  // namespace app
