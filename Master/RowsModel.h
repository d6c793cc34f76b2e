#pragma once

#include <QAbstractListModel>

#include <vector>

namespace master {

// A list model over rows computed by the lottery layer. The view asks only
// for the rows it paints, so hundreds of thousands of rows cost one vector.
// The display text of a row is its key, as the lists read it back.
template <typename Row>
class RowsModel : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    void SetRows(std::vector<Row> rows) {
        beginResetModel();
        rows_ = std::move(rows);
        endResetModel();
    }
    // Lets fill write the rows into the model's own vector, keeping its memory.
    template <typename Fill>
    void Refill(Fill&& fill) {
        beginResetModel();
        fill(rows_);
        endResetModel();
    }
    const std::vector<Row>& Rows() const { return rows_; }
    const Row& At(int row) const { return rows_[static_cast<std::size_t>(row)]; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override {
        return parent.isValid() ? 0 : static_cast<int>(rows_.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!checkIndex(index, CheckIndexOption::IndexIsValid) || role != Qt::DisplayRole) return {};
        return QString::fromStdString(At(index.row()).Key());
    }

private:
    std::vector<Row> rows_;
};

}  // namespace master
