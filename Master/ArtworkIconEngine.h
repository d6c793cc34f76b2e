#pragma once

#include "Master/Artwork.h"

#include <QIcon>
#include <QIconEngine>

namespace master {

// An icon that draws its picture each time it is wanted, at the size and
// for the screen it is wanted for, so that it is as sharp on a scaled
// screen as the caption beside it.
class ArtworkIconEngine : public QIconEngine {
public:
    explicit ArtworkIconEngine(Artwork::Picture picture) : picture_(picture) {}
    static QIcon Icon(Artwork::Picture picture);

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    // `size` is in device pixels, `scale` the screen's device pixel ratio.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override;
    QIconEngine* clone() const override;

private:
    Artwork::Picture picture_;
};

}  // namespace master
