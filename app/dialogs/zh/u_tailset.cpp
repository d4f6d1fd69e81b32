#include "app/dialogs/zh/u_tailset.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "combos/group_series.h"

namespace qorvel {
namespace {

constexpr int kDigits = 10;
constexpr int kDigitColumns = 5;
const char* const kCountOnceCaption = "相同尾数仅计算一次";

}  // namespace

Tf_wsset::Tf_wsset(QWidget* parent)
    : GroupSetDialog({"f_wsset", "尾数设置", "未选择号码", "未选择尾号组应出现的次数", false}, parent) {
    auto* layout = new QVBoxLayout(this);
    auto* digits = new QGroupBox(QStringLiteral("尾数选择"), this);
    auto* grid = new QGridLayout(digits);
    valueBoxes.assign(kDigits, nullptr);
    for (int d = 0; d < kDigits; ++d) {
        auto* box = new QCheckBox(QString::number(d), digits);
        box->setObjectName(QStringLiteral("cb_ws%1").arg(d));
        grid->addWidget(box, d / kDigitColumns, d % kDigitColumns);
        valueBoxes[static_cast<std::size_t>(d)] = box;
    }
    layout->addWidget(digits);
    layout->addWidget(makeCountBox());

    auto* flags = new QHBoxLayout();
    makeTolerantBox();
    cb_countonce = new QCheckBox(QString::fromUtf8(kCountOnceCaption), this);
    cb_countonce->setObjectName("cb_countonce");
    flags->addWidget(cb_rc);
    flags->addWidget(cb_countonce);
    flags->addStretch();
    layout->addLayout(flags);

    auto* buttons = new QHBoxLayout();
    makeSelectAllAndReset();
    makeClosingButtons();
    for (QPushButton* b : {b_selectall, b_reset, b_glzs, b_ok, b_cancel}) buttons->addWidget(b);
    layout->addLayout(buttons);
    wireSharedButtons();
    resetChoices();
}

std::optional<TailSetCondition> Tf_wsset::edit(const TailSetCondition& initial) {
    prefill(initial.digits, initial.counts, initial.tolerant);
    cb_countonce->setChecked(initial.countOnce);
    if (exec() != QDialog::Accepted) return std::nullopt;
    TailSetCondition out;
    out.digits = tickedDigits();
    out.counts = counts();
    out.tolerant = cb_rc->isChecked();
    out.countOnce = cb_countonce->isChecked();
    return out;
}

void Tf_wsset::resetChoices() {
    GroupSetDialog::resetChoices();
    cb_countonce->setChecked(true);
}

GroupSetDialog::GroupChart Tf_wsset::groupChart(const std::vector<int>& digits) const {
    const bool countOnce = cb_countonce->isChecked();
    std::string title = "尾号组：";
    for (int d : digits) title += std::to_string(d) + ",";
    title += " 的出现个数走势图（过滤助手）";
    if (countOnce) title += std::string("(") + kCountOnceCaption + ")";
    return {title, [digits, countOnce](const std::vector<int>& drawn) {
                return tailGroupCount(drawn, digits, countOnce);
            }};
}

}  // namespace qorvel
