#include "report/TCanvasReport.h"

#include "report/EReportEngine.h"

#include <algorithm>
#include <cmath>

namespace report {
namespace {

// To the nearest pixel, halves to the even neighbour (the default rounding
// mode), so that positions are predictable for a given resolution.
int RoundToPixel(double value) { return static_cast<int>(std::nearbyint(value)); }

// The pen that a new document starts with: solid black, one pixel.
constexpr int kDocumentPenWidth = 1;

}  // namespace

TCanvasReport::TCanvasReport(std::unique_ptr<ReportSurface> surface) : surface_(std::move(surface)) {
    ReadPageGeometry();
    font_.pixelHeight = FontPixelHeight(font_.size);
}

void TCanvasReport::ReadPageGeometry() {
    SetPageGeometry(surface_->Available() ? surface_->Geometry() : PageGeometry{});
}

ReportSurface& TCanvasReport::ReportCanvas() const {
    if (!surface_->DocumentOpen()) throw EReportEngine(kCanvasNotActive);
    return *surface_;
}

int TCanvasReport::FontPixelHeight(int size) const {
    return RoundToPixel(RoundToPixel(size * Geometry().DpiY / 72.0) * ScaleY / 100.0);
}

void TCanvasReport::SelectFont(const QString& name, int size, int style, QColor colour) {
    if (size <= 0) return;
    font_.name = name.left(255);
    font_.size = size;
    font_.pixelHeight = FontPixelHeight(size);
    font_.style = style;
    font_.colour = colour;
    SetFontLineHeight(size / 60.0);
}

void TCanvasReport::SetStyle(int style, bool on) {
    font_.style = on ? (font_.style | style) : (font_.style & ~style);
}

double TCanvasReport::ReadFontDescent() {
    return ReportCanvas().FontDescent(font_) / (Geometry().DpiY * ScaleY / 100);
}

int TCanvasReport::DeviceX(double x) const {
    return RoundToPixel((x * ScaleX / 100 - Geometry().OffsetLeft) * Geometry().DpiX);
}

int TCanvasReport::DeviceY(double y) const {
    return RoundToPixel((y * ScaleY / 100 - Geometry().OffsetTop) * Geometry().DpiY);
}

double TCanvasReport::InchesOfPixelsX(int pixels) const {
    return pixels / (Geometry().DpiX * ScaleX / 100);
}

int TCanvasReport::PixelsOfInchesX(double inches) const {
    return RoundToPixel(inches * Geometry().DpiX * ScaleX / 100);
}

std::optional<int> TCanvasReport::DrawTextAt(const QString& text, double x, TTabJustify align) {
    RequirePrinting();
    if (PageSkipped()) return std::nullopt;
    ReportSurface& canvas = ReportCanvas();
    if (!text.isEmpty())
        canvas.DrawText({DeviceX(x), DeviceY(BaselineInches())}, align, text, font_, TextBKMode == bkOpaque);
    return canvas.TextWidth(text, font_);
}

void TCanvasReport::TextCenterAt(const QString& text, double x) {
    if (const auto width = DrawTextAt(text, x, tjCenter)) SetCursorXInches(x + InchesOfPixelsX((*width + 1) / 2));
}

void TCanvasReport::TextLeftAt(const QString& text, double x) {
    if (const auto width = DrawTextAt(text, x, tjLeft)) SetCursorXInches(x + InchesOfPixelsX(*width));
}

void TCanvasReport::TextRightAt(const QString& text, double x) {
    if (DrawTextAt(text, x, tjRight)) SetCursorXInches(x);
}

void TCanvasReport::DrawTabCell(const TTabStop& stop, const CellOverrides& overrides) {
    ReportSurface& canvas = ReportCanvas();
    const double bandBottom = BaselineInches() + DescentInches();
    const int left = DeviceX(stop.Pos);
    const int right = DeviceX(stop.Pos + stop.Width);
    const int top = DeviceY(bandBottom - LineHeightInches());
    const int bottom = DeviceY(bandBottom);
    if (overrides.shade > 0) {
        const int grey = 255 - overrides.shade * 255 / 100;
        canvas.FillRect(QRect(QPoint(left - 1, top - 1), QPoint(right + 1, bottom + 1)), QColor(grey, grey, grey));
    }
    DrawCellEdge(overrides.lineLeft, stop.LineLeft, {left, bottom}, {left, top});
    DrawCellEdge(overrides.lineRight, stop.LineRight, {right, bottom}, {right, top});
    DrawCellEdge(overrides.lineTop, stop.LineTop, {left, top}, {right, top});
    DrawCellEdge(overrides.lineBottom, stop.LineBottom, {left, bottom}, {right, bottom});
}

// NoValue keeps the stop's own line with the document's pen, 0 draws none,
// a positive width is in pixels and a negative one in hundredths of an inch.
void TCanvasReport::DrawCellEdge(int lineOverride, bool stopHasLine, QPoint from, QPoint to) {
    int penWidth = 0;
    if (lineOverride == NoValue) penWidth = stopHasLine ? kDocumentPenWidth : 0;
    else if (lineOverride > 0) penWidth = lineOverride;
    else if (lineOverride < 0) penWidth = std::max(1, PixelsOfInchesX(-lineOverride / 100.0));
    if (penWidth > 0) ReportCanvas().DrawLine(from, to, penWidth);
}

}  // namespace report
