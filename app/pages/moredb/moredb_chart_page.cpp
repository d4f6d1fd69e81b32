#include "app/pages/moredb/moredb_chart_page.h"

#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "app/app_state.h"
#include "ui/drawing_host.h"

namespace qorvel {

namespace {

constexpr int kVerticalPageStep = 10;
constexpr int kHorizontalStep = 10, kHorizontalPageStep = 50;
constexpr int kHorizontalSlack = 30;
constexpr int kZoneCountFrom = 2, kZoneCountTo = 11, kZoneCountDefault = 3;
constexpr int kScrollSpeeds = 4;
constexpr std::array<const char*, kScrollSpeeds> kSpeedCaptions = {"慢速", "中速", "快速", "特快"};
constexpr std::array<int, kScrollSpeeds> kSpeedIntervals = {1000, 800, 500, 300};  // milliseconds a row

const char* prefixOf(MoredbChartPage::Kind kind) {
    switch (kind) {
        case MoredbChartPage::Kind::Feature: return "whfb";
        case MoredbChartPage::Kind::Extended: return "extend";
        case MoredbChartPage::Kind::Field: break;
    }
    return "tyzsd";
}

QAction* addChoice(QMenu* menu, QActionGroup* group, const char* objectName, const char* caption, bool on) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(objectName);
    action->setCheckable(true);
    action->setChecked(on);
    group->addAction(action);
    return action;
}

}  // namespace

MoredbChartPage::MoredbChartPage(Kind kind, QWidget* parent) : QWidget(parent), kind_(kind) {
    setObjectName(QStringLiteral("ts_%1").arg(prefixOf(kind)));
    grid_.Create(kChartColumns, kChartRows);
    settings_.view = kind == Kind::Feature ? ChartView::Tail : kind == Kind::Extended ? ChartView::Counts : ChartView::Field;
    grid_.scrollX = 1;

    image = new DrawingHost(this);
    image->setObjectName(QStringLiteral("i_%1").arg(prefixOf(kind)));
    image->setCrosshairEnabled(false);
    image->setRenderer([this](DrawSurface& s, int w, int h) { render(s, w, h); });
    image->setHitTest([this](Point p) { return grid_.HitTest(p); });
    connect(image, &DrawingHost::clicked, this,
            [this](int col, int row, QPoint, Qt::MouseButton button) { cellClicked(col, row, button); });
    connect(image, &DrawingHost::wheelStepped, this, [this](int steps) { sb_v->setValue(sb_v->value() + steps); });
    sb_v = new QScrollBar(Qt::Vertical, this);
    sb_v->setObjectName(QStringLiteral("sb_%1_v").arg(prefixOf(kind)));
    sb_v->setPageStep(kVerticalPageStep);
    connect(sb_v, &QScrollBar::valueChanged, this, [this](int v) {
        if (syncing_) return;
        grid_.topRow = std::clamp(v, 1, std::max(workspace().MainStore.Count(), 1));
        redraw();
    });
    sb_h = new QScrollBar(Qt::Horizontal, this);
    sb_h->setObjectName(QStringLiteral("sb_%1_h").arg(prefixOf(kind)));
    sb_h->setSingleStep(kHorizontalStep);
    sb_h->setPageStep(kHorizontalPageStep);
    connect(sb_h, &QScrollBar::valueChanged, this, [this](int v) {
        if (syncing_) return;
        grid_.scrollX = v;
        redraw();
    });
    b_refresh = new QPushButton(QString::fromUtf8("刷新"), this);
    b_refresh->setObjectName(QStringLiteral("b_%1_refresh").arg(prefixOf(kind)));
    connect(b_refresh, &QPushButton::clicked, this, [this] { redraw(); });
    t_zsd = new QTimer(this);
    t_zsd->setObjectName("t_zsd");
    t_zsd->setInterval(kSpeedIntervals[0]);
    connect(t_zsd, &QTimer::timeout, this, [this] { scrollTick(); });
    buildMenu();

    QWidget* controls = kind == Kind::Feature    ? buildFeatureControls()
                        : kind == Kind::Extended ? buildExtendedControls()
                                                 : buildFieldControls();
    auto* chart = new QGridLayout;
    chart->setSpacing(0);
    chart->addWidget(image, 0, 0);
    chart->addWidget(sb_v, 0, 1);
    chart->addWidget(sb_h, 1, 0);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(chart, 1);
    layout->addWidget(controls);
}

QRadioButton* MoredbChartPage::addViewRadio(QWidget* parent, const char* objectName, const char* caption,
                                            ChartView view) {
    auto* radio = new QRadioButton(QString::fromUtf8(caption), parent);
    radio->setObjectName(objectName);
    radio->setChecked(settings_.view == view);
    connect(radio, &QRadioButton::toggled, this, [this, view](bool on) {
        if (!on) return;
        settings_.view = view;
        resetView();
    });
    return radio;
}

