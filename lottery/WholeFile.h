#pragma once

#include "lottery/RegularFile.h"

#include <string>

namespace lottery {

// A file read whole into memory, and what reading it found.
struct WholeFile {
    FileFound found = FileFound::Nothing;
    std::string bytes;  // the file's bytes when found is Contents
};

// Reads the regular file at the path with one read.
WholeFile ReadWholeFile(const std::string& path);

}  // namespace lottery
