#include "app/SingleCopyLock.h"

#include "app/Platform.h"

#include <QDir>

namespace app {

SingleCopyLock::SingleCopyLock(const QString& ticketFilePath)
    : ticketFilePath_(ticketFilePath), lock_(ticketFilePath + QStringLiteral(".lock")) {
    // A copy may run for days: only a lock whose process is gone is stale,
    // never one that is merely old.
    lock_.setStaleLockTime(0);
}

bool SingleCopyLock::Claim(Platform& platform) {
    if (lock_.tryLock(0) || lock_.error() != QLockFile::LockFailedError) return true;
    platform.ShowError(nullptr, QStringLiteral("Tallimo is already running with these files:\r\n%1\r\n\r\n"
                                               "Close the other copy first.")
                                    .arg(QDir::toNativeSeparators(ticketFilePath_)));
    return false;
}

}  // namespace app
