#include "Master/HeaderedList.h"

#include "Master/RowListView.h"

#include <QHeaderView>
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

    list_ = new RowListView(this);
    list_->setGeometry(1, 1 + kHeaderHeight, geometry.width() - 2, geometry.height() - 2 - kHeaderHeight);
    list_->setFrameShape(QFrame::NoFrame);
    connect(list_, &RowListView::SelectionChanged, this, &HeaderedList::SelectionChanged);
}

void HeaderedList::SetModel(QAbstractItemModel* model, RowDelegate* delegate) {
    list_->SetModel(model, delegate);
}

void HeaderedList::SetListName(const QString& name) {
    list_->setAccessibleName(name);
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
    return list_->SelectedRow();
}

void HeaderedList::SelectRow(int row) {
    list_->SelectRow(row);
}

}  // namespace master
