#include "bench/LargeDataFiles.h"

#include <iostream>

// Writes the benchmark's largest data files into the given directory (by
// default one under the system's temporary directory).
int main(int argc, char** argv) {
    const std::filesystem::path directory =
        argc > 1 ? std::filesystem::path(argv[1])
                 : std::filesystem::temp_directory_path() / "tallimo-large-files";
    const bench::LargeDataFiles files(directory);
    files.Generate();
    for (const auto& file :
         {files.TicketFile(), files.FullHistoryFile(), files.FillingHistoryFile(), files.ImportFile()})
        std::cout << file.string() << "  " << std::filesystem::file_size(file) << " bytes\n";
    return 0;
}
