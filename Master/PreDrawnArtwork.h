#pragma once

#include "Master/Artwork.h"

#include <QImage>
#include <QPixmap>

namespace master {

// The main page's pictures as the build drew them, stored in the program:
// drawing them at every start cost start-up more than half a millisecond.
// A picture the program does not hold is drawn instead.
class PreDrawnArtwork {
public:
    static QPixmap Get(Artwork::Picture picture);
    // The picture as stored, or a null image when the program holds none.
    static QImage Stored(Artwork::Picture picture);
};

}  // namespace master
