#pragma once

#include "Master/RowDelegate.h"
#include "Master/RowsModel.h"
#include "lottery/TicketRun.h"

#include <string>

namespace app {
class DateText;
}

namespace master {

// A row of a ticket's run: one draw, keyed by its date as the history list
// keys its rows.
struct RunRow {
    const lottery::RunDraw* draw = nullptr;

    std::string Key() const;
};

// The draw number and date as the history list shows them, then a mark in
// the colour of the draw's best tier and the prize of each winning board in
// the result sheet's words ("A: 3 Balls"), or the ticket display's grey
// "Nothing"; a draw without a result says so in the history list's red for
// what is not recorded.
class RunRowDelegate : public RowDelegate {
public:
    RunRowDelegate(HeaderedList& list, const RowsModel<RunRow>& rows, const app::DateText& dates);

    static QString PrizesText(const lottery::RunDraw& draw);
    QString RowText(int row) const override;

protected:
    void PaintRow(QPainter& painter, const QRect& rect, int row, const RowColours& colours) const override;

private:
    void PaintPrizes(QPainter& painter, const QRect& rect, const lottery::RunDraw& draw,
                     const RowColours& colours) const;

    const RowsModel<RunRow>& rows_;
    const app::DateText& dates_;
};

}  // namespace master
