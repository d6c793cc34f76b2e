#pragma once

#include <QList>
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

// A stored window position, moved as little as needed for the whole window
// to lie on the screen it overlaps most (the first when it overlaps none),
// so that a position saved on a screen since removed, or edited by hand,
// never leaves the window out of reach.
QPoint KeptOnScreen(const QRect& window, const QList<QRect>& screens);

// Moves a window to its stored position, kept on the desktop's screens.
void MoveToStoredPosition(QWidget& window, const QPoint& stored);

}  // namespace app
