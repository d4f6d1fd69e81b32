#include "app/pages/zbpxz/zbpxz_average_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "app/app_state.h"
#include "app/pages/zbpxz/zbpxz_auto_scroll.h"
#include "core/text/file_io.h"
#include "core/views/dissection_export.h"
#include "ui/drawing_host.h"
#include "ui/platform.h"

namespace qorvel {

namespace {

constexpr int kFewestDraws = 36;
constexpr int kMostDraws = 66;
constexpr int kDrawsStep = 5;
constexpr const char* kSpanCaptions[] = {"二期均值", "三期均值", "四期均值", "五期均值", "十期均值"};

}  // namespace

ZbpxzAveragePage::ZbpxzAveragePage(const DissectionState& state, QWidget* parent) : ZbpxzSubPage(state, parent) {
    setObjectName("ts_jzzs");
    auto* controls = new QHBoxLayout;
    cb_jz_cg = new QCheckBox(QStringLiteral("常规线"), this);
    cb_jz_cg->setObjectName("cb_jz_cg");
    cb_jz_cg->setChecked(true);
    controls->addWidget(cb_jz_cg);
    for (std::size_t s = 0; s < cb_jz.size(); ++s) {
        cb_jz[s] = new QCheckBox(QString::fromUtf8(kSpanCaptions[s]), this);
        cb_jz[s]->setObjectName(QStringLiteral("cb_jz_%1").arg(kAverageSpans[s]));
        cb_jz[s]->setChecked(s == 0);
        controls->addWidget(cb_jz[s]);
    }
    cb_jz_qs = new QComboBox(this);
    cb_jz_qs->setObjectName("cb_jz_qs");
    for (int n = kFewestDraws; n <= kMostDraws; n += kDrawsStep)
        cb_jz_qs->addItem(QStringLiteral("显示%1期").arg(n), n);
    controls->addWidget(cb_jz_qs);
    controls->addStretch(1);
    b_jz_export = new QPushButton(QString::fromUtf8(kExportValuesTitle), this);
    b_jz_export->setObjectName("b_jz_export");
    controls->addWidget(b_jz_export);

    im_jz = new DrawingHost(this);
    im_jz->setObjectName("im_jz");
    im_jz->setRenderer([this](DrawSurface& s, int w, int h) { draw(s, w, h); });
    sb_jz = new QScrollBar(Qt::Horizontal, this);
    sb_jz->setObjectName("sb_jz");
    menu_ = new QMenu(this);
    autoScroll = new AutoScroll(menu_, sb_jz, this);
    im_jz->setPopupMenu(menu_);
    l_jz_legend = new QLabel(QString::fromUtf8(kAverageLegend), this);
    l_jz_legend->setObjectName("l_jz_legend");

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(controls);
    layout->addWidget(im_jz, 1);
    layout->addWidget(sb_jz);
    layout->addWidget(l_jz_legend);

    connect(cb_jz_cg, &QCheckBox::toggled, this, [this] { im_jz->redraw(); });
    for (QCheckBox* box : cb_jz) connect(box, &QCheckBox::toggled, this, [this] { im_jz->redraw(); });
    connect(cb_jz_qs, &QComboBox::currentIndexChanged, this, [this] { placeWindow(true); });
    connect(sb_jz, &QScrollBar::valueChanged, this, [this] { im_jz->redraw(); });
    connect(im_jz, &DrawingHost::wheelStepped, this, [this](int steps) { sb_jz->setValue(sb_jz->value() + steps); });
    connect(b_jz_export, &QPushButton::clicked, this, [this] { exportValues(); });
}

int ZbpxzAveragePage::windowDraws() const {
    return cb_jz_qs->currentData().toInt();
}

void ZbpxzAveragePage::opened() {
    autoScroll->stop();
    placeWindow(false);
    sb_jz->setValue(std::clamp(state_.input.cursorRow, sb_jz->minimum(), sb_jz->maximum()));
}

void ZbpxzAveragePage::refresh() {
    placeWindow(true);
}

void ZbpxzAveragePage::left() {
    autoScroll->stop();
}

// A longer window keeps its first draw where it fits and otherwise ends at the newest draw.
void ZbpxzAveragePage::placeWindow(bool keepFirst) {
    const int kept = sb_jz->value();
    const int last = std::max(1, state_.count() - windowDraws() + 1);
    sb_jz->setRange(1, last);
    sb_jz->setPageStep(windowDraws());
    if (keepFirst) sb_jz->setValue(std::clamp(kept, 1, last));
    im_jz->redraw();
}

void ZbpxzAveragePage::draw(DrawSurface& surface, int width, int height) {
    AverageChartInput in;
    in.series = &state_.input.series;
    in.issues = &state_.issues;
    in.first = sb_jz->value();
    in.draws = windowDraws();
    const SeriesRange range = seriesExtremes(state_.input.series, state_.mainCount);
    in.yMin = range.min;
    in.yMax = range.max + 1;
    in.regular = cb_jz_cg->isChecked();
    for (std::size_t s = 0; s < cb_jz.size(); ++s) in.spans[s] = cb_jz[s]->isChecked();
    in.title = state_.input.title + "的均值走势图";
    drawAverageChart(surface, width, height, axes_, in);
}

void ZbpxzAveragePage::exportValues() {
    QString path = platform().files->saveFile(this, QString::fromUtf8(kExportValuesTitle),
                                              QString::fromUtf8(kExportValuesFilter));
    if (path.isEmpty()) return;
    if (!path.contains(QStringLiteral(".txt"), Qt::CaseInsensitive)) path += QStringLiteral(".txt");
    const std::string error = writeFileAtomically(std::filesystem::path(QFile::encodeName(path).toStdString()),
                                                  joinGbkLines(indicatorValueLines(state_.issues, state_.input.series)));
    if (!error.empty()) showMessage(fromUtf8(error), this);
}

}  // namespace qorvel
