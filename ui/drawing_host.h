// DrawingHost: the one widget that shows any renderer of core/views (grid, trend chart, coordinate
// charts). It owns the picture, asks its owner's renderer to draw it again on a resize or after redraw(),
// paints it, forwards clicks (with the grid cell under the point when the owner gave a hit test), double
// clicks and wheel steps, draws the dotted crosshair that follows the mouse, and adds "保存图片…" to the
// owner's popup menu.
#pragma once

#include <QImage>
#include <QMenu>
#include <QPoint>
#include <QPointer>
#include <QWidget>
#include <functional>

#include "views/draw_surface.h"
#include "views/t_s_grid.h"

class QAction;

namespace qorvel {

inline constexpr const char* kSavePictureCaption = "保存图片…";
inline constexpr const char* kSavePictureTitle = "保存图片";
inline constexpr const char* kSavePictureFilter = "PNG图片(*.png)|*.png";
inline constexpr const char* kSavePictureFailed = "图片保存失败：";

class DrawingHost : public QWidget {
    Q_OBJECT

public:
    // Draws the whole picture on `surface`, width x height logical pixels, already filled white.
    using Renderer = std::function<void(DrawSurface& surface, int width, int height)>;
    // The cell under a point in widget coordinates (for a grid: its HitTest).
    using HitTest = std::function<GridCellPos(Point point)>;

    explicit DrawingHost(QWidget* parent = nullptr);

    void setRenderer(Renderer renderer);
    void setHitTest(HitTest hitTest);
    // The popup shown on a right click; "保存图片…" is appended once. An owner with several popups can
    // change the menu from its clicked() slot, which runs before the popup opens.
    void setPopupMenu(QMenu* menu);
    QMenu* popupMenu() const { return popup_; }
    // Appends "保存图片…" for this host to any menu (setPopupMenu does it for its menu).
    QAction* addSavePictureAction(QMenu* menu);
    void setCrosshairEnabled(bool on);
    bool crosshairEnabled() const { return crosshairOn_; }

    // The owner's data changed: the picture is drawn again at the next paint and the crosshair is
    // forgotten until the mouse moves again.
    void redraw();
    // The current picture at the widget's device pixel ratio, drawn first when out of date.
    const QImage& picture();
    // Writes the picture as PNG (atomically); an error text, empty on success.
    QString savePicture(const QString& path);
    // Asks for a file name and saves; the name gets ".png" when it has no such ending.
    void savePictureAs();

    bool crosshairVisible() const { return crosshairVisible_; }
    QPoint crosshairPos() const { return crosshair_; }
    int renderCount() const { return renders_; }

Q_SIGNALS:
    // A mouse press; col and row are -1 where the hit test found nothing or there is none.
    void clicked(int col, int row, QPoint pos, Qt::MouseButton button);
    void doubleClicked(int col, int row, QPoint pos);
    // Wheel notches, +1 per notch towards the user (scrolling down).
    void wheelStepped(int steps);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void render();
    GridCellPos cellAt(QPoint pos) const;

    Renderer renderer_;
    HitTest hitTest_;
    QPointer<QMenu> popup_;
    QImage picture_;
    bool dirty_ = true;
    bool crosshairOn_ = true;
    bool crosshairVisible_ = false;
    QPoint crosshair_;
    int wheelRemainder_ = 0;
    int renders_ = 0;
};

}  // namespace qorvel
