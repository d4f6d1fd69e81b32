#include "app/pages/u_zbpxz.h"

#include <QDialog>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "app/app_state.h"
#include "app/pages/zbpxz/zbpxz_average_page.h"
#include "app/pages/zbpxz/zbpxz_change_page.h"
#include "app/pages/zbpxz/zbpxz_count_chart_page.h"
#include "app/pages/zbpxz/zbpxz_distribution_page.h"
#include "app/pages/zbpxz/zbpxz_feature_page.h"
#include "app/pages/zbpxz/zbpxz_field_page.h"
#include "app/pages/zbpxz/zbpxz_item_stats_page.h"
#include "app/pages/zbpxz/zbpxz_omission_count_page.h"
#include "app/pages/zbpxz/zbpxz_omission_page.h"
#include "app/pages/zbpxz/zbpxz_omission_trend_page.h"
#include "app/pages/zbpxz/zbpxz_property_page.h"
#include "app/pages/zbpxz/zbpxz_remainder_page.h"
#include "app/pages/zbpxz/zbpxz_segment_page.h"
#include "app/pages/zbpxz/zbpxz_signal_page.h"
#include "app/pages/zbpxz/zbpxz_value_omission_page.h"

namespace qorvel {

namespace {

constexpr int kModalWidth = 1000;
constexpr int kModalHeight = 700;

}  // namespace

Tf_zbpxz::Tf_zbpxz(QWidget* parent) : QWidget(parent) {
    pc_zbpxz = new QTabWidget(this);
    pc_zbpxz->setObjectName("pc_zbpxz");
    ts_ftc = new ZbpxzSignalPage(state_, pc_zbpxz);
    ts_txtb = new ZbpxzPropertyPage(state_, pc_zbpxz);
    ts_jzzs = new ZbpxzAveragePage(state_, pc_zbpxz);
    ts_ylfb = new ZbpxzOmissionPage(state_, pc_zbpxz);
    ts_sjfb = new ZbpxzDistributionPage(state_, pc_zbpxz);
    ts_tyd = new ZbpxzFieldPage(state_, pc_zbpxz);
    ts_fxtj = new ZbpxzItemStatsPage(state_, pc_zbpxz);
    ts_cxcs = new ZbpxzCountChartPage(state_, pc_zbpxz);
    ts_ylcs = new ZbpxzOmissionCountPage(state_, pc_zbpxz);
    ts_fdzs = new ZbpxzSegmentPage(state_, pc_zbpxz);
    ts_ylzs = new ZbpxzOmissionTrendPage(state_, pc_zbpxz);
    ts_dgyl = new ZbpxzValueOmissionPage(state_, pc_zbpxz);
    ts_yszs = new ZbpxzRemainderPage(state_, pc_zbpxz);
    ts_tzt = new ZbpxzFeaturePage(state_, pc_zbpxz);
    ts_blws = new ZbpxzChangePage(state_, pc_zbpxz);
    pages_ = {ts_ftc, ts_txtb, ts_jzzs, ts_ylfb, ts_sjfb, ts_tyd, ts_fxtj, ts_cxcs, ts_ylcs, ts_fdzs, ts_ylzs, ts_dgyl,
              ts_yszs, ts_tzt, ts_blws};
    for (ZbpxzSubPage* page : pages_) pc_zbpxz->addTab(page, page->pageName());
    l_status = new QLabel(this);
    l_status->setObjectName("l_status");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(pc_zbpxz, 1);
    layout->addWidget(l_status);
    connect(pc_zbpxz, &QTabWidget::currentChanged, this, [this](int index) { subPageChanged(index); });
}

void Tf_zbpxz::OpenDissection(const DissectionInput& input) {
    state_.input = input;
    state_.mainCount = workspace().params.MainCount;
    const SeriesRange range = widenedSeriesRange(input.seriesMin, input.seriesMax, state_.mainCount);
    state_.input.seriesMin = range.min;
    state_.input.seriesMax = range.max;
    state_.range = range;
    fillIssues();
    for (ZbpxzSubPage* page : pages_) page->opened();
    current_ = nullptr;
    if (pc_zbpxz->currentIndex() == 0)
        subPageChanged(0);
    else
        pc_zbpxz->setCurrentIndex(0);
}

// Issues come with the series when it runs over other draws than the history's, else from the history
// when the series is one value per draw of it; any other series is labelled by its position.
void Tf_zbpxz::fillIssues() {
    const int count = state_.count();
    if (state_.input.issues.size() == static_cast<std::size_t>(count)) {
        state_.issues = state_.input.issues;
        return;
    }
    const t_s_dm& store = workspace().MainStore;
    const bool fromHistory = count == store.Count();
    state_.issues.resize(static_cast<std::size_t>(count));
    for (int r = 1; r <= count; ++r) state_.issues[static_cast<std::size_t>(r - 1)] = fromHistory ? store.Row(r).fields[0] : r;
}

void Tf_zbpxz::subPageChanged(int index) {
    if (current_) current_->left();
    current_ = index >= 0 && index < static_cast<int>(pages_.size()) ? pages_[static_cast<std::size_t>(index)] : nullptr;
    if (!current_) return;
    current_->refresh();
    const QString text = statusText();
    l_status->setText(text);
    setWindowTitle(text);
    if (auto* dialog = qobject_cast<QDialog*>(window())) dialog->setWindowTitle(text);
}

QString Tf_zbpxz::statusText() const {
    const ZbpxzSubPage* page = pages_[static_cast<std::size_t>(std::max(0, pc_zbpxz->currentIndex()))];
    return fromUtf8(state_.input.title) + QStringLiteral("的") + page->pageName();
}

void Tf_zbpxz::pageClosed() {
    for (ZbpxzSubPage* page : pages_) page->left();
}

// New or edited draws change the issues; the series itself came from the caller and stays as handed over.
void Tf_zbpxz::historyChanged() {
    fillIssues();
    if (current_) current_->refresh();
}

void showDissectionModally(const DissectionInput& input, QWidget* parent) {
    QDialog dialog(parent);
    dialog.setObjectName("f_zbpxz_modal");
    auto* layout = new QVBoxLayout(&dialog);
    auto* view = new Tf_zbpxz(&dialog);
    view->setObjectName("f_zbpxz");
    layout->addWidget(view);
    dialog.resize(kModalWidth, kModalHeight);
    view->OpenDissection(input);
    dialog.setWindowTitle(view->statusText());
    dialog.exec();
}

}  // namespace qorvel
