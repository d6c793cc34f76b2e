#include "app/DataFolderNotice.h"

#include "app/Platform.h"

#include <QDir>
#include <QFileInfo>

namespace app {
namespace {

bool AnyExists(const QString& first, const QString& second) {
    return QFileInfo::exists(first) || QFileInfo::exists(second);
}

}  // namespace

DataFolderNotice::DataFolderNotice(const DataFilePaths& paths)
    : paths_(paths),
      due_(AnyExists(paths.formerTicketFilePath, paths.formerHistoryFilePath) &&
           !AnyExists(paths.ticketFilePath, paths.historyFilePath)) {}

void DataFolderNotice::AfterSave(Platform& platform, QWidget* parent) {
    if (!due_ || !AnyExists(paths_.ticketFilePath, paths_.historyFilePath)) return;
    due_ = false;
    const QString folder = QDir::toNativeSeparators(QFileInfo(paths_.ticketFilePath).absolutePath());
    platform.ShowWarning(parent, QStringLiteral("Your tickets and results are now kept in %1.").arg(folder));
}

}  // namespace app
