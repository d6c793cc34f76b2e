#pragma once

#include <QString>

namespace app {

// Where the ticket and history files live: beside the executable, named
// after it with the extensions ".TKT" and ".HST" (Check.exe keeps Check.TKT).
struct DataFilePaths {
    QString ticketFilePath;
    QString historyFilePath;
    // Where the files stood before they were kept per user: beside an
    // executable whose folder cannot be written. A file not yet saved per
    // user is read from there. Empty when the files are kept beside it.
    QString formerTicketFilePath{};
    QString formerHistoryFilePath{};

    static DataFilePaths ForExecutable(const QString& executablePath);
    // The same names in the per-user data folder when the executable's
    // folder cannot be written, as for an installed program.
    static DataFilePaths ForInstalledExecutable(const QString& executablePath);
    static DataFilePaths ForInstalledExecutable(const QString& executablePath, bool folderWritable,
                                                const QString& perUserFolder);
};

}  // namespace app
