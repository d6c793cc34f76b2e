#include "Master/Artwork.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace master {
namespace {

// The colour a `part` (0..1) of the way from `from` to `to`.
QRgb Mixed(QRgb from, QRgb to, qreal part) {
    const auto channel = [part](int a, int b) { return a + qRound((b - a) * part); };
    return qRgb(channel(qRed(from), qRed(to)), channel(qGreen(from), qGreen(to)), channel(qBlue(from), qBlue(to)));
}

// A disc shaded from `light` at the highlight to `dark` at `reach` from it
// and beyond, as a radial gradient would shade it, with an antialiased edge.
// It is worked out pixel by pixel because the first gradient Qt fills
// starts a pool of threads, which cost start-up more than the whole logo;
// the pixels are the device's own, so that the disc is as sharp as the
// edges the painter draws around it.
void FillShadedDisc(QPainter& painter, QPointF centre, qreal radius, QPointF highlight, qreal reach,
                    const QColor& light, const QColor& dark) {
    const qreal ratio = painter.device()->devicePixelRatioF();
    centre *= ratio;
    radius *= ratio;
    highlight *= ratio;
    reach *= ratio;
    const QRect box = QRectF(centre - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius))
                          .toAlignedRect()
                          .adjusted(-1, -1, 1, 1);
    QImage disc(box.size(), QImage::Format_ARGB32_Premultiplied);
    const QRgb lightest = light.rgb();
    const QRgb darkest = dark.rgb();
    const qreal outside = (radius + 0.5) * (radius + 0.5);  // no pixel this far from the centre is touched
    for (int y = 0; y < box.height(); ++y) {
        auto* pixels = reinterpret_cast<QRgb*>(disc.scanLine(y));
        const qreal pixelY = box.top() + y + 0.5;
        for (int x = 0; x < box.width(); ++x) {
            const QPointF fromCentre(box.left() + x + 0.5 - centre.x(), pixelY - centre.y());
            const qreal squared = QPointF::dotProduct(fromCentre, fromCentre);
            if (squared >= outside) {
                pixels[x] = 0;
                continue;
            }
            const QPointF fromHighlight = fromCentre + centre - highlight;
            const qreal cover = std::min(1.0, radius + 0.5 - std::sqrt(squared));
            const qreal shade = std::min(1.0, std::sqrt(QPointF::dotProduct(fromHighlight, fromHighlight)) / reach);
            const QRgb colour = Mixed(lightest, darkest, shade);
            pixels[x] = qPremultiply(qRgba(qRed(colour), qGreen(colour), qBlue(colour), qRound(cover * 255)));
        }
    }
    disc.setDevicePixelRatio(ratio);
    painter.drawImage(QPointF(box.topLeft()) / ratio, disc);
}

// A shaded lottery ball with its number (none when 0).
void DrawBall(QPainter& painter, const QPointF& centre, qreal radius, const QColor& colour, int number) {
    // The rim is a disc behind the ball rather than a wide pen: stroking a
    // curve costs far more than filling one.
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour.darker(160));
    painter.drawEllipse(centre, radius + radius / 24, radius + radius / 24);
    FillShadedDisc(painter, centre, radius - radius / 24, centre - QPointF(radius / 3, radius / 3), radius * 1.3,
                   colour.lighter(170), colour.darker(130));
    if (number <= 0) return;
    painter.setBrush(Qt::white);
    painter.drawEllipse(centre, radius * 0.55, radius * 0.55);
    // At most the size of the main page's bold labels, whose font the main
    // logo then shares: a font of any other size or weight costs start-up
    // the loading of one more.
    QFont font = painter.font();
    font.setPixelSize(std::clamp(static_cast<int>(radius * 0.6), 6, 12));
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    painter.drawText(box, Qt::AlignCenter, QString::number(number));
}

