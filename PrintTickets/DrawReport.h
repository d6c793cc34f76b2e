#pragma once

#include "app/AppContext.h"
#include "lottery/CheckRows.h"
#include "lottery/LotteryState.h"
#include "report/TReportEngine.h"

#include <vector>

namespace printtickets {

// The ticket checklist and the result sheet: one page layout and one set of
// handlers on a report engine, printing one draw per job. The rows are those
// the main window lists (the tickets list or the result sheet), walked page
// by page; tickets not entered for the draw are left out.
class DrawReport {
public:
    DrawReport(const app::AppContext& context, const lottery::LotteryState& lottery);

    // The checklist of the tickets list's rows.
    void SetChecklist(const std::vector<lottery::TicketRow>& rows);
    // The result sheet of the checked rows against the selected draw result.
    void SetResultSheet(std::vector<lottery::CheckRow> rows, const lottery::THistoryLine& draw);

    // Makes this report the engine's handlers; it may serve several engines.
    void Attach(report::TReportEngine& engine);
    // One print job for the draw, its pages numbered from 1.
    void PrintDraw(report::TReportEngine& engine, int drawNumber);

    bool ChecklistMode() const { return checklistMode_; }
    int DrawNumber() const { return drawNumber_; }
    int RowIndex() const { return rowIndex_; }

    void ReportEngine1BeforePrint(report::TReportEngine& report);
    void ReportEngine1PrintHeader(report::TReportEngine& report);
    bool ReportEngine1PrintPage(report::TReportEngine& report);
    void ReportEngine1PrintFooter(report::TReportEngine& report);

private:
    int LastRow() const { return static_cast<int>(sourceList_.size()) - 1; }
    bool EnteredForTheDraw(const lottery::CheckRow& row) const;
    void PrintTitleAndBalls(report::TReportEngine& report);
    void PrintDrawnAndHeadings(report::TReportEngine& report);
    void PrintRow(report::TReportEngine& report, const lottery::CheckRow& row, int previousTicket);
    void PrintNumbers(report::TReportEngine& report, const lottery::CheckRow& row);
    QString EighthCell(const lottery::CheckRow& row) const;
    const lottery::TLine& TicketOf(const lottery::CheckRow& row) const { return lottery_.TicketList().TicketOf(row); }

    const app::AppContext& context_;
    const lottery::LotteryState& lottery_;
    // The result sheet's rows; the checklist's carry no prize tier.
    std::vector<lottery::CheckRow> sourceList_;
    const lottery::THistoryLine* selectedDrawResult_ = nullptr;
    bool checklistMode_ = true;
    int drawNumber_ = 0;
    int rowIndex_ = -1;
};

}  // namespace printtickets
