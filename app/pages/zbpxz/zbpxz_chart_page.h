// The frame shared by the dissection's image sub-pages that chart a window of draws: the window combo
// ("显示36期" … "显示66期"), the picture, its scroll bar and the automatic-scrolling popup.
#pragma once

#include <QString>

#include "app/pages/zbpxz/zbpxz_sub_page.h"
#include "core/views/draw_surface.h"
#include "core/views/tcoordinate.h"

class QComboBox;
class QHBoxLayout;
class QMenu;
class QScrollBar;

namespace qorvel {

class AutoScroll;
class DrawingHost;

inline constexpr int kFewestWindowDraws = 36;
inline constexpr int kMostWindowDraws = 66;
inline constexpr int kWindowDrawsStep = 5;

class ZbpxzChartPage : public ZbpxzSubPage {
  public:
    // `name` is the sub-page's caption and the object name prefix of its controls.
    ZbpxzChartPage(const DissectionState& state, const QString& caption, const QString& name, QWidget* parent);

    QString pageName() const override { return caption_; }
    void opened() override;
    void refresh() override;
    void left() override;

    int windowDraws() const;
    // The window's draws, 1-based and inclusive.
    int firstDraw() const;
    int lastDraw() const;

    QComboBox* cb_qs = nullptr;
    DrawingHost* im = nullptr;
    QScrollBar* sb = nullptr;
    AutoScroll* autoScroll = nullptr;

  protected:
    // Controls of the sub-page go into this row, after the window combo.
    QHBoxLayout* controls() const { return controls_; }
    // Recompute what the charts read from the series (called on opened() and refresh()).
    virtual void recompute() {}
    virtual void draw(DrawSurface& surface, int width, int height) = 0;
    // Points of `values` over the window, labelled with their issues.
    std::vector<SeriesPoint> windowPoints(const std::vector<int32_t>& values) const;
    // Draws one chart of `values` over the window; yMax one above the window's largest value keeps its
    // value labels inside the picture.
    void chart(DrawSurface& surface, int width, int height, const std::vector<int32_t>& values,
               const std::string& title, int layout, int32_t yMin, int32_t yMax);
    void placeWindow(bool keepFirst);

    tcoordinate axes_;

  private:
    QString caption_;
    QHBoxLayout* controls_ = nullptr;
    QMenu* menu_ = nullptr;
};

}  // namespace qorvel
