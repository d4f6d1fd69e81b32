#include "app/dialogs/zh/u_picker_common.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <functional>

#include "ui/platform.h"

namespace qorvel {

QPushButton* dialogButton(const char* caption, const char* name, QWidget* parent) {
    auto* b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

ValuePickerDialog::ValuePickerDialog(int lastValue, const char* objectName, QWidget* parent)
    : QDialog(parent), selection_(lastValue) {
    setObjectName(objectName);
    setWindowTitle(QStringLiteral("取值选择"));
}

void ValuePickerDialog::makeCriteria(const ValueCriteriaGroup::Options& options) {
    criteria_ = new ValueCriteriaGroup(options, this);
    connect(criteria_->chooseButton, &QPushButton::clicked, this, [this] { chooseByCriteria(); });
}

QHBoxLayout* ValuePickerDialog::makeButtonRow() {
    // The quick buttons change the selection and repaint the view; 重置 clears the criteria too.
    const struct {
        const char* name;
        const char* caption;
        void (ValueSelection::*change)();
        bool resetsCriteria;
    } quickButtons[] = {
        {"b_reset", "重置", &ValueSelection::chooseNone, true},
        {"b_selectall", "全选", &ValueSelection::chooseAll, false},
        {"b_selectnone", "全不选", &ValueSelection::chooseNone, false},
        {"b_invert", "反选", &ValueSelection::invert, false},
    };
    auto* row = new QHBoxLayout();
    for (const auto& q : quickButtons) {
        QPushButton* b = dialogButton(q.caption, q.name, this);
        row->addWidget(b);
        connect(b, &QPushButton::clicked, this, [this, change = q.change, resets = q.resetsCriteria] {
            std::invoke(change, selection_);
            if (resets) criteria_->reset();
            refreshValues();
        });
    }
    assistantButton_ = dialogButton("过滤助手", "b_assistant", this);
    row->addWidget(assistantButton_);
    row->addStretch();
    QPushButton* ok = dialogButton("确定", "b_ok", this);
    QPushButton* cancel = dialogButton("取消", "b_cancel", this);
    row->addWidget(ok);
    row->addWidget(cancel);
    connect(assistantButton_, &QPushButton::clicked, this,
            [this] { openFilterAssistant(request_.assistantSource, this); });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    return row;
}

void ValuePickerDialog::finishColumn(QVBoxLayout* column, QHBoxLayout* buttonRow) {
    column->addWidget(criteria_);
    column->addLayout(buttonRow);
    column->setSizeConstraint(QLayout::SetFixedSize);
}

void ValuePickerDialog::begin(const ValuePickerRequest& request) {
    request_ = request;
    selection_.begin(request.from, request.to, request.preselected);
    criteria_->reset();
    criteria_->setEnabled(request.criteria);
    criteria_->setCurrentValueAvailable(request.currentValue.has_value());
    assistantButton_->setEnabled(!request.assistantSource.empty());
    showRange();
    refreshValues();
}

std::optional<std::vector<int32_t>> ValuePickerDialog::choose(const ValuePickerRequest& request) {
    begin(request);
    if (exec() != QDialog::Accepted) return std::nullopt;
    return chosen();
}

void ValuePickerDialog::chooseByCriteria() {
    const std::string message = selection_.chooseByCriteria(criteria_->criteria(), request_.currentValue);
    refreshValues();
    if (!message.empty()) showMessage(QString::fromStdString(message), this);
}

}  // namespace qorvel
