#pragma once

#include "report/ReportSurface.h"
#include "report/TBaseReport.h"

#include <memory>
#include <optional>

namespace report {

// Draws the report's text, fonts and tab cells on a ReportSurface, turning
// inches into device pixels.
class TCanvasReport : public TBaseReport {
public:
    explicit TCanvasReport(std::unique_ptr<ReportSurface> surface);

    // Throws EReportEngine when no document is open on the surface.
    ReportSurface& ReportCanvas() const;

    // A size of 0 or below changes nothing; style bits fsBold etc.
    void SelectFont(const QString& name, int size, int style, QColor colour = Qt::black);
    const ReportFont& Font() const { return font_; }
    bool BoldOn() const { return HasStyle(fsBold); }
    void BoldOn(bool on) { SetStyle(fsBold, on); }
    bool ItalicOn() const { return HasStyle(fsItalic); }
    void ItalicOn(bool on) { SetStyle(fsItalic, on); }
    bool UnderlineOn() const { return HasStyle(fsUnderline); }
    void UnderlineOn(bool on) { SetStyle(fsUnderline, on); }
    bool StrikeOutOn() const { return HasStyle(fsStrikeOut); }
    void StrikeOutOn(bool on) { SetStyle(fsStrikeOut, on); }

    // Device column and row of a point in inches from the paper's edges.
    int DeviceX(double x) const;
    int DeviceY(double y) const;

protected:
    ReportSurface& Surface() const { return *surface_; }
    // From the printer, or the stand-in paper when none is installed.
    void ReadPageGeometry();

    void TextCenterAt(const QString& text, double x) override;
    void TextLeftAt(const QString& text, double x) override;
    void TextRightAt(const QString& text, double x) override;
    void DrawTabCell(const TTabStop& stop, const CellOverrides& overrides) override;
    double ReadFontDescent() override;
    PrinterNames Names() const override { return surface_->Names(); }

private:
    bool HasStyle(int style) const { return (font_.style & style) != 0; }
    void SetStyle(int style, bool on);
    int FontPixelHeight(int size) const;
    double InchesOfPixelsX(int pixels) const;
    int PixelsOfInchesX(double inches) const;
    // Draws unless the page is skipped; answers the text's width in pixels.
    std::optional<int> DrawTextAt(const QString& text, double x, TTabJustify align);
    void DrawCellEdge(int lineOverride, bool stopHasLine, QPoint from, QPoint to);

    std::unique_ptr<ReportSurface> surface_;
    ReportFont font_;
};

}  // namespace report
