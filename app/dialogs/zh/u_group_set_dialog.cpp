#include "app/dialogs/zh/u_group_set_dialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <utility>

#include "app/app_state.h"
#include "app/dialogs/zh/u_picker_common.h"
#include "app/dialogs/zh/zh_value_choice.h"
#include "app/pages/u_zbpxz.h"
#include "app/pages/u_zh.h"
#include "combos/group_series.h"
#include "ui/platform.h"

namespace qorvel {
namespace {

constexpr int kCountFieldWidth = 170;  // room for the counts 0..7 with their spacing
const char* const kBusyMessage = "正在过滤，请等过滤结束后再使用过滤助手";

}  // namespace

GroupSetDialog::GroupSetDialog(const Texts& texts, QWidget* parent) : QDialog(parent), texts_(texts) {
    setObjectName(texts.objectName);
    setWindowTitle(QString::fromUtf8(texts.title));
}

QGroupBox* GroupSetDialog::makeCountBox() {
    auto* countBox = new QGroupBox(QStringLiteral("出现个数选择"), this);
    auto* countRow = new QHBoxLayout(countBox);
    e_cxgs = new QLineEdit(countBox);
    e_cxgs->setObjectName("e_cxgs");
    e_cxgs->setReadOnly(true);
    e_cxgs->setMinimumWidth(kCountFieldWidth);
    b_cxgs = dialogButton("  ...  ", "b_cxgs", countBox);
    b_cxgs->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    countRow->addWidget(e_cxgs, 1);
    countRow->addWidget(b_cxgs);
    return countBox;
}

void GroupSetDialog::makeTolerantBox() {
    cb_rc = new QCheckBox(QStringLiteral("容错"), this);
    cb_rc->setObjectName("cb_rc");
}

void GroupSetDialog::makeSelectAllAndReset() {
    b_selectall = dialogButton("全选", "b_selectall", this);
    b_reset = dialogButton("复位", "b_reset", this);
}

void GroupSetDialog::makeClosingButtons() {
    b_glzs = dialogButton("过滤助手", "b_glzs", this);
    b_ok = dialogButton("确定", "b_ok", this);
    b_ok->setDefault(true);
    b_cancel = dialogButton("取消", "b_cancel", this);
}

void GroupSetDialog::wireSharedButtons() {
    connect(b_selectall, &QPushButton::clicked, this, [this] {
        for (QCheckBox* box : valueBoxes)
            if (box) box->setChecked(true);
    });
    connect(b_reset, &QPushButton::clicked, this, [this] { resetChoices(); });
    connect(b_cxgs, &QPushButton::clicked, this, [this] { chooseCounts(); });
    connect(b_glzs, &QPushButton::clicked, this, [this] { showAssistant(); });
    connect(b_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(b_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

std::vector<int> GroupSetDialog::tickedValues() const {
    std::vector<int> out;
    for (std::size_t v = 0; v < valueBoxes.size(); ++v)
        if (valueBoxes[v] && valueBoxes[v]->isChecked()) out.push_back(static_cast<int>(v));
    return out;
}

void GroupSetDialog::setTickedValues(const std::vector<int>& values) {
    for (QCheckBox* box : valueBoxes)
        if (box) box->setChecked(false);
    for (int v : values) {
        if (v < 0 || v >= static_cast<int>(valueBoxes.size())) continue;
        if (QCheckBox* box = valueBoxes[static_cast<std::size_t>(v)]) box->setChecked(true);
    }
}

void GroupSetDialog::setCounts(std::vector<int32_t> counts) {
    counts_ = std::move(counts);
    e_cxgs->setText(QString::fromStdString(valuesFieldText(counts_)));
}

void GroupSetDialog::resetChoices() {
    setTickedValues({});
    setCounts({});
    cb_rc->setChecked(false);
}

void GroupSetDialog::prefill(const std::vector<int>& values, std::vector<int32_t> counts, bool tolerant) {
    resetChoices();
    setTickedValues(values);
    setCounts(std::move(counts));
    cb_rc->setChecked(tolerant);
}

void GroupSetDialog::chooseCounts() {
    if (auto chosen = chooseCountValues(this, 0, workspace().params.MainCount)) setCounts(std::move(*chosen));
}

void GroupSetDialog::accept() {
    std::pair<bool, const char*> checks[] = {{counts_.empty(), texts_.noCountsMessage},
                                             {tickedValues().empty(), texts_.noValuesMessage}};
    if (!texts_.countsCheckedFirst) std::swap(checks[0], checks[1]);
    for (const auto& [missing, message] : checks) {
        if (!missing) continue;
        showMessage(QString::fromUtf8(message), this);
        return;
    }
    QDialog::accept();
}

void GroupSetDialog::showAssistant() {
    const std::vector<int> values = tickedValues();
    if (values.empty()) {
        showMessage(QString::fromUtf8(texts_.noValuesMessage), this);
        return;
    }
    // A run owns the draw store while it works.
    if (f_zh && f_zh->running()) {
        showMessage(QString::fromUtf8(kBusyMessage), this);
        return;
    }
    const GroupChart chart = groupChart(values);
    Workspace& ws = workspace();
    showDissectionModally(groupDissection(ws.MainStore, ws.params.MainCount, chart.title, chart.count), this);
}

}  // namespace qorvel
