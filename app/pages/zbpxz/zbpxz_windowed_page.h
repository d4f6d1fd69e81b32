// The frame of the dissection's image sub-pages that chart a window of items other than draws (segments,
// occurrences of one value): the controls row, the picture, the scroll bar that moves the window one item
// at a time and the automatic-scrolling popup, laid out as the draw-window sub-pages lay theirs out.
#pragma once

#include <QString>

#include "app/pages/zbpxz/zbpxz_sub_page.h"
#include "core/views/draw_surface.h"
#include "core/views/tcoordinate.h"

class QHBoxLayout;
class QMenu;
class QScrollBar;

namespace qorvel {

class AutoScroll;
class DrawingHost;

class ZbpxzWindowedPage : public ZbpxzSubPage {
  public:
    // `name` is the sub-page's abbreviation: the object names are "ts_", "im_" and "sb_" followed by it.
    ZbpxzWindowedPage(const DissectionState& state, const QString& caption, const QString& name, QWidget* parent);

    QString pageName() const override { return caption_; }
    // A new series: recompute and show the newest window.
    void opened() override;
    // Recompute; a window that showed the newest items keeps showing them, another keeps its place.
    void refresh() override;
    void left() override;

    // 0-based index of the window's first item.
    int firstItem() const;

    DrawingHost* im = nullptr;
    QScrollBar* sb = nullptr;
    AutoScroll* autoScroll = nullptr;

  protected:
    QHBoxLayout* controls() const { return controls_; }
    virtual int itemCount() const = 0;
    virtual int windowLength() const = 0;
    virtual void recompute() = 0;
    virtual void draw(DrawSurface& surface, int width, int height) = 0;
    // A control changed what the items are: recompute and show the newest window.
    void restart();

    tcoordinate axes_;

  private:
    void placeWindow(bool newest);

    QString caption_;
    QHBoxLayout* controls_ = nullptr;
    QMenu* menu_ = nullptr;
};

}  // namespace qorvel
