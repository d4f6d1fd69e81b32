// Tf_fxd: the trend analysis page, docked into the tab " 综合分析" — the tab control pc_fxd of its
// sub-pages, the popup menus they share (display mode, automatic scrolling, "过滤条件") and the menu of
// their selection rows.
#pragma once

#include <QPointer>
#include <QWidget>
#include <vector>

#include "app/page.h"
#include "app/pages/display_modes.h"

class QAction;
class QMenu;
class QTabWidget;
class QTimer;

namespace qorvel {

class DrawingHost;
class FxdView;

constexpr int kScrollSpeeds = 4;  // 慢速, 中速, 快速, 特快

class Tf_fxd : public QWidget, public Page {
  public:
    explicit Tf_fxd(QWidget* parent = nullptr);

    void pageShown() override;
    void pageClosed() override;
    void typeChanged(bool reloaded) override;
    void historyChanged() override;

    // 0 球+数字 (default), 1 球, 2 方块+数字, 3 方块.
    int displayMode() const { return displayMode_; }
    // Whether a drawn number is a ball (modes 0, 1) and whether its number is written on it (0, 2).
    bool ballMode() const { return qorvel::ballMode(displayMode_); }
    bool numberOnMark() const { return qorvel::numberOnMark(displayMode_); }

    // Opens the view menu or the selection-row menu at a global position; `host` (may be null) is the
    // picture "保存图片…" saves.
    void popupViewMenu(FxdView* view, DrawingHost* host, QPoint globalPos);
    void popupSelectionMenu(FxdView* view, QPoint globalPos);

    // Automatic scrolling of the current sub-page.
    void startScrolling();
    void stopScrolling();
    bool scrolling() const;
    int scrollDirection() const { return scrollDirection_; }
    int scrollInterval() const;

    FxdView* currentView() const;

    QTabWidget* pc_fxd = nullptr;
    QMenu* pm_view = nullptr;       // the popup of the table and chart views
    QMenu* pm_selection = nullptr;  // the popup of a selection row

  private:
    void buildViewMenu();
    void buildSelectionMenu();
    void addView(FxdView* view, const char* name, const char* caption);
    void setDisplayMode(int mode);
    void scrollTick();
    void tabChanged();

    std::vector<FxdView*> views_;
    QTimer* scrollTimer_ = nullptr;
    int displayMode_ = 0;
    int scrollDirection_ = 1;
    FxdView* menuView_ = nullptr;
    QPointer<DrawingHost> menuHost_;
    QAction* saveAction_ = nullptr;
};

inline Tf_fxd* f_fxd = nullptr;

}  // namespace qorvel
