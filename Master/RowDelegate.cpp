#include "Master/RowDelegate.h"

#include "Master/HeaderedList.h"

#include <QPainter>

namespace master {

RowDelegate::RowDelegate(HeaderedList& list, int rowHeight, int textTop)
    : QStyledItemDelegate(&list), list_(list), rowHeight_(rowHeight), textTop_(textTop) {}

QSize RowDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const {
    return {list_.width(), rowHeight_};
}

void RowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const RowColours colours(option.palette, option.state & QStyle::State_Selected);
    painter->save();
    painter->fillRect(option.rect, colours.Background());
    painter->setFont(option.font);
    painter->setPen(colours.Text());
    PaintRow(*painter, option.rect, index.row(), colours);
    painter->restore();
}

QString RowDelegate::RowText(int) const {
    return {};
}

int RowDelegate::Left(int section) const {
    return list_.SectionLeft(section);
}

int RowDelegate::Width(int section) const {
    return list_.SectionWidth(section);
}

void RowDelegate::DrawText(QPainter& painter, const QRect& rect, int x, const QString& text) const {
    painter.drawText(rect.left() + x, rect.top() + textTop_ + painter.fontMetrics().ascent(), text);
}

int RowDelegate::TextWidth(const QPainter& painter, const QString& text) {
    return painter.fontMetrics().horizontalAdvance(text);
}

int RowDelegate::Centred(const QPainter& painter, int section, const QString& sample) const {
    return Left(section) + Width(section) / 2 - TextWidth(painter, sample) / 2;
}

}  // namespace master
