#pragma once

#include <QPixmap>

namespace master {

// The program's own pictures, drawn rather than shipped as bitmaps so that
// they stay sharp at any size.
class Artwork {
public:
    static QPixmap Logo(const QSize& size);
    static QPixmap TicketsIcon(int size);
    static QPixmap HaveYouWonIcon(int size);
    static QPixmap HistoryIcon(int size);
    // A solid triangle pointing up, or down.
    static QPixmap ArrowIcon(int size, bool up);
};

}  // namespace master
