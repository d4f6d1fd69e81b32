// FxdCellGrid: the string grid of the omission and data tables. It holds no items: every cell is painted
// through the drawing surface by the owner's painter from the owner's table, and mouse presses (with the
// right button too) are handed to the owner with the cell under them.
#pragma once

#include <QTableWidget>
#include <functional>
#include <memory>

#include "views/draw_surface.h"
#include "views/view_colours.h"

namespace qorvel {

class PainterSurface;

class FxdCellGrid : public QTableWidget {
  public:
    // Paints cell (row, col) into `cell` (a rectangle of `surface`, already filled white).
    using CellPainter = std::function<void(DrawSurface& surface, const Rect& cell, int row, int col)>;
    using PressHandler = std::function<void(int row, int col, Qt::MouseButton button, QPoint globalPos)>;

    explicit FxdCellGrid(QWidget* parent = nullptr);
    ~FxdCellGrid() override;

    void setCellPainter(CellPainter painter) { painter_ = std::move(painter); }
    void setPressHandler(PressHandler handler) { press_ = std::move(handler); }
    // Paints over the cells after they are painted (surface = the viewport), e.g. a line across rows.
    void setOverlayPainter(std::function<void(DrawSurface& surface)> painter) { overlay_ = std::move(painter); }
    // Called after every resize, so the owner can share the width among its columns again.
    void setResizeHandler(std::function<void()> handler) { resized_ = std::move(handler); }
    // The grid's contents changed: every visible cell is painted again.
    void repaintCells() { viewport()->update(); }
    // Shows the column captions in a header row that stays in view, black on `background`.
    void showHeaderRow(RgbColour background);

    void paintCell(QPainter* painter, const QRect& rect, int row, int col) const;

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    // One surface for all the cells of a paint event, so fonts and their metrics are made once per
    // event rather than once per cell; dropped when the event ends.
    mutable std::unique_ptr<PainterSurface> cellSurface_;
    mutable const QPainter* cellSurfacePainter_ = nullptr;
    bool painting_ = false;
    CellPainter painter_;
    PressHandler press_;
    std::function<void()> resized_;
    std::function<void(DrawSurface&)> overlay_;
};

// The rectangle of `r` as the surface takes it.
inline Rect toRect(const QRect& r) { return Rect{r.left(), r.top(), r.right() + 1, r.bottom() + 1}; }

}  // namespace qorvel
