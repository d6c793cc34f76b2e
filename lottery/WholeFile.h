#pragma once

#include <cstddef>
#include <limits>
#include <string>

namespace lottery {

// A file read whole into memory, and what reading it found.
struct WholeFile {
    enum class Found {
        Nothing,     // no file at the path
        Unreadable,  // something is there that cannot be read as a file
        Contents,    // the file's bytes
    };

    Found found = Found::Nothing;
    std::string bytes;
};

// Reads the file at the path with one read, at most largest bytes of it.
// Only a regular file is opened: a pipe, a device or a folder is taken as
// unreadable without opening it, since opening or reading one can wait for
// ever.
WholeFile ReadWholeFile(const std::string& path,
                        std::size_t largest = std::numeric_limits<std::size_t>::max());

}  // namespace lottery
