#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace app {

// Where a dialog of the given size goes: centred on the main window, pulled
// back onto the screen when it would start off its left or top edge or run
// past its right or bottom edge.
QPoint DialogPosition(const QRect& mainWindow, const QSize& dialog, const QSize& screen);

// Moves the dialog there before it is shown modally.
void PlaceDialog(QWidget& dialog, const QWidget& mainWindow);

}  // namespace app
