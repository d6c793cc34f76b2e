#include "Master/ArtworkView.h"

#include <QPainter>

namespace master {

ArtworkView::ArtworkView(Artwork::Picture picture, const QRect& geometry, QWidget* parent)
    : QWidget(parent), picture_(picture) {
    setGeometry(geometry);
}

const QPixmap& ArtworkView::Shown() {
    const qreal ratio = devicePixelRatioF();
    if (shown_.isNull() || shown_.devicePixelRatio() != ratio || shown_.deviceIndependentSize() != QSizeF(size()))
        shown_ = Artwork::Draw(picture_, size(), ratio);
    return shown_;
}

void ArtworkView::paintEvent(QPaintEvent*) {
    QPainter(this).drawPixmap(0, 0, Shown());
}

}  // namespace master
