#include "app/DataFileWriter.h"

#include "lottery/LotteryError.h"

#include <QSaveFile>

namespace app {

// commit() puts the temporary file in place even when writing out its last
// buffered bytes fails (a full disk), so they are flushed, and checked,
// before it. A file left uncommitted is removed when it goes.
void WriteDataFile(const std::string& path, std::string_view bytes) {
    QSaveFile file(QString::fromStdString(path));
    const auto size = static_cast<qint64>(bytes.size());
    const bool written = file.open(QIODevice::WriteOnly) && file.write(bytes.data(), size) == size &&
                         file.flush() && file.commit();
    if (!written) throw lottery::LotteryError("Cannot create file " + path);
}

}  // namespace app
