#include "app/pages/zbpxz/zbpxz_auto_scroll.h"

#include <QActionGroup>
#include <QMenu>
#include <QScrollBar>
#include <QTimer>

namespace qorvel {

AutoScroll::AutoScroll(QMenu* menu, QScrollBar* bar, QObject* parent) : QObject(parent), bar_(bar) {
    timer_ = new QTimer(this);
    timer_->setInterval(kScrollSlowMs);
    connect(timer_, &QTimer::timeout, this, [this] { tick(); });

    auto* state = new QActionGroup(this);
    mi_start = menu->addAction(QStringLiteral("开始滚动"));
    mi_stop = menu->addAction(QStringLiteral("停止滚动"));
    for (QAction* a : {mi_start, mi_stop}) {
        a->setCheckable(true);
        state->addAction(a);
    }
    mi_stop->setChecked(true);
    connect(mi_start, &QAction::triggered, this, [this] { start(); });
    connect(mi_stop, &QAction::triggered, this, [this] { stop(); });

    QMenu* direction = menu->addMenu(QStringLiteral("滚动方向"));
    auto* directions = new QActionGroup(this);
    mi_right = direction->addAction(QStringLiteral("向右滚动"));
    mi_left = direction->addAction(QStringLiteral("向左滚动"));
    for (QAction* a : {mi_right, mi_left}) {
        a->setCheckable(true);
        directions->addAction(a);
    }
    mi_right->setChecked(true);

    QMenu* speed = menu->addMenu(QStringLiteral("滚动速度"));
    auto* speeds = new QActionGroup(this);
    const std::pair<const char*, int> choices[] = {
        {"慢速", kScrollSlowMs}, {"中速", kScrollMediumMs}, {"快速", kScrollFastMs}, {"特快", kScrollFastestMs}};
    for (const auto& [caption, ms] : choices) {
        QAction* a = speed->addAction(QString::fromUtf8(caption));
        a->setCheckable(true);
        a->setChecked(ms == kScrollSlowMs);
        speeds->addAction(a);
        connect(a, &QAction::triggered, this, [this, ms = ms] { timer_->setInterval(ms); });
    }
}

void AutoScroll::start() {
    timer_->start();
    mi_start->setChecked(true);
}

void AutoScroll::stop() {
    timer_->stop();
    mi_stop->setChecked(true);
}

bool AutoScroll::running() const {
    return timer_->isActive();
}

int AutoScroll::intervalMs() const {
    return timer_->interval();
}

bool AutoScroll::rightwards() const {
    return mi_right->isChecked();
}

// Stops at either end instead of ticking on against it.
void AutoScroll::tick() {
    const int next = bar_->value() + (rightwards() ? 1 : -1);
    if (next < bar_->minimum() || next > bar_->maximum()) {
        stop();
        return;
    }
    bar_->setValue(next);
}

}  // namespace qorvel
