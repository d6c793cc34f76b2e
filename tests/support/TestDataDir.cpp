#include "TestDataDir.h"

#include <QFile>

namespace testsupport {

TestDataDir::TestDataDir() = default;

app::DataFilePaths TestDataDir::Paths() const {
    return {dir_.filePath(QStringLiteral("Tallimo.TKT")), dir_.filePath(QStringLiteral("Tallimo.HST"))};
}

void TestDataDir::WriteTickets(const QByteArray& bytes) const {
    QFile file(Paths().ticketFilePath);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
}

QByteArray TestDataDir::ReadTickets() const {
    QFile file(Paths().ticketFilePath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool TestDataDir::TicketsExist() const {
    return QFile::exists(Paths().ticketFilePath);
}

}  // namespace testsupport
