#include "app/pages/tjq/tjq_bar_chart.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/app_state.h"
#include "app/dialogs/u_coldhotset.h"
#include "ui/drawing_host.h"
#include "views/bar_chart_painter.h"

namespace qorvel {
namespace {

template <class T>
T* named(T* widget, const char* name) {
    widget->setObjectName(name);
    return widget;
}

}  // namespace

TjqBarChart::TjqBarChart(std::function<int()> rangeEnd, QWidget* parent)
    : QWidget(parent), rangeEnd_(std::move(rangeEnd)) {
    setObjectName("ts_jzd");
    i_hmtjjzd = named(new DrawingHost(this), "i_hmtjjzd");
    i_hmtjjzd->setCrosshairEnabled(false);
    i_hmtjjzd->setRenderer([this](DrawSurface& s, int w, int h) { render(s, w, h); });

    l_coldhot = named(new QLabel(this), "l_coldhot");
    l_f_coldhot = named(new QLabel(this), "l_f_coldhot");
    for (QLabel* line : {l_coldhot, l_f_coldhot}) {
        line->setWordWrap(true);
        line->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    l_f_coldhot->hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(buildOptionBar());
    layout->addWidget(i_hmtjjzd, 1);
    layout->addWidget(l_coldhot);
    layout->addWidget(l_f_coldhot);
}

QWidget* TjqBarChart::buildOptionBar() {
    auto* bar = new QWidget(this);
    rb_hhtj = named(new QRadioButton(QStringLiteral("主号统计"), bar), "rb_hhtj");
    rb_lhtj = named(new QRadioButton(QStringLiteral("副号统计"), bar), "rb_lhtj");
    rb_ahm = named(new QRadioButton(QStringLiteral("按号码显示"), bar), "rb_ahm");
    rb_aappcs = named(new QRadioButton(QStringLiteral("按出现次数顺序"), bar), "rb_aappcs");
    rb_aconccs = named(new QRadioButton(QStringLiteral("按遗漏次数顺序"), bar), "rb_aconccs");
    cb_appcs = named(new QCheckBox(QStringLiteral("出现次数"), bar), "cb_appcs");
    cb_conccs = named(new QCheckBox(QStringLiteral("遗漏次数"), bar), "cb_conccs");
    b_coldhotset = named(new QPushButton(QStringLiteral("主号冷热号设置 "), bar), "b_coldhotset");
    b_f_coldhotset = named(new QPushButton(QStringLiteral("副号冷热设置 "), bar), "b_f_coldhotset");
    // The special zone's chart and settings exist but stay hidden: the page shows the main zone only.
    rb_lhtj->hide();
    b_f_coldhotset->hide();

    auto* zone = new QButtonGroup(bar);
    zone->addButton(rb_hhtj);
    zone->addButton(rb_lhtj);
    auto* order = new QButtonGroup(bar);
    for (QRadioButton* rb : {rb_ahm, rb_aappcs, rb_aconccs}) order->addButton(rb);
    rb_hhtj->setChecked(true);
    rb_ahm->setChecked(true);
    cb_appcs->setChecked(true);
    cb_conccs->setChecked(true);

    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    for (QWidget* w : std::initializer_list<QWidget*>{rb_hhtj, rb_lhtj}) row->addWidget(w);
    row->addSpacing(16);
    for (QWidget* w : std::initializer_list<QWidget*>{rb_ahm, rb_aappcs, rb_aconccs}) row->addWidget(w);
    row->addSpacing(16);
    row->addWidget(cb_appcs);
    row->addWidget(cb_conccs);
    row->addStretch();
    row->addWidget(b_coldhotset);
    row->addWidget(b_f_coldhotset);

    // Every option redraws from the counts already made; nothing is counted again.
    for (QRadioButton* rb : {rb_hhtj, rb_lhtj, rb_ahm, rb_aappcs, rb_aconccs})
        connect(rb, &QRadioButton::toggled, this, [this](bool on) {
            if (on) i_hmtjjzd->redraw();
        });
    for (QCheckBox* cb : {cb_appcs, cb_conccs}) connect(cb, &QCheckBox::toggled, i_hmtjjzd, &DrawingHost::redraw);
    connect(b_coldhotset, &QPushButton::clicked, this, [this] { editColdHot(true); });
    connect(b_f_coldhotset, &QPushButton::clicked, this, [this] { editColdHot(false); });
    return bar;
}

BarOrder TjqBarChart::order() const {
    if (rb_aappcs->isChecked()) return BarOrder::ByCount;
    if (rb_aconccs->isChecked()) return BarOrder::ByOmission;
    return BarOrder::ByNumber;
}

bool TjqBarChart::chartsMainZone() const { return !rb_lhtj->isChecked(); }

void TjqBarChart::showResult(const StatisticsResult* result) {
    result_ = result;
    l_coldhot->setText(fromUtf8(result->mainColdHotLine));
    l_f_coldhot->setText(fromUtf8(result->specialColdHotLine));
    i_hmtjjzd->redraw();
}

void TjqBarChart::refreshColdHotLines() {
    const ColdHotLists& lists = workspace().coldHotLists;
    l_coldhot->setText(fromUtf8(mainColdHotLine(lists)));
    l_f_coldhot->setText(fromUtf8(specialColdHotLine(lists)));
}

void TjqBarChart::render(DrawSurface& surface, int width, int height) const {
    if (!result_) return;  // the chart stays blank until the first count
    const ZoneStatistics& zone = chartsMainZone() ? result_->main : result_->special;
    paintBarChart(surface, layoutBarChart(zone, order(), cb_appcs->isChecked(), cb_conccs->isChecked(), width, height),
                  width, height);
}

void TjqBarChart::editColdHot(bool mainZone) {
    if (!f_coldhotset) return;
    if (f_coldhotset->editZone(mainZone, rangeEnd_())) refreshColdHotLines();
}

}  // namespace qorvel
