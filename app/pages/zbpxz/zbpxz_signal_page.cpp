#include "app/pages/zbpxz/zbpxz_signal_page.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "app/app_state.h"
#include "app/dialogs/zbpxz/filter_setting_dialog.h"
#include "app/pages/u_zh.h"
#include "app/pages/zbpxz/zbpxz_auto_scroll.h"
#include "app/pages/zh/zh_blue_tab.h"
#include "app/pages/zh/zh_custom_tab.h"
#include "app/pages/zh/zh_zone_tab.h"
#include "core/engine/formula.h"
#include "core/views/dissection_signal_grid.h"
#include "ui/drawing_host.h"
#include "ui/platform.h"

namespace qorvel {

namespace {

constexpr int kDefaultYLimit = 100;
constexpr int kYLimitStep = 10;
// A threshold combo longer than this lists every step-th value only.
constexpr int kMaxThresholdEntries = 500;
constexpr int kSignalGridHeight = (1 + kSignalColumnRows) * kSignalCellHeight + 1;

const char* const kExplanation =
    "升降图：如果本期数据的值小于或等于上期数据的值则标示为Ｏ，代表降，否则为Ｘ，代表升。\n"
    "奇偶图：奇数为Ｏ，偶数为Ｘ。\n"
    "质合图：质数为Ｏ，偶数为Ｘ。\n"
    "大小图：大数为Ｏ，小数为Ｘ。";

QRadioButton* radio(const char* caption, const char* name, QButtonGroup* group, QWidget* parent) {
    auto* button = new QRadioButton(QString::fromUtf8(caption), parent);
    button->setObjectName(name);
    group->addButton(button);
    return button;
}

QComboBox* combo(const char* name, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    return box;
}

}  // namespace

ZbpxzSignalPage::ZbpxzSignalPage(const DissectionState& state, QWidget* parent) : ZbpxzSubPage(state, parent) {
    setObjectName("ts_ftc");
    im_ftc = new DrawingHost(this);
    im_ftc->setObjectName("im_ftc");
    im_ftc->setRenderer([this](DrawSurface& s, int w, int h) { drawChart(s, w, h); });
    sb_ftc = new QScrollBar(Qt::Horizontal, this);
    sb_ftc->setObjectName("sb_ftc");
    chartMenu_ = new QMenu(this);
    autoScroll = new AutoScroll(chartMenu_, sb_ftc, this);
    im_ftc->setPopupMenu(chartMenu_);

    sg_ftc_signal = new DrawingHost(this);
    sg_ftc_signal->setObjectName("sg_ftc_signal");
    sg_ftc_signal->setCrosshairEnabled(false);
    sg_ftc_signal->setFixedHeight(kSignalGridHeight);
    sg_ftc_signal->setRenderer([this](DrawSurface& s, int w, int h) { drawSignals(s, w, h); });
    sb_ftc_signal = new QScrollBar(Qt::Horizontal, this);
    sb_ftc_signal->setObjectName("sb_ftc_signal");
    l_ftc_explain = new QLabel(QString::fromUtf8(kExplanation), this);
    l_ftc_explain->setObjectName("l_ftc_explain");

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(buildChartControls());
    layout->addWidget(im_ftc, 1);
    layout->addWidget(sb_ftc);
    layout->addWidget(buildSignalControls());
    layout->addWidget(sg_ftc_signal);
    layout->addWidget(sb_ftc_signal);
    layout->addWidget(l_ftc_explain);

    connect(sb_ftc, &QScrollBar::valueChanged, this, [this] { im_ftc->redraw(); });
    connect(im_ftc, &DrawingHost::wheelStepped, this, [this](int steps) { sb_ftc->setValue(sb_ftc->value() + steps); });
    connect(sb_ftc_signal, &QScrollBar::valueChanged, this, [this] { sg_ftc_signal->redraw(); });
    connect(sg_ftc_signal, &DrawingHost::wheelStepped, this,
            [this](int steps) { sb_ftc_signal->setValue(sb_ftc_signal->value() + steps); });
    connect(b_ftc_filter, &QPushButton::clicked, this, [this] { exportCondition(); });
}

QWidget* ZbpxzSignalPage::buildChartControls() {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    auto* kinds = new QButtonGroup(box);
    rb_ftc_cg = radio("常规图", "rb_ftc_cg", kinds, box);
    rb_ftc_ws = radio("尾数图", "rb_ftc_ws", kinds, box);
    rb_ftc_ys = radio("除", "rb_ftc_ys", kinds, box);
    cb_ftc_ysd = combo("cb_ftc_ysd", box);
    for (int k = kMinRemainderDivisor; k <= kMaxRemainderDivisor; ++k) cb_ftc_ysd->addItem(QString::number(k));
    rb_ftc_zf = radio("振幅图", "rb_ftc_zf", kinds, box);
    rb_ftc_yl = radio("遗漏图", "rb_ftc_yl", kinds, box);
    rb_ftc_ylzf = radio("遗漏振幅图", "rb_ftc_ylzf", kinds, box);
    rb_ftc_cg->setChecked(true);
    cb_ftc_ylimit = new QCheckBox(QStringLiteral("限制y轴最大值"), box);
    cb_ftc_ylimit->setObjectName("cb_ftc_ylimit");
    cb_ftc_y_max = combo("cb_ftc_y_max", box);
    for (int v = kMinYLimit; v <= kMaxYLimit; v += kYLimitStep) cb_ftc_y_max->addItem(QString::number(v));
    cb_ftc_y_max->setCurrentText(QString::number(kDefaultYLimit));
    b_ftc_filter = new QPushButton(QStringLiteral("过滤设置"), box);
    b_ftc_filter->setObjectName("b_ftc_filter");
    for (QWidget* w : std::initializer_list<QWidget*>{rb_ftc_cg, rb_ftc_ws, rb_ftc_ys, cb_ftc_ysd})
        row->addWidget(w);
    row->addWidget(new QLabel(QStringLiteral("余数"), box));
    for (QWidget* w : std::initializer_list<QWidget*>{rb_ftc_zf, rb_ftc_yl, rb_ftc_ylzf, cb_ftc_ylimit, cb_ftc_y_max})
        row->addWidget(w);
    row->addStretch(1);
    row->addWidget(b_ftc_filter);

    connect(kinds, &QButtonGroup::buttonToggled, this, [this](QAbstractButton*, bool on) {
        if (on && !filling_) refresh();
    });
    connect(cb_ftc_ysd, &QComboBox::currentIndexChanged, this, [this] {
        if (rb_ftc_ys->isChecked()) refresh();
    });
    connect(cb_ftc_ylimit, &QCheckBox::toggled, this, [this] { im_ftc->redraw(); });
    connect(cb_ftc_y_max, &QComboBox::currentIndexChanged, this, [this] { im_ftc->redraw(); });
    return box;
}

QWidget* ZbpxzSignalPage::buildSignalControls() {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    auto* kinds = new QButtonGroup(box);
    rb_ftc_sj = radio("升降图", "rb_ftc_sj", kinds, box);
    rb_ftc_jo = radio("奇偶图", "rb_ftc_jo", kinds, box);
    rb_ftc_zh = radio("质合图", "rb_ftc_zh", kinds, box);
    rb_ftc_dx = radio("大小图", "rb_ftc_dx", kinds, box);
    rb_ftc_sj->setChecked(true);
    cb_ftc_dxd = combo("cb_ftc_dxd", box);
    auto* modes = new QButtonGroup(box);
    rb_ftc_fh = radio("符号表示", "rb_ftc_fh", modes, box);
    rb_ftc_wz = radio("文字表示", "rb_ftc_wz", modes, box);
    rb_ftc_fh->setChecked(true);
    for (QWidget* w : std::initializer_list<QWidget*>{rb_ftc_sj, rb_ftc_jo, rb_ftc_zh, rb_ftc_dx, cb_ftc_dxd})
        row->addWidget(w);
    row->addSpacing(24);
    row->addWidget(rb_ftc_fh);
    row->addWidget(rb_ftc_wz);
    row->addStretch(1);

    connect(kinds, &QButtonGroup::buttonToggled, this, [this](QAbstractButton*, bool on) {
        if (!on || filling_) return;
        computeSignals();
        placeSignalWindow(true);
    });
    connect(cb_ftc_dxd, &QComboBox::currentIndexChanged, this, [this] {
        if (filling_ || !rb_ftc_dx->isChecked()) return;
        computeSignals();
        placeSignalWindow(true);
    });
    connect(modes, &QButtonGroup::buttonToggled, this, [this](QAbstractButton*, bool on) {
        if (on && !filling_) sg_ftc_signal->redraw();
    });
    return box;
}

ChartKind ZbpxzSignalPage::chartKind() const {
    if (rb_ftc_ws->isChecked()) return ChartKind::Tail;
    if (rb_ftc_ys->isChecked()) return ChartKind::Remainder;
    if (rb_ftc_zf->isChecked()) return ChartKind::Amplitude;
    if (rb_ftc_yl->isChecked()) return ChartKind::Omission;
    if (rb_ftc_ylzf->isChecked()) return ChartKind::OmissionAmplitude;
    return ChartKind::Regular;
}

SignalKind ZbpxzSignalPage::signalKind() const {
    if (rb_ftc_jo->isChecked()) return SignalKind::OddEven;
    if (rb_ftc_zh->isChecked()) return SignalKind::PrimeComposite;
    if (rb_ftc_dx->isChecked()) return SignalKind::BigSmall;
    return SignalKind::UpDown;
}

// A new series starts with the default chart and signal types, so a choice made for the previous series is
// not applied unseen; the chart window starts at the draw the caller placed the cursor on.
void ZbpxzSignalPage::opened() {
    autoScroll->stop();
    filling_ = true;
    for (QRadioButton* standard : {rb_ftc_cg, rb_ftc_sj, rb_ftc_fh}) standard->setChecked(true);
    filling_ = false;
    computeShown();
    const int last = std::max(1, state_.count() - kSignalChartDraws + 1);
    sb_ftc->setRange(1, last);
    sb_ftc->setPageStep(kSignalChartDraws);
    sb_ftc->setValue(std::clamp(state_.input.cursorRow, 1, last));
    computeSignals();
    placeSignalWindow(true);
    im_ftc->redraw();
}

void ZbpxzSignalPage::refresh() {
    computeShown();
    computeSignals();
    placeSignalWindow(true);
    im_ftc->redraw();
}

void ZbpxzSignalPage::left() {
    autoScroll->stop();
}

void ZbpxzSignalPage::computeShown() {
    shown_ = shownSeries(state_.input.series, chartKind(), cb_ftc_ysd->currentText().toInt());
    shownRange_ = seriesExtremes(shown_, state_.mainCount);
    fillThresholds();
}

// The big/small threshold offers the shown range, preset to its middle; a kept choice inside the range
// survives a change of chart type.
void ZbpxzSignalPage::fillThresholds() {
    filling_ = true;
    const QString kept = cb_ftc_dxd->currentText();
    cb_ftc_dxd->clear();
    const int64_t span = static_cast<int64_t>(shownRange_.max) - shownRange_.min + 1;
    const int64_t step = std::max<int64_t>(1, (span + kMaxThresholdEntries - 1) / kMaxThresholdEntries);
    for (int64_t v = shownRange_.min; v <= shownRange_.max; v += step) cb_ftc_dxd->addItem(QString::number(v));
    const int middle = static_cast<int>((static_cast<int64_t>(shownRange_.min) + shownRange_.max + 1) / 2);
    const int keptIndex = cb_ftc_dxd->findText(kept);
    if (keptIndex >= 0)
        cb_ftc_dxd->setCurrentIndex(keptIndex);
    else
        cb_ftc_dxd->setCurrentIndex(std::max(0, static_cast<int>((middle - shownRange_.min) / step)));
    filling_ = false;
}

void ZbpxzSignalPage::computeSignals() {
    columns_ = layoutSignals(signalSeries(shown_, signalKind(), cb_ftc_dxd->currentText().toInt()));
}

void ZbpxzSignalPage::placeSignalWindow(bool newest) {
    const int last = lastSignalWindow(static_cast<int>(columns_.size()), sg_ftc_signal->width());
    sb_ftc_signal->setRange(0, last);
    sb_ftc_signal->setPageStep(visibleSignalColumns(sg_ftc_signal->width()));
    if (newest) sb_ftc_signal->setValue(last);
    sg_ftc_signal->redraw();
}

void ZbpxzSignalPage::drawChart(DrawSurface& surface, int width, int height) {
    if (shown_.empty()) return;
    const int first = sb_ftc->value();
    const int end = std::min(state_.count(), first + kSignalChartDraws - 1);
    std::vector<SeriesPoint> points;
    for (int i = first; i <= end; ++i)
        points.push_back({state_.issues[static_cast<std::size_t>(i - 1)], shown_[static_cast<std::size_t>(i - 1)]});
    int yMax = shownRange_.max + 1;
    if (cb_ftc_ylimit->isChecked()) yMax = std::max(shownRange_.min + 1, cb_ftc_y_max->currentText().toInt());
    const std::string title = state_.input.title + "的信号图";
    axes_.ChartPair(surface, height, width, yMax, shownRange_.min, title, kPairFull, points, first);
}

void ZbpxzSignalPage::drawSignals(DrawSurface& surface, int width, int height) {
    if (sb_ftc_signal->maximum() != lastSignalWindow(static_cast<int>(columns_.size()), width)) {
        // The host was resized: keep the newest columns in view.
        QMetaObject::invokeMethod(this, [this] { placeSignalWindow(true); }, Qt::QueuedConnection);
    }
    SignalGridView view;
    view.columns = &columns_;
    view.issues = &state_.issues;
    view.kind = signalKind();
    view.words = rb_ftc_wz->isChecked();
    view.firstColumn = sb_ftc_signal->value();
    drawSignalGrid(surface, width, height, view);
}

// Builds the formula of what the chart shows, checks that it evaluates, asks for the bounds and options,
// and appends the condition to the chosen custom-indicator list of the filter page.
void ZbpxzSignalPage::exportCondition() {
    const std::string base = exportBaseFormula(state_.input.formula, state_.input.name);
    Workspace& ws = workspace();
    const std::string formula = wrapFormula(base, chartKind(), cb_ftc_ysd->currentText().toInt());
    int32_t value = 0;
    if (base.empty() || shown_.empty() || !evaluateFormula(ws, formula, value)) {
        showMessage(QString::fromUtf8(kCannotExport), this);
        return;
    }
    FilterSettingDialog dialog(shownRange_, shown_.back(), ws.params.HasSpecial && ws.params.SpecialCount > 0, this);
    if (dialog.exec() != QDialog::Accepted || !f_zh) return;
    ZhCustomTab* list = nullptr;
    std::string confirmation;
    if (dialog.target() == ExportTarget::Main) {
        list = f_zh->customTab();
        confirmation = mainExportConfirmation(ws.MainLabel());
    } else if (ws.params.SpecialCount == 1 || ws.params.SpecialCount == 2) {
        list = ws.params.SpecialCount == 1 ? f_zh->blueTab()->customTab() : f_zh->zoneTab()->customTab();
        confirmation = specialExportConfirmation(ws.params.SpecialCount);
    }
    if (!list) return;
    CustomIndicatorCondition condition{formula, dialog.values(), dialog.tolerant()};
    const AddResult added = list->append(condition, exportListLine(formula, condition.tolerant, condition.values));
    showMessage(fromUtf8(added.added ? confirmation : added.message), this);
}

}  // namespace qorvel
