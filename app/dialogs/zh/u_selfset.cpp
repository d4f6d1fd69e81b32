#include "app/dialogs/zh/u_selfset.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <iterator>

#include "app/app_state.h"
#include "app/dialogs/zh/u_picker_common.h"
#include "combos/group_series.h"
#include "text/number_text.h"

namespace qorvel {
namespace {

constexpr int kNumberColumns = 6;

// The quick choices: the numbers n with n mod divisor == remainder.
struct QuickChoice {
    const char* caption;
    int divisor;
    int remainder;
};
constexpr QuickChoice kQuickChoices[] = {
    {"除三余零数", 3, 0}, {"除三余一数", 3, 1}, {"除三余二数", 3, 2}, {"除四余零数", 4, 0},
    {"除四余一数", 4, 1}, {"除四余二数", 4, 2}, {"除四余三数", 4, 3}, {"除五余零数", 5, 0},
    {"除五余一数", 5, 1}, {"除五余二数", 5, 2}, {"除五余三数", 5, 3}, {"除五余四数", 5, 4}};

}  // namespace

Tf_selfcond::Tf_selfcond(QWidget* parent)
    : GroupSetDialog({"f_selfcond", "自设条件", "未选择号码", "未选择号码组应出现的次数", true}, parent) {
    auto* layout = new QHBoxLayout(this);
    auto* numbers = new QGroupBox(QStringLiteral("号码选择"), this);
    numberGrid_ = new QGridLayout(numbers);
    numberGrid_->setHorizontalSpacing(12);
    layout->addWidget(numbers, 1);

    auto* side = new QVBoxLayout();
    side->addWidget(new QLabel(QStringLiteral("快速选号"), this));
    cb_ksxh = new QComboBox(this);
    cb_ksxh->setObjectName("cb_ksxh");
    for (const QuickChoice& q : kQuickChoices) cb_ksxh->addItem(QString::fromUtf8(q.caption));
    cb_ksxh->setCurrentIndex(-1);
    side->addWidget(cb_ksxh);
    b_selectall = dialogButton("全选", "b_selectall", this);
    b_selectnone = dialogButton("全不选", "b_selectnone", this);
    b_reset = dialogButton("复位", "b_reset", this);
    for (QPushButton* b : {b_selectall, b_selectnone, b_reset}) side->addWidget(b);
    side->addWidget(makeCountBox());
    makeTolerantBox();
    side->addWidget(cb_rc);
    side->addStretch();
    makeClosingButtons();
    for (QPushButton* b : {b_glzs, b_ok, b_cancel}) side->addWidget(b);
    layout->addLayout(side);

    connect(cb_ksxh, &QComboBox::activated, this, [this](int index) { applyQuickChoice(index); });
    connect(b_selectnone, &QPushButton::clicked, this, [this] { setTickedNumbers({}); });
    wireSharedButtons();
    buildNumberBoxes(workspace().params.MainTo);
}

void Tf_selfcond::buildNumberBoxes(int mainTo) {
    for (QCheckBox* box : valueBoxes) delete box;
    valueBoxes.assign(static_cast<std::size_t>(mainTo) + 1, nullptr);
    // Numbers run down each column first, as in a multi-column check list.
    const int rows = (mainTo + kNumberColumns - 1) / kNumberColumns;
    for (int n = 1; n <= mainTo; ++n) {
        auto* box = new QCheckBox(QString::fromStdString(TwoDigitText(n)), this);
        box->setObjectName(QStringLiteral("cb_selfnum%1").arg(n));
        numberGrid_->addWidget(box, (n - 1) % rows, (n - 1) / rows);
        valueBoxes[static_cast<std::size_t>(n)] = box;
    }
}

std::optional<SelfSetCondition> Tf_selfcond::edit(const SelfSetCondition& initial) {
    const int mainTo = workspace().params.MainTo;
    if (static_cast<int>(valueBoxes.size()) != mainTo + 1) buildNumberBoxes(mainTo);
    prefill(initial.numbers, initial.counts, initial.tolerant);
    if (exec() != QDialog::Accepted) return std::nullopt;
    SelfSetCondition out;
    out.numbers = tickedNumbers();
    out.counts = counts();
    out.tolerant = cb_rc->isChecked();
    return out;
}

void Tf_selfcond::resetChoices() {
    GroupSetDialog::resetChoices();
    cb_ksxh->setCurrentIndex(-1);
}

void Tf_selfcond::applyQuickChoice(int index) {
    if (index < 0 || index >= static_cast<int>(std::size(kQuickChoices))) return;
    const QuickChoice& q = kQuickChoices[index];
    std::vector<int> numbers;
    for (int n = 1; n < static_cast<int>(valueBoxes.size()); ++n)
        if (n % q.divisor == q.remainder) numbers.push_back(n);
    setTickedNumbers(numbers);
}

GroupSetDialog::GroupChart Tf_selfcond::groupChart(const std::vector<int>& numbers) const {
    std::string title = "号码组：";
    std::vector<bool> inGroup(valueBoxes.size(), false);
    for (int n : numbers) {
        title += TwoDigitText(n) + ",";
        inGroup[static_cast<std::size_t>(n)] = true;
    }
    title += " 的出现奖号个数走势图（过滤助手）";
    return {title, [inGroup](const std::vector<int>& drawn) { return groupMemberCount(drawn, inGroup); }};
}

}  // namespace qorvel
