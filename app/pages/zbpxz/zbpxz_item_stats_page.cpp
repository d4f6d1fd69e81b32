#include "app/pages/zbpxz/zbpxz_item_stats_page.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>

#include "core/views/dissection_statistics_charts.h"

namespace qorvel {

ZbpxzItemStatsPage::ZbpxzItemStatsPage(const DissectionState& state, QWidget* parent)
    : ZbpxzStatisticsPage(state, QStringLiteral("分项统计"), QStringLiteral("fxtj"), parent) {
    addCountPercentChoice();
    auto* groups = new QButtonGroup(this);
    auto radio = [&](const char* caption, const char* name) {
        auto* button = new QRadioButton(QString::fromUtf8(caption), this);
        button->setObjectName(name);
        groups->addButton(button);
        return button;
    };
    auto combo = [&](const char* name, int from, int to, int preset) {
        auto* box = new QComboBox(this);
        box->setObjectName(name);
        for (int v = from; v <= to; ++v) box->addItem(QString::number(v), v);
        box->setCurrentIndex(preset - from);
        return box;
    };
    rb_fxtj_jo = radio("奇偶", "rb_fxtj_jo");
    rb_fxtj_zh = radio("质合", "rb_fxtj_zh");
    rb_fxtj_fq = radio("分区", "rb_fxtj_fq");
    cb_fxtj_fq = combo("cb_fxtj_fq", kMinItemZones, kMaxItemZones, kDefaultItemZones);
    rb_fxtj_ys = radio("除", "rb_fxtj_ys");
    cb_fxtj_ys = combo("cb_fxtj_ys", kMinItemDivisor, kMaxItemDivisor, kDefaultItemDivisor);
    rb_fxtj_jo->setChecked(true);
    for (QWidget* w : std::initializer_list<QWidget*>{rb_fxtj_jo, rb_fxtj_zh, rb_fxtj_fq, cb_fxtj_fq, rb_fxtj_ys, cb_fxtj_ys})
        controls()->addWidget(w);
    controls()->addWidget(new QLabel(QStringLiteral("余数"), this));
    controls()->addStretch(1);

    connect(groups, &QButtonGroup::buttonToggled, this, [this](QAbstractButton*, bool on) {
        if (on) refresh();
    });
    connect(cb_fxtj_fq, &QComboBox::currentIndexChanged, this, [this] {
        if (rb_fxtj_fq->isChecked()) refresh();
    });
    connect(cb_fxtj_ys, &QComboBox::currentIndexChanged, this, [this] {
        if (rb_fxtj_ys->isChecked()) refresh();
    });
}

ItemGrouping ZbpxzItemStatsPage::grouping() const {
    if (rb_fxtj_zh->isChecked()) return ItemGrouping::PrimeComposite;
    if (rb_fxtj_fq->isChecked()) return ItemGrouping::Zones;
    if (rb_fxtj_ys->isChecked()) return ItemGrouping::Remainders;
    return ItemGrouping::OddEven;
}

int ZbpxzItemStatsPage::parameter() const {
    if (rb_fxtj_fq->isChecked()) return cb_fxtj_fq->currentData().toInt();
    if (rb_fxtj_ys->isChecked()) return cb_fxtj_ys->currentData().toInt();
    return 0;
}

void ZbpxzItemStatsPage::recompute() {
    stats_ = itemStatistics(state_.input.series, span(), grouping(), parameter(), state_.range);
}

BarChartModel ZbpxzItemStatsPage::buildModel() {
    // The zone count shown is the one counted: a narrow range has fewer zones than asked for.
    const int shownParameter = grouping() == ItemGrouping::Zones
                                   ? static_cast<int>(valueZoneBounds(state_.range, parameter()).size()) - 1
                                   : parameter();
    return itemStatisticsChart(stats_, percentages(), state_.input.title + "的分项统计",
                               itemGroupingCaption(grouping(), shownParameter), spanCaption());
}

}  // namespace qorvel
