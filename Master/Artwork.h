#pragma once

#include <QPixmap>

namespace master {

// The program's own pictures, drawn by its own code rather than shipped as
// bitmaps, at the size they show at and for the screen they show on, so
// that they stay as sharp as the text beside them at any scaling.
class Artwork {
public:
    enum class Picture { Logo, TicketsIcon, HaveYouWonIcon, HistoryIcon, ArrowUp, ArrowDown };

    // `size` is in the screen's logical pixels; the pixmap holds `size` times
    // `devicePixelRatio` device pixels and says so.
    static QPixmap Draw(Picture picture, const QSize& size, qreal devicePixelRatio);
};

}  // namespace master
