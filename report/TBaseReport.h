#pragma once

#include "report/ReportTypes.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace report {

// The page model of a report: units, margins, the line being written, tab
// stops and page counting. It knows nothing of drawing; the three text
// operations, the drawing of a tab cell and the font's descent come from the
// layer above. All geometry is held in inches from the paper's top-left
// corner; the public operations take and give the report's units.
class TBaseReport {
public:
    TBaseReport() = default;
    TBaseReport(const TBaseReport&) = delete;
    TBaseReport& operator=(const TBaseReport&) = delete;
    virtual ~TBaseReport() = default;

    // Pages outside FirstPage..LastPage are counted but not drawn.
    int FirstPage = 1;
    int LastPage = 9999;
    QString StatusFormat = QStringLiteral("Printing page %p");
    QStringList StatusText;
    // Shows the status text at the start of every page; may be empty.
    std::function<void(const QString&)> StatusLabel;
    TLineHeightMethod LineHeightMethod = lhmLinesPerInch;
    TBKMode TextBKMode = bkTransparent;
    double ScaleX = 100;  // percent
    double ScaleY = 100;

    int LinesPerInch() const { return linesPerInch_; }
    void SetLinesPerInch(int lines);
    TPrintUnits Units() const { return units_; }
    void SetUnits(TPrintUnits units);
    double UnitsFactor() const { return unitsFactor_; }
    void SetUnitsFactor(double unitsPerInch);
    int TabShade() const { return tabShade_; }
    void SetTabShade(int percent);

    // Distances of the printing area from the paper's edges.
    double MarginLeft() const { return ToUnits(marginLeft_); }
    double MarginRight() const { return ToUnits(marginRight_); }
    double MarginTop() const { return ToUnits(marginTop_); }
    double MarginBottom() const { return ToUnits(marginBottom_); }
    void SetMarginLeft(double value);
    void SetMarginRight(double value);
    void SetMarginTop(double value);
    void SetMarginBottom(double value);

    double PaperWidth() const { return ToUnits(geometry_.PaperWidth); }
    double PaperHeight() const { return ToUnits(geometry_.PaperHeight); }
    double LeftOffset() const { return ToUnits(geometry_.OffsetLeft); }
    double RightOffset() const { return ToUnits(geometry_.OffsetRight); }
    double TopOffset() const { return ToUnits(geometry_.OffsetTop); }
    double BottomOffset() const { return ToUnits(geometry_.OffsetBottom); }
    // The section has one column and always spans the margins.
    double SectionLeft() const { return ToUnits(SectionLeftInches()); }
    double SectionRight() const { return ToUnits(SectionRightInches()); }
    double SectionTop() const { return ToUnits(SectionTopInches()); }
    double SectionBottom() const { return ToUnits(SectionBottomInches()); }

    double CursorX() const { return ToUnits(cursorX_); }
    double BaselineY() const { return ToUnits(baselineY_); }
    void SetBaselineY(double value);
    int LineNumber() const { return lineNumber_; }
    double LineHeight() const { return ToUnits(lineHeight_); }
    double Descent() const { return ToUnits(descent_); }

    int CurrentPage() const { return currentPage_; }
    bool PageSkipped() const { return pageSkipped_; }
    bool Printing() const { return printing_; }

    void HomePosition();
    void StartNewLine();
    int LinesRemaining() const;
    void FooterText(const QString& text, TTabJustify justify);
    virtual void StartNewPage();

    void TextCentered(const QString& text, double x);
    void TextLeft(const QString& text, double x);
    void TextRight(const QString& text, double x);

    // pos < 0 (NoValue) follows the previous stop; margin is in hundredths
    // of an inch whatever the units; lines are box-line bits.
    void AddTabStop(double pos, TTabJustify justify, double width, double margin, int lines,
                    int shade);
    void ClearTabStops();
    const std::vector<TTabStop>& TabStops() const { return tabStops_; }
    // Each override is NoValue when not given; see the box lines of a cell.
    void NextTabCell(int lineLeft = NoValue, int lineRight = NoValue, int shade = NoValue,
                     int lineBottom = NoValue, int lineTop = NoValue);
    void PrintTabbed(const QString& text);
    void PrintTabbedLine(const QString& text);

    // StatusFormat with its % codes replaced, as the status label shows it.
    QString ExpandStatus() const;

protected:
    // Line overrides as NextTabCell takes them; the shade is already
    // resolved (0 paints nothing).
    struct CellOverrides {
        int lineLeft;
        int lineRight;
        int shade;
        int lineBottom;
        int lineTop;
    };

    // Positions in inches from the paper's left edge, on the current baseline.
    virtual void TextCenterAt(const QString& text, double x) = 0;
    virtual void TextLeftAt(const QString& text, double x) = 0;
    virtual void TextRightAt(const QString& text, double x) = 0;
    virtual void DrawTabCell(const TTabStop& stop, const CellOverrides& overrides) = 0;
    virtual double ReadFontDescent() = 0;  // inches
    virtual PrinterNames Names() const = 0;
    virtual void ShowStatus();

    const PageGeometry& Geometry() const { return geometry_; }
    // Applies the margins again, since the paper may have changed.
    void SetPageGeometry(const PageGeometry& geometry);
    void SetCursorXInches(double x) { cursorX_ = x; }
    double BaselineInches() const { return baselineY_; }
    double LineHeightInches() const { return lineHeight_; }
    double DescentInches() const { return descent_; }
    void SetFontLineHeight(double inches) { fontLineHeight_ = inches; }

    void RequirePrinting() const;
    // The state of a fresh document: no tabs, at home on page 0.
    void StartDocument();
    void SetPrinting(bool printing) { printing_ = printing; }
    void ResetPageCount() { currentPage_ = 0; }
    void EnterPage(int page);

private:
    double ToInches(double value) const { return value / unitsFactor_; }
    double ToUnits(double inches) const { return inches * unitsFactor_; }
    double SectionLeftInches() const { return marginLeft_; }
    double SectionRightInches() const { return geometry_.PaperWidth - marginRight_; }
    double SectionTopInches() const { return marginTop_; }
    double SectionBottomInches() const { return geometry_.PaperHeight - marginBottom_; }
    void PullCursorInside();
    void RefreshLineMetrics();
    void ResetTabCursor();
    void PrintPiece(const QString& text);
    int EffectiveShade(const TTabStop& stop, int shadeOverride) const;

    int linesPerInch_ = 6;
    TPrintUnits units_ = unInch;
    double unitsFactor_ = 1.0;
    int tabShade_ = 0;
    double marginLeft_ = 0;
    double marginRight_ = 0;
    double marginTop_ = 0;
    double marginBottom_ = 0;
    PageGeometry geometry_;

    double cursorX_ = 0;
    double baselineY_ = 0;
    int lineNumber_ = 1;
    double lineHeight_ = 1.0 / 6;
    double descent_ = 0;
    double fontLineHeight_ = 1.0 / 6;
    int currentPage_ = 0;
    bool pageSkipped_ = false;
    bool printing_ = false;

    std::vector<TTabStop> tabStops_;
    int currentTab_ = -1;  // none; TabStops().size() once past the last
    bool inTabCell_ = false;
    bool restartTabs_ = false;
};

}  // namespace report
