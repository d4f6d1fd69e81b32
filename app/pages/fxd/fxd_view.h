// FxdView: what the trend analysis page asks of each of its sub-pages — rebuild from the history, take one
// step of automatic scrolling, follow the shared display mode, and answer the selection-row menu.
#pragma once

#include <QWidget>
#include <vector>

namespace qorvel {

class Tf_fxd;

class FxdView : public QWidget {
  public:
    FxdView(Tf_fxd* page, QWidget* parent) : QWidget(parent), page_(page) {}

    // Rebuilds everything shown from the history (the view is being shown, or the history changed).
    virtual void refresh() = 0;
    // One tick of automatic scrolling: +1 down, −1 up. False when the view does not scroll.
    virtual bool scrollStep(int direction) {
        (void)direction;
        return false;
    }
    // The display mode of the popup menu changed (0 球+数字, 1 球, 2 方块+数字, 3 方块).
    virtual void displayModeChanged() {}
    // The selection-row menu.
    virtual void clearSelection() {}
    virtual void importSelection() {}
    virtual void clearForecast() {}
    // The selected main numbers, ascending, for "过滤条件".
    virtual std::vector<int> selectedMainNumbers() const { return {}; }

  protected:
    Tf_fxd* page() const { return page_; }

  private:
    Tf_fxd* page_;
};

}  // namespace qorvel
