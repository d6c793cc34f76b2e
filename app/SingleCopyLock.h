#pragma once

#include <QLockFile>
#include <QString>

namespace app {

class Platform;

// Keeps a second copy of the program off the data files that one copy has
// open: each copy saves at close what it loaded at start-up, so the copy
// closed last would silently undo the other's saves. The claim is a lock
// file beside the ticket file, held until this object goes; a lock left by
// a copy that crashed is taken over, as its process is gone.
class SingleCopyLock {
public:
    explicit SingleCopyLock(const QString& ticketFilePath);

    // False, after telling the user, when another copy holds the files. A
    // lock file that cannot be made at all stops nothing: the saves report
    // a folder that cannot be written.
    bool Claim(Platform& platform);

private:
    QString ticketFilePath_;
    QLockFile lock_;
};

}  // namespace app
