#pragma once

#include <QString>

namespace app {

// Where the ticket and history files live: beside the executable, named
// after it with the extensions ".TKT" and ".HST" (Check.exe keeps Check.TKT).
struct DataFilePaths {
    QString ticketFilePath;
    QString historyFilePath;

    static DataFilePaths ForExecutable(const QString& executablePath);
    // The same names in the per-user data directory when the executable's
    // directory cannot be written, as for an installed program.
    static DataFilePaths ForInstalledExecutable(const QString& executablePath);
};

}  // namespace app
