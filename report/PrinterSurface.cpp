#include "report/PrinterSurface.h"

#include <QPrinterInfo>

namespace report {

PrinterSurface::PrinterSurface(PrinterQuery anyPrinterInstalled)
    : anyPrinterInstalled_(std::move(anyPrinterInstalled)),
      ownPrinter_(std::make_unique<QPrinter>(QPrinter::HighResolution)),
      printer_(*ownPrinter_) {}

PrinterSurface::PrinterSurface(QPrinter& printer) : anyPrinterInstalled_([] { return true; }), printer_(printer) {}

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
