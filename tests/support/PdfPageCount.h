#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace testsupport {

// The page count a PDF file declares in its page tree, -1 when it cannot be
// read.
inline int PdfPageCount(const QString& fileName) {
    QFile pdf(fileName);
    if (!pdf.open(QIODevice::ReadOnly)) return -1;
    const QByteArray content = pdf.readAll();
    const qsizetype count = content.lastIndexOf("/Count ");
    return count < 0 ? 0 : content.mid(count + 7, 6).split('\n').first().trimmed().toInt();
}

}  // namespace testsupport
