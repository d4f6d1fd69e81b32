#include "app/dialogs/tdsh/u_selfsh_set.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/app_state.h"
#include "app/dialogs/tdsh/indicator_items.h"
#include "app/dialogs/u_fzsr.h"
#include "killbanker/formula_collection.h"
#include "ui/platform.h"

namespace qorvel {
namespace {

constexpr const char* kNoFormula = "请输入自定义指标";
constexpr const char* kRangeReversed = "指标取值范围的最小值不能大于最大值";

}  // namespace

Tf_selfsh_set::Tf_selfsh_set(QWidget* parent) : QDialog(parent) {
    setObjectName("f_selfsh_set");
    setWindowTitle(QString::fromUtf8(kCustomKillSettingsCaption));
    rb_xtyyzb = new QRadioButton(QStringLiteral("系统已有指标"), this);
    rb_xtyyzb->setObjectName("rb_xtyyzb");
    rb_xtyyzb->setChecked(true);
    cb_gszb = new QComboBox(this);
    cb_gszb->setObjectName("cb_gszb");
    fillIndicatorCombo(cb_gszb);
    rb_yhzdyzb = new QRadioButton(QStringLiteral("用户自定义指标"), this);
    rb_yhzdyzb->setObjectName("rb_yhzdyzb");
    e_selfzb = new QLineEdit(this);
    e_selfzb->setObjectName("e_selfzb");
    b_fzsr = new QPushButton(QStringLiteral("辅助输入"), this);
    b_fzsr->setObjectName("b_fzsr");
    cb_qzfrom = new QComboBox(this);
    cb_qzfrom->setObjectName("cb_qzfrom");
    cb_qzto = new QComboBox(this);
    cb_qzto->setObjectName("cb_qzto");
    for (int v = 0; v <= kCustomRangeLast; ++v) {
        cb_qzfrom->addItem(QString::number(v));
        cb_qzto->addItem(QString::number(v));
    }
    b_ok = new QPushButton(QStringLiteral("确定"), this);
    b_ok->setObjectName("b_ok");
    b_cancel = new QPushButton(QStringLiteral("取消"), this);
    b_cancel->setObjectName("b_cancel");
    for (QPushButton* b : {b_fzsr, b_ok, b_cancel}) b->setAutoDefault(false);

    auto* grid = new QGridLayout;
    grid->addWidget(rb_xtyyzb, 0, 0);
    grid->addWidget(cb_gszb, 0, 1, 1, 2);
    grid->addWidget(rb_yhzdyzb, 1, 0);
    grid->addWidget(e_selfzb, 1, 1);
    grid->addWidget(b_fzsr, 1, 2);
    auto* range = new QHBoxLayout;
    range->addWidget(cb_qzfrom);
    range->addWidget(new QLabel(QStringLiteral("<=指标取值范围<="), this));
    range->addWidget(cb_qzto);
    range->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(b_ok);
    buttons->addWidget(b_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(range);
    layout->addLayout(buttons);

    connect(cb_gszb, &QComboBox::activated, this, &Tf_selfsh_set::pickIndicator);
    connect(rb_xtyyzb, &QRadioButton::toggled, this, &Tf_selfsh_set::chooseKind);
    connect(b_fzsr, &QPushButton::clicked, this, [this] { assistedInputDialog().fillLineEdit(e_selfzb); });
    connect(b_ok, &QPushButton::clicked, this, &Tf_selfsh_set::accept);
    connect(b_cancel, &QPushButton::clicked, this, &QDialog::reject);
    chooseKind();
}

std::optional<CustomKillChoice> Tf_selfsh_set::choose() {
    cb_qzfrom->setCurrentIndex(kCustomRangePresetFrom);
    cb_qzto->setCurrentIndex(kCustomRangePresetTo);
    if (exec() != QDialog::Accepted) return std::nullopt;
    return current();
}

void Tf_selfsh_set::pickIndicator(int index) {
    if (index < 0) return;
    const ValueRange range = rangeForIndicatorItem(workspace(), cb_gszb->itemText(index).toStdString(),
                                                   {cb_qzfrom->currentIndex(), cb_qzto->currentIndex()});
    cb_qzfrom->setCurrentIndex(range.from);
    cb_qzto->setCurrentIndex(range.to);
}

void Tf_selfsh_set::chooseKind() {
    const bool existing = rb_xtyyzb->isChecked();
    cb_gszb->setEnabled(existing);
    e_selfzb->setEnabled(!existing);
    b_fzsr->setEnabled(!existing);
}

std::optional<CustomKillChoice> Tf_selfsh_set::current() const {
    CustomKillChoice c;
    c.target = (rb_xtyyzb->isChecked() ? indicatorOfItem(cb_gszb->currentText()) : e_selfzb->text().trimmed()).toStdString();
    c.from = cb_qzfrom->currentIndex();
    c.to = cb_qzto->currentIndex();
    if (c.target.empty() || c.from > c.to) return std::nullopt;
    return c;
}

void Tf_selfsh_set::accept() {
    if (rb_yhzdyzb->isChecked() && e_selfzb->text().trimmed().isEmpty()) {
        showMessage(QString::fromUtf8(kNoFormula), this);
        return;
    }
    if (cb_qzfrom->currentIndex() > cb_qzto->currentIndex()) {
        showMessage(QString::fromUtf8(kRangeReversed), this);
        return;
    }
    QDialog::accept();
}

Tf_selfsh_set& customKillSettings() {
    if (!f_selfsh_set) f_selfsh_set = new Tf_selfsh_set();
    return *f_selfsh_set;
}

}  // namespace qorvel
