#include "report/TBaseReport.h"

#include "report/EReportEngine.h"

#include <algorithm>
#include <cmath>

namespace report {
namespace {

// Keeps a line that fits exactly from being lost to the representation
// error of sums of 1/6 inch.
constexpr double kFitTolerance = 1e-9;

int ClampPercent(int percent) { return std::clamp(percent, 0, 100); }

}  // namespace

void TBaseReport::SetLinesPerInch(int lines) {
    if (lines <= 0) return;
    linesPerInch_ = lines;
    if (printing_) RefreshLineMetrics();
}

void TBaseReport::SetUnits(TPrintUnits units) {
    units_ = units;
    switch (units) {
        case unInch: unitsFactor_ = 1.0; break;
        case unMM: unitsFactor_ = 25.4; break;
        case unCM: unitsFactor_ = 2.54; break;
        case unPoint: unitsFactor_ = 72.0; break;
        case unUser: break;
    }
}

void TBaseReport::SetUnitsFactor(double unitsPerInch) {
    if (!(unitsPerInch > 0)) return;
    unitsFactor_ = unitsPerInch;
    if (unitsPerInch == 1.0) units_ = unInch;
    else if (unitsPerInch == 25.4) units_ = unMM;
    else if (unitsPerInch == 2.54) units_ = unCM;
    else if (unitsPerInch == 72.0) units_ = unPoint;
    else units_ = unUser;
}

void TBaseReport::SetTabShade(int percent) { tabShade_ = ClampPercent(percent); }

void TBaseReport::SetMarginLeft(double value) {
    marginLeft_ = ToInches(value);
    cursorX_ = std::max(cursorX_, SectionLeftInches());
}

void TBaseReport::SetMarginRight(double value) {
    marginRight_ = ToInches(value);
    cursorX_ = std::min(cursorX_, SectionRightInches());
}

void TBaseReport::SetMarginTop(double value) {
    marginTop_ = ToInches(value);
    baselineY_ = std::max(baselineY_, SectionTopInches());
}

void TBaseReport::SetMarginBottom(double value) {
    marginBottom_ = ToInches(value);
    baselineY_ = std::min(baselineY_, SectionBottomInches());
}

void TBaseReport::SetPageGeometry(const PageGeometry& geometry) {
    geometry_ = geometry;
    PullCursorInside();
}

void TBaseReport::PullCursorInside() {
    cursorX_ = std::clamp(cursorX_, SectionLeftInches(), std::max(SectionLeftInches(), SectionRightInches()));
    baselineY_ = std::clamp(baselineY_, SectionTopInches(), std::max(SectionTopInches(), SectionBottomInches()));
}

void TBaseReport::SetBaselineY(double value) {
    RefreshLineMetrics();
    baselineY_ = ToInches(value);
}

void TBaseReport::RefreshLineMetrics() {
    descent_ = ReadFontDescent();
    lineHeight_ = LineHeightMethod == lhmLinesPerInch ? 1.0 / linesPerInch_ : fontLineHeight_;
}

void TBaseReport::HomePosition() {
    RefreshLineMetrics();
    cursorX_ = SectionLeftInches();
    lineNumber_ = 1;
    baselineY_ = SectionTopInches() + lineHeight_ - descent_;
    ResetTabCursor();
}

void TBaseReport::StartNewLine() {
    RefreshLineMetrics();
    cursorX_ = SectionLeftInches();
    ++lineNumber_;
    baselineY_ += lineHeight_;
    ResetTabCursor();
}

int TBaseReport::LinesRemaining() const {
    const double lineBottom = baselineY_ + descent_;
    const double room = SectionBottomInches() - lineBottom;
    if (room < -kFitTolerance) return 0;
    return static_cast<int>(std::trunc(std::max(room, 0.0) / lineHeight_ + kFitTolerance)) + 1;
}

void TBaseReport::FooterText(const QString& text, TTabJustify justify) {
    RefreshLineMetrics();
    cursorX_ = SectionLeftInches();
    baselineY_ = SectionBottomInches() - descent_;
    switch (justify) {
        case tjCenter: TextCenterAt(text, (SectionLeftInches() + SectionRightInches()) / 2); break;
        case tjLeft: TextLeftAt(text, SectionLeftInches()); break;
        case tjRight: TextRightAt(text, SectionRightInches()); break;
    }
}

void TBaseReport::StartNewPage() {
    RequirePrinting();
    EnterPage(currentPage_ + 1);
    HomePosition();
}

void TBaseReport::EnterPage(int page) {
    currentPage_ = page;
    ShowStatus();
    pageSkipped_ = page < FirstPage || page > LastPage;
}

void TBaseReport::StartDocument() {
    ClearTabStops();
    HomePosition();
}

void TBaseReport::RequirePrinting() const {
    if (!printing_) throw EReportEngine(kNotPrinting);
}

void TBaseReport::TextCentered(const QString& text, double x) { TextCenterAt(text, ToInches(x)); }
void TBaseReport::TextLeft(const QString& text, double x) { TextLeftAt(text, ToInches(x)); }
void TBaseReport::TextRight(const QString& text, double x) { TextRightAt(text, ToInches(x)); }

void TBaseReport::AddTabStop(double pos, TTabJustify justify, double width, double margin, int lines,
                             int shade) {
    TTabStop stop;
    if (pos >= 0) stop.Pos = ToInches(pos);
    else if (!tabStops_.empty()) stop.Pos = tabStops_.back().Pos + tabStops_.back().Width;
    else stop.Pos = marginLeft_;
    stop.Justify = justify;
    if (width > 0) {
        stop.Width = ToInches(width);
        stop.Margin = margin / 100.0;
        stop.LineLeft = (lines & blLeft) != 0;
        stop.LineRight = (lines & blRight) != 0;
        stop.LineTop = (lines & blTop) != 0;
        stop.LineBottom = (lines & blBottom) != 0;
        stop.Shade = ClampPercent(shade);
    }
    if (tabStops_.empty()) restartTabs_ = true;
    tabStops_.push_back(stop);
}

void TBaseReport::ClearTabStops() {
    tabStops_.clear();
    ResetTabCursor();
}

void TBaseReport::ResetTabCursor() {
    currentTab_ = -1;
    inTabCell_ = false;
    restartTabs_ = !tabStops_.empty();
}

void TBaseReport::NextTabCell(int lineLeft, int lineRight, int shade, int lineBottom, int lineTop) {
    RequirePrinting();
    if (pageSkipped_) return;
    const int stopCount = static_cast<int>(tabStops_.size());
    currentTab_ = restartTabs_ ? 0 : std::min(currentTab_ + 1, stopCount);
    restartTabs_ = false;
    inTabCell_ = currentTab_ < stopCount;
    if (!inTabCell_) return;
    const TTabStop& stop = tabStops_[currentTab_];
    if (stop.Width > 0)
        DrawTabCell(stop, {lineLeft, lineRight, EffectiveShade(stop, shade), lineBottom, lineTop});
}

int TBaseReport::EffectiveShade(const TTabStop& stop, int shadeOverride) const {
    if (shadeOverride != NoValue) return ClampPercent(shadeOverride);
    return stop.Shade > 0 ? stop.Shade : tabShade_;
}

void TBaseReport::PrintPiece(const QString& text) {
    if (!inTabCell_) {
        TextLeftAt(text, cursorX_);
        return;
    }
    inTabCell_ = false;
    const TTabStop& stop = tabStops_[currentTab_];
    switch (stop.Justify) {
        case tjCenter: TextCenterAt(text, stop.Pos + stop.Width / 2); break;
        case tjLeft: TextLeftAt(text, stop.Pos + stop.Margin); break;
        case tjRight: TextRightAt(text, stop.Pos + stop.Width - stop.Margin); break;
    }
}

void TBaseReport::PrintTabbed(const QString& text) {
    const QStringList pieces = text.split(QLatin1Char('\t'));
    for (qsizetype i = 0; i + 1 < pieces.size(); ++i) {
        if (!pieces[i].isEmpty()) PrintPiece(pieces[i]);
        NextTabCell();
    }
    PrintPiece(pieces.back());
}

void TBaseReport::PrintTabbedLine(const QString& text) {
    PrintTabbed(text);
    StartNewLine();
}

void TBaseReport::ShowStatus() {
    if (StatusLabel) StatusLabel(ExpandStatus());
}

QString TBaseReport::ExpandStatus() const {
    QString status;
    const QString& format = StatusFormat;
    for (qsizetype i = 0; i < format.size(); ++i) {
        if (format[i] != QLatin1Char('%') || i + 1 == format.size()) {
            status += format[i];
            continue;
        }
        const QChar code = format[++i].toUpper();
        if (code >= QLatin1Char('0') && code <= QLatin1Char('9')) {
            const int line = code.unicode() - '0';
            if (line < StatusText.size()) status += StatusText[line];
            continue;
        }
        switch (code.unicode()) {
            case 'P': status += QString::number(currentPage_); break;
            case 'F': status += QString::number(FirstPage); break;
            case 'L': status += QString::number(LastPage); break;
            case 'D': status += Names().device; break;
            case 'R': status += Names().driver; break;
            case 'T': status += Names().port; break;
            case '%': status += QLatin1Char('%'); break;
            default: status += QStringLiteral("<ERROR-%") + code + QLatin1Char('>');
        }
    }
    return status;
}

}  // namespace report
