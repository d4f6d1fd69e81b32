#include "app/pages/zbpxz/zbpxz_omission_count_page.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "core/views/dissection_statistics_charts.h"

namespace qorvel {

ZbpxzOmissionCountPage::ZbpxzOmissionCountPage(const DissectionState& state, QWidget* parent)
    : ZbpxzStatisticsPage(state, QStringLiteral("遗漏次数统计图"), QStringLiteral("ylcs"), parent) {
    cb_ylcs_sort = new QComboBox(this);
    cb_ylcs_sort->setObjectName("cb_ylcs_sort");
    for (const char* caption : kOmissionMeasureCaptions) cb_ylcs_sort->addItem(QString::fromUtf8(caption));
    controls()->addWidget(new QLabel(QStringLiteral("排序依据"), this));
    controls()->addWidget(cb_ylcs_sort);
    addSortButtons(false);
    addPaging();
    controls()->addStretch(1);
    b_ylcs_tj = new QPushButton(QStringLiteral("重新统计"), this);
    b_ylcs_tj->setObjectName("b_ylcs_tj");
    controls()->addWidget(b_ylcs_tj);
    connect(b_ylcs_tj, &QPushButton::clicked, this, [this] { refresh(); });
    // A sorted chart follows the measure at once; in value order the measure waits for a sort button.
    connect(cb_ylcs_sort, &QComboBox::currentIndexChanged, this, [this] {
        if (order() != ValueOrder::ByValue) rebuild();
    });
}

OmissionMeasure ZbpxzOmissionCountPage::sortMeasure() const {
    return static_cast<OmissionMeasure>(std::max(0, cb_ylcs_sort->currentIndex()));
}

void ZbpxzOmissionCountPage::recompute() {
    stats_ = omissionStatistics(state_.input.series, span(), state_.range);
    setItemCount(static_cast<int>(stats_.values.size()), kOmissionChartPageSize);
}

BarChartModel ZbpxzOmissionCountPage::buildModel() {
    const std::vector<ValueOmissions> ordered = orderedOmissions(stats_.values, sortMeasure(), order());
    const PageSlice slice = currentSlice();
    shown_.assign(ordered.begin() + slice.first, ordered.begin() + slice.first + slice.size);
    return omissionChart(shown_, state_.input.title + "的遗漏次数统计图", spanCaption());
}

}  // namespace qorvel
