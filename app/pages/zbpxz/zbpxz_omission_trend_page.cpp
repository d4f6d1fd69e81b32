#include "app/pages/zbpxz/zbpxz_omission_trend_page.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <algorithm>

#include "ui/drawing_host.h"

namespace qorvel {

namespace {

constexpr int kDefaultYLimit = 50;
constexpr int kYLimitStep = 10;

}  // namespace

ZbpxzOmissionTrendPage::ZbpxzOmissionTrendPage(const DissectionState& state, QWidget* parent)
    : ZbpxzChartPage(state, QStringLiteral("遗漏值走势"), QStringLiteral("ylzs"), parent) {
    auto* group = new QButtonGroup(this);
    rb_ylzs_dynamic = new QRadioButton(QStringLiteral("动态坐标"), this);
    rb_ylzs_dynamic->setObjectName("rb_ylzs_dynamic");
    rb_ylzs_limit = new QRadioButton(QStringLiteral("限制y轴最大值"), this);
    rb_ylzs_limit->setObjectName("rb_ylzs_limit");
    group->addButton(rb_ylzs_dynamic);
    group->addButton(rb_ylzs_limit);
    rb_ylzs_dynamic->setChecked(true);
    cb_ylzs_y_max = new QComboBox(this);
    cb_ylzs_y_max->setObjectName("cb_ylzs_y_max");
    for (int v = kMinYLimit; v <= kMaxYLimit; v += kYLimitStep) cb_ylzs_y_max->addItem(QString::number(v), v);
    cb_ylzs_y_max->setCurrentText(QString::number(kDefaultYLimit));
    controls()->addWidget(rb_ylzs_dynamic);
    controls()->addWidget(rb_ylzs_limit);
    controls()->addWidget(cb_ylzs_y_max);
    controls()->addStretch(1);
    connect(group, &QButtonGroup::buttonToggled, this, [this](QAbstractButton*, bool on) {
        if (on) im->redraw();
    });
    connect(cb_ylzs_y_max, &QComboBox::currentIndexChanged, this, [this] { im->redraw(); });
}

void ZbpxzOmissionTrendPage::recompute() {
    omissions_ = omissionSeries(state_.input.series);
    amplitudes_ = amplitudeSeries(omissions_);
}

// Dynamic: one above the window's largest value; limited: the chosen maximum.
int32_t ZbpxzOmissionTrendPage::yMaxFor(const std::vector<int32_t>& values) const {
    if (rb_ylzs_limit->isChecked()) return cb_ylzs_y_max->currentData().toInt();
    int32_t top = 0;
    for (int i = firstDraw(); i <= lastDraw(); ++i) top = std::max(top, values[static_cast<std::size_t>(i - 1)]);
    return top + 1;
}

void ZbpxzOmissionTrendPage::draw(DrawSurface& surface, int width, int height) {
    if (omissions_.empty()) return;
    const std::string& title = state_.input.title;
    chart(surface, width, height, omissions_, title + "的遗漏值", kPairUpperHalf, 0, yMaxFor(omissions_));
    chart(surface, width, height, amplitudes_, title + "的遗漏值振幅", kPairLowerHalf, 0, yMaxFor(amplitudes_));
}

}  // namespace qorvel
