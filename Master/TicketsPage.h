#pragma once

#include "Master/RowsModel.h"
#include "app/AppContext.h"
#include "lottery/LotteryState.h"

#include <QWidget>

class QLabel;
class QPushButton;

namespace master {

class HeaderedList;

// Page 1, "Your Tickets": every used board of every ticket, one row each,
// with the selected ticket's details and the ticket actions.
class TicketsPage : public QWidget {
    Q_OBJECT
public:
    TicketsPage(const app::AppContext& context, lottery::LotteryState& lottery, QWidget* parent);

    void FillTicketsList();
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
    // A bold heading over its value; the heading shows only while the value
    // has text.
    struct Detail {
        QLabel* heading = nullptr;
        QLabel* value = nullptr;
        void Show(const QString& text) const;
    };

    Detail AddDetail(const QString& heading, const QString& headingName, const QString& valueName, int left,
                     int width);

    const app::AppContext& context_;
    lottery::LotteryState& lottery_;
    HeaderedList* linesList_;
    RowsModel<lottery::TicketRow>* rows_;
    Detail lineDetail_;
    Detail startDateDetail_;
    Detail weeksDetail_;
    Detail descriptionDetail_;
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
