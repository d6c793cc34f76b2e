#pragma once

#include "report/EReportEngine.h"
#include "report/ReportTypes.h"

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>

namespace report {

// A font as the report selected it; pixelHeight is the character height
// in device pixels.
struct ReportFont {
    QString name = QStringLiteral("MS Sans Serif");
    int size = 8;  // points
    int pixelHeight = 0;
    int style = 0;  // fsBold | fsItalic | fsUnderline | fsStrikeOut
    QColor colour = Qt::black;
};

// Where a report's pages go: a printer, a PDF file or a test's log. All
// positions are device pixels measured from the top-left corner of the
// printable area, text positions are on the text's baseline.
class ReportSurface {
public:
    ReportSurface() = default;
    ReportSurface(const ReportSurface&) = delete;
    ReportSurface& operator=(const ReportSurface&) = delete;
    virtual ~ReportSurface() = default;

    // False when there is nothing to print on (no printer installed).
    virtual bool Available() const = 0;
    virtual PageGeometry Geometry() const = 0;
    virtual PrinterNames Names() const = 0;
    virtual void SetCopies(int copies) = 0;
    virtual void SetOrientation(TOrientation orientation) = 0;

    // False when the document could not be opened.
    virtual bool BeginDocument(const QString& title) = 0;
    virtual bool DocumentOpen() const = 0;
    virtual void NewSheet() = 0;
    // False when the document did not reach its destination whole.
    virtual bool EndDocument() = 0;
    virtual void AbortDocument() = 0;
    // What the user is told when a document could not be begun or ended.
    virtual QString DocumentFailure() const { return QString::fromUtf8(kCannotStartJob); }

    virtual int TextWidth(const QString& text, const ReportFont& font) const = 0;
    virtual int FontDescent(const ReportFont& font) const = 0;
    // anchor is the left end, the middle or the right end of the text.
    virtual void DrawText(QPoint anchor, TTabJustify align, const QString& text, const ReportFont& font,
                          bool opaque) = 0;
    // Fills every pixel of rect, edges included, leaving no outline.
    virtual void FillRect(const QRect& rect, QColor colour) = 0;
    // A solid black line, penWidth device pixels wide.
    virtual void DrawLine(QPoint from, QPoint to, int penWidth) = 0;
};

}  // namespace report
