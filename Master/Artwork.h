#pragma once

#include <QPixmap>
#include <QString>

#include <array>

namespace master {

// The program's own pictures, drawn by its own code rather than shipped as
// bitmaps. Those the main page shows at every start are drawn when the
// program is built and stored in it (see PreDrawnArtwork); the rest are
// drawn when wanted, at the size wanted.
class Artwork {
public:
    enum class Picture { Logo, TicketsIcon, HaveYouWonIcon, HistoryIcon };
    static constexpr std::array<Picture, 4> kPreDrawn = {Picture::Logo, Picture::TicketsIcon,
                                                         Picture::HaveYouWonIcon, Picture::HistoryIcon};
    // The name the picture is stored under, and the size the main page shows.
    static QString Name(Picture picture);
    static QSize Size(Picture picture);
    static QPixmap Draw(Picture picture);

    static QPixmap Logo(const QSize& size);
    static QPixmap TicketsIcon(int size);
    static QPixmap HaveYouWonIcon(int size);
    static QPixmap HistoryIcon(int size);
    // A solid triangle pointing up, or down.
    static QPixmap ArrowIcon(int size, bool up);
};

}  // namespace master
