#include "app/pages/zbpxz/zbpxz_windowed_page.h"

#include <QHBoxLayout>
#include <QMenu>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "app/pages/zbpxz/zbpxz_auto_scroll.h"
#include "ui/drawing_host.h"

namespace qorvel {

ZbpxzWindowedPage::ZbpxzWindowedPage(const DissectionState& state, const QString& caption, const QString& name,
                                     QWidget* parent)
    : ZbpxzSubPage(state, parent), caption_(caption) {
    setObjectName("ts_" + name);
    controls_ = new QHBoxLayout;
    im = new DrawingHost(this);
    im->setObjectName("im_" + name);
    im->setRenderer([this](DrawSurface& s, int w, int h) { draw(s, w, h); });
    sb = new QScrollBar(Qt::Horizontal, this);
    sb->setObjectName("sb_" + name);
    sb->setRange(0, 0);
    menu_ = new QMenu(this);
    autoScroll = new AutoScroll(menu_, sb, this);
    im->setPopupMenu(menu_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(controls_);
    layout->addWidget(im, 1);
    layout->addWidget(sb);

    connect(sb, &QScrollBar::valueChanged, this, [this] { im->redraw(); });
    connect(im, &DrawingHost::wheelStepped, this, [this](int steps) { sb->setValue(sb->value() + steps); });
}

int ZbpxzWindowedPage::firstItem() const {
    return sb->value();
}

void ZbpxzWindowedPage::opened() {
    autoScroll->stop();
    restart();
}

void ZbpxzWindowedPage::refresh() {
    const bool newest = sb->value() == sb->maximum();
    recompute();
    placeWindow(newest);
}

void ZbpxzWindowedPage::left() {
    autoScroll->stop();
}

void ZbpxzWindowedPage::restart() {
    recompute();
    placeWindow(true);
}

void ZbpxzWindowedPage::placeWindow(bool newest) {
    const int last = std::max(0, itemCount() - windowLength());
    {
        const QSignalBlocker block(sb);
        const int kept = sb->value();
        sb->setRange(0, last);
        sb->setPageStep(std::max(1, windowLength()));
        sb->setValue(newest ? last : std::clamp(kept, 0, last));
    }
    im->redraw();
}

}  // namespace qorvel
