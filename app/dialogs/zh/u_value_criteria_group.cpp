#include "app/dialogs/zh/u_value_criteria_group.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>

#include <algorithm>

#include "app/app_state.h"
#include "app/pages/u_zbpxz.h"
#include "ui/platform.h"

namespace qorvel {
namespace {
constexpr const char* kCriterionHint = "设置好条件后,请点击'按条件选择'按钮";
constexpr int kDigitWidth = 9;     // pixels per digit of a bound field
constexpr int kFieldPadding = 12;
constexpr int kTailFieldWidth = 80;

QHBoxLayout* tightRow(QWidget* owner) {
    auto* row = new QHBoxLayout(owner);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    return row;
}
}  // namespace

ValueCriteriaGroup::ValueCriteriaGroup(const Options& options, QWidget* parent)
    : QGroupBox(parent), options_(options) {
    setObjectName("gb_criteria");
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setVerticalSpacing(2);
    int left = 0;
    grid->addWidget(buildChoiceRow(), left++, 0);
    for (int k = kFirstDivisor; k <= options_.lastDivisor; ++k) grid->addWidget(buildRemainderRow(k), left++, 0);
    int right = 0;
    grid->addWidget(buildBoundRow(amplitude_, "amplitude", "振幅", "<=振幅<=", options_.amplitudeDigits, false),
                    right++, 1);
    grid->addWidget(buildBoundRow(range_, "range", "取值范围", "<=取值范围<=", options_.rangeDigits, false),
                    right++, 1);
    grid->addWidget(buildBoundRow(average_, "average", "二期均值", "<=二期均期<=", options_.rangeDigits, true),
                    right++, 1);
    chooseButton = new QPushButton(QStringLiteral(" 按条件选择  "), this);
    chooseButton->setObjectName("b_bycriteria");
    grid->addWidget(chooseButton, right++, 1, Qt::AlignLeft);
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(std::max(left, right), 1);
    reset();
}

void ValueCriteriaGroup::hint(QWidget* w) const { w->setToolTip(QString::fromUtf8(kCriterionHint)); }

QWidget* ValueCriteriaGroup::buildChoiceRow() {
    auto* box = new QWidget(this);
    auto* row = tightRow(box);
    const auto pair = [&](QCheckBox*& check, const char* name, const char* caption, QRadioButton*& first,
                          const char* firstName, const char* firstCaption, QRadioButton*& second,
                          const char* secondName, const char* secondCaption) {
        check = new QCheckBox(QString::fromUtf8(caption), box);
        check->setObjectName(name);
        first = new QRadioButton(QString::fromUtf8(firstCaption), box);
        first->setObjectName(firstName);
        second = new QRadioButton(QString::fromUtf8(secondCaption), box);
        second->setObjectName(secondName);
        auto* group = new QButtonGroup(box);
        group->addButton(first);
        group->addButton(second);
        for (QWidget* w : {static_cast<QWidget*>(check), static_cast<QWidget*>(first),
                           static_cast<QWidget*>(second)}) {
            hint(w);
            row->addWidget(w);
        }
        row->addSpacing(10);
    };
    pair(parityBox_, "cb_parity", "奇偶", oddButton_, "rb_odd", "奇数", evenButton_, "rb_even", "偶数");
    pair(primeBox_, "cb_prime", "质合", primeButton_, "rb_prime", "质数", compositeButton_, "rb_composite",
         "合数");
    if (options_.withTail) {
        tailBox_ = new QCheckBox(QStringLiteral("尾数"), box);
        tailBox_->setObjectName("cb_tail");
        tailField_ = new QLineEdit(box);
        tailField_->setObjectName("e_tail");
        tailField_->setFixedWidth(kTailFieldWidth);
        hint(tailBox_);
        hint(tailField_);
        row->addWidget(tailBox_);
        row->addWidget(tailField_);
    }
    row->addStretch();
    return box;
}

QWidget* ValueCriteriaGroup::buildRemainderRow(int k) {
    auto* box = new QWidget(this);
    auto* row = tightRow(box);
    const QString stem = QStringLiteral("cb_mod%1").arg(k);
    QCheckBox* divisor = new QCheckBox(QStringLiteral("除%1余数").arg(k), box);
    divisor->setObjectName(stem);
    hint(divisor);
    divisorBoxes_[static_cast<std::size_t>(k)] = divisor;
    row->addWidget(divisor);
    row->addSpacing(6);
    for (int r = 0; r < k; ++r) {
        auto* remainder = new QCheckBox(QStringLiteral("除%1余%2").arg(k).arg(r), box);
        remainder->setObjectName(stem + QStringLiteral("_%1").arg(r));
        hint(remainder);
        remainderBoxes_[static_cast<std::size_t>(k)][static_cast<std::size_t>(r)] = remainder;
        row->addWidget(remainder);
    }
    row->addStretch();
    return box;
}

QWidget* ValueCriteriaGroup::buildBoundRow(BoundRow& bound, const char* stem, const char* caption,
                                           const char* between, int digits, bool real) {
    auto* box = new QWidget(this);
    auto* row = tightRow(box);
    bound.box = new QCheckBox(QString::fromUtf8(caption), box);
    bound.box->setObjectName(QStringLiteral("cb_%1").arg(stem));
    bound.from = new QLineEdit(box);
    bound.from->setObjectName(QStringLiteral("e_%1from").arg(stem));
    bound.to = new QLineEdit(box);
    bound.to->setObjectName(QStringLiteral("e_%1to").arg(stem));
    const QRegularExpression pattern(real ? QStringLiteral("[0-9.]*") : QStringLiteral("[0-9]*"));
    for (QLineEdit* field : {bound.from, bound.to}) {
        field->setMaxLength(digits);
        field->setFixedWidth(digits * kDigitWidth + kFieldPadding);
        field->setValidator(new QRegularExpressionValidator(pattern, field));
        hint(field);
    }
    hint(bound.box);
    row->addWidget(bound.box);
    row->addWidget(bound.from);
    row->addWidget(new QLabel(QString::fromUtf8(between), box));
    row->addWidget(bound.to);
    row->addStretch();
    return box;
}

ValueCriteria ValueCriteriaGroup::criteria() const {
    ValueCriteria c;
    c.parityOn = parityBox_->isChecked();
    c.odd = oddButton_->isChecked();
    c.primeOn = primeBox_->isChecked();
    c.prime = primeButton_->isChecked();
    for (int k = kFirstDivisor; k <= options_.lastDivisor; ++k) {
        auto& criterion = c.remainders[static_cast<std::size_t>(k)];
        criterion.on = divisorBoxes_[static_cast<std::size_t>(k)]->isChecked();
        for (int r = 0; r < k; ++r)
            criterion.accepted[static_cast<std::size_t>(r)] =
                remainderBoxes_[static_cast<std::size_t>(k)][static_cast<std::size_t>(r)]->isChecked();
    }
    if (tailBox_) {
        c.tailOn = tailBox_->isChecked();
        c.tailDigits = tailField_->text().toStdString();
    }
    const auto read = [](const BoundRow& row) {
        return BoundCriterion{row.box->isChecked() && row.box->isEnabled(), row.from->text().toStdString(),
                              row.to->text().toStdString()};
    };
    c.amplitude = read(amplitude_);
    c.range = read(range_);
    c.average = read(average_);
    return c;
}

void ValueCriteriaGroup::reset() {
    for (QCheckBox* box : findChildren<QCheckBox*>()) box->setChecked(false);
    oddButton_->setChecked(true);
    primeButton_->setChecked(true);
    for (const BoundRow* row : {&amplitude_, &range_, &average_}) {
        row->from->clear();
        row->to->clear();
    }
    if (tailField_) tailField_->setText(QString::fromUtf8(kAllTailDigits));
}

void ValueCriteriaGroup::setCurrentValueAvailable(bool available) {
    for (const BoundRow* row : {&amplitude_, &average_}) {
        if (!available) row->box->setChecked(false);
        for (QWidget* w : {static_cast<QWidget*>(row->box), static_cast<QWidget*>(row->from),
                           static_cast<QWidget*>(row->to)})
            w->setEnabled(available);
    }
}

void openFilterAssistant(const std::string& source, QWidget* parent) {
    Workspace& ws = workspace();
    if (ws.MainStore.IsEmpty()) return;
    const AssistantOutcome outcome = filterAssistantInput(ws, source);
    if (!outcome.error.empty()) {
        showMessage(QString::fromStdString(outcome.error), parent);
        return;
    }
    showDissectionModally(outcome.input, parent);
}

}  // namespace qorvel
