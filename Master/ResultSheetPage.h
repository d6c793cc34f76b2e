#pragma once

#include "Master/HeadedValue.h"
#include "Master/RowsModel.h"
#include "app/AppContext.h"
#include "lottery/LotteryState.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QPushButton;

namespace master {

class CheckRowDelegate;
class HeaderedList;
class HistoryPage;

// Page 5, "Result Sheet": the recorded tickets checked against the selected
// draw of the history, winners first, with the counts and the draw stepping.
class ResultSheetPage : public QWidget {
    Q_OBJECT
public:
    ResultSheetPage(const app::AppContext& context, const lottery::LotteryState& lottery, HistoryPage& history,
                    QWidget* parent);

    // Selects the history row at the selected one plus offset and shows the
    // sheet for it; nothing happens beyond the first or last row.
    void MoveToDraw(int offset);
    void ShowResultSheet(const lottery::THistoryLine& draw);
    // The valid-only box takes the stored option, as a click would.
    void ApplyStoredValidOnly();
    bool ValidOnlyFilter() const { return validOnlyFilter_; }

    HeaderedList* CheckList() const { return checkList_; }
    const RowsModel<lottery::CheckRow>& Rows() const { return *rows_; }
    const lottery::TLine* SelectedTicket() const;
    const lottery::THistoryLine* Draw() const { return draw_; }

    QPushButton* DrawUp() const { return drawUp_; }
    QPushButton* DrawDown() const { return drawDown_; }
    QPushButton* Button18() const { return button18_; }
    QPushButton* Button22() const { return button22_; }
    QPushButton* Button17() const { return button17_; }
    QCheckBox* ValidOnly() const { return validOnly_; }

signals:
    // The sheet has been filled and wants its page shown.
    void ShowRequested();

private:
    void BuildLabels();
    void UpdateResultSheetLabels();
    void ShowTicketDescription();
    void ValidOnlyClick(bool checked);
    void DisplayWinnings();

    const app::AppContext& context_;
    const lottery::LotteryState& lottery_;
    HistoryPage& history_;
    const lottery::THistoryLine* draw_ = nullptr;
    bool validOnlyFilter_ = false;

    HeaderedList* checkList_;
    RowsModel<lottery::CheckRow>* rows_;
    CheckRowDelegate* delegate_;
    QLabel* winningNumbers_ = nullptr;
    QLabel* checkS5_ = nullptr;
    QLabel* checkL5_ = nullptr;
    HeadedValue drawNumber_;
    HeadedValue drawDate_;
    HeadedValue checked_;
    HeadedValue winners_;
    QPushButton* drawUp_;
    QPushButton* drawDown_;
    QPushButton* button18_;
    QPushButton* button22_;
    QPushButton* button17_;
    QCheckBox* validOnly_;
};

}  // namespace master
