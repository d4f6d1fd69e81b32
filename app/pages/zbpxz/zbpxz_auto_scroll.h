// The automatic scrolling of an image sub-page: popup entries "开始滚动", "停止滚动", "滚动方向" and "滚动速度";
// each tick of the timer moves the sub-page's scroll bar one step in the chosen direction.
#pragma once

#include <QObject>

class QAction;
class QMenu;
class QScrollBar;
class QTimer;

namespace qorvel {

inline constexpr int kScrollSlowMs = 1000;
inline constexpr int kScrollMediumMs = 800;
inline constexpr int kScrollFastMs = 500;
inline constexpr int kScrollFastestMs = 200;

class AutoScroll : public QObject {
  public:
    // Adds the entries to `menu` and moves `bar` while running.
    AutoScroll(QMenu* menu, QScrollBar* bar, QObject* parent);

    void start();
    void stop();
    bool running() const;
    int intervalMs() const;
    bool rightwards() const;

    QAction* mi_start = nullptr;
    QAction* mi_stop = nullptr;
    QAction* mi_right = nullptr;
    QAction* mi_left = nullptr;

  private:
    void tick();

    QScrollBar* bar_;
    QTimer* timer_;
};

}  // namespace qorvel
