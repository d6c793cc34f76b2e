#pragma once

#include <QFrame>

#include <initializer_list>
#include <utility>

class QAbstractItemModel;
class QHeaderView;
class QStandardItemModel;

namespace master {

class RowDelegate;
class RowListView;

// A sunken panel holding a fixed header bar and, below it, a borderless list
// whose rows are painted in the columns of the header by the list's delegate
// (which also sets the row height).
class HeaderedList : public QFrame {
    Q_OBJECT
public:
    using Section = std::pair<const char*, int>;  // caption and width

    HeaderedList(QWidget* parent, const QRect& geometry, std::initializer_list<Section> sections);

    QHeaderView* Header() const { return header_; }
    RowListView* List() const { return list_; }
    void SetModel(QAbstractItemModel* model, RowDelegate* delegate);
    // What a screen reader calls the list when it gets the focus.
    void SetListName(const QString& name);

    // The left edge of header section k, and its width.
    int SectionLeft(int section) const;
    int SectionWidth(int section) const;
    void SetSectionWidth(int section, int width);

    int SelectedRow() const;  // -1 without a selection
    void SelectRow(int row);  // no selection when row is out of range

signals:
    void SelectionChanged();

private:
    QHeaderView* header_;
    QStandardItemModel* captions_;
    RowListView* list_;
};

}  // namespace master
