#include "app/pages/zbpxz/zbpxz_remainder_page.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <algorithm>

#include "app/app_state.h"
#include "ui/drawing_host.h"

namespace qorvel {

namespace {

struct RemainderGroup {
    const char* caption;
    std::vector<int> divisors;
};

const std::vector<RemainderGroup>& remainderGroups() {
    static const std::vector<RemainderGroup> groups{
        {"除三、除四、除五余数", {3, 4, 5}},   {"除六、除七余数", {6, 7}},       {"除八、除九余数", {8, 9}},
        {"除十、除十一余数", {10, 11}},         {"除十二、除十三余数", {12, 13}}, {"除十四、除十五余数", {14, 15}},
        {"除十六、除十七余数", {16, 17}},       {"除十八、除十九余数", {18, 19}},
    };
    return groups;
}

}  // namespace

ZbpxzRemainderPage::ZbpxzRemainderPage(const DissectionState& state, QWidget* parent)
    : ZbpxzChartPage(state, QStringLiteral("余数走势图"), QStringLiteral("yszs"), parent) {
    cb_yszs_group = new QComboBox(this);
    cb_yszs_group->setObjectName("cb_yszs_group");
    for (const RemainderGroup& g : remainderGroups()) cb_yszs_group->addItem(QString::fromUtf8(g.caption));
    controls()->addWidget(cb_yszs_group);
    controls()->addStretch(1);
    connect(cb_yszs_group, &QComboBox::currentIndexChanged, this, [this] {
        recompute();
        im->redraw();
    });
}

std::vector<int> ZbpxzRemainderPage::divisors() const {
    const int index = std::max(0, cb_yszs_group->currentIndex());
    return remainderGroups()[static_cast<std::size_t>(index)].divisors;
}

void ZbpxzRemainderPage::recompute() {
    remainders_.clear();
    for (int k : divisors()) remainders_.push_back(shownSeries(state_.input.series, ChartKind::Remainder, k));
}

// Each remainder chart spans 0 … k so every remainder of the modulus has its line.
void ZbpxzRemainderPage::draw(DrawSurface& surface, int width, int height) {
    const std::vector<int> ks = divisors();
    const bool triple = ks.size() == 3;
    const int layouts[3] = {triple ? kPairUpperThird : kPairUpperHalf, triple ? kPairMiddleThird : kPairLowerHalf,
                            kPairLowerThird};
    for (std::size_t i = 0; i < ks.size() && i < remainders_.size(); ++i) {
        const std::string title = state_.input.title + "除" + std::to_string(ks[i]) + "余数";
        chart(surface, width, height, remainders_[i], title, layouts[i], 0, ks[i]);
    }
}

}  // namespace qorvel
