#pragma once

#include <QAccessibleWidget>
#include <QHash>

namespace master {

class RowListView;

// A RowListView as assistive technology sees it: a list with one child per
// row. A row's interface is made when it is first asked for and kept until
// the list goes, so a list of hundreds of thousands of rows costs nothing
// until a screen reader reads it, and then only the rows it reads.
class RowListAccessible : public QAccessibleWidget {
public:
    explicit RowListAccessible(RowListView* view);
    ~RowListAccessible() override;

    // The factory Qt asks for the interface of a RowListView.
    static QAccessibleInterface* Create(const QString& className, QObject* object);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

private:
    RowListView* View() const;

    mutable QHash<int, QAccessible::Id> rows_;
};

}  // namespace master
