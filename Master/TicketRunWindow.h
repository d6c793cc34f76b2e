#pragma once

#include "Master/RowsModel.h"
#include "Master/RunRowDelegate.h"
#include "app/AppContext.h"
#include "lottery/TicketRun.h"

#include <QDialog>

#include <array>

class QLabel;
class QPushButton;

namespace master {

class HeaderedList;
class RunStripChart;

// Every draw of a ticket's run up to today with each board's prize, the
// draws whose result is not recorded marked as missing, a strip chart of
// the whole run above the list and the totals per tier below it. It shows
// what it was given and changes nothing.
class TicketRunWindow : public QDialog {
    Q_OBJECT
public:
    TicketRunWindow(const app::AppContext& context, const lottery::TLine& ticket, const lottery::THistoryList& history,
                    lottery::DayNumber today, QWidget* parent);

    const lottery::TicketRun& Run() const { return run_; }
    RunStripChart* Strip() const { return strip_; }
    HeaderedList* RunList() const { return runList_; }
    QLabel* Summary() const { return summary_; }
    // Tier index 0..5, then the missing results at kTierCount.
    QLabel* Total(int index) const { return totals_[static_cast<std::size_t>(index)]; }

public slots:
    void done(int result) override;

private:
    void BuildRunList();
    void BuildTotals();
    QString SummaryText(const lottery::TLine& ticket, lottery::DayNumber today) const;
    void ShowDraw(int drawIndex);

    const app::AppContext& context_;
    lottery::TicketRun run_;
    QLabel* summary_ = nullptr;
    RunStripChart* strip_ = nullptr;
    HeaderedList* runList_ = nullptr;
    RowsModel<RunRow>* rows_ = nullptr;
    std::array<QLabel*, lottery::kTierCount + 1> totals_{};
    QPushButton* closeButton_ = nullptr;
};

}  // namespace master
