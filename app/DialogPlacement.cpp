#include "app/DialogPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

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

namespace {

int Overlap(const QRect& a, const QRect& b) {
    const QRect common = a.intersected(b);
    return common.isEmpty() ? 0 : common.width() * common.height();
}

int Clamped(int start, int length, int areaStart, int areaLength) {
    return std::max(areaStart, std::min(start, areaStart + areaLength - length));
}

}  // namespace

QPoint KeptOnScreen(const QRect& window, const QList<QRect>& screens) {
    if (screens.isEmpty()) return window.topLeft();
    const QRect screen = *std::max_element(screens.begin(), screens.end(), [&](const QRect& a, const QRect& b) {
        return Overlap(window, a) < Overlap(window, b);
    });
    return {Clamped(window.left(), window.width(), screen.left(), screen.width()),
            Clamped(window.top(), window.height(), screen.top(), screen.height())};
}

void MoveToStoredPosition(QWidget& window, const QPoint& stored) {
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) screens << screen->availableGeometry();
    window.move(KeptOnScreen(QRect(stored, window.size()), screens));
}

}  // namespace app
