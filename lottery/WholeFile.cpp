#include "lottery/WholeFile.h"

namespace lottery {

// A file that shrinks between its size and its read gives what it still
// holds; one that grows gives the size it had.
WholeFile ReadWholeFile(const std::string& path) {
    RegularFile file = OpenRegularFile(path);
    if (file.found != FileFound::Contents) return {file.found, {}};
    std::string bytes(static_cast<std::size_t>(file.size), '\0');
    file.stream.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (file.stream.bad()) return {FileFound::Unreadable, {}};
    bytes.resize(static_cast<std::size_t>(file.stream.gcount()));
    return {FileFound::Contents, std::move(bytes)};
}

}  // namespace lottery
