#include "Master/ArtworkIconEngine.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace master {

QIcon ArtworkIconEngine::Icon(Artwork::Picture picture) {
    return QIcon(new ArtworkIconEngine(picture));
}

void ArtworkIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) {
    const qreal scale = painter->device()->devicePixelRatioF();
    painter->drawPixmap(rect, scaledPixmap(rect.size() * scale, mode, state, scale));
}

QPixmap ArtworkIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    return scaledPixmap(size, mode, state, 1.0);
}

// A disabled or selected icon is shaded as the style shades any other.
QPixmap ArtworkIconEngine::scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State, qreal scale) {
    const QPixmap drawn = Artwork::Draw(picture_, (QSizeF(size) / scale).toSize(), scale);
    if (mode == QIcon::Normal) return drawn;
    QStyleOption option;
    option.palette = QApplication::palette();
    return QApplication::style()->generatedIconPixmap(mode, drawn, &option);
}

QIconEngine* ArtworkIconEngine::clone() const {
    return new ArtworkIconEngine(picture_);
}

}  // namespace master
