#pragma once

#include "report/PainterSurface.h"

#include <QPageSize>

#include <memory>

class QPdfWriter;

namespace report {

// Prints to a PDF file as a laser printer would print on paper: the same
// resolution, a quarter-inch unprintable strip on every side, so a report
// sits on the PDF page where it sits on the sheet. Every job writes the
// file anew, unless the document is kept open: then the jobs follow one
// another in one file until it is no longer kept open.
class PdfSurface : public PainterSurface {
public:
    static constexpr int kResolution = 600;
    static constexpr double kUnprintableStrip = 0.25;  // inches

    explicit PdfSurface(const QString& fileName, const QPageSize& paper = LocalePaperSize());
    ~PdfSurface() override;

    // Letter where the locale measures in inches, A4 elsewhere.
    static QPageSize LocalePaperSize();

    QString FileName() const { return fileName_; }
    void SetFileName(const QString& fileName) { fileName_ = fileName; }

    bool Available() const override { return true; }
    PrinterNames Names() const override;
    // A file holds one copy; printing more is left to whoever prints it.
    void SetCopies(int) override {}
    void SetOrientation(TOrientation orientation) override;

protected:
    QPageLayout Layout() const override { return layout_; }
    int Resolution() const override { return kResolution; }
    QPagedPaintDevice* OpenDevice(const QString& title) override;
    void CloseDevice() override;

private:
    QString fileName_;
    QPageLayout layout_;
    std::unique_ptr<QPdfWriter> writer_;
};

}  // namespace report
