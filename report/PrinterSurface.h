#pragma once

#include "report/PainterSurface.h"

#include <QPrinter>

#include <functional>
#include <memory>

namespace report {

// Prints on the system's default printer through QPrinter.
class PrinterSurface : public PainterSurface {
public:
    using PrinterQuery = std::function<bool()>;

    // anyPrinterInstalled answers whether the system has a printer at all;
    // the application passes its platform's answer, tests their own.
    explicit PrinterSurface(PrinterQuery anyPrinterInstalled = &AnyPrinterInstalled);
    // Paints on a printer of the caller's, such as the one a print preview
    // hands over, which stands for a printer whether or not one exists.
    explicit PrinterSurface(QPrinter& printer);

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
    std::unique_ptr<QPrinter> ownPrinter_;
    QPrinter& printer_;
};

}  // namespace report
