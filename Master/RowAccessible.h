#pragma once

#include <QAccessibleInterface>
#include <QPointer>

namespace master {

class RowListView;

// One row of a RowListView as assistive technology sees it: a list item
// named by what the row shows. It holds only the view and the row number,
// and reads the row afresh each time it is asked, so it stays right across
// refills for as long as the row exists.
class RowAccessible : public QAccessibleInterface {
public:
    RowAccessible(RowListView* view, int row);

    int Row() const { return row_; }

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text kind) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override;

private:
    QPointer<RowListView> view_;
    int row_;
};

}  // namespace master
