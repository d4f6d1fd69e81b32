#include "app/pages/fxd/image/image_view.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QShowEvent>
#include <QScrollBar>
#include <QVBoxLayout>

#include "core/views/image_charts.h"
#include "core/views/image_series.h"
#include "ui/drawing_host.h"

namespace qorvel {

ImageView::ImageView(const QString& group, QWidget* parent) : QWidget(parent), group_(group) {
    bar_ = new QHBoxLayout;
    bar_->setContentsMargins(0, 0, 0, 0);
    host_ = new DrawingHost(this);
    host_->setObjectName("i_" + group);
    host_->setCrosshairEnabled(true);
    host_->setRenderer([this](DrawSurface& s, int w, int h) { render(s, w, h); });
    // The host's popup holds "保存图片…".
    host_->setPopupMenu(new QMenu(this));
    scroll_ = new QScrollBar(Qt::Horizontal, this);
    scroll_->setObjectName("sb_" + group);
    scroll_->setRange(1, 1);
    connect(scroll_, &QScrollBar::valueChanged, host_, [this] { host_->redraw(); });
    connect(host_, &DrawingHost::wheelStepped, scroll_, [this](int steps) { scroll_->setValue(scroll_->value() + steps); });

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(4, 4, 4, 4);
    column->setSpacing(4);
    column->addLayout(bar_);
    column->addWidget(host_, 1);
    column->addWidget(scroll_);
}

void ImageView::addWindowChoice(QBoxLayout* into) {
    window_ = new QComboBox(this);
    window_->setObjectName("cb_" + group_ + "_qs");
    for (int n : kWindowChoices) window_->addItem(QStringLiteral("显示%1期").arg(n), n);
    connect(window_, &QComboBox::currentIndexChanged, this, [this] {
        rangeScrollBar(false);
        host_->redraw();
    });
    (into ? into : bar_)->addWidget(window_);
}

int ImageView::firstShown() const { return scroll_->value(); }

int ImageView::windowLength() const {
    return window_ ? window_->currentData().toInt() : kOmissionTrendWindow;
}

void ImageView::refresh() { seriesChanged(); }

void ImageView::seriesChanged() {
    if (!isVisible()) return;
    rebuild();
    rangeScrollBar(true);
    host_->redraw();
}

// The scroll bar offers every start that keeps the window full. A view at its newest draws stays there
// when the window length changes; otherwise the first draw stays where it was, as far as it can.
void ImageView::rangeScrollBar(bool newest) {
    const int last = lastWindowStart(seriesLength(), windowLength());
    const bool atEnd = newest || scroll_->value() >= scroll_->maximum();
    const QSignalBlocker quiet(scroll_);
    scroll_->setRange(1, last);
    scroll_->setPageStep(windowLength());
    scroll_->setValue(atEnd ? last : std::min(scroll_->value(), last));
}

void ImageView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // A window coming back from the task bar shows the same data; a sub-page being selected rebuilds.
    if (!event->spontaneous()) refresh();
}

}  // namespace qorvel