QWidget* MoredbChartPage::buildFeatureControls() {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    rb_whfb_wh = addViewRadio(box, "rb_whfb_wh", "尾号", ChartView::Tail);
    rb_whfb_jo = addViewRadio(box, "rb_whfb_jo", "奇偶", ChartView::OddEven);
    rb_whfb_zh = addViewRadio(box, "rb_whfb_zh", "质合", ChartView::PrimeComposite);
    for (QWidget* w : std::initializer_list<QWidget*>{rb_whfb_wh, rb_whfb_jo, rb_whfb_zh, b_refresh}) row->addWidget(w);
    row->addStretch();
    return box;
}

QWidget* MoredbChartPage::buildExtendedControls() {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    rb_extend_gs = addViewRadio(box, "rb_extend_gs", "个数图", ChartView::Counts);
    rb_extend_fq = addViewRadio(box, "rb_extend_fq", "分区出号个数", ChartView::ZoneCounts);
    cb_extend_fq = new QComboBox(box);
    cb_extend_fq->setObjectName("cb_extend_fq");
    for (int k = kZoneCountFrom; k <= kZoneCountTo; ++k) cb_extend_fq->addItem(QString::number(k));
    cb_extend_fq->setCurrentText(QString::number(kZoneCountDefault));
    settings_.zoneCount = kZoneCountDefault;
    connect(cb_extend_fq, &QComboBox::currentTextChanged, this, [this](const QString& text) {
        settings_.zoneCount = std::clamp(text.toInt(), kZoneCountFrom, kZoneCountTo);
        if (settings_.view == ChartView::ZoneCounts) resetView();
    });
    rb_extend_hz = addViewRadio(box, "rb_extend_hz", "和值分布", ChartView::Sum);
    row->addWidget(rb_extend_gs);
    row->addWidget(rb_extend_fq);
    row->addWidget(cb_extend_fq);
    row->addWidget(new QLabel(QString::fromUtf8("区"), box));
    row->addWidget(rb_extend_hz);
    row->addWidget(b_refresh);
    row->addStretch();
    return box;
}

QWidget* MoredbChartPage::buildFieldControls() {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    cb_tyzsd_style = new QComboBox(box);
    cb_tyzsd_style->setObjectName("cb_tyzsd_style");
    cb_tyzsd_style->setMinimumContentsLength(10);
    for (const std::string& style : loadFieldStyles(workspace())) cb_tyzsd_style->addItem(fromUtf8(style));
    cb_tyzsd_style->setCurrentIndex(0);
    connect(cb_tyzsd_style, &QComboBox::currentIndexChanged, this, [this] { loadStyle(); });
    e_tyzsd_qm = new QLineEdit(box);
    e_tyzsd_qm->setObjectName("e_tyzsd_qm");
    e_tyzsd_qm->setReadOnly(true);
    auto readOnlyCombo = [box](const char* objectName) {
        auto* combo = new QComboBox(box);
        combo->setObjectName(objectName);
        for (int k = 1; k <= kFieldMatrixMax; ++k) combo->addItem(QString::number(k));
        combo->setEnabled(false);
        return combo;
    };
    cb_tyzsd_jz_c = readOnlyCombo("cb_tyzsd_jz_c");
    cb_tyzsd_jz_r = readOnlyCombo("cb_tyzsd_jz_r");
    cb_tyzsd_wh = new QCheckBox(QString::fromUtf8("尾号分析"), box);
    cb_tyzsd_wh->setObjectName("cb_tyzsd_wh");
    connect(cb_tyzsd_wh, &QCheckBox::toggled, this, [this](bool on) {
        settings_.fieldTail = on;
        redraw();
    });
    row->addWidget(cb_tyzsd_style);
    row->addWidget(new QLabel(QString::fromUtf8("名称："), box));
    row->addWidget(e_tyzsd_qm);
    row->addWidget(new QLabel(QString::fromUtf8("矩阵比例："), box));
    row->addWidget(cb_tyzsd_jz_c);
    row->addWidget(new QLabel(QString::fromUtf8("列    X"), box));
    row->addWidget(cb_tyzsd_jz_r);
    row->addWidget(new QLabel(QString::fromUtf8("行"), box));
    row->addWidget(cb_tyzsd_wh);
    row->addWidget(b_refresh);
    row->addStretch();
    return box;
}

