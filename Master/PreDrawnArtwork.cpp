#include "Master/PreDrawnArtwork.h"

#include <QResource>

namespace master {

QPixmap PreDrawnArtwork::Get(Artwork::Picture picture) {
    const QImage stored = Stored(picture);
    return stored.isNull() ? Artwork::Draw(picture) : QPixmap::fromImage(stored);
}

// Stored uncompressed, as premultiplied ARGB32 rows, so the image is the
// program's own bytes: nothing is decoded to show it.
QImage PreDrawnArtwork::Stored(Artwork::Picture picture) {
    const QResource resource(QStringLiteral(":/artwork/") + Artwork::Name(picture));
    const QSize size = Artwork::Size(picture);
    const qint64 bytes = qint64(size.width()) * size.height() * 4;
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression ||
        resource.size() != bytes)
        return {};
    return QImage(resource.data(), size.width(), size.height(), QImage::Format_ARGB32_Premultiplied);
}

}  // namespace master
