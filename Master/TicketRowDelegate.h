#pragma once

#include "Master/RowDelegate.h"
#include "Master/RowsModel.h"
#include "lottery/TLineList.h"

namespace app {
class DateText;
}
namespace lottery {
class LotteryState;
}

namespace master {

// A row of "Your Tickets": the board's key, its six numbers, the draw days
// and the renewal date; red for an expired ticket.
class TicketRowDelegate : public RowDelegate {
public:
    TicketRowDelegate(HeaderedList& list, const RowsModel<lottery::TicketRow>& rows,
                      const lottery::LotteryState& lottery, const app::DateText& dates);
    QString RowText(int row) const override;

protected:
    void PaintRow(QPainter& painter, const QRect& rect, int row, const RowColours& colours) const override;

private:
    const RowsModel<lottery::TicketRow>& rows_;
    const lottery::LotteryState& lottery_;
    const app::DateText& dates_;
};

}  // namespace master
