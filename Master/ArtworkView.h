#pragma once

#include "Master/Artwork.h"

#include <QPixmap>
#include <QWidget>

namespace master {

// A picture filling the widget, drawn for the screen the widget shows on
// and drawn anew when the widget moves to a screen of another scaling.
class ArtworkView : public QWidget {
    Q_OBJECT
public:
    ArtworkView(Artwork::Picture picture, const QRect& geometry, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QPixmap& Shown();

    Artwork::Picture picture_;
    QPixmap shown_;
};

}  // namespace master
