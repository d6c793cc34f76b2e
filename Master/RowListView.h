#pragma once

#include <QAbstractScrollArea>
#include <QStyleOptionViewItem>

class QAbstractItemModel;

namespace master {

class RowDelegate;

// A list of rows of one height, painted by a row delegate, with at most one
// selected row. Qt's item views keep something for every row (a header
// section or a layout position), which for hundreds of thousands of rows
// costs megabytes and a pass over all of them at every refill; this view
// keeps nothing per row and touches only the rows it paints.
class RowListView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit RowListView(QWidget* parent);

    void SetModel(QAbstractItemModel* model, RowDelegate* delegate);
    QAbstractItemModel* Model() const { return model_; }
    int RowCount() const;
    // The row as a screen reader says it.
    QString RowText(int row) const;

    int SelectedRow() const { return selected_; }  // -1 without a selection
    void SelectRow(int row);                        // no selection when row is out of range
    void ScrollTo(int row);

    // Where a row stands in the viewport, and the row at a viewport height
    // (-1 below the last row).
    QRect RowRect(int row) const;
    int RowAt(int y) const;

signals:
    void SelectionChanged();
    void RowDoubleClicked(int row);
    // The Delete key, for a list whose rows the user can delete.
    void DeletePressed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void RowsReset();
    void UpdateScrollRange();
    int TopRow() const;
    int WholeRowsShown() const;
    // The row a navigation key moves the selection to, or -1 for another key.
    int RowAfterKey(int key) const;
    QStyleOptionViewItem RowOption(int row) const;
    void PaintFocus(QPainter& painter) const;
    // Tell assistive technology which row is selected and, with the focus
    // here, which row the keys act on.
    void AnnounceRow(int row);
    void AnnounceFocusRow();

    QAbstractItemModel* model_ = nullptr;
    RowDelegate* delegate_ = nullptr;
    int rowHeight_ = 1;
    int selected_ = -1;
};

}  // namespace master
