#include "app/pages/zbpxz/zbpxz_chart_page.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "app/pages/zbpxz/zbpxz_auto_scroll.h"
#include "ui/drawing_host.h"

namespace qorvel {

ZbpxzChartPage::ZbpxzChartPage(const DissectionState& state, const QString& caption, const QString& name,
                               QWidget* parent)
    : ZbpxzSubPage(state, parent), caption_(caption) {
    setObjectName("ts_" + name);
    controls_ = new QHBoxLayout;
    cb_qs = new QComboBox(this);
    cb_qs->setObjectName("cb_" + name + "_qs");
    for (int n = kFewestWindowDraws; n <= kMostWindowDraws; n += kWindowDrawsStep)
        cb_qs->addItem(QStringLiteral("显示%1期").arg(n), n);
    controls_->addWidget(cb_qs);
    im = new DrawingHost(this);
    im->setObjectName("im_" + name);
    im->setRenderer([this](DrawSurface& s, int w, int h) { draw(s, w, h); });
    sb = new QScrollBar(Qt::Horizontal, this);
    sb->setObjectName("sb_" + name);
    menu_ = new QMenu(this);
    autoScroll = new AutoScroll(menu_, sb, this);
    im->setPopupMenu(menu_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(controls_);
    layout->addWidget(im, 1);
    layout->addWidget(sb);

    connect(cb_qs, &QComboBox::currentIndexChanged, this, [this] { placeWindow(true); });
    connect(sb, &QScrollBar::valueChanged, this, [this] { im->redraw(); });
    connect(im, &DrawingHost::wheelStepped, this, [this](int steps) { sb->setValue(sb->value() + steps); });
}

int ZbpxzChartPage::windowDraws() const {
    return cb_qs->currentData().toInt();
}

int ZbpxzChartPage::firstDraw() const {
    return sb->value();
}

int ZbpxzChartPage::lastDraw() const {
    return std::min(state_.count(), firstDraw() + windowDraws() - 1);
}

void ZbpxzChartPage::opened() {
    autoScroll->stop();
    recompute();
    placeWindow(false);
    sb->setValue(std::clamp(state_.input.cursorRow, sb->minimum(), sb->maximum()));
}

void ZbpxzChartPage::refresh() {
    recompute();
    placeWindow(true);
}

void ZbpxzChartPage::left() {
    autoScroll->stop();
}

void ZbpxzChartPage::placeWindow(bool keepFirst) {
    const int kept = sb->value();
    const int last = std::max(1, state_.count() - windowDraws() + 1);
    sb->setRange(1, last);
    sb->setPageStep(windowDraws());
    if (keepFirst) sb->setValue(std::clamp(kept, 1, last));
    im->redraw();
}

std::vector<SeriesPoint> ZbpxzChartPage::windowPoints(const std::vector<int32_t>& values) const {
    std::vector<SeriesPoint> points;
    for (int i = firstDraw(); i <= lastDraw() && i <= static_cast<int>(values.size()); ++i)
        points.push_back({state_.issues[static_cast<std::size_t>(i - 1)], values[static_cast<std::size_t>(i - 1)]});
    return points;
}

void ZbpxzChartPage::chart(DrawSurface& surface, int width, int height, const std::vector<int32_t>& values,
                           const std::string& title, int layout, int32_t yMin, int32_t yMax) {
    if (values.empty()) return;
    axes_.ChartPair(surface, height, width, std::max(yMax, yMin + 1), yMin, title, layout, windowPoints(values),
                    firstDraw());
}

}  // namespace qorvel
