#include "app/dialogs/zh/u_list_picker.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "app/dialogs/zh/u_value_criteria_group.h"
#include "ui/platform.h"

namespace qorvel {

namespace {
constexpr int kColumns = 20;
constexpr int kCellWidth = 47;
constexpr int kCellHeight = 20;
constexpr int kVisibleRows = 15;
constexpr int kListFrame = 4;
}  // namespace

ListPicker::ListPicker(QWidget* parent) : QDialog(parent) {
    setObjectName("f_listpicker");
    setWindowTitle(QStringLiteral("取值选择"));
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
    list_->setFixedSize(kColumns * kCellWidth + scrollWidth + kListFrame, kVisibleRows * kCellHeight + kListFrame);
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

    criteria_ = new ValueCriteriaGroup({kLastDivisor, true, 3, 4}, this);
    column->addWidget(criteria_);

    const auto button = [this](const char* name, const char* caption) {
        auto* b = new QPushButton(QString::fromUtf8(caption), this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        return b;
    };
    auto* quick = new QHBoxLayout();
    QPushButton* reset = button("b_reset", "重置");
    QPushButton* all = button("b_selectall", "全选");
    QPushButton* none = button("b_selectnone", "全不选");
    QPushButton* invert = button("b_invert", "反选");
    assistantButton_ = button("b_assistant", "过滤助手");
    QPushButton* ok = button("b_ok", "确定");
    QPushButton* cancel = button("b_cancel", "取消");
    for (QPushButton* b : {reset, all, none, invert, assistantButton_}) quick->addWidget(b);
    quick->addStretch();
    quick->addWidget(ok);
    quick->addWidget(cancel);
    column->addLayout(quick);
    column->setSizeConstraint(QLayout::SetFixedSize);

    connect(reset, &QPushButton::clicked, this, [this] {
        selection_.chooseNone();
        criteria_->reset();
        refreshItems();
    });
    connect(all, &QPushButton::clicked, this, [this] {
        selection_.chooseAll();
        refreshItems();
    });
    connect(none, &QPushButton::clicked, this, [this] {
        selection_.chooseNone();
        refreshItems();
    });
    connect(invert, &QPushButton::clicked, this, [this] {
        selection_.invert();
        refreshItems();
    });
    connect(criteria_->chooseButton, &QPushButton::clicked, this, [this] { chooseByCriteria(); });
    connect(assistantButton_, &QPushButton::clicked, this,
            [this] { openFilterAssistant(request_.assistantSource, this); });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void ListPicker::begin(const ValuePickerRequest& request) {
    request_ = request;
    selection_.begin(request.from, request.to, request.preselected);
    criteria_->reset();
    criteria_->setEnabled(request.criteria);
    criteria_->setCurrentValueAvailable(request.currentValue.has_value());
    assistantButton_->setEnabled(!request.assistantSource.empty());
    refreshing_ = true;
    for (int v = 0; v <= kListPickerLastValue; ++v) {
        QListWidgetItem* item = list_->item(v);
        const Qt::ItemFlags flags = selection_.inRange(v) ? Qt::ItemIsUserCheckable | Qt::ItemIsEnabled
                                                          : Qt::ItemIsUserCheckable;
        item->setFlags(flags);
    }
    refreshing_ = false;
    refreshItems();
    if (selection_.from() <= selection_.to())
        list_->scrollToItem(list_->item(selection_.from()), QAbstractItemView::PositionAtTop);
}

std::optional<std::vector<int32_t>> ListPicker::choose(const ValuePickerRequest& request) {
    begin(request);
    if (exec() != QDialog::Accepted) return std::nullopt;
    return chosen();
}

void ListPicker::refreshItems() {
    refreshing_ = true;
    for (int v = 0; v <= kListPickerLastValue; ++v) {
        QListWidgetItem* item = list_->item(v);
        const Qt::CheckState state = selection_.isChosen(v) ? Qt::Checked : Qt::Unchecked;
        if (item->checkState() != state) item->setCheckState(state);
    }
    refreshing_ = false;
}

void ListPicker::chooseByCriteria() {
    const std::string message = selection_.chooseByCriteria(criteria_->criteria(), request_.currentValue);
    refreshItems();
    if (!message.empty()) showMessage(QString::fromStdString(message), this);
}

}  // namespace qorvel
