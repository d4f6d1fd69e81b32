#include "app/pages/fxd/image/omission_trend_view.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

#include "app/app_state.h"
#include "app/pages/u_zbpxz.h"
#include "core/engine/custom_indicators.h"
#include "core/views/image_charts.h"
#include "ui/drawing_host.h"
#include "ui/platform.h"

namespace qorvel {

OmissionTrendView::OmissionTrendView(QWidget* parent) : ImageView("zhylzs", parent) {
    controlBar()->addWidget(new QLabel(QStringLiteral("主区号码选择"), this));
    cb_zhylzs = new QComboBox(this);
    cb_zhylzs->setObjectName("cb_zhylzs");
    controlBar()->addWidget(cb_zhylzs);
    b_zhylzs_zbpx = new QPushButton(QStringLiteral("指标剖析"), this);
    b_zhylzs_zbpx->setObjectName("b_zhylzs_zbpx");
    controlBar()->addWidget(b_zhylzs_zbpx);
    controlBar()->addStretch(1);
    listNumbers();
    connect(cb_zhylzs, &QComboBox::currentIndexChanged, this, [this] { seriesChanged(); });
    connect(b_zhylzs_zbpx, &QPushButton::clicked, this, [this] { dissect(); });
}

// The numbers the current type can draw; the list is rebuilt only when the range changed, so the
// chosen number survives a return to the sub-page.
void OmissionTrendView::listNumbers() {
    const TypeParams& p = workspace().params;
    if (p.MainFrom == listedFrom_ && p.MainTo == listedTo_) return;
    listedFrom_ = p.MainFrom;
    listedTo_ = p.MainTo;
    const QSignalBlocker quiet(cb_zhylzs);
    const int previous = number();
    cb_zhylzs->clear();
    for (int n = std::max(p.MainFrom, 1); n <= p.MainTo; ++n) cb_zhylzs->addItem(QString::number(n), n);
    const int again = cb_zhylzs->findData(previous);
    cb_zhylzs->setCurrentIndex(again >= 0 ? again : 0);
}

int OmissionTrendView::number() const {
    return cb_zhylzs->currentIndex() >= 0 ? cb_zhylzs->currentData().toInt() : 1;
}

int OmissionTrendView::seriesLength() const { return static_cast<int>(entries_.size()); }

void OmissionTrendView::rebuild() {
    listNumbers();
    const Workspace& ws = workspace();
    entries_ = numberOmissionHistory(ws.MainStore, ws.params, number());
}

void OmissionTrendView::render(DrawSurface& surface, int width, int height) {
    drawOmissionTrend(axes_, surface, width, height, entries_, number(), firstShown());
}

// The entries go to their own store on the hand-over file; the history's store is never re-pointed, so
// nothing that runs while the dissection is open can see or save the wrong draws.
bool OmissionTrendView::dissect() {
    rebuild();
    Workspace& ws = workspace();
    const std::vector<DrawFields> records = omissionHandOverRecords(entries_);
    t_s_dm handOver;
    handOver.SetFileName(ws.file(kOmissionHandOverFile));
    handOver.SetCount(static_cast<int>(records.size()));
    for (std::size_t i = 0; i < records.size(); ++i) handOver.MutableRow(static_cast<int>(i) + 1).fields = records[i];
    if (!handOver.SortAndSave()) {
        showMessage(fromUtf8(handOver.lastError()), this);
        return false;
    }
    DissectionInput input;
    int32_t largest = 0;
    for (int r = 1; r <= handOver.Count(); ++r) {
        input.series.push_back(handOver.Row(r).fields[1]);
        largest = std::max(largest, handOver.Row(r).fields[1]);
    }
    const DissectionRange range = widenedRange(0, largest, ws.params.MainCount);
    input.seriesMin = range.low;
    input.seriesMax = range.high;
    input.title = omissionDissectionCaption(number());
    input.cursorRow = std::max(1, handOver.Count() - kOmissionTrendWindow);
    showDissectionModally(input, this);
    return true;
}

}  // namespace qorvel
