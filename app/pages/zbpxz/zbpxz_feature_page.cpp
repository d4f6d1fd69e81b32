#include "app/pages/zbpxz/zbpxz_feature_page.h"

#include <QHBoxLayout>
#include <QLabel>

namespace qorvel {

ZbpxzFeaturePage::ZbpxzFeaturePage(const DissectionState& state, QWidget* parent)
    : ZbpxzChartPage(state, QStringLiteral("特征图"), QStringLiteral("tzt"), parent) {
    l_tzt_middle = new QLabel(this);
    l_tzt_middle->setObjectName("l_tzt_middle");
    controls()->addSpacing(16);
    controls()->addWidget(l_tzt_middle);
    controls()->addStretch(1);
}

void ZbpxzFeaturePage::recompute() {
    middle_ = featureMiddle(state_.range);
    oddEven_ = featureSeries(state_.input.series, FeatureKind::OddEven, middle_);
    prime_ = featureSeries(state_.input.series, FeatureKind::PrimeComposite, middle_);
    big_ = featureSeries(state_.input.series, FeatureKind::BigSmall, middle_);
    l_tzt_middle->setText(QStringLiteral("中间值是:") + QString::number(middle_));
}

// Values 0 and 1 on a 0…2 axis so the value labels of the upper row stay inside each chart.
void ZbpxzFeaturePage::draw(DrawSurface& surface, int width, int height) {
    const std::string& title = state_.input.title;
    chart(surface, width, height, oddEven_, title + "的奇偶(1:奇 0:偶)", kPairUpperThird, 0, 2);
    chart(surface, width, height, prime_, title + "的质合(1:质 0:合)", kPairMiddleThird, 0, 2);
    chart(surface, width, height, big_, title + "的大小(1:大 0:小)", kPairLowerThird, 0, 2);
}

}  // namespace qorvel
