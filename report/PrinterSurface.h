#pragma once

#include "report/PainterSurface.h"

#include <QPrinter>

#include <functional>

namespace report {

// Prints on the system's default printer through QPrinter.
class PrinterSurface : public PainterSurface {
public:
    using PrinterQuery = std::function<bool()>;

    // anyPrinterInstalled answers whether the system has a printer at all;
    // the application passes its platform's answer, tests their own.
    explicit PrinterSurface(PrinterQuery anyPrinterInstalled = &AnyPrinterInstalled);

    static bool AnyPrinterInstalled();

    bool Available() const override { return anyPrinterInstalled_(); }
    PrinterNames Names() const override;
    void SetCopies(int copies) override { printer_.setCopyCount(copies); }
    void SetOrientation(TOrientation orientation) override;
    void AbortDocument() override;

protected:
    QPageLayout Layout() const override { return printer_.pageLayout(); }
    int Resolution() const override { return printer_.resolution(); }
    QPagedPaintDevice* OpenDevice(const QString& title) override;

private:
    PrinterQuery anyPrinterInstalled_;
    QPrinter printer_{QPrinter::HighResolution};
};

}  // namespace report
