#pragma once

#include "report/PainterSurface.h"

#include <QPageSize>

#include <memory>

class QPdfWriter;
class QSaveFile;

namespace report {

// Prints to a PDF file as a laser printer would print on paper: the same
// resolution, a quarter-inch unprintable strip on every side, so a report
// sits on the PDF page where it sits on the sheet. Every job writes the
// file anew, unless the document is kept open: then the jobs follow one
// another in one file until the kept document is ended.
//
// The file takes the place of the old one only once it is written whole;
// a document that could not be written, or was never ended, leaves the
// old file as it was.
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
    // A file has no number of copies: whoever wants several prints the
    // job as often.
    void SetCopies(int) override {}
    void SetOrientation(TOrientation orientation) override;
    void AbortDocument() override;
    QString DocumentFailure() const override;

protected:
    QPageLayout Layout() const override { return layout_; }
    int Resolution() const override { return kResolution; }
    QPagedPaintDevice* OpenDevice(const QString& title) override;
    bool CloseDevice() override;

private:
    QString fileName_;
    QPageLayout layout_;
    std::unique_ptr<QSaveFile> file_;
    std::unique_ptr<QPdfWriter> writer_;
};

}  // namespace report
