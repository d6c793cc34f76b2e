#pragma once

#include "Master/HeadedValue.h"
#include "Master/RowsModel.h"
#include "app/AppContext.h"
#include "lottery/LotteryState.h"

#include <QWidget>

class QLabel;
class QPushButton;

namespace addlinedlg {
class TAddLineForm;
}

namespace master {

class HeaderedList;

// Page 1, "Your Tickets": every used board of every ticket, one row each,
// with the selected ticket's details and the ticket actions.
class TicketsPage : public QWidget {
    Q_OBJECT
public:
    TicketsPage(const app::AppContext& context, lottery::LotteryState& lottery, QWidget* parent);

    void FillTicketsList();
    // The ticket actions through the wizard; each refills the list after a
    // change and selects the row the user was on.
    void Button6Click();
    void Button7Click();
    void Button9Click(const QPushButton* raisedBy);
    void UpdateTicketsCount();
    void ShowTicketDetails();

    HeaderedList* LinesList() const { return linesList_; }
    const RowsModel<lottery::TicketRow>& Rows() const { return *rows_; }
    // The ticket of the selected row, or none.
    const lottery::TLine* SelectedTicket() const;

    QPushButton* Button6() const { return button6_; }
    QPushButton* Button7() const { return button7_; }
    QPushButton* Button9() const { return button9_; }
    QPushButton* Button19() const { return button19_; }
    QPushButton* Button21() const { return button21_; }
    QPushButton* Button5() const { return button5_; }
    QPushButton* Button3() const { return button3_; }

private:
    // The wizard's values, as the ticket list stores them.
    void StoreWizardTicket(const addlinedlg::TAddLineForm& wizard, const lottery::TLine* replacing);
    static constexpr int kLastRow = -1;
    // Selects the given row afterwards, none when it is out of range.
    void Refill(int selectRow);

    HeadedValue AddDetail(const QString& heading, const QString& headingName, const QString& valueName, int left,
                          int width);

    const app::AppContext& context_;
    lottery::LotteryState& lottery_;
    HeaderedList* linesList_;
    RowsModel<lottery::TicketRow>* rows_;
    HeadedValue lineDetail_;
    HeadedValue startDateDetail_;
    HeadedValue weeksDetail_;
    HeadedValue descriptionDetail_;
    QLabel* lineLabel_;
    QPushButton* button6_;
    QPushButton* button7_;
    QPushButton* button9_;
    QPushButton* button19_;
    QPushButton* button21_;
    QPushButton* button5_;
    QPushButton* button3_;
};

}  // namespace master
