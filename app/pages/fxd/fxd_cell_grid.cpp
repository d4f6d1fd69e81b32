#include "app/pages/fxd/fxd_cell_grid.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

#include "ui/image_surface.h"

namespace qorvel {

namespace {

constexpr int kRowHeight = 20;

class CellDelegate : public QStyledItemDelegate {
  public:
    explicit CellDelegate(FxdCellGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        grid_->paintCell(painter, option.rect, index.row(), index.column());
    }

  private:
    FxdCellGrid* grid_;
};

}  // namespace

FxdCellGrid::FxdCellGrid(QWidget* parent) : QTableWidget(parent) {
    setItemDelegate(new CellDelegate(this));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::StrongFocus);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    verticalHeader()->setMinimumSectionSize(kRowHeight);
    setShowGrid(true);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    // Narrow number columns are the owner's choice, not the style's.
    horizontalHeader()->setMinimumSectionSize(8);
}

FxdCellGrid::~FxdCellGrid() = default;

void FxdCellGrid::paintCell(QPainter* painter, const QRect& rect, int row, int col) const {
    if (!painter_) return;
    painter->save();
    std::unique_ptr<PainterSurface> own;
    PainterSurface* surface = nullptr;
    if (painting_) {
        if (!cellSurface_ || cellSurfacePainter_ != painter) {
            cellSurface_ = std::make_unique<PainterSurface>(*painter, viewport()->width(), viewport()->height());
            cellSurfacePainter_ = painter;
        }
        surface = cellSurface_.get();
    } else {
        own = std::make_unique<PainterSurface>(*painter, viewport()->width(), viewport()->height());
        surface = own.get();
    }
    const Rect cell = toRect(rect);
    surface->fill(cell, kWhite);
    painter_(*surface, cell, row, col);
    painter->restore();
}

void FxdCellGrid::mousePressEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    const QModelIndex index = indexAt(pos);
    QTableWidget::mousePressEvent(event);
    if (press_ && index.isValid()) press_(index.row(), index.column(), event->button(), viewport()->mapToGlobal(pos));
}

}  // namespace qorvel

namespace qorvel {

void FxdCellGrid::showHeaderRow(RgbColour background) {
    horizontalHeader()->show();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStyleSheet(QStringLiteral("QHeaderView::section { background-color: rgb(%1,%2,%3); color: black;"
                                                     " border: 0px; border-right: 1px solid #d0d0d0; padding: 0px; }")
                                          .arg(background.r)
                                          .arg(background.g)
                                          .arg(background.b));
}

void FxdCellGrid::paintEvent(QPaintEvent* event) {
    painting_ = true;
    QTableWidget::paintEvent(event);
    painting_ = false;
    cellSurface_.reset();
    cellSurfacePainter_ = nullptr;
    if (!overlay_) return;
    QPainter painter(viewport());
    PainterSurface surface(painter, viewport()->width(), viewport()->height());
    overlay_(surface);
}

void FxdCellGrid::resizeEvent(QResizeEvent* event) {
    QTableWidget::resizeEvent(event);
    if (resized_) resized_();
}

}  // namespace qorvel
