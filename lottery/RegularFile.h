#pragma once

#include <cstdint>
#include <fstream>
#include <string>

namespace lottery {

// What was at a path when it was opened for reading.
enum class FileFound {
    Nothing,     // no file at the path
    Unreadable,  // something is there that cannot be read as a file
    Contents,    // a file, opened
};

struct RegularFile {
    FileFound found = FileFound::Nothing;
    std::ifstream stream;  // open only when found is Contents
    std::uintmax_t size = 0;
};

// Opens the file at the path for reading. Only a regular file is opened: a
// pipe, a device or a folder is taken as unreadable without opening it,
// since opening or reading one can wait for ever.
RegularFile OpenRegularFile(const std::string& path);

}  // namespace lottery
