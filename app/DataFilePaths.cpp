#include "app/DataFilePaths.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace app {
namespace {

// Everything from the file name's last "." is its extension; a name
// without one keeps its full name as the base.
QString BaseName(const QString& fileName) {
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? fileName : fileName.left(dot);
}

DataFilePaths InDirectory(const QString& directory, const QString& executablePath) {
    const QString base = QDir(directory).filePath(BaseName(QFileInfo(executablePath).fileName()));
    return {base + QStringLiteral(".TKT"), base + QStringLiteral(".HST")};
}

bool DirectoryWritable(const QString& directory) {
    QFileInfo info(directory);
    return info.isDir() && info.isWritable();
}

}  // namespace

DataFilePaths DataFilePaths::ForExecutable(const QString& executablePath) {
    return InDirectory(QFileInfo(executablePath).absolutePath(), executablePath);
}

DataFilePaths DataFilePaths::ForInstalledExecutable(const QString& executablePath) {
    const QString beside = QFileInfo(executablePath).absolutePath();
    const QString perUser = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return ForInstalledExecutable(executablePath, DirectoryWritable(beside), perUser);
}

DataFilePaths DataFilePaths::ForInstalledExecutable(const QString& executablePath, bool folderWritable,
                                                    const QString& perUserFolder) {
    const DataFilePaths beside = ForExecutable(executablePath);
    if (folderWritable) return beside;
    QDir().mkpath(perUserFolder);
    DataFilePaths perUser = InDirectory(perUserFolder, executablePath);
    perUser.formerTicketFilePath = beside.ticketFilePath;
    perUser.formerHistoryFilePath = beside.historyFilePath;
    return perUser;
}

}  // namespace app
