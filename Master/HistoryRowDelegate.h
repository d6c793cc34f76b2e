#pragma once

#include "Master/RowDelegate.h"
#include "Master/RowsModel.h"
#include "lottery/THistoryList.h"

namespace app {
class DateText;
}

namespace master {

// A row of the "History List": draw number, date, the six balls and the
// bonus ball, with a red "--" for a number not yet recorded.
class HistoryRowDelegate : public RowDelegate {
public:
    HistoryRowDelegate(HeaderedList& list, const RowsModel<lottery::HistoryRow>& rows, const app::DateText& dates);
    QString RowText(int row) const override;

protected:
    void PaintRow(QPainter& painter, const QRect& rect, int row, const RowColours& colours) const override;

private:
    void DrawNumber(QPainter& painter, const QRect& rect, int x, const QString& text,
                    const RowColours& colours) const;
    static QString SpokenNumber(const QString& text);

    const RowsModel<lottery::HistoryRow>& rows_;
    const app::DateText& dates_;
};

}  // namespace master
