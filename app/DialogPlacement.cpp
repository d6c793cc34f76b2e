#include "app/DialogPlacement.h"

#include <QScreen>
#include <QWidget>

namespace app {

QPoint DialogPosition(const QRect& mainWindow, const QSize& dialog, const QSize& screen) {
    int left = mainWindow.left() + mainWindow.width() / 2 - dialog.width() / 2;
    int top = mainWindow.top() + mainWindow.height() / 2 - dialog.height() / 2;
    if (left < 0) left = 40;
    if (screen.width() < dialog.width() + left) left = screen.width() / 2 - dialog.width() / 2;
    if (top < 0) top = 60;
    if (screen.height() < top + dialog.height()) top = screen.height() / 2 - dialog.height() / 2;
    return {left, top};
}

void PlaceDialog(QWidget& dialog, const QWidget& mainWindow) {
    const QScreen* screen = mainWindow.screen();
    const QSize screenSize = screen ? screen->size() : QSize(1024, 768);
    dialog.move(DialogPosition(mainWindow.frameGeometry(), dialog.frameGeometry().size(), screenSize));
}

}  // namespace app
