#include "report/RecordingSurface.h"

#include <algorithm>
#include <utility>

namespace report {

PageGeometry RecordingSurface::LaserLetter() {
    PageGeometry letter;
    letter.DpiX = 600;
    letter.DpiY = 600;
    letter.OffsetLeft = letter.OffsetRight = letter.OffsetTop = letter.OffsetBottom = 0.25;
    return letter;
}

RecordingSurface::RecordingSurface(const PageGeometry& geometry) : geometry_(geometry) {}

std::vector<RecordingSurface::Call> RecordingSurface::CallsOf(Kind kind) const {
    std::vector<Call> matching;
    std::copy_if(calls_.begin(), calls_.end(), std::back_inserter(matching),
                 [kind](const Call& call) { return call.kind == kind; });
    return matching;
}

PrinterNames RecordingSurface::Names() const {
    return {QStringLiteral("Recorder"), QStringLiteral("RecordingSurface"), QStringLiteral("LPT1:")};
}

void RecordingSurface::SetCopies(int copies) {
    Call call(Kind::Copies);
    call.value = copies;
    Log(call);
}

void RecordingSurface::SetOrientation(TOrientation orientation) {
    Call call(Kind::Orientation);
    call.value = orientation;
    Log(call);
    const bool landscape = orientation == poLandScape;
    if (landscape == landscape_) return;
    landscape_ = landscape;
    std::swap(geometry_.PaperWidth, geometry_.PaperHeight);
    std::swap(geometry_.OffsetLeft, geometry_.OffsetTop);
    std::swap(geometry_.OffsetRight, geometry_.OffsetBottom);
}

bool RecordingSurface::BeginDocument(const QString& title) {
    if (beginFails) return false;
    Call call(Kind::Begin);
    call.text = title;
    Log(call);
    open_ = true;
    return true;
}

bool RecordingSurface::EndDocument() {
    Log(Call(Kind::End));
    open_ = false;
    return true;
}

void RecordingSurface::AbortDocument() {
    Log(Call(Kind::Abort));
    open_ = false;
}

int RecordingSurface::TextWidth(const QString& text, const ReportFont& font) const {
    return static_cast<int>(text.size()) * CharWidth(font.pixelHeight);
}

void RecordingSurface::DrawText(QPoint anchor, TTabJustify align, const QString& text, const ReportFont& font,
                                bool opaque) {
    Call call(Kind::Text);
    call.text = text;
    call.align = align;
    call.from = anchor;
    call.font = font;
    call.opaque = opaque;
    Log(call);
}

void RecordingSurface::FillRect(const QRect& rect, QColor colour) {
    Call call(Kind::Fill);
    call.rect = rect;
    call.colour = colour;
    Log(call);
}

void RecordingSurface::DrawLine(QPoint from, QPoint to, int penWidth) {
    Call call(Kind::Line);
    call.from = from;
    call.to = to;
    call.value = penWidth;
    Log(call);
}

}  // namespace report
