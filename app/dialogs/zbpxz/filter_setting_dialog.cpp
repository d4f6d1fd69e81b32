#include "app/dialogs/zbpxz/filter_setting_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/app_state.h"
#include "ui/platform.h"

namespace qorvel {

namespace {

// One option row: the switch, then its two choices (the first chosen).
void addOptionRow(QGridLayout* grid, int row, QCheckBox*& box, QRadioButton*& first, QRadioButton*& second,
                  const char* caption, const char* a, const char* b, QWidget* parent) {
    box = new QCheckBox(QString::fromUtf8(caption), parent);
    first = new QRadioButton(QString::fromUtf8(a), parent);
    second = new QRadioButton(QString::fromUtf8(b), parent);
    auto* group = new QButtonGroup(parent);
    group->addButton(first);
    group->addButton(second);
    first->setChecked(true);
    grid->addWidget(box, row, 0);
    grid->addWidget(first, row, 1);
    grid->addWidget(second, row, 2);
}

}  // namespace

FilterSettingDialog::FilterSettingDialog(SeriesRange shown, int32_t lastShown, bool hasSpecial, QWidget* parent)
    : QDialog(parent), lastShown_(lastShown) {
    setObjectName("f_filtersetting");
    setWindowTitle(QStringLiteral("过滤设置"));
    e_min = new QLineEdit(QString::number(shown.min), this);
    e_min->setObjectName("e_min");
    e_max = new QLineEdit(QString::number(shown.max), this);
    e_max->setObjectName("e_max");
    auto* bounds = new QHBoxLayout;
    bounds->addWidget(e_min);
    bounds->addWidget(new QLabel(QStringLiteral("<=取值范围<="), this));
    bounds->addWidget(e_max);

    auto* grid = new QGridLayout;
    addOptionRow(grid, 0, cb_jo, rb_odd, rb_even, "奇偶", "奇数", "偶数", this);
    addOptionRow(grid, 1, cb_zh, rb_prime, rb_composite, "质合", "质数", "合数", this);
    addOptionRow(grid, 2, cb_sj, rb_up, rb_down, "升降", "升", "降", this);
    cb_jo->setObjectName("cb_jo");
    cb_zh->setObjectName("cb_zh");
    cb_sj->setObjectName("cb_sj");
    rb_odd->setObjectName("rb_odd");
    rb_even->setObjectName("rb_even");
    rb_prime->setObjectName("rb_prime");
    rb_composite->setObjectName("rb_composite");
    rb_up->setObjectName("rb_up");
    rb_down->setObjectName("rb_down");
    cb_rc = new QCheckBox(QStringLiteral("是否容错"), this);
    cb_rc->setObjectName("cb_rc");
    grid->addWidget(cb_rc, 3, 0);

    const Workspace& ws = workspace();
    b_main = new QPushButton(QStringLiteral("导出到") + fromUtf8(ws.MainLabel()) + QStringLiteral("过滤"), this);
    b_main->setObjectName("b_main");
    b_special = new QPushButton(QStringLiteral("导出到") + fromUtf8(ws.SpecialLabel()) + QStringLiteral("过滤"), this);
    b_special->setObjectName("b_special");
    b_special->setEnabled(hasSpecial);
    b_cancel = new QPushButton(QStringLiteral("取消"), this);
    b_cancel->setObjectName("b_cancel");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(b_main);
    buttons->addWidget(b_special);
    buttons->addWidget(b_cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bounds);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    connect(b_main, &QPushButton::clicked, this, [this] { tryExport(ExportTarget::Main); });
    connect(b_special, &QPushButton::clicked, this, [this] { tryExport(ExportTarget::Special); });
    connect(b_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool FilterSettingDialog::tolerant() const {
    return cb_rc->isChecked();
}

ExportOptions FilterSettingDialog::options() const {
    ExportOptions o;
    if (cb_jo->isChecked()) o.parity = rb_odd->isChecked() ? ParityOption::Odd : ParityOption::Even;
    if (cb_zh->isChecked()) o.prime = rb_prime->isChecked() ? PrimeOption::Prime : PrimeOption::Composite;
    if (cb_sj->isChecked()) o.trend = rb_up->isChecked() ? TrendOption::Up : TrendOption::Down;
    return o;
}

void FilterSettingDialog::tryExport(ExportTarget target) {
    const auto bounds = parseExportBounds(toUtf8(e_min->text()), toUtf8(e_max->text()));
    if (const auto* error = std::get_if<std::string>(&bounds)) {
        showMessage(fromUtf8(*error), this);
        return;
    }
    const auto allowed = allowedExportValues(std::get<SeriesRange>(bounds), options(), lastShown_);
    if (const auto* error = std::get_if<std::string>(&allowed)) {
        showMessage(fromUtf8(*error), this);
        return;
    }
    values_ = std::get<std::vector<int32_t>>(allowed);
    target_ = target;
    accept();
}

}  // namespace qorvel
