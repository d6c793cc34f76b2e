#include "PrintTickets/DrawReport.h"

#include "app/AnsiText.h"
#include "app/DateText.h"
#include "app/Platform.h"
#include "lottery/DrawCalendar.h"
#include "lottery/PrizeTier.h"

#include <algorithm>

namespace printtickets {
namespace {

using report::TReportEngine;

const QString kBodyFace = QStringLiteral("MS Sans Serif");
constexpr int kAllLines = report::blLeft | report::blRight | report::blTop | report::blBottom;
constexpr int kGrey = 10;

// A boxed cell that follows the previous one, or starts a row of cells at
// the paper's printable left edge.
void AddCell(TReportEngine& report, double width, report::TTabJustify justify, int margin, int shade) {
    const double pos = report.TabStops().empty() ? report.LeftOffset() : report::NoValue;
    report.AddTabStop(pos, justify, width, margin, kAllLines, shade);
}

// The board label and the six numbers, then the renewal or winnings and the
// description, which reaches the printing area's right edge.
void AddTableCells(TReportEngine& report, int shade, int lastNumberMargin) {
    for (int cell = 1; cell <= 7; ++cell) AddCell(report, 0.5, report::tjCenter, cell == 7 ? lastNumberMargin : 2, shade);
    AddCell(report, 1.0, report::tjLeft, 5, shade);
    AddCell(report, report.SectionRight() - 5.1, report::tjLeft, 5, shade);
}

void SelectBodyFont(TReportEngine& report) { report.SelectFont(kBodyFace, 8, 0); }
void SelectDrawFont(TReportEngine& report) { report.SelectFont(kBodyFace, 10, report::fsBold | report::fsItalic); }

}  // namespace

DrawReport::DrawReport(const app::AppContext& context, const lottery::LotteryState& lottery)
    : context_(context), lottery_(lottery) {}

void DrawReport::SetChecklist(const std::vector<lottery::TicketRow>& rows) {
    sourceList_.clear();
    sourceList_.reserve(rows.size());
    for (const lottery::TicketRow& row : rows) sourceList_.emplace_back(row, lottery::kNoPrizeTier);
    selectedDrawResult_ = nullptr;
    checklistMode_ = true;
}

void DrawReport::SetResultSheet(std::vector<lottery::CheckRow> rows, const lottery::THistoryLine& draw) {
    sourceList_ = std::move(rows);
    selectedDrawResult_ = &draw;
    checklistMode_ = false;
}

void DrawReport::Attach(TReportEngine& engine) {
    engine.OnBeforePrint = [this](TReportEngine& report) { ReportEngine1BeforePrint(report); };
    engine.OnPrintHeader = [this](TReportEngine& report) { ReportEngine1PrintHeader(report); };
    engine.OnPrintPage = [this](TReportEngine& report, int&) { return ReportEngine1PrintPage(report); };
    engine.OnPrintFooter = [this](TReportEngine& report) { ReportEngine1PrintFooter(report); };
}

void DrawReport::PrintDraw(TReportEngine& engine, int drawNumber) {
    drawNumber_ = drawNumber;
    rowIndex_ = -1;
    engine.PrintReport();
}

void DrawReport::ReportEngine1BeforePrint(TReportEngine& report) {
    report.SetMarginLeft(report.LeftOffset());
    report.SetMarginRight(report.RightOffset());
    report.SetMarginBottom(1);
}

void DrawReport::ReportEngine1PrintHeader(TReportEngine& report) {
    PrintTitleAndBalls(report);
    PrintDrawnAndHeadings(report);
    AddTableCells(report, 0, 5);
}

void DrawReport::PrintTitleAndBalls(TReportEngine& report) {
    report.SetMarginTop(2 * report.TopOffset());
    report.SelectFont(QStringLiteral("Arial"), 16, report::fsItalic);
    report.UnderlineOn(true);
    report.HomePosition();
    report.TextCentered(checklistMode_ ? QStringLiteral("Lottery Ticket Checklist") : QStringLiteral("Lottery Result"),
                        report.PaperWidth() / 2);
    SelectBodyFont(report);
    report.SetMarginTop(1);
    report.HomePosition();
    report.ClearTabStops();

    SelectDrawFont(report);
    report.TextLeft(QStringLiteral("Draw: %1").arg(drawNumber_), 4.75);
    SelectBodyFont(report);
    for (int cell = 1; cell <= 8; ++cell) AddCell(report, 0.5, report::tjCenter, 2, kGrey);
    report.PrintTabbedLine(QStringLiteral("\tBalls:-\tBall 1\tBall 2\tBall 3\tBall 4\tBall 5\tBall 6\tBonus"));
    report.SetBaselineY(report.BaselineY() + 0.05);
    report.ClearTabStops();
}

void DrawReport::PrintDrawnAndHeadings(TReportEngine& report) {
    SelectDrawFont(report);
    const QString date = context_.dates.Display(lottery::DrawDateOf(drawNumber_), app::DateText::kLongDisplay);
    report.TextLeft(QStringLiteral("Date: ") + date, 4.75);
    SelectBodyFont(report);
    AddCell(report, 0.5, report::tjCenter, 2, kGrey);
    for (int cell = 2; cell <= 8; ++cell) AddCell(report, 0.5, report::tjCenter, cell <= 6 ? 2 : 5, 0);
    report.PrintTabbedLine(checklistMode_
                               ? QStringLiteral("\tDrawn:-\t\t\t\t\t\t\t")
                               : QStringLiteral("\tDrawn:-") + QString::fromStdString(lottery_.DrawNumbersText(drawNumber_)));
    report.SetBaselineY(report.BaselineY() + 0.2);
    report.ClearTabStops();

    AddTableCells(report, kGrey, 2);
    report.PrintTabbedLine(checklistMode_ ? QStringLiteral("\tLine\t#1\t#2\t#3\t#4\t#5\t#6\tRenewal\tDescription")
                                          : QStringLiteral("\tLine\t#1\t#2\t#3\t#4\t#5\t#6\tWinnings\tDescription"));
    report.ClearTabStops();
}

// Rows are printed while three lines remain; RowIndex carries the place in
// the list over to the next page. Another page follows only for a row that
// prints: rows left out of the draw would give it nothing but the header.
bool DrawReport::ReportEngine1PrintPage(TReportEngine& report) {
    int previousTicket = -1;
    while (report.LinesRemaining() > 2 && rowIndex_ < LastRow()) {
        const lottery::CheckRow& row = sourceList_[static_cast<std::size_t>(++rowIndex_)];
        if (!EnteredForTheDraw(row)) continue;
        PrintRow(report, row, previousTicket);
        previousTicket = row.TicketIndex();
    }
    return std::any_of(sourceList_.begin() + rowIndex_ + 1, sourceList_.end(),
                       [this](const lottery::CheckRow& row) { return EnteredForTheDraw(row); });
}

bool DrawReport::EnteredForTheDraw(const lottery::CheckRow& row) const {
    return lottery::TicketValidForDraw(TicketOf(row), drawNumber_);
}

void DrawReport::PrintRow(TReportEngine& report, const lottery::CheckRow& row, int previousTicket) {
    SelectBodyFont(report);
    // The boards of one ticket stand closer together than those of two.
    const bool newTicket = checklistMode_ && previousTicket >= 0 && previousTicket != row.TicketIndex();
    report.SetBaselineY(report.BaselineY() + (newTicket ? 0.1 : 0.05));
    report.PrintTabbed(QStringLiteral("\t") + QString::fromStdString(lottery::TicketRowKey(row.TicketNumber(), row.Board())));
    PrintNumbers(report, row);
    report.PrintTabbed(EighthCell(row));
    report.PrintTabbedLine(QStringLiteral("\t") + app::FromAnsi(TicketOf(row).Description()));
}

// On the result sheet drawn numbers stand out large and bold, the bonus ball
// of a "5 and the Bonus" board large and italic, the others small.
void DrawReport::PrintNumbers(TReportEngine& report, const lottery::CheckRow& row) {
    const lottery::TLine& ticket = TicketOf(row);
    for (int position = 1; position <= lottery::TLine::kNumbersPerBoard; ++position) {
        if (!checklistMode_) {
            const lottery::THistoryLine& draw = *selectedDrawResult_;
            if (lottery::BoardNumberDrawn(ticket, draw, row.Board(), position))
                report.SelectFont(kBodyFace, 10, report::fsBold);
            else if (row.Tier() == '2' && lottery::BoardNumberIsBonus(ticket, draw, row.Board(), position))
                report.SelectFont(kBodyFace, 10, report::fsItalic);
            else
                report.SelectFont(kBodyFace, 6, 0);
        }
        report.PrintTabbed(QStringLiteral("\t") + QString::fromStdString(ticket.NumberText(row.Board(), position)));
        SelectBodyFont(report);
    }
}

QString DrawReport::EighthCell(const lottery::CheckRow& row) const {
    if (!checklistMode_) return QString::fromStdString(lottery::PrintedTierText(row.Tier()));
    const lottery::DayNumber renewal = lottery::TicketLastDrawDate(TicketOf(row));
    return QStringLiteral("\t") + (renewal == 0 ? QString() : context_.dates.Display(renewal, app::DateText::kShortDisplay));
}

void DrawReport::ReportEngine1PrintFooter(TReportEngine& report) {
    report.SelectFont(QStringLiteral("Times New Roman"), 8, report::fsItalic);
    report.SetMarginBottom(0.5);
    report.FooterText(QStringLiteral("Page %1").arg(report.CurrentPage()), report::tjRight);
    report.FooterText(QStringLiteral("Produced by \"Tallimo\" -- Version 1.5"), report::tjCenter);
    const lottery::DayNumber today = app::DateText::FromQDate(context_.platform.Today());
    report.FooterText(QStringLiteral("As of ") + context_.dates.ShortDateText(today), report::tjLeft);
    report.SetMarginBottom(0.35);
    report.FooterText(QStringLiteral("Courtesy of Brenwick"), report::tjCenter);
    report.SetMarginBottom(1);
}

}  // namespace printtickets
