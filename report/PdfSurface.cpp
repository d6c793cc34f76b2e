#include "report/PdfSurface.h"

#include <QLocale>
#include <QPdfWriter>
#include <QSaveFile>

namespace report {

PdfSurface::PdfSurface(const QString& fileName, const QPageSize& paper)
    : fileName_(fileName),
      layout_(paper, QPageLayout::Portrait,
              QMarginsF(kUnprintableStrip, kUnprintableStrip, kUnprintableStrip, kUnprintableStrip),
              QPageLayout::Inch) {}

PdfSurface::~PdfSurface() {
    if (file_) file_->cancelWriting();
    CloseDocument();
}

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

void PdfSurface::AbortDocument() {
    if (file_) file_->cancelWriting();
    CloseDocument();
}

QString PdfSurface::DocumentFailure() const { return QStringLiteral("Cannot create file ") + fileName_; }

QPagedPaintDevice* PdfSurface::OpenDevice(const QString& title) {
    file_ = std::make_unique<QSaveFile>(fileName_);
    if (!file_->open(QIODevice::WriteOnly)) {
        file_.reset();
        return nullptr;
    }
    writer_ = std::make_unique<QPdfWriter>(file_.get());
    writer_->setResolution(kResolution);
    writer_->setPageLayout(layout_);
    writer_->setTitle(title);
    return writer_.get();
}

// A write that failed on the way, a full disk for one, makes the commit
// fail, and the file is not replaced.
bool PdfSurface::CloseDevice() {
    writer_.reset();
    if (!file_) return true;
    const bool written = file_->commit();
    file_.reset();
    return written;
}

}  // namespace report
