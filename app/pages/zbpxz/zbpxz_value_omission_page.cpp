#include "app/pages/zbpxz/zbpxz_value_omission_page.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <algorithm>

#include "ui/drawing_host.h"

namespace qorvel {

ZbpxzValueOmissionPage::ZbpxzValueOmissionPage(const DissectionState& state, QWidget* parent)
    : ZbpxzWindowedPage(state, QStringLiteral("单个取值遗漏走势"), QStringLiteral("dgyl"), parent) {
    cb_dgyl_value = new QComboBox(this);
    cb_dgyl_value->setObjectName("cb_dgyl_value");
    cb_dgyl_value->setMinimumContentsLength(6);
    controls()->addWidget(new QLabel(QStringLiteral("取值:"), this));
    controls()->addWidget(cb_dgyl_value);
    controls()->addStretch(1);
    connect(cb_dgyl_value, &QComboBox::currentIndexChanged, this, [this] { restart(); });
}

void ZbpxzValueOmissionPage::opened() {
    fillValues();
    ZbpxzWindowedPage::opened();
}

// The preset is the newest drawn value, the one whose omission history matters next.
void ZbpxzValueOmissionPage::fillValues() {
    const QSignalBlocker block(cb_dgyl_value);
    cb_dgyl_value->clear();
    for (int32_t v : valueChoices(state_.input.series, state_.issues, state_.range.min, state_.range.max))
        cb_dgyl_value->addItem(QString::number(v), v);
    const int drawn = std::min(drawnCount(state_.issues), state_.count());
    const int newest = drawn > 0 ? cb_dgyl_value->findData(state_.input.series[static_cast<std::size_t>(drawn - 1)]) : -1;
    cb_dgyl_value->setCurrentIndex(newest >= 0 ? newest : 0);
}

int32_t ZbpxzValueOmissionPage::chosenValue() const {
    return cb_dgyl_value->currentData().toInt();
}

void ZbpxzValueOmissionPage::recompute() {
    entries_.clear();
    topOmission_ = topChange_ = 0;
    if (cb_dgyl_value->count() == 0) return;
    entries_ = valueOmissionHistory(state_.input.series, state_.issues, chosenValue());
    for (const ValueOmission& e : entries_) {
        topOmission_ = std::max(topOmission_, e.omission);
        topChange_ = std::max(topChange_, e.change);
    }
}

// Both charts keep the y range of all entries so scrolling does not rescale them.
void ZbpxzValueOmissionPage::draw(DrawSurface& surface, int width, int height) {
    if (entries_.empty()) return;
    const int first = firstItem();
    const int last = std::min(itemCount(), first + windowLength());
    std::vector<SeriesPoint> omissions, changes;
    for (int i = first; i < last; ++i) {
        const ValueOmission& e = entries_[static_cast<std::size_t>(i)];
        omissions.push_back({e.issue, e.omission});
        changes.push_back({e.issue, e.change});
    }
    const std::string& title = state_.input.title;
    const int32_t v = chosenValue();
    axes_.ChartPair(surface, height, width, topOmission_ + 1, 0, valueOmissionTitle(title, v), kPairUpperHalf,
                    omissions, first);
    axes_.ChartPair(surface, height, width, topChange_ + 1, 0, valueOmissionChangeTitle(title, v), kPairLowerHalf,
                    changes, first);
}

}  // namespace qorvel
