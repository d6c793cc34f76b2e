#pragma once

#include "report/ReportSurface.h"

#include <QFont>
#include <QPageLayout>
#include <QPainter>

class QPagedPaintDevice;

namespace report {

// Paints with a QPainter on a paged device (a printer or a PDF writer),
// whose origin Qt places at the top-left corner of the printable area.
class PainterSurface : public ReportSurface {
public:
    // The report faces, mapped to the metric-compatible Liberation fonts.
    static QString FamilyFor(const QString& faceName);
    static QFont QtFont(const ReportFont& font);

    PageGeometry Geometry() const override;
    bool BeginDocument(const QString& title) override;
    bool DocumentOpen() const override { return jobOpen_; }
    void NewSheet() override;
    bool EndDocument() override;
    void AbortDocument() override { EndDocument(); }

    int TextWidth(const QString& text, const ReportFont& font) const override;
    int FontDescent(const ReportFont& font) const override;
    void DrawText(QPoint anchor, TTabJustify align, const QString& text, const ReportFont& font,
                  bool opaque) override;
    void FillRect(const QRect& rect, QColor colour) override;
    void DrawLine(QPoint from, QPoint to, int penWidth) override;

    // From now on the end of a job leaves the document open and the next
    // job continues it on a new sheet, so that several jobs make one
    // document, until EndKeptDocument ends it: false when the document did
    // not reach its destination whole.
    void KeepDocumentOpen() { keepOpen_ = true; }
    bool EndKeptDocument();

protected:
    virtual QPageLayout Layout() const = 0;
    virtual int Resolution() const = 0;
    // The device to paint the document on, named after the job; null when
    // it cannot be had.
    virtual QPagedPaintDevice* OpenDevice(const QString& title) = 0;
    // False when what was painted did not reach the destination whole.
    virtual bool CloseDevice() { return true; }
    // Ends the document whether or not it is kept open; a device that is
    // destroyed with its surface must be closed before it goes. False when
    // the document did not reach its destination whole.
    bool CloseDocument();

private:
    QPagedPaintDevice* device_ = nullptr;
    QPainter painter_;
    bool keepOpen_ = false;
    bool jobOpen_ = false;
};

}  // namespace report
