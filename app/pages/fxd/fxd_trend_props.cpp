#include "app/pages/fxd/fxd_trend_props.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "views/omission_table.h"
#include "views/view_text.h"

namespace qorvel {

namespace {

constexpr std::array<int, 23> kYMaxChoices = {10,  20,  30,  40,  50,  60,  70,  80,  90,  100, 120, 150,
                                              200, 250, 300, 350, 400, 500, 600, 700, 800, 900, 1000};

QRadioButton* radio(const char* name, const char* caption, QWidget* parent) {
    auto* r = new QRadioButton(QString::fromUtf8(caption), parent);
    r->setObjectName(name);
    return r;
}

}  // namespace

FxdTrendProperties::FxdTrendProperties(const TrendChartSettings& settings, const std::vector<int32_t>& issues,
                                       QWidget* parent)
    : QDialog(parent), settings_(settings) {
    setObjectName("f_zbzs_props");
    setWindowTitle(QString::fromUtf8("图表属性设置"));

    cb_grid = new QCheckBox(QString::fromUtf8("网格"), this);
    cb_grid->setObjectName("cb_grid");
    cb_grid->setChecked(settings.showGrid);
    cb_bs = new QCheckBox(QString::fromUtf8("标识"), this);
    cb_bs->setObjectName("cb_bs");
    cb_bs->setChecked(settings.showValues);

    auto* range = new QGroupBox(QString::fromUtf8("统计范围"), this);
    rb_tj_all = radio("rb_tj_all", "全部记录", range);
    rb_tj_show = radio("rb_tj_show", "当前显示的记录", range);
    rb_tj_range = radio("rb_tj_range", "设定范围", range);
    cb_fxtj_from = new QComboBox(range);
    cb_fxtj_from->setObjectName("cb_fxtj_from");
    cb_fxtj_to = new QComboBox(range);
    cb_fxtj_to->setObjectName("cb_fxtj_to");
    for (int32_t issue : issues) {
        cb_fxtj_from->addItem(QString::fromUtf8(issueCaption(issue)));
        cb_fxtj_to->addItem(QString::fromUtf8(issueCaption(issue)));
    }
    const int count = static_cast<int>(issues.size());
    if (settings.statMode == 2 && settings.statFrom >= 1 && settings.statTo <= count) {
        cb_fxtj_from->setCurrentIndex(settings.statFrom - 1);
        cb_fxtj_to->setCurrentIndex(settings.statTo - 1);
    } else if (count > 0) {
        cb_fxtj_from->setCurrentIndex(omissionDefaultFromRow(count) - 1);
        cb_fxtj_to->setCurrentIndex(count - 1);
    }
    std::array<QRadioButton*, 3> statRadios = {rb_tj_all, rb_tj_show, rb_tj_range};
    statRadios[std::clamp(settings.statMode, 0, 2)]->setChecked(true);
    auto* rangeLayout = new QGridLayout(range);
    rangeLayout->addWidget(rb_tj_all, 0, 0, 1, 4);
    rangeLayout->addWidget(rb_tj_show, 1, 0, 1, 4);
    rangeLayout->addWidget(rb_tj_range, 2, 0);
    rangeLayout->addWidget(new QLabel(QString::fromUtf8("从"), range), 2, 1);
    rangeLayout->addWidget(cb_fxtj_from, 2, 2);
    rangeLayout->addWidget(new QLabel(QString::fromUtf8("至"), range), 2, 3);
    rangeLayout->addWidget(cb_fxtj_to, 2, 4);

    auto* display = new QGroupBox(QString::fromUtf8("显示方式"), this);
    rb_xs_normal = radio("rb_xs_normal", "常规显示", display);
    rb_xs_compact = radio("rb_xs_compact", "紧凑显示", display);
    rb_xs_limit = radio("rb_xs_limit", "限制y轴最大值", display);
    cb_y_max = new QComboBox(display);
    cb_y_max->setObjectName("cb_y_max");
    for (int v : kYMaxChoices) cb_y_max->addItem(QString::number(v));
    const auto at = std::find(kYMaxChoices.begin(), kYMaxChoices.end(), settings.yMaxLimit);
    cb_y_max->setCurrentIndex(at == kYMaxChoices.end() ? 9 : static_cast<int>(at - kYMaxChoices.begin()));
    std::array<QRadioButton*, 3> modeRadios = {rb_xs_normal, rb_xs_compact, rb_xs_limit};
    modeRadios[std::clamp(settings.displayMode, 0, 2)]->setChecked(true);
    cb_y_max->setEnabled(rb_xs_limit->isChecked());
    connect(rb_xs_limit, &QRadioButton::toggled, cb_y_max, &QComboBox::setEnabled);
    auto* displayLayout = new QGridLayout(display);
    displayLayout->addWidget(rb_xs_normal, 0, 0);
    displayLayout->addWidget(rb_xs_compact, 1, 0);
    displayLayout->addWidget(rb_xs_limit, 2, 0);
    displayLayout->addWidget(cb_y_max, 2, 1);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QString::fromUtf8("确定"), QDialogButtonBox::AcceptRole);
    ok->setObjectName("b_ok");
    QPushButton* cancel = buttons->addButton(QString::fromUtf8("取消"), QDialogButtonBox::RejectRole);
    cancel->setObjectName("b_cancel");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* checks = new QHBoxLayout;
    checks->addWidget(cb_grid);
    checks->addWidget(cb_bs);
    checks->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(checks);
    layout->addWidget(range);
    layout->addWidget(display);
    layout->addWidget(buttons);
}

TrendChartSettings FxdTrendProperties::chosen() const {
    TrendChartSettings s = settings_;
    s.showGrid = cb_grid->isChecked();
    s.showValues = cb_bs->isChecked();
    s.statMode = rb_tj_range->isChecked() ? 2 : rb_tj_show->isChecked() ? 1 : 0;
    if (s.statMode == 2) {
        // A range chosen back to front is read in order, so the statistics never cover nothing.
        const int a = cb_fxtj_from->currentIndex() + 1, b = cb_fxtj_to->currentIndex() + 1;
        s.statFrom = std::min(a, b);
        s.statTo = std::max(a, b);
    }
    s.displayMode = rb_xs_limit->isChecked() ? 2 : rb_xs_compact->isChecked() ? 1 : 0;
    s.yMaxLimit = cb_y_max->currentText().toInt();
    return s;
}

}  // namespace qorvel
