#include "report/PainterSurface.h"

#include <QFontMetrics>
#include <QHash>
#include <QPagedPaintDevice>

namespace report {

QString PainterSurface::FamilyFor(const QString& faceName) {
    static const QHash<QString, QString> kStandIns = {
        {QStringLiteral("arial"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("ms sans serif"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("times new roman"), QStringLiteral("Liberation Serif")},
        {QStringLiteral("courier"), QStringLiteral("Liberation Mono")},
        {QStringLiteral("courier new"), QStringLiteral("Liberation Mono")},
    };
    return kStandIns.value(faceName.toLower(), faceName);
}

QFont PainterSurface::QtFont(const ReportFont& font) {
    QFont qtFont(FamilyFor(font.name));
    qtFont.setPixelSize(std::max(1, font.pixelHeight));
    qtFont.setBold((font.style & fsBold) != 0);
    qtFont.setItalic((font.style & fsItalic) != 0);
    qtFont.setUnderline((font.style & fsUnderline) != 0);
    qtFont.setStrikeOut((font.style & fsStrikeOut) != 0);
    // Printer metrics are the font's design metrics, not the screen's.
    qtFont.setHintingPreference(QFont::PreferNoHinting);
    return qtFont;
}

PageGeometry PainterSurface::Geometry() const {
    const int dpi = Resolution();
    const QPageLayout layout = Layout();
    const QRect paper = layout.fullRectPixels(dpi);
    const QRect printable = layout.paintRectPixels(dpi);
    PageGeometry geometry;
    geometry.DpiX = dpi;
    geometry.DpiY = dpi;
    geometry.OffsetLeft = double(printable.left() - paper.left()) / dpi;
    geometry.OffsetTop = double(printable.top() - paper.top()) / dpi;
    geometry.OffsetRight = double(paper.width() - printable.width()) / dpi - geometry.OffsetLeft;
    geometry.OffsetBottom = double(paper.height() - printable.height()) / dpi - geometry.OffsetTop;
    geometry.PaperWidth = double(printable.width()) / dpi + geometry.OffsetLeft + geometry.OffsetRight;
    geometry.PaperHeight = double(printable.height()) / dpi + geometry.OffsetTop + geometry.OffsetBottom;
    return geometry;
}

bool PainterSurface::BeginDocument(const QString& title) {
    if (painter_.isActive()) {
        // A document kept open from the previous job.
        device_->newPage();
        jobOpen_ = true;
        return true;
    }
    device_ = OpenDevice(title);
    jobOpen_ = device_ && painter_.begin(device_);
    if (!jobOpen_) CloseDocument();
    return jobOpen_;
}

void PainterSurface::NewSheet() { device_->newPage(); }

bool PainterSurface::EndDocument() {
    jobOpen_ = false;
    return keepOpen_ || CloseDocument();
}

bool PainterSurface::EndKeptDocument() {
    keepOpen_ = false;
    return jobOpen_ || CloseDocument();
}

bool PainterSurface::CloseDocument() {
    const bool painted = !painter_.isActive() || painter_.end();
    jobOpen_ = false;
    device_ = nullptr;
    const bool closed = CloseDevice();
    return painted && closed;
}

int PainterSurface::TextWidth(const QString& text, const ReportFont& font) const {
    return QFontMetrics(QtFont(font), device_).horizontalAdvance(text);
}

int PainterSurface::FontDescent(const ReportFont& font) const {
    return QFontMetrics(QtFont(font), device_).descent();
}

void PainterSurface::DrawText(QPoint anchor, TTabJustify align, const QString& text, const ReportFont& font,
                              bool opaque) {
    const int width = TextWidth(text, font);
    int left = anchor.x();
    if (align == tjCenter) left -= width / 2;
    else if (align == tjRight) left -= width;
    painter_.save();
    painter_.setFont(QtFont(font));
    painter_.setPen(font.colour);
    painter_.setBackgroundMode(opaque ? Qt::OpaqueMode : Qt::TransparentMode);
    painter_.setBackground(Qt::white);
    painter_.drawText(QPoint(left, anchor.y()), text);
    painter_.restore();
}

void PainterSurface::FillRect(const QRect& rect, QColor colour) { painter_.fillRect(rect, colour); }

void PainterSurface::DrawLine(QPoint from, QPoint to, int penWidth) {
    painter_.save();
    painter_.setPen(QPen(Qt::black, penWidth, Qt::SolidLine, Qt::FlatCap));
    painter_.drawLine(from, to);
    painter_.restore();
}

}  // namespace report
