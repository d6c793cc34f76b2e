#include "Master/RowColours.h"

#include <QPalette>

#include <cmath>

namespace master {
namespace {

constexpr double kLeastContrast = 4.5;

double Linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& colour) {
    return 0.2126 * Linear(colour.redF()) + 0.7152 * Linear(colour.greenF()) + 0.0722 * Linear(colour.blueF());
}

QColor Mixed(const QColor& colour, const QColor& toward, double share) {
    return QColor::fromRgbF(static_cast<float>(colour.redF() + (toward.redF() - colour.redF()) * share),
                            static_cast<float>(colour.greenF() + (toward.greenF() - colour.greenF()) * share),
                            static_cast<float>(colour.blueF() + (toward.blueF() - colour.blueF()) * share));
}

}  // namespace

// A plain row on the light list background the program was made for keeps
// its black text and its own colours; on a dark one (a dark desktop theme)
// the text is the theme's and the program's colours are made readable.
RowColours::RowColours(const QPalette& palette, bool selected) : adjusted_(selected) {
    if (!selected) {
        background_ = palette.color(QPalette::Base);
        adjusted_ = IsDark(background_);
        text_ = adjusted_ ? Readable(palette.color(QPalette::Text), background_) : QColor(Qt::black);
        return;
    }
    background_ = Mixed(palette.color(QPalette::Highlight), palette.color(QPalette::Base), 0.65);
    text_ = Readable(palette.color(QPalette::Text), background_);
}

QColor RowColours::Shown(const QColor& colour) const {
    return adjusted_ ? Readable(colour, background_) : colour;
}

bool RowColours::IsDark(const QColor& background) {
    return Luminance(background) <= 0.18;
}

// Moved toward black on a light background and toward white on a dark one,
// in small steps, so that the colour keeps as much of its own as it can.
QColor RowColours::Readable(const QColor& colour, const QColor& background) {
    const QColor toward = IsDark(background) ? QColor(Qt::white) : QColor(Qt::black);
    for (int step = 0; step <= 20; ++step) {
        const QColor candidate = Mixed(colour, toward, step / 20.0);
        if (Contrast(candidate, background) >= kLeastContrast) return candidate;
    }
    return toward;
}

double RowColours::Contrast(const QColor& a, const QColor& b) {
    const double lighter = std::max(Luminance(a), Luminance(b));
    const double darker = std::min(Luminance(a), Luminance(b));
    return (lighter + 0.05) / (darker + 0.05);
}

}  // namespace master