void MoredbChartPage::buildMenu() {
    pm_zsd = new QMenu(this);
    pm_zsd->setObjectName("pm_zsd");
    auto* stateGroup = new QActionGroup(this);
    mi_startscroll = addChoice(pm_zsd, stateGroup, "mi_startscroll", "开始滚动", false);
    mi_stopscroll = addChoice(pm_zsd, stateGroup, "mi_stopscroll", "停止滚动", true);
    connect(mi_startscroll, &QAction::triggered, this, [this] { startScrolling(); });
    connect(mi_stopscroll, &QAction::triggered, this, [this] { stopScrolling(); });
    QMenu* direction = pm_zsd->addMenu(QString::fromUtf8("滚动方向"));
    auto* directionGroup = new QActionGroup(this);
    QAction* down = addChoice(direction, directionGroup, "mi_scrolldown", "向下滚动", true);
    QAction* up = addChoice(direction, directionGroup, "mi_scrollup", "向上滚动", false);
    connect(down, &QAction::triggered, this, [this] { scrollDirection_ = 1; });
    connect(up, &QAction::triggered, this, [this] { scrollDirection_ = -1; });
    QMenu* speed = pm_zsd->addMenu(QString::fromUtf8("滚动速度"));
    auto* speedGroup = new QActionGroup(this);
    for (int k = 0; k < kScrollSpeeds; ++k) {
        const QByteArray objectName = "mi_speed" + QByteArray::number(k);
        QAction* a = addChoice(speed, speedGroup, objectName.constData(), kSpeedCaptions[k], k == 0);
        connect(a, &QAction::triggered, this, [this, k] { t_zsd->setInterval(kSpeedIntervals[k]); });
    }
    QAction* clear = pm_zsd->addAction(QString::fromUtf8("清除选号区"));
    clear->setObjectName("mi_clearselection");
    connect(clear, &QAction::triggered, this, [this] { clearSelectionRow(); });
    image->setPopupMenu(pm_zsd);
}

void MoredbChartPage::loadStyle() {
    if (!cb_tyzsd_style) return;
    const int index = std::max(cb_tyzsd_style->currentIndex(), 0);
    settings_.field = loadFieldMatrix(workspace(), index, toUtf8(cb_tyzsd_style->currentText()));
    e_tyzsd_qm->setText(fromUtf8(settings_.field.name));
    cb_tyzsd_jz_c->setCurrentText(QString::number(settings_.field.cols));
    cb_tyzsd_jz_r->setCurrentText(QString::number(settings_.field.rows));
    resetView();
}

void MoredbChartPage::sheetShown() {
    if (kind_ == Kind::Field) {
        if (cb_tyzsd_style->count() == 0)
            for (const std::string& style : loadFieldStyles(workspace())) cb_tyzsd_style->addItem(fromUtf8(style));
        loadStyle();
        return;
    }
    redraw();
}

void MoredbChartPage::selectFirstStyle() {
    if (cb_tyzsd_style && cb_tyzsd_style->count() > 0) cb_tyzsd_style->setCurrentIndex(0);
}

void MoredbChartPage::resetView() {
    grid_.Reset();
    grid_.scrollX = 1;
    redraw();
}

void MoredbChartPage::redraw() {
    image->redraw();
    image->picture();  // drawn now, so the scroll bars follow the new layout at once
}

void MoredbChartPage::render(DrawSurface& surface, int width, int height) {
    drawChart(grid_, workspace(), settings_, surface, width, height);
    syncScrollBars();
}

void MoredbChartPage::syncScrollBars() {
    syncing_ = true;
    sb_v->setRange(1, std::max(workspace().MainStore.Count(), 1));
    sb_v->setValue(std::max(grid_.topRow, 1));
    const int imageWidth = image->width();
    sb_h->setRange(1, grid_.totalWidth > imageWidth ? grid_.totalWidth - imageWidth + kHorizontalSlack : 1);
    sb_h->setValue(grid_.scrollX);
    syncing_ = false;
}

void MoredbChartPage::cellClicked(int col, int row, Qt::MouseButton button) {
    if (row < 0) return;
    if (grid_.GetCellText(0, row) != kChartSelectionCaption) {
        grid_.selectedRow = row - grid_.fixedRows + grid_.topRow;
        redraw();
        return;
    }
    if (button != Qt::LeftButton) return;
    toggleChartSelection(grid_, settings_, col, row);
    redraw();
}

void MoredbChartPage::clearSelectionRow() {
    clearChartSelection(grid_);
    redraw();
}

void MoredbChartPage::startScrolling() {
    mi_startscroll->setChecked(true);
    t_zsd->start();
}

void MoredbChartPage::stopScrolling() {
    t_zsd->stop();
    mi_stopscroll->setChecked(true);
}

void MoredbChartPage::scrollTick() {
    // The timer runs only while its own sheet is in view.
    if (!isVisible()) {
        stopScrolling();
        return;
    }
    sb_v->setValue(sb_v->value() + scrollDirection_);
}

}  // namespace qorvel