void PaintLogo(QPainter& painter, const QSizeF& size) {
    const qreal radius = qMin(size.width() / 8.6, size.height() / 4.4);
    const std::array<QColor, 7> colours = {QColor(230, 60, 60), QColor(250, 200, 30), QColor(70, 150, 240),
                                           QColor(60, 190, 90), QColor(190, 90, 220), QColor(250, 140, 40),
                                           QColor(240, 240, 240)};
    const std::array<int, 7> numbers = {7, 12, 23, 31, 40, 45, 49};
    // Three balls above four, the last of them the bonus ball.
    for (int i = 0; i < 7; ++i) {
        const bool top = i < 3;
        const qreal x = size.width() * (top ? 0.25 + 0.25 * i : 0.125 + 0.25 * (i - 3));
        const qreal y = size.height() * (top ? 0.28 : 0.72);
        DrawBall(painter, QPointF(x, y), radius, colours[i], numbers[i]);
    }
}

void PaintTicketsIcon(QPainter& painter, qreal s) {
    for (int sheet = 1; sheet >= 0; --sheet) {
        const QRectF card(s * (0.12 + 0.12 * sheet), s * (0.18 - 0.1 * sheet), s * 0.62, s * 0.74);
        painter.setPen(QPen(QColor(150, 40, 40), s / 32));
        painter.setBrush(sheet ? QColor(255, 235, 200) : QColor(255, 250, 235));
        painter.drawRoundedRect(card, s / 16, s / 16);
    }
    painter.setPen(QPen(QColor(200, 40, 40), s / 24));
    for (int row = 0; row < 4; ++row) {
        const qreal y = s * (0.34 + 0.13 * row);
        painter.drawLine(QPointF(s * 0.22, y), QPointF(s * 0.62, y));
    }
}

void PaintHaveYouWonIcon(QPainter& painter, qreal s) {
    QPainterPath star;
    for (int point = 0; point < 10; ++point) {
        const qreal radius = point % 2 == 0 ? s * 0.46 : s * 0.2;
        const qreal angle = std::numbers::pi / 2 + point * std::numbers::pi / 5;
        const QPointF p(s / 2 + radius * std::cos(angle), s / 2 - radius * std::sin(angle));
        point == 0 ? star.moveTo(p) : star.lineTo(p);
    }
    star.closeSubpath();
    painter.setPen(QPen(QColor(170, 110, 0), s / 28));
    painter.setBrush(QColor(255, 200, 20));
    painter.drawPath(star);
}

void PaintHistoryIcon(QPainter& painter, qreal s) {
    const QRectF page(s * 0.14, s * 0.1, s * 0.72, s * 0.82);
    painter.setPen(QPen(QColor(40, 70, 140), s / 30));
    painter.setBrush(Qt::white);
    painter.drawRect(page);
    for (int row = 0; row < 4; ++row)
        for (int ball = 0; ball < 4; ++ball)
            DrawBall(painter, QPointF(s * (0.27 + 0.15 * ball), s * (0.25 + 0.18 * row)), s * 0.06,
                     row == 0 ? QColor(230, 60, 60) : QColor(70, 150, 240), 0);
}

// A solid triangle pointing up, or down, in the colour of a button's
// caption: black on light buttons, and light on a dark desktop theme's.
void PaintArrow(QPainter& painter, qreal side, bool up) {
    const qreal tip = up ? side * 0.25 : side * 0.75;
    const qreal base = up ? side * 0.75 : side * 0.25;
    const std::array<QPointF, 3> corners = {QPointF(side / 2, tip), QPointF(side * 0.15, base),
                                            QPointF(side * 0.85, base)};
    painter.setPen(Qt::NoPen);
    painter.setBrush(QGuiApplication::palette().color(QPalette::ButtonText));
    painter.drawPolygon(corners.data(), static_cast<int>(corners.size()));
}

}  // namespace

QPixmap Artwork::Draw(Picture picture, const QSize& size, qreal devicePixelRatio) {
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    // The icons are square: one that is asked for wider or taller keeps to
    // its top left corner.
    const qreal side = qMin(size.width(), size.height());
    switch (picture) {
    case Picture::Logo: PaintLogo(painter, size); break;
    case Picture::TicketsIcon: PaintTicketsIcon(painter, side); break;
    case Picture::HaveYouWonIcon: PaintHaveYouWonIcon(painter, side); break;
    case Picture::HistoryIcon: PaintHistoryIcon(painter, side); break;
    case Picture::ArrowUp: PaintArrow(painter, side, true); break;
    case Picture::ArrowDown: PaintArrow(painter, side, false); break;
    }
    return pixmap;
}

}  // namespace master
