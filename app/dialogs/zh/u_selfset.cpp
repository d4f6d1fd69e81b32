#include "app/dialogs/zh/u_selfset.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <iterator>

#include "app/app_state.h"
#include "combos/group_series.h"
#include "app/dialogs/zh/zh_value_choice.h"
#include "app/pages/u_zbpxz.h"
#include "app/pages/u_zh.h"
#include "text/number_text.h"
#include "ui/platform.h"

namespace qorvel {
namespace {

constexpr int kCountFieldWidth = 170;  // room for the counts 0..7 with their spacing
constexpr int kNumberColumns = 6;
const char* const kNoCountsMessage = "未选择号码组应出现的次数";
const char* const kNoNumbersMessage = "未选择号码";
const char* const kBusyMessage = "正在过滤，请等过滤结束后再使用过滤助手";

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

QPushButton* button(const char* caption, const char* name, QWidget* parent) {
    auto* b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setObjectName(name);
    b->setAutoDefault(false);  // Enter confirms the dialog, whatever button has the focus
    return b;
}

}  // namespace

Tf_selfcond::Tf_selfcond(QWidget* parent) : QDialog(parent) {
    setObjectName("f_selfcond");
    setWindowTitle(QStringLiteral("自设条件"));
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
    b_selectall = button("全选", "b_selectall", this);
    b_selectnone = button("全不选", "b_selectnone", this);
    b_reset = button("复位", "b_reset", this);
    for (QPushButton* b : {b_selectall, b_selectnone, b_reset}) side->addWidget(b);

    auto* countBox = new QGroupBox(QStringLiteral("出现个数选择"), this);
    auto* countRow = new QHBoxLayout(countBox);
    e_cxgs = new QLineEdit(countBox);
    e_cxgs->setObjectName("e_cxgs");
    e_cxgs->setReadOnly(true);
    e_cxgs->setMinimumWidth(kCountFieldWidth);
    b_cxgs = button("  ...  ", "b_cxgs", countBox);
    b_cxgs->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    countRow->addWidget(e_cxgs, 1);
    countRow->addWidget(b_cxgs);
    side->addWidget(countBox);
    cb_rc = new QCheckBox(QStringLiteral("容错"), this);
    cb_rc->setObjectName("cb_rc");
    side->addWidget(cb_rc);
    side->addStretch();
    b_glzs = button("过滤助手", "b_glzs", this);
    b_ok = button("确定", "b_ok", this);
    b_ok->setDefault(true);
    b_cancel = button("取消", "b_cancel", this);
    for (QPushButton* b : {b_glzs, b_ok, b_cancel}) side->addWidget(b);
    layout->addLayout(side);

    connect(cb_ksxh, &QComboBox::activated, this, [this](int index) { applyQuickChoice(index); });
    connect(b_selectall, &QPushButton::clicked, this, [this] {
        for (QCheckBox* box : numberBoxes)
            if (box) box->setChecked(true);
    });
    connect(b_selectnone, &QPushButton::clicked, this, [this] { setTickedNumbers({}); });
    connect(b_reset, &QPushButton::clicked, this, [this] { resetChoices(); });
    connect(b_cxgs, &QPushButton::clicked, this, [this] { chooseCounts(); });
    connect(b_glzs, &QPushButton::clicked, this, [this] { showAssistant(); });
    connect(b_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(b_cancel, &QPushButton::clicked, this, &QDialog::reject);
    buildNumberBoxes(workspace().params.MainTo);
}

void Tf_selfcond::buildNumberBoxes(int mainTo) {
    for (QCheckBox* box : numberBoxes) delete box;
    numberBoxes.assign(static_cast<std::size_t>(mainTo) + 1, nullptr);
    // Numbers run down each column first, as in a multi-column check list.
    const int rows = (mainTo + kNumberColumns - 1) / kNumberColumns;
    for (int n = 1; n <= mainTo; ++n) {
        auto* box = new QCheckBox(QString::fromStdString(TwoDigitText(n)), this);
        box->setObjectName(QStringLiteral("cb_selfnum%1").arg(n));
        numberGrid_->addWidget(box, (n - 1) % rows, (n - 1) / rows);
        numberBoxes[static_cast<std::size_t>(n)] = box;
    }
}

std::optional<SelfSetCondition> Tf_selfcond::edit(const SelfSetCondition& initial) {
    const int mainTo = workspace().params.MainTo;
    if (static_cast<int>(numberBoxes.size()) != mainTo + 1) buildNumberBoxes(mainTo);
    resetChoices();
    setTickedNumbers(initial.numbers);
    setCounts(initial.counts);
    cb_rc->setChecked(initial.tolerant);
    if (exec() != QDialog::Accepted) return std::nullopt;
    SelfSetCondition out;
    out.numbers = tickedNumbers();
    out.counts = counts_;
    out.tolerant = cb_rc->isChecked();
    return out;
}

std::vector<int> Tf_selfcond::tickedNumbers() const {
    std::vector<int> out;
    for (std::size_t n = 1; n < numberBoxes.size(); ++n)
        if (numberBoxes[n]->isChecked()) out.push_back(static_cast<int>(n));
    return out;
}

void Tf_selfcond::setTickedNumbers(const std::vector<int>& numbers) {
    for (QCheckBox* box : numberBoxes)
        if (box) box->setChecked(false);
    for (int n : numbers)
        if (n >= 1 && n < static_cast<int>(numberBoxes.size())) numberBoxes[static_cast<std::size_t>(n)]->setChecked(true);
}

void Tf_selfcond::setCounts(std::vector<int32_t> counts) {
    counts_ = std::move(counts);
    e_cxgs->setText(QString::fromStdString(valuesFieldText(counts_)));
}

void Tf_selfcond::resetChoices() {
    setTickedNumbers({});
    cb_rc->setChecked(false);
    setCounts({});
    cb_ksxh->setCurrentIndex(-1);
}

void Tf_selfcond::applyQuickChoice(int index) {
    if (index < 0 || index >= static_cast<int>(std::size(kQuickChoices))) return;
    const QuickChoice& q = kQuickChoices[index];
    std::vector<int> numbers;
    for (int n = 1; n < static_cast<int>(numberBoxes.size()); ++n)
        if (n % q.divisor == q.remainder) numbers.push_back(n);
    setTickedNumbers(numbers);
}

void Tf_selfcond::chooseCounts() {
    if (auto chosen = chooseCountValues(this, 0, workspace().params.MainCount)) setCounts(std::move(*chosen));
}

void Tf_selfcond::accept() {
    if (counts_.empty()) {
        showMessage(QString::fromUtf8(kNoCountsMessage), this);
        return;
    }
    if (tickedNumbers().empty()) {
        showMessage(QString::fromUtf8(kNoNumbersMessage), this);
        return;
    }
    QDialog::accept();
}

void Tf_selfcond::showAssistant() {
    const std::vector<int> numbers = tickedNumbers();
    if (numbers.empty()) {
        showMessage(QString::fromUtf8(kNoNumbersMessage), this);
        return;
    }
    // A run owns the draw store while it works.
    if (f_zh && f_zh->running()) {
        showMessage(QString::fromUtf8(kBusyMessage), this);
        return;
    }
    std::string title = "号码组：";
    std::vector<bool> inGroup(numberBoxes.size(), false);
    for (int n : numbers) {
        title += TwoDigitText(n) + ",";
        inGroup[static_cast<std::size_t>(n)] = true;
    }
    title += " 的出现奖号个数走势图（过滤助手）";
    Workspace& ws = workspace();
    const DissectionInput input = groupDissection(
        ws.MainStore, ws.params.MainCount, title,
        [&inGroup](const std::vector<int>& drawn) { return groupMemberCount(drawn, inGroup); });
    showDissectionModally(input, this);
}

}  // namespace qorvel
