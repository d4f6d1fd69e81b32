#include "app/pages/fxd/fxd_trend_view.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "app/app_state.h"
#include "app/dialogs/u_largerset.h"
#include "app/pages/u_fxd.h"
#include "app/pages/u_zbpx.h"
#include "engine/custom_indicators.h"
#include "ui/drawing_host.h"
#include "ui/pass_progress.h"
#include "ui/platform.h"

namespace qorvel {

namespace {

constexpr int kControlColumnWidth = 210;
constexpr int kMemoLines = 6;  // three lines, each wrapping once at this width
constexpr int kMaxMiddleValue = 1000;
constexpr int kMinDivisor = 4, kMaxDivisor = 20;
constexpr int kScrollPageStep = 10;
constexpr int kChartMargin = 10;
constexpr int kPlotLeft = 30;
constexpr const char* kFeatureNames[] = {"奇偶", "质合", "012路", "尾数", "振幅", "遗漏", "遗漏振幅"};
constexpr const char* kShowChoices[] = {"显示指标及特征图", "只显示指标走势图", "只显示特征走势图"};

QPushButton* button(const char* name, const char* caption, QWidget* parent) {
    auto* b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setObjectName(name);
    return b;
}

RunLengths runLengths(const RunStats& s) { return RunLengths{s.current, s.max, s.min}; }

}  // namespace

FxdTrendView::FxdTrendView(Tf_fxd* page, QWidget* parent) : FxdView(page, parent) {
    value_.lineColor = kBlue;
    feature_.lineColor = feature_.markerColor = kRed;

    i_zbzs = new DrawingHost(this);
    i_zbzs->setObjectName("i_zbzs");
    i_zbzs->setRenderer([this](DrawSurface& s, int w, int h) { render(s, w, h); });
    connect(i_zbzs, &DrawingHost::clicked, this, [this](int, int, QPoint pos, Qt::MouseButton b) {
        if (b == Qt::RightButton) this->page()->popupViewMenu(this, i_zbzs, i_zbzs->mapToGlobal(pos));
    });
    connect(i_zbzs, &DrawingHost::wheelStepped, this, [this](int steps) { scrollTo(value_.startIndex + steps); });
    sb_zbzs_h = new QScrollBar(Qt::Horizontal, this);
    sb_zbzs_h->setObjectName("sb_zbzs_h");
    sb_zbzs_h->setPageStep(kScrollPageStep);
    connect(sb_zbzs_h, &QScrollBar::valueChanged, this, [this](int v) {
        if (!syncing_) scrollTo(v);
    });
    m_zbzs_tj = new QPlainTextEdit(this);
    m_zbzs_tj->setObjectName("m_zbzs_tj");
    m_zbzs_tj->setReadOnly(true);
    m_zbzs_tj->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_zbzs_tj->setFixedHeight(m_zbzs_tj->fontMetrics().lineSpacing() * kMemoLines + 12);

    QWidget* column = buildControlColumn();
    rebuildTree();
    b_zbzs_hide = button("b_zbzs_hide", "<<", this);
    b_zbzs_hide->setFixedWidth(22);
    b_zbzs_hide->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    connect(b_zbzs_hide, &QPushButton::clicked, this, [this, column] {
        column->setVisible(!column->isVisible());
        b_zbzs_hide->setText(column->isVisible() ? "<<" : ">>");
    });

    auto* right = new QVBoxLayout;
    right->setSpacing(2);
    right->addWidget(i_zbzs, 1);
    right->addWidget(sb_zbzs_h);
    right->addWidget(m_zbzs_tj);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    layout->addWidget(column);
    layout->addWidget(b_zbzs_hide);
    layout->addLayout(right, 1);
}

QWidget* FxdTrendView::buildControlColumn() {
    auto* column = new QWidget(this);
    column->setObjectName("p_zbzs_controls");
    column->setFixedWidth(kControlColumnWidth);
    tv_zbzs = new QTreeWidget(column);
    tv_zbzs->setObjectName("tv_zbzs");
    tv_zbzs->setHeaderHidden(true);
    connect(tv_zbzs, &QTreeWidget::currentItemChanged, this, [this] { computeAndDraw(); });

    cb_zbzs_showzbtz = new QComboBox(column);
    cb_zbzs_showzbtz->setObjectName("cb_zbzs_showzbtz");
    for (const char* c : kShowChoices) cb_zbzs_showzbtz->addItem(QString::fromUtf8(c));
    connect(cb_zbzs_showzbtz, &QComboBox::currentIndexChanged, this, [this] { i_zbzs->redraw(); });

    b_zbzs_set = button("b_zbzs_set", "设置", column);
    auto* setMenu = new QMenu(b_zbzs_set);
    setMenu->setObjectName("pm_zbzs_set");
    QAction* update = setMenu->addAction(QString::fromUtf8("更新"));
    update->setObjectName("mi_zbzs_update");
    connect(update, &QAction::triggered, this, [this] {
        rebuildTree();
        computeAndDraw();
    });
    QAction* dissectAction = setMenu->addAction(QString::fromUtf8("指标剖析"));
    dissectAction->setObjectName("mi_zbzs_px");
    connect(dissectAction, &QAction::triggered, this, [this] { dissect(); });
    QAction* props = setMenu->addAction(QString::fromUtf8("图表属性"));
    props->setObjectName("mi_zbzs_props");
    connect(props, &QAction::triggered, this, [this] { editProperties(); });
    b_zbzs_set->setMenu(setMenu);
    b_zbzs_sx = button("b_zbzs_sx", "缩小", column);
    connect(b_zbzs_sx, &QPushButton::clicked, this, [this] { zoomOut(); });
    b_zbzs_fd = button("b_zbzs_fd", "放大", column);
    connect(b_zbzs_fd, &QPushButton::clicked, this, [this] { zoomIn(); });
    b_zbzs_kz = button("b_zbzs_kz", "扩至", column);
    connect(b_zbzs_kz, &QPushButton::clicked, this, [this] { extendTo(); });
    b_zbzs_px = button("b_zbzs_px", "剖析", column);
    connect(b_zbzs_px, &QPushButton::clicked, this, [this] { dissect(); });

    auto* buttons = new QGridLayout;
    buttons->setSpacing(3);
    buttons->addWidget(b_zbzs_set, 0, 0);
    buttons->addWidget(b_zbzs_px, 0, 1);
    buttons->addWidget(b_zbzs_fd, 1, 0);
    buttons->addWidget(b_zbzs_sx, 1, 1);
    buttons->addWidget(b_zbzs_kz, 2, 0);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(tv_zbzs, 1);
    layout->addWidget(buildFeatureGroup(column));
    layout->addWidget(cb_zbzs_showzbtz);
    layout->addLayout(buttons);
    return column;
}

QWidget* FxdTrendView::buildFeatureGroup(QWidget* parent) {
    gb_zbzs_tz = new QGroupBox(QString::fromUtf8("指标特征"), parent);
    gb_zbzs_tz->setObjectName("gb_zbzs_tz");
    rb_zbzs_tz = new QRadioButton(gb_zbzs_tz);
    rb_zbzs_tz->setObjectName("rb_zbzs_tz");
    rb_zbzs_tz->setChecked(true);
    cb_zbzs_tz = new QComboBox(gb_zbzs_tz);
    cb_zbzs_tz->setObjectName("cb_zbzs_tz");
    for (const char* f : kFeatureNames) cb_zbzs_tz->addItem(QString::fromUtf8(f));
    rb_zbzs_dx = new QRadioButton(QString::fromUtf8("大小"), gb_zbzs_tz);
    rb_zbzs_dx->setObjectName("rb_zbzs_dx");
    cb_zbzs_zjz = new QComboBox(gb_zbzs_tz);
    cb_zbzs_zjz->setObjectName("cb_zbzs_zjz");
    for (int v = 1; v <= kMaxMiddleValue; ++v) cb_zbzs_zjz->addItem(QString::number(v));
    cb_zbzs_zjz->setCurrentIndex(kDefaultTrendMiddle - 1);
    rb_zbzs_ys = new QRadioButton(QString::fromUtf8("除"), gb_zbzs_tz);
    rb_zbzs_ys->setObjectName("rb_zbzs_ys");
    cb_zbzs_ys = new QComboBox(gb_zbzs_tz);
    cb_zbzs_ys->setObjectName("cb_zbzs_ys");
    for (int v = kMinDivisor; v <= kMaxDivisor; ++v) cb_zbzs_ys->addItem(QString::number(v));
    cb_zbzs_ys->setCurrentIndex(kDefaultTrendDivisor - kMinDivisor);

    auto* grid = new QGridLayout(gb_zbzs_tz);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->addWidget(rb_zbzs_tz, 0, 0);
    grid->addWidget(cb_zbzs_tz, 0, 1);
    grid->addWidget(rb_zbzs_dx, 1, 0);
    grid->addWidget(cb_zbzs_zjz, 1, 1);
    grid->addWidget(rb_zbzs_ys, 2, 0);
    grid->addWidget(cb_zbzs_ys, 2, 1);
    grid->setColumnStretch(1, 1);
    for (QRadioButton* r : {rb_zbzs_tz, rb_zbzs_dx, rb_zbzs_ys})
        connect(r, &QRadioButton::toggled, this, [this](bool on) {
            if (on) computeAndDraw();
        });
    for (QComboBox* c : {cb_zbzs_tz, cb_zbzs_zjz, cb_zbzs_ys})
        connect(c, &QComboBox::currentIndexChanged, this, [this] { computeAndDraw(); });
    return gb_zbzs_tz;
}

void FxdTrendView::rebuildTree() {
    Workspace& ws = workspace();
    const QString selected = selectedIndicator() ? selectedIndicator()->text(0) : QString();
    const QSignalBlocker block(tv_zbzs);
    tv_zbzs->clear();
    QTreeWidgetItem* again = nullptr;
    for (const TrendTreeCategory& category : trendTree(ws.SpecialLabel(), loadIndicatorLines(ws.ProgramFolder))) {
        auto* node = new QTreeWidgetItem(tv_zbzs, {fromUtf8(category.title)});
        for (const TrendTreeItem& item : category.items) {
            auto* child = new QTreeWidgetItem(node, {fromUtf8(item.name)});
            child->setData(0, Qt::UserRole, fromUtf8(item.formula));
            if (!again && !selected.isEmpty() && child->text(0) == selected) again = child;
        }
    }
    if (again) tv_zbzs->setCurrentItem(again);
}

QTreeWidgetItem* FxdTrendView::selectedIndicator() const {
    QTreeWidgetItem* item = tv_zbzs ? tv_zbzs->currentItem() : nullptr;
    return item && item->parent() ? item : nullptr;
}

TrendFeatureChoice FxdTrendView::featureChoice() const {
    TrendFeatureChoice choice;
    if (rb_zbzs_dx->isChecked()) {
        choice.feature = TrendFeature::Size;
    } else if (rb_zbzs_ys->isChecked()) {
        choice.feature = TrendFeature::Remainder;
    } else {
        choice.feature = parseTrendFeature(toUtf8(cb_zbzs_tz->currentText())).value_or(TrendFeature::OddEven);
    }
    choice.middle = cb_zbzs_zjz->currentIndex() + 1;
    choice.divisor = cb_zbzs_ys->currentIndex() + kMinDivisor;
    return choice;
}

void FxdTrendView::refresh() {
    // A type change can leave the tree with another special label or other saved indicators.
    rebuildTree();
    computeAndDraw();
}

bool FxdTrendView::computeAndDraw() {
    if (!tv_zbzs->currentItem() && tv_zbzs->topLevelItemCount() > 0 &&
        tv_zbzs->topLevelItem(0)->childCount() > 0) {
        const QSignalBlocker block(tv_zbzs);
        tv_zbzs->setCurrentItem(tv_zbzs->topLevelItem(0)->child(0));
    }
    QTreeWidgetItem* item = selectedIndicator();
    Workspace& ws = workspace();
    if (!item || ws.MainStore.Count() == 0) {
        drawn_ = false;
        m_zbzs_tj->clear();
        i_zbzs->redraw();
        return true;
    }
    // A long formula shows the progress window; "取消" or Esc keeps the previous picture.
    UiPassProgress pass(this, QStringLiteral("正在计算指标值，请稍候..."));
    TrendSeries computed = computeTrendSeries(ws, toUtf8(item->data(0, Qt::UserRole).toString()),
                                              toUtf8(item->text(0)), featureChoice(), pass.callback());
    if (computed.stopped) return false;
    if (!computed.error.empty()) {
        // The previous picture stays.
        showMessage(fromUtf8(computed.error), this);
        showMessage(QString::fromUtf8(kTrendUnsupported), this);
        return false;
    }
    series_ = std::move(computed);
    fillCharts();
    drawn_ = true;
    if (std::all_of(series_.values.begin(), series_.values.end(),
                                        [](int32_t v) { return v == kInaccessibleValue; }))
        showMessage(QString::fromUtf8(kTrendInaccessible), this);
    syncScrollBar();
    i_zbzs->redraw();
    updateStatistics();
    return true;
}

void FxdTrendView::fillCharts() {
    const int count = static_cast<int>(series_.values.size());
    value_.Resize(count);
    feature_.Resize(count);
    for (int i = 1; i <= count; ++i) {
        value_.series[i] = {series_.issues[i - 1], series_.values[i - 1]};
        feature_.series[i] = {series_.issues[i - 1], series_.features[i - 1]};
    }
    value_.title = series_.indicatorTitle;
    feature_.title = series_.featureTitle;
    feature_.labelMode = 0;
    feature_.categoryCount = 0;
    if (series_.categoryCount > 0)
        feature_.SetCategoryLabels(std::vector<std::string>(series_.labels.begin() + 1, series_.labels.end()));
    value_.PositionNewest();
    if (value_.startIndex > count) value_.startIndex = std::max(1, count - value_.pointCount + 1);
    feature_.startIndex = value_.startIndex;
    feature_.pointCount = value_.pointCount;
}

void FxdTrendView::layOutCharts(int width, int height, int textHeight) {
    const int show = cb_zbzs_showzbtz->currentIndex();
    value_.enabled = show != 2;
    feature_.enabled = show != 1;
    const Rect whole{kChartMargin, kChartMargin, width - 2 * kChartMargin, height - 2 * kChartMargin};
    if (value_.enabled && feature_.enabled) {
        value_.outerRect = {kChartMargin, kChartMargin, width - 2 * kChartMargin, height / 2 - 2 * kChartMargin};
        feature_.outerRect = {kChartMargin, height / 2 + kChartMargin, width - 2 * kChartMargin,
                              height - 2 * kChartMargin};
    } else {
        value_.outerRect = feature_.outerRect = whole;
    }
    for (t_s_zsd* chart : {&value_, &feature_}) {
        const int top = chart->xLabelPos == 1 ? textHeight + 10 : 2 * textHeight + 15;
        chart->plotRect = {kPlotLeft, top, chart->outerRect.width() - 10, chart->outerRect.height() - textHeight - 10};
    }
}

void FxdTrendView::render(DrawSurface& surface, int width, int height) {
    if (!drawn_ || value_.lastIndex == 0) return;
    layOutCharts(width, height, surface.measureText("1", Font{}).height);
    const int mainCount = workspace().params.MainCount;
    const TrendWindow window{value_.startIndex, value_.pointCount};
    const TrendYRange range =
        trendYRange(series_.values, settings_.displayMode, window, mainCount, settings_.yMaxLimit);
    value_.yMin = range.yMin;
    value_.yMax = range.yMax;
    if (feature_.labelMode == 1) {
        feature_.yMin = 0;
        feature_.yMax = feature_.categoryCount + 1;
    } else {
        const TrendYRange f = trendYRange(series_.features, settings_.displayMode, window, mainCount,
                                          settings_.yMaxLimit);
        feature_.yMin = f.yMin;
        feature_.yMax = f.yMax;
    }
    for (t_s_zsd* chart : {&value_, &feature_}) {
        chart->showGrid = settings_.showGrid;
        chart->showValues = settings_.showValues;
        chart->Rescale();
        chart->Draw(surface);
    }
}

void FxdTrendView::updateStatistics() {
    if (!drawn_) return;
    const IndexRange range = trendStatisticsRange(settings_.statMode, TrendWindow{value_.startIndex, value_.pointCount},
                                                  value_.lastIndex, settings_.statFrom, settings_.statTo);
    QStringList lines;
    for (const t_s_zsd* chart : {&value_, &feature_}) {
        const ValueRange mm = chart->RangeMinMax(range.from, range.to);
        lines << fromUtf8(trendMemoLine(chart->title, mm.min, mm.max, runLengths(chart->RepeatRuns(range.from, range.to)),
                                        runLengths(chart->RiseRuns(range.from, range.to)),
                                        runLengths(chart->FallRuns(range.from, range.to))));
    }
    lines << fromUtf8(trendMemoRangeLine(value_.At(range.from).issue, value_.At(range.to).issue));
    m_zbzs_tj->setPlainText(lines.join('\n'));
}

void FxdTrendView::syncScrollBar() {
    syncing_ = true;
    sb_zbzs_h->setRange(1, std::max(1, value_.lastIndex));
    sb_zbzs_h->setValue(std::max(1, value_.startIndex));
    syncing_ = false;
}

void FxdTrendView::windowChanged() {
    feature_.startIndex = value_.startIndex;
    feature_.pointCount = value_.pointCount;
    syncScrollBar();
    i_zbzs->redraw();
    if (settings_.statMode == 1) updateStatistics();
}

void FxdTrendView::scrollTo(int startIndex) {
    if (!drawn_) return;
    const int start = std::clamp(startIndex, 1, std::max(1, value_.lastIndex));
    if (start == value_.startIndex) {
        syncScrollBar();
        return;
    }
    value_.startIndex = start;
    windowChanged();
}

bool FxdTrendView::scrollStep(int direction) {
    if (!drawn_) return false;
    const int before = value_.startIndex;
    scrollTo(before + direction);
    return value_.startIndex != before;
}

void FxdTrendView::zoomIn() {
    if (drawn_ && value_.ZoomIn()) windowChanged();
}

void FxdTrendView::zoomOut() {
    if (drawn_ && value_.ZoomOut()) windowChanged();
}

void FxdTrendView::extendTo() {
    if (!drawn_ || !f_largerset) return;
    const std::optional<int> n = f_largerset->chooseRecordsPerPage();
    if (n && value_.ExtendTo(*n)) windowChanged();
}

void FxdTrendView::editProperties() {
    FxdTrendProperties dialog(settings_, series_.issues, this);
    if (dialog.exec() != QDialog::Accepted) return;
    applySettings(dialog.chosen());
}

void FxdTrendView::applySettings(const TrendChartSettings& settings) {
    settings_ = settings;
    value_.statMode = feature_.statMode = static_cast<uint8_t>(settings.statMode);
    value_.statFrom = feature_.statFrom = settings.statFrom;
    value_.statTo = feature_.statTo = settings.statTo;
    value_.displayMode = feature_.displayMode = static_cast<uint8_t>(settings.displayMode);
    value_.yMaxLimit = feature_.yMaxLimit = settings.yMaxLimit;
    i_zbzs->redraw();
    updateStatistics();
}

void FxdTrendView::dissect() {
    QTreeWidgetItem* item = selectedIndicator();
    if (!item || !f_zbpx) return;
    f_zbpx->e_yyzb->setText(item->data(0, Qt::UserRole).toString());
    f_zbpx->e_zbmm->setText(item->text(0));
    f_zbpx->me_zbqzfrom->clear();
    f_zbpx->me_zbqzto->clear();
    f_zbpx->rb_yyzb->setChecked(true);
    f_zbpx->startDissection();
}

}  // namespace qorvel
