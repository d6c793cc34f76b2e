#include "report/PdfSurface.h"

#include <QLocale>
#include <QPdfWriter>

namespace report {

PdfSurface::PdfSurface(const QString& fileName, const QPageSize& paper)
    : fileName_(fileName),
      layout_(paper, QPageLayout::Portrait,
              QMarginsF(kUnprintableStrip, kUnprintableStrip, kUnprintableStrip, kUnprintableStrip),
              QPageLayout::Inch) {}

PdfSurface::~PdfSurface() { CloseDocument(); }

QPageSize PdfSurface::LocalePaperSize() {
    const bool inches = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
    return QPageSize(inches ? QPageSize::Letter : QPageSize::A4);
}

PrinterNames PdfSurface::Names() const {
    return {QStringLiteral("PDF"), QStringLiteral("QPdfWriter"), fileName_};
}

void PdfSurface::SetOrientation(TOrientation orientation) {
    layout_.setOrientation(orientation == poLandScape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

QPagedPaintDevice* PdfSurface::OpenDevice(const QString& title) {
    writer_ = std::make_unique<QPdfWriter>(fileName_);
    writer_->setResolution(kResolution);
    writer_->setPageLayout(layout_);
    writer_->setTitle(title);
    return writer_.get();
}

void PdfSurface::CloseDevice() { writer_.reset(); }

}  // namespace report
