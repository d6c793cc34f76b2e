#include "Master/HeaderedList.h"

#include "Master/RowDelegate.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QTableView>
#include <QStandardItemModel>

namespace master {
namespace {

constexpr int kHeaderHeight = 20;

}  // namespace

HeaderedList::HeaderedList(QWidget* parent, const QRect& geometry, std::initializer_list<Section> sections)
    : QFrame(parent) {
    setGeometry(geometry);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);

    captions_ = new QStandardItemModel(0, static_cast<int>(sections.size()), this);
    header_ = new QHeaderView(Qt::Horizontal, this);
    header_->setModel(captions_);
    header_->setSectionResizeMode(QHeaderView::Fixed);
    header_->setSectionsClickable(false);
    header_->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header_->setMinimumSectionSize(1);
    int column = 0;
    for (const auto& [caption, width] : sections) {
        captions_->setHorizontalHeaderItem(column, new QStandardItem(QString::fromUtf8(caption)));
        header_->resizeSection(column++, width);
    }
    header_->setGeometry(1, 1, geometry.width() - 2, kHeaderHeight);

    // A one-column table: its rows of fixed height are laid out lazily, so
    // hundreds of thousands of them cost nothing until they are painted.
    list_ = new QTableView(this);
    list_->setGeometry(1, 1 + kHeaderHeight, geometry.width() - 2, geometry.height() - 2 - kHeaderHeight);
    list_->setFrameShape(QFrame::NoFrame);
    list_->setShowGrid(false);
    list_->setWordWrap(false);
    list_->horizontalHeader()->hide();
    list_->horizontalHeader()->setStretchLastSection(true);
    list_->verticalHeader()->hide();
    list_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    list_->verticalHeader()->setMinimumSectionSize(1);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void HeaderedList::SetModel(QAbstractItemModel* model, RowDelegate* delegate) {
    list_->verticalHeader()->setDefaultSectionSize(delegate->RowHeight());
    list_->setModel(model);
    list_->setItemDelegate(delegate);
    connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this, &HeaderedList::SelectionChanged);
}

int HeaderedList::SectionLeft(int section) const {
    return header_->sectionPosition(section);
}

int HeaderedList::SectionWidth(int section) const {
    return header_->sectionSize(section);
}

void HeaderedList::SetSectionWidth(int section, int width) {
    header_->resizeSection(section, width);
}

int HeaderedList::SelectedRow() const {
    const QModelIndexList selected = list_->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void HeaderedList::SelectRow(int row) {
    QItemSelectionModel* selection = list_->selectionModel();
    const QModelIndex index = list_->model()->index(row, 0);
    if (!index.isValid()) {
        // Also after a refill, where the old selection went without a word.
        selection->clear();
        emit SelectionChanged();
        return;
    }
    selection->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    list_->scrollTo(index);
}

}  // namespace master
