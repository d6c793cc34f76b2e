#include "datepicker/SymbolButton.h"

#include <QPainter>
#include <QPainterPath>

namespace datepicker {

SymbolButton::SymbolButton(Symbol symbol, QWidget* parent)
    : QToolButton(parent), symbol_(symbol), symbolColor_(Qt::black) {
    setFocusPolicy(Qt::NoFocus);
}

void SymbolButton::SetSymbolColor(const QColor& color) {
    symbolColor_ = color;
    update();
}

void SymbolButton::paintEvent(QPaintEvent* event) {
    QToolButton::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // The symbol sits in a square of 12 units centred on the button, nudged
    // down and right while the button is pressed like a speed button's glyph.
    const qreal unit = qMin(width(), height()) / 21.0;
    const QPointF centre = QRectF(rect()).center() + (isDown() ? QPointF(1, 1) : QPointF());
    auto at = [&](qreal x, qreal y) { return centre + QPointF(x * unit, y * unit); };
    QPainterPath path;
    if (symbol_ == Tick) {
        path.moveTo(at(-6, 0));
        path.lineTo(at(-2, 5));
        path.lineTo(at(6, -5));
    } else {
        path.moveTo(at(-5, -5));
        path.lineTo(at(5, 5));
        path.moveTo(at(5, -5));
        path.lineTo(at(-5, 5));
    }
    painter.setPen(QPen(symbolColor_, 2.6 * unit, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
}

}  // namespace datepicker
