#include "app/dialogs/zh/u_tailset.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/app_state.h"
#include "combos/group_series.h"
#include "app/dialogs/zh/zh_value_choice.h"
#include "app/pages/u_zbpxz.h"
#include "app/pages/u_zh.h"
#include "ui/platform.h"

namespace qorvel {
namespace {

constexpr int kCountFieldWidth = 170;  // room for the counts 0..7 with their spacing
constexpr int kDigits = 10;
constexpr int kDigitColumns = 5;
const char* const kNoDigitsMessage = "未选择号码";
const char* const kNoCountsMessage = "未选择尾号组应出现的次数";
const char* const kBusyMessage = "正在过滤，请等过滤结束后再使用过滤助手";
const char* const kCountOnceCaption = "相同尾数仅计算一次";

QPushButton* button(const char* caption, const char* name, QWidget* parent) {
    auto* b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setObjectName(name);
    b->setAutoDefault(false);  // Enter confirms the dialog, whatever button has the focus
    return b;
}

}  // namespace

Tf_wsset::Tf_wsset(QWidget* parent) : QDialog(parent) {
    setObjectName("f_wsset");
    setWindowTitle(QStringLiteral("尾数设置"));
    auto* layout = new QVBoxLayout(this);
    auto* digits = new QGroupBox(QStringLiteral("尾数选择"), this);
    auto* grid = new QGridLayout(digits);
    for (int d = 0; d < kDigits; ++d) {
        digitBoxes[d] = new QCheckBox(QString::number(d), digits);
        digitBoxes[d]->setObjectName(QStringLiteral("cb_ws%1").arg(d));
        grid->addWidget(digitBoxes[d], d / kDigitColumns, d % kDigitColumns);
    }
    layout->addWidget(digits);

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
    layout->addWidget(countBox);

    auto* flags = new QHBoxLayout();
    cb_rc = new QCheckBox(QStringLiteral("容错"), this);
    cb_rc->setObjectName("cb_rc");
    cb_countonce = new QCheckBox(QString::fromUtf8(kCountOnceCaption), this);
    cb_countonce->setObjectName("cb_countonce");
    flags->addWidget(cb_rc);
    flags->addWidget(cb_countonce);
    flags->addStretch();
    layout->addLayout(flags);

    auto* buttons = new QHBoxLayout();
    b_selectall = button("全选", "b_selectall", this);
    b_reset = button("复位", "b_reset", this);
    b_glzs = button("过滤助手", "b_glzs", this);
    b_ok = button("确定", "b_ok", this);
    b_ok->setDefault(true);
    b_cancel = button("取消", "b_cancel", this);
    for (QPushButton* b : {b_selectall, b_reset, b_glzs, b_ok, b_cancel}) buttons->addWidget(b);
    layout->addLayout(buttons);

    connect(b_selectall, &QPushButton::clicked, this, [this] {
        for (QCheckBox* box : digitBoxes) box->setChecked(true);
    });
    connect(b_reset, &QPushButton::clicked, this, [this] { resetChoices(); });
    connect(b_cxgs, &QPushButton::clicked, this, [this] {
        if (auto chosen = chooseCountValues(this, 0, workspace().params.MainCount)) setCounts(std::move(*chosen));
    });
    connect(b_glzs, &QPushButton::clicked, this, [this] { showAssistant(); });
    connect(b_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(b_cancel, &QPushButton::clicked, this, &QDialog::reject);
    resetChoices();
}

std::optional<TailSetCondition> Tf_wsset::edit(const TailSetCondition& initial) {
    resetChoices();
    setTickedDigits(initial.digits);
    setCounts(initial.counts);
    cb_rc->setChecked(initial.tolerant);
    cb_countonce->setChecked(initial.countOnce);
    if (exec() != QDialog::Accepted) return std::nullopt;
    TailSetCondition out;
    out.digits = tickedDigits();
    out.counts = counts_;
    out.tolerant = cb_rc->isChecked();
    out.countOnce = cb_countonce->isChecked();
    return out;
}

std::vector<int> Tf_wsset::tickedDigits() const {
    std::vector<int> out;
    for (int d = 0; d < kDigits; ++d)
        if (digitBoxes[d]->isChecked()) out.push_back(d);
    return out;
}

void Tf_wsset::setTickedDigits(const std::vector<int>& digits) {
    for (QCheckBox* box : digitBoxes) box->setChecked(false);
    for (int d : digits)
        if (d >= 0 && d < kDigits) digitBoxes[d]->setChecked(true);
}

void Tf_wsset::setCounts(std::vector<int32_t> counts) {
    counts_ = std::move(counts);
    e_cxgs->setText(QString::fromStdString(valuesFieldText(counts_)));
}

// "复位": nothing ticked, no counts, not tolerant, count-once back to its default.
void Tf_wsset::resetChoices() {
    setTickedDigits({});
    setCounts({});
    cb_rc->setChecked(false);
    cb_countonce->setChecked(true);
}

void Tf_wsset::accept() {
    if (tickedDigits().empty()) {
        showMessage(QString::fromUtf8(kNoDigitsMessage), this);
        return;
    }
    if (counts_.empty()) {
        showMessage(QString::fromUtf8(kNoCountsMessage), this);
        return;
    }
    QDialog::accept();
}

void Tf_wsset::showAssistant() {
    const std::vector<int> digits = tickedDigits();
    if (digits.empty()) {
        showMessage(QString::fromUtf8(kNoDigitsMessage), this);
        return;
    }
    if (f_zh && f_zh->running()) {
        showMessage(QString::fromUtf8(kBusyMessage), this);
        return;
    }
    const bool countOnce = cb_countonce->isChecked();
    std::string title = "尾号组：";
    for (int d : digits) title += std::to_string(d) + ",";
    title += " 的出现个数走势图（过滤助手）";
    if (countOnce) title += std::string("(") + kCountOnceCaption + ")";
    Workspace& ws = workspace();
    const DissectionInput input = groupDissection(
        ws.MainStore, ws.params.MainCount, title,
        [&digits, countOnce](const std::vector<int>& drawn) { return tailGroupCount(drawn, digits, countOnce); });
    showDissectionModally(input, this);
}

}  // namespace qorvel
