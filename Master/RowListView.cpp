#include "Master/RowListView.h"

#include "Master/RowDelegate.h"
#include "Master/RowListAccessible.h"

#include <QAbstractItemModel>
#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionFocusRect>

#include <algorithm>

namespace master {

RowListView::RowListView(QWidget* parent) : QAbstractScrollArea(parent) {
    // Before anything here makes Qt ask for the view's interface, which it
    // then keeps.
    static const bool accessibleRows = (QAccessible::installFactory(&RowListAccessible::Create), true);
    Q_UNUSED(accessibleRows);
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
}

void RowListView::SetModel(QAbstractItemModel* model, RowDelegate* delegate) {
    model_ = model;
    delegate_ = delegate;
    rowHeight_ = std::max(1, delegate->RowHeight());
    connect(model, &QAbstractItemModel::modelReset, this, &RowListView::RowsReset);
    RowsReset();
}

int RowListView::RowCount() const {
    return model_ ? model_->rowCount() : 0;
}

QString RowListView::RowText(int row) const {
    if (row < 0 || row >= RowCount()) return {};
    const QString text = delegate_ ? delegate_->RowText(row) : QString();
    return text.isEmpty() ? model_->index(row, 0).data().toString() : text;
}

// Like Qt's views, a refill drops the selection without a signal: the owner
// chooses the row to select once it has refilled.
void RowListView::RowsReset() {
    selected_ = -1;
    UpdateScrollRange();
    viewport()->update();
    if (QAccessible::isActive()) {
        QAccessibleTableModelChangeEvent reset(this, QAccessibleTableModelChangeEvent::ModelReset);
        QAccessible::updateAccessibility(&reset);
    }
}

void RowListView::SelectRow(int row) {
    if (row < 0 || row >= RowCount()) {
        selected_ = -1;
        viewport()->update();
        emit SelectionChanged();
        return;
    }
    ScrollTo(row);
    if (row == selected_) return;
    selected_ = row;
    viewport()->update();
    AnnounceRow(row);
    emit SelectionChanged();
}

void RowListView::AnnounceRow(int row) {
    if (!QAccessible::isActive()) return;
    AnnounceFocusRow();
    QAccessibleEvent selection(this, QAccessible::Selection);
    selection.setChild(row);
    QAccessible::updateAccessibility(&selection);
}

void RowListView::ScrollTo(int row) {
    QScrollBar* bar = verticalScrollBar();
    if (row < TopRow())
        bar->setValue(row);
    else if (row >= TopRow() + WholeRowsShown())
        bar->setValue(row - WholeRowsShown() + 1);
}

QRect RowListView::RowRect(int row) const {
    return {0, (row - TopRow()) * rowHeight_, viewport()->width(), rowHeight_};
}

int RowListView::RowAt(int y) const {
    const int row = TopRow() + y / rowHeight_;
    return y >= 0 && row < RowCount() ? row : -1;
}

int RowListView::TopRow() const {
    return verticalScrollBar()->value();
}

int RowListView::WholeRowsShown() const {
    return std::max(1, viewport()->height() / rowHeight_);
}

// The scroll bar counts rows, so its last position shows the last row whole
// at the bottom.
void RowListView::UpdateScrollRange() {
    QScrollBar* bar = verticalScrollBar();
    bar->setRange(0, std::max(0, RowCount() - WholeRowsShown()));
    bar->setSingleStep(1);
    bar->setPageStep(WholeRowsShown());
}

void RowListView::paintEvent(QPaintEvent*) {
    if (!delegate_) return;
    QPainter painter(viewport());
    const int last = std::min(RowCount() - 1, TopRow() + viewport()->height() / rowHeight_);
    for (int row = TopRow(); row <= last; ++row)
        delegate_->paint(&painter, RowOption(row), model_->index(row, 0));
    if (hasFocus() && RowCount() > 0) PaintFocus(painter);
}

// The keys act on the selected row, or start from the first row without
// one: that row is framed as the style frames a focused item.
void RowListView::PaintFocus(QPainter& painter) const {
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = RowRect(std::max(selected_, 0)).adjusted(0, 0, -1, -1);
    option.backgroundColor = selected_ >= 0 ? palette().color(QPalette::Highlight) : palette().color(QPalette::Base);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

void RowListView::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
    AnnounceFocusRow();
}

void RowListView::AnnounceFocusRow() {
    if (!hasFocus() || RowCount() == 0 || !QAccessible::isActive()) return;
    QAccessibleEvent focus(this, QAccessible::Focus);
    focus.setChild(std::max(selected_, 0));
    QAccessible::updateAccessibility(&focus);
}

void RowListView::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

QStyleOptionViewItem RowListView::RowOption(int row) const {
    QStyleOptionViewItem option;
    option.initFrom(this);
    option.rect = RowRect(row);
    option.font = font();
    option.palette.setCurrentColorGroup(!isEnabled()       ? QPalette::Disabled
                                        : isActiveWindow() ? QPalette::Active
                                                           : QPalette::Inactive);
    if (row == selected_) option.state |= QStyle::State_Selected;
    return option;
}

void RowListView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollRange();
}

int RowListView::RowAfterKey(int key) const {
    const int last = RowCount() - 1;
    switch (key) {
    case Qt::Key_Up: return std::max(0, selected_ - 1);
    case Qt::Key_Down: return std::min(last, selected_ + 1);
    case Qt::Key_PageUp: return std::max(0, selected_ - WholeRowsShown());
    case Qt::Key_PageDown: return std::min(last, std::max(0, selected_) + WholeRowsShown());
    case Qt::Key_Home: return 0;
    case Qt::Key_End: return last;
    default: return -1;
    }
}

void RowListView::keyPressEvent(QKeyEvent* event) {
    const int row = RowAfterKey(event->key());
    const bool plainKey = (event->modifiers() | Qt::KeypadModifier) == Qt::KeypadModifier;
    if (event->key() == Qt::Key_Delete && plainKey) {
        emit DeletePressed();
        return;
    }
    if (row < 0 || !plainKey) {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    if (RowCount() > 0) SelectRow(row);
    event->accept();
}

void RowListView::mousePressEvent(QMouseEvent* event) {
    const int row = RowAt(event->position().toPoint().y());
    if (event->button() == Qt::LeftButton && row >= 0) SelectRow(row);
    QAbstractScrollArea::mousePressEvent(event);
}

void RowListView::mouseDoubleClickEvent(QMouseEvent* event) {
    const int row = RowAt(event->position().toPoint().y());
    if (event->button() == Qt::LeftButton && row >= 0) {
        SelectRow(row);
        emit RowDoubleClicked(row);
    }
    QAbstractScrollArea::mouseDoubleClickEvent(event);
}

void RowListView::scrollContentsBy(int, int) {
    viewport()->update();
}

}  // namespace master
