#pragma once

#include "Master/RowColours.h"

#include <QStyledItemDelegate>

namespace master {

class HeaderedList;

// Paints one row of a headered list in the columns of its header bar, on
// the prepared background (the selection colour for the selected row).
class RowDelegate : public QStyledItemDelegate {
public:
    RowDelegate(HeaderedList& list, int rowHeight, int textTop);

    int RowHeight() const { return rowHeight_; }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    // A row as a screen reader says it: what the row shows, in words, with
    // what its colours and bold type mean. Empty when the row's key says it.
    virtual QString RowText(int row) const;

protected:
    // The painter's pen is the row's text colour when it is called.
    virtual void PaintRow(QPainter& painter, const QRect& rect, int row, const RowColours& colours) const = 0;

    int Left(int section) const;   // the sum of the widths before it
    int Width(int section) const;
    // Text whose top stands textTop pixels below the row's top, at x from
    // the row's left edge.
    void DrawText(QPainter& painter, const QRect& rect, int x, const QString& text) const;
    static int TextWidth(const QPainter& painter, const QString& text);
    // x of a text of the given sample's width centred in the section.
    int Centred(const QPainter& painter, int section, const QString& sample) const;

private:
    const HeaderedList& list_;
    int rowHeight_;
    int textTop_;
};

}  // namespace master
