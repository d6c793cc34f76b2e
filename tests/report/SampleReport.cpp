#include "tests/report/SampleReport.h"

namespace report::testing {
namespace {

constexpr int kAllLines = blLeft | blRight | blTop | blBottom;
const QString kBodyFont = QStringLiteral("MS Sans Serif");

}  // namespace

SampleReport::SampleReport(TReportEngine& engine, int rows) : rowCount_(rows) {
    engine.OnBeforePrint = [this](TReportEngine& report) { BeforePrint(report); };
    engine.OnPrintHeader = [this](TReportEngine& report) { PrintHeader(report); };
    engine.OnPrintPage = [this](TReportEngine& report, int&) { return PrintPage(report); };
    engine.OnPrintFooter = [this](TReportEngine& report) { PrintFooter(report); };
}

void SampleReport::BeforePrint(TReportEngine& report) {
    rowIndex_ = -1;
    report.SetMarginLeft(report.LeftOffset());
    report.SetMarginRight(report.RightOffset());
    report.SetMarginBottom(1);
}

// Half-inch boxed cells following the previous stop, or from the paper's
// printable left edge for the first stop of a row.
void SampleReport::AddCellRow(TReportEngine& report, int cells, int shade) {
    for (int cell = 0; cell < cells; ++cell) {
        const bool firstOfRow = report.TabStops().empty();
        report.AddTabStop(firstOfRow ? report.LeftOffset() : NoValue, tjCenter, 0.5, 2, kAllLines, shade);
    }
}

void SampleReport::PrintHeader(TReportEngine& report) {
    report.SetMarginTop(2 * report.TopOffset());
    report.SelectFont(QStringLiteral("Arial"), 16, fsItalic);
    report.UnderlineOn(true);
    report.HomePosition();
    report.TextCentered(QStringLiteral("Lottery Ticket Checklist"), report.PaperWidth() / 2);
    report.SelectFont(kBodyFont, 8, 0);
    report.SetMarginTop(1);
    report.HomePosition();
    report.ClearTabStops();

    report.SelectFont(kBodyFont, 10, fsBold | fsItalic);
    report.TextLeft(QStringLiteral("Draw: 118"), 4.75);
    report.SelectFont(kBodyFont, 8, 0);
    AddCellRow(report, 8, 10);
    report.PrintTabbedLine(QStringLiteral("\tBalls:-\tBall 1\tBall 2\tBall 3\tBall 4\tBall 5\tBall 6\tBonus"));
    report.SetBaselineY(report.BaselineY() + 0.05);
    report.ClearTabStops();

    report.SelectFont(kBodyFont, 10, fsBold | fsItalic);
    report.TextLeft(QStringLiteral("Date: Saturday 08 February 1997"), 4.75);
    report.SelectFont(kBodyFont, 8, 0);
    AddCellRow(report, 1, 10);
    AddCellRow(report, 7, 0);
    report.PrintTabbedLine(QStringLiteral("\tDrawn:-\t03\t17\t22\t31\t40\t45\t09"));
    report.SetBaselineY(report.BaselineY() + 0.2);
    report.ClearTabStops();

    AddCellRow(report, 7, 10);
    report.AddTabStop(NoValue, tjLeft, 1.0, 5, kAllLines, 10);
    report.AddTabStop(NoValue, tjLeft, report.SectionRight() - 5.1, 5, kAllLines, 10);
    report.PrintTabbedLine(QStringLiteral("\tLine\t#1\t#2\t#3\t#4\t#5\t#6\tRenewal\tDescription"));
    report.ClearTabStops();

    AddCellRow(report, 7, 0);
    report.AddTabStop(NoValue, tjLeft, 1.0, 5, kAllLines, 0);
    report.AddTabStop(NoValue, tjLeft, report.SectionRight() - 5.1, 5, kAllLines, 0);
}

bool SampleReport::PrintPage(TReportEngine& report) {
    while (report.LinesRemaining() > 2 && rowIndex_ < rowCount_ - 1) {
        ++rowIndex_;
        PrintRow(report);
    }
    return rowIndex_ < rowCount_ - 1;
}

void SampleReport::PrintRow(TReportEngine& report) {
    const int ticket = rowIndex_ / 2 + 1;
    const bool firstBoard = rowIndex_ % 2 == 0;
    report.SelectFont(kBodyFont, 8, 0);
    report.SetBaselineY(report.BaselineY() + (firstBoard && rowIndex_ > 0 ? 0.1 : 0.05));
    report.PrintTabbed(QStringLiteral("\t%1-%2").arg(ticket, 2, 10, QLatin1Char('0')).arg(firstBoard ? 'A' : 'B'));
    for (int position = 1; position <= 6; ++position) {
        const int number = (ticket * 7 + position * 8 + (firstBoard ? 0 : 3)) % 49 + 1;
        const bool drawn = number % 5 == 0;
        report.SelectFont(kBodyFont, drawn ? 10 : 6, drawn ? fsBold : 0);
        report.PrintTabbed(QStringLiteral("\t%1").arg(number, 2, 10, QLatin1Char('0')));
        report.SelectFont(kBodyFont, 8, 0);
    }
    report.PrintTabbed(ticket % 3 == 0 ? QStringLiteral("\t") : QStringLiteral("\t12 Feb 1997"));
    report.PrintTabbedLine(QStringLiteral("\tSyndicate ticket %1, a description long enough to run past its cell")
                               .arg(ticket));
}

void SampleReport::PrintFooter(TReportEngine& report) {
    report.SelectFont(QStringLiteral("Times New Roman"), 8, fsItalic);
    report.SetMarginBottom(0.5);
    report.FooterText(QStringLiteral("Page %1").arg(report.CurrentPage()), tjRight);
    report.FooterText(QStringLiteral("Produced by \"Tallimo\" -- Version 1.5"), tjCenter);
    report.FooterText(QStringLiteral("As of 08/02/1997"), tjLeft);
    report.SetMarginBottom(0.35);
    report.FooterText(QStringLiteral("Courtesy of Brenwick"), tjCenter);
    report.SetMarginBottom(1);
}

}  // namespace report::testing
