#include "report/PrinterSurface.h"

#include <QPrinterInfo>

namespace report {

PrinterSurface::PrinterSurface(PrinterQuery anyPrinterInstalled)
    : anyPrinterInstalled_(std::move(anyPrinterInstalled)) {}

bool PrinterSurface::AnyPrinterInstalled() { return !QPrinterInfo::availablePrinterNames().isEmpty(); }

PrinterNames PrinterSurface::Names() const {
    const QPrinterInfo info(printer_);
    return {printer_.printerName(), info.makeAndModel(), info.location()};
}

void PrinterSurface::SetOrientation(TOrientation orientation) {
    printer_.setPageOrientation(orientation == poLandScape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

void PrinterSurface::AbortDocument() {
    printer_.abort();
    PainterSurface::AbortDocument();
}

QPagedPaintDevice* PrinterSurface::OpenDevice(const QString& title) {
    printer_.setDocName(title);
    return &printer_;
}

}  // namespace report
