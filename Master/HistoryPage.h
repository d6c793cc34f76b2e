#pragma once

#include "Master/RowsModel.h"
#include "app/AppContext.h"
#include "lottery/LotteryState.h"

#include <QWidget>

class QLabel;
class QPushButton;

namespace master {

class HeaderedList;

// Page 3, "History List": every draw result in date order with the counts
// of draws and recorded ones. Its selected row is the draw that editing,
// checking, the ticket display and the reports work on.
class HistoryPage : public QWidget {
    Q_OBJECT
public:
    HistoryPage(const app::AppContext& context, const lottery::LotteryState& lottery, QWidget* parent);

    void FillHistoryPage();
    // The selected row's result, the first row's without a selection, or
    // none when the history is empty.
    const lottery::THistoryLine* SelectedDrawResult() const;

    HeaderedList* HistoryList() const { return historyList_; }
    const RowsModel<lottery::HistoryRow>& Rows() const { return *rows_; }

    QPushButton* Button11() const { return button11_; }
    QPushButton* Button15() const { return button15_; }
    QPushButton* Button16() const { return button16_; }
    QPushButton* StatisticsButton() const { return statisticsButton_; }
    QPushButton* Button13() const { return button13_; }
    QPushButton* Button14() const { return button14_; }

    void StatisticsClick();

private:
    const app::AppContext& context_;
    const lottery::LotteryState& lottery_;
    HeaderedList* historyList_;
    RowsModel<lottery::HistoryRow>* rows_;
    QLabel* resultsL1_;
    QLabel* resultsL2_;
    QLabel* resultsS3_;
    QLabel* resultsL3_;
    QPushButton* button11_;
    QPushButton* button15_;
    QPushButton* button16_;
    QPushButton* statisticsButton_;
    QPushButton* button13_;
    QPushButton* button14_;
};

}  // namespace master
