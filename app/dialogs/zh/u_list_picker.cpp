#include "app/dialogs/zh/u_list_picker.h"

#include <QListWidget>
#include <QScrollBar>
#include <QVBoxLayout>

namespace qorvel {

namespace {
constexpr int kColumns = 20;
constexpr int kCellWidth = 47;
constexpr int kCellHeight = 20;
constexpr int kVisibleRows = 15;
constexpr int kListFrame = 4;
}  // namespace

ListPicker::ListPicker(QWidget* parent) : ValuePickerDialog(kListPickerLastValue, "f_listpicker", parent) {
    auto* column = new QVBoxLayout(this);
    list_ = new QListWidget(this);
    list_->setObjectName("clb_values");
    list_->setViewMode(QListView::ListMode);
    list_->setFlow(QListView::LeftToRight);
    list_->setWrapping(true);
    list_->setUniformItemSizes(true);
    list_->setGridSize(QSize(kCellWidth, kCellHeight));
    list_->setResizeMode(QListView::Fixed);
    list_->setMovement(QListView::Static);
    list_->setSelectionMode(QAbstractItemView::NoSelection);
    list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int scrollWidth = list_->verticalScrollBar()->sizeHint().width();
    list_->setFixedSize(kColumns * kCellWidth + scrollWidth + kListFrame,
                        kVisibleRows * kCellHeight + kListFrame);
    for (int v = 0; v <= kListPickerLastValue; ++v) {
        auto* item = new QListWidgetItem(QString::number(v), list_);
        item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
        item->setCheckState(Qt::Unchecked);
    }
    connect(list_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        if (refreshing_) return;
        selection_.set(list_->row(item), item->checkState() == Qt::Checked);
    });
    column->addWidget(list_);
    makeCriteria({kLastDivisor, true, 3, 4});
    finishColumn(column, makeButtonRow());
}

// Items outside the range stay listed but cannot be ticked; the list opens at the range's first value.
void ListPicker::showRange() {
    refreshing_ = true;
    for (int v = 0; v <= kListPickerLastValue; ++v) {
        const Qt::ItemFlags flags = selection_.inRange(v) ? Qt::ItemIsUserCheckable | Qt::ItemIsEnabled
                                                          : Qt::ItemIsUserCheckable;
        list_->item(v)->setFlags(flags);
    }
    refreshing_ = false;
    if (selection_.from() <= selection_.to())
        list_->scrollToItem(list_->item(selection_.from()), QAbstractItemView::PositionAtTop);
}

void ListPicker::refreshValues() {
    refreshing_ = true;
    for (int v = 0; v <= kListPickerLastValue; ++v) {
        QListWidgetItem* item = list_->item(v);
        const Qt::CheckState state = selection_.isChosen(v) ? Qt::Checked : Qt::Unchecked;
        if (item->checkState() != state) item->setCheckState(state);
    }
    refreshing_ = false;
}

}  // namespace qorvel
