#include "app/pages/zbpxz/zbpxz_change_page.h"

#include <QHBoxLayout>

namespace qorvel {

ZbpxzChangePage::ZbpxzChangePage(const DissectionState& state, QWidget* parent)
    : ZbpxzChartPage(state, QStringLiteral("变化量及尾数图"), QStringLiteral("blws"), parent) {
    controls()->addStretch(1);
}

void ZbpxzChangePage::recompute() {
    changes_ = changeSeries(state_.input.series);
    tails_ = shownSeries(state_.input.series, ChartKind::Tail, kMinRemainderDivisor);
}

// Each chart keeps the y range of its whole series so scrolling does not rescale it.
void ZbpxzChangePage::draw(DrawSurface& surface, int width, int height) {
    const std::string& title = state_.input.title;
    const SeriesRange values = seriesExtremes(state_.input.series, state_.mainCount);
    const SeriesRange changes = seriesExtremes(changes_, state_.mainCount);
    const SeriesRange tails = seriesExtremes(tails_, state_.mainCount);
    chart(surface, width, height, state_.input.series, title, kPairUpperThird, values.min, values.max + 1);
    chart(surface, width, height, changes_, title + "的变化量", kPairMiddleThird, changes.min, changes.max + 1);
    chart(surface, width, height, tails_, title + "的尾数", kPairLowerThird, tails.min, tails.max + 1);
}

}  // namespace qorvel
