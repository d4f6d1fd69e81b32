// ImageView: what the image trend sub-pages share — a bar of controls over the picture, the picture in a
// DrawingHost with its crosshair, a horizontal scroll bar choosing the first draw of the window, the
// optional window combo ("显示36期" … "显示66期") and the wheel moving the window by one draw. A view
// rebuilds its data from the history whenever it is shown and when its controls change.
#pragma once

#include <QWidget>

#include "core/views/draw_surface.h"
#include "core/views/tcoordinate.h"

class QComboBox;
class QBoxLayout;
class QHBoxLayout;
class QScrollBar;

namespace qorvel {

class DrawingHost;

class ImageView : public QWidget {
  public:
    // `group` names the controls: the host is "i_" + group, the scroll bar "sb_" + group and the window
    // combo "cb_" + group + "_qs".
    ImageView(const QString& group, QWidget* parent);

    DrawingHost* host() const { return host_; }
    QScrollBar* scrollBar() const { return scroll_; }
    QComboBox* windowBox() const { return window_; }
    // The first draw (entry) of the window, 1-based, and how many the window shows.
    int firstShown() const;
    int windowLength() const;

    // Rebuilds the data from the history and opens the window on the newest draws.
    void refresh();

  protected:
    QHBoxLayout* controlBar() const { return bar_; }
    // Adds the window combo to `into`, the control bar when none is given.
    void addWindowChoice(QBoxLayout* into = nullptr);
    // The data changed (a control or the history): rebuild it, open on the newest draws, redraw. A hidden
    // view waits for its next show, which rebuilds anyway.
    void seriesChanged();

    // How many draws or entries the series has.
    virtual int seriesLength() const = 0;
    // Recomputes the view's data from the history.
    virtual void rebuild() {}
    virtual void render(DrawSurface& surface, int width, int height) = 0;

    void showEvent(QShowEvent* event) override;

    tcoordinate axes_;

  private:
    void rangeScrollBar(bool newest);

    QHBoxLayout* bar_ = nullptr;
    DrawingHost* host_ = nullptr;
    QScrollBar* scroll_ = nullptr;
    QComboBox* window_ = nullptr;
    QString group_;
};

}  // namespace qorvel
