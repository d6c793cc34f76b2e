#pragma once

#include "Master/RowDelegate.h"
#include "Master/RowsModel.h"
#include "lottery/CheckRows.h"

namespace lottery {
class THistoryLine;
}

namespace master {

// A row of the result sheet: the board's key, its six numbers marked against
// the draw (drawn ones red and bold, the bonus bold on a "5 and the Bonus"
// board, the rest grey) and the prize won.
class CheckRowDelegate : public RowDelegate {
public:
    CheckRowDelegate(HeaderedList& list, const RowsModel<lottery::CheckRow>& rows, const lottery::TLineList& tickets);

    void SetDraw(const lottery::THistoryLine* draw) { draw_ = draw; }
    QString RowText(int row) const override;

protected:
    void PaintRow(QPainter& painter, const QRect& rect, int row, const RowColours& colours) const override;

private:
    void StyleNumber(QPainter& painter, const lottery::CheckRow& checkRow, int position,
                     const RowColours& colours) const;

    const RowsModel<lottery::CheckRow>& rows_;
    const lottery::TLineList& tickets_;
    const lottery::THistoryLine* draw_ = nullptr;
};

}  // namespace master
