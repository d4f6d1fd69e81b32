#include "views/t_s_grid.h"

#include <algorithm>

namespace qorvel {
namespace {

constexpr std::array<Colour, kGridDefaultPaletteCount> kDefaultPalette{
    rgbColour(255, 228, 225), rgbColour(255, 202, 202), rgbColour(209, 221, 233), rgbColour(240, 254, 239),
    rgbColour(216, 156, 248), rgbColour(255, 228, 225), rgbColour(252, 235, 154),
};

}  // namespace

void t_s_grid::Create(int columns, int rows) {
    colCount = std::clamp(columns, 0, kGridMaxColumns);
    rowCount = std::clamp(rows, 0, kGridMaxRows);
    cells_.assign(static_cast<size_t>(colCount) * rowCount, t_s_cell());
    spare_.assign(colCount, t_s_cell());
    palette.fill(kBlack);
    std::copy(kDefaultPalette.begin(), kDefaultPalette.end(), palette.begin());
    paletteCount = kGridDefaultPaletteCount;
    drawnCols = colCount;
    Reset();
}

void t_s_grid::Reset() {
    fixedRows = 1;
    frozenCols = 1;
    scrollX = 0;
    topRow = 0;
    selectedRow = 0;
    zoneCount = 0;
    for (auto& c : cells_) c.Reset();
    for (auto& c : spare_) c.Reset();
}

void t_s_grid::ClearContents() {
    for (auto& c : cells_) c.ClearContents();
}

t_s_cell& t_s_grid::cell(int col, int row) {
    if (!hasCell(col, row)) {
        scratch_ = t_s_cell();
        return scratch_;
    }
    return cells_[static_cast<size_t>(col) * rowCount + row];
}

const t_s_cell& t_s_grid::cell(int col, int row) const {
    if (!hasCell(col, row)) {
        scratch_ = t_s_cell();
        return scratch_;
    }
    return cells_[static_cast<size_t>(col) * rowCount + row];
}

t_s_cell& t_s_grid::spare(int col) {
    if (col < 0 || col >= colCount) {
        scratch_ = t_s_cell();
        return scratch_;
    }
    return spare_[col];
}

template <class F>
void t_s_grid::forColumn(int col, F&& f) {
    if (col < 0 || col >= colCount) return;
    for (int row = 0; row < rowCount; ++row) f(cells_[static_cast<size_t>(col) * rowCount + row]);
}

std::string t_s_grid::GetCellText(int col, int row) const {
    return hasCell(col, row) ? cell(col, row).text : std::string();
}

void t_s_grid::SetCellText(int col, int row, const std::string& text) {
    if (hasCell(col, row)) cell(col, row).text = text;
}

int t_s_grid::ColumnWidth(int col) const {
    return hasCell(col, 0) ? cell(col, 0).width : 0;
}

void t_s_grid::SetColumnWidth(int col, int width) {
    forColumn(col, [&](t_s_cell& c) { c.width = width; });
}

int t_s_grid::RowHeight(int row) const {
    return hasCell(0, row) ? cell(0, row).height : 0;
}

void t_s_grid::SetColumnColor(int col, Colour colour) {
    forColumn(col, [&](t_s_cell& c) { c.background = colour; });
}

void t_s_grid::SetColumnPen(int col, const Pen& pen) {
    const auto style = static_cast<std::uint8_t>(pen.style);
    forColumn(col, [&](t_s_cell& c) {
        c.leftColor = c.rightColor = c.topColor = c.bottomColor = pen.colour;
        c.leftWidth = c.rightWidth = c.topWidth = c.bottomWidth = pen.width;
        c.leftStyle = c.rightStyle = c.topStyle = c.bottomStyle = style;
    });
}

void t_s_grid::SetColumnVisible(int col, bool on) {
    forColumn(col, [&](t_s_cell& c) { c.visible = on ? 1 : 0; });
}

void t_s_grid::SetColumnBorders(int col, bool on) {
    forColumn(col, [&](t_s_cell& c) { c.bordersOn = on ? 1 : 0; });
}

void t_s_grid::MergeAcross(int row, int firstCol, int lastCol) {
    if (!hasCell(firstCol, row) || !hasCell(lastCol, row) || lastCol < firstCol) return;
    for (int col = firstCol + 1; col <= lastCol; ++col) cell(col, row).visible = 0;
    t_s_cell& first = cell(firstCol, row);
    first.merged = 1;
    first.mergeTarget = &cell(lastCol, row);
}

void t_s_grid::SetBounds(const Rect& rect) {
    bounds = rect;
    int headerHeight = 0;
    for (int row = 0; row < fixedRows; ++row) headerHeight += RowHeight(row);
    const int rowHeight = RowHeight(fixedRows);
    // A zero row height (or no data row at all) leaves no room for data rows instead of dividing by 0.
    visibleRows = rowHeight > 0 ? (rect.bottom - rect.top - headerHeight) / rowHeight : 0;
    if (visibleRows + fixedRows > rowCount) visibleRows = rowCount - fixedRows;
    visibleRows = std::max(visibleRows, 0);
    drawnRows = visibleRows + fixedRows;
}

int t_s_grid::layoutCols() const {
    return std::clamp(drawnCols, 0, colCount);
}

int t_s_grid::layoutRows() const {
    return std::clamp(drawnRows, 0, rowCount);
}

void t_s_grid::Layout() {
    const int cols = layoutCols();
    const int rows = layoutRows();
    int x = 0;
    for (int col = 0; col < cols; ++col) {
        for (int row = 0; row < rows; ++row) cell(col, row).left = x;
        x += ColumnWidth(col);
    }
    int y = 0;
    for (int row = 0; row < rows; ++row) {
        for (int col = 0; col < cols; ++col) cell(col, row).top = y;
        y += RowHeight(row);
    }
    totalWidth = x;
    if (selectedRow == 0) return;
    const int k = selectedRow - topRow;
    if (k < 0 || k >= visibleRows) return;
    for (int col = 0; col < cols; ++col) cell(col, fixedRows + k).background = kGridHighlightColour;
}

int t_s_grid::FrozenWidth() const {
    if (frozenCols <= 0) return 0;
    if (frozenCols >= layoutCols()) return totalWidth;
    return cell(frozenCols, 0).left;
}

void t_s_grid::drawPasses(DrawSurface& bitmap) {
    const int cols = layoutCols();
    const int rows = layoutRows();
    for (auto& c : cells_) c.canvas = &bitmap;
    for (int col = 0; col < cols; ++col)
        for (int row = 0; row < rows; ++row) cell(col, row).DrawBackground();
    for (int col = 0; col < cols; ++col)
        for (int row = 0; row < rows; ++row) cell(col, row).DrawLink();
    for (int col = 0; col < cols; ++col)
        for (int row = 0; row < rows; ++row) cell(col, row).DrawContent();
    // The bitmap may be replaced by the next Draw; no cell keeps a pointer to it.
    for (auto& c : cells_) c.canvas = nullptr;
}

void t_s_grid::Draw(DrawSurface& target) {
    // One bitmap per grid, reused while the target keeps the same kind and density: a new bitmap on
    // every draw would give the same picture at a far higher cost.
    if (!bitmap_ || !target.canReuseBitmap(*bitmap_))
        bitmap_ = target.createBitmap(kGridBitmapWidth, kGridBitmapHeight);
    DrawSurface& bitmap = *bitmap_;
    Layout();
    const int boundsWidth = bounds.width();
    const int boundsHeight = bounds.height();
    const int f = FrozenWidth();
    // Only the part the two copies below read needs to start white; the rest of the bitmap is never
    // shown, whatever an earlier draw left there.
    const int readRight = std::clamp(std::max(f, boundsWidth + std::max(scrollX, 0)), 0, kGridBitmapWidth);
    bitmap.fill({0, 0, readRight, std::clamp(boundsHeight, 0, kGridBitmapHeight)}, kWhite);
    drawPasses(bitmap);
    target.copyFrom(bitmap, {0, 0, f, boundsHeight}, {bounds.left, bounds.top, bounds.left + f, bounds.bottom},
                    CopyMode::Copy);
    target.copyFrom(bitmap, {f + scrollX - 1, 0, boundsWidth + scrollX - 1, boundsHeight},
                    {bounds.left + f, bounds.top, bounds.right, bounds.bottom}, CopyMode::Copy);
}

GridCellPos t_s_grid::HitTest(Point point) const {
    GridCellPos pos;
    const int f = FrozenWidth();
    int x = point.x - bounds.left;
    if (x >= f) x += scrollX;
    const int y = point.y - bounds.top;
    for (int col = 0; col < layoutCols(); ++col) {
        const t_s_cell& c = cell(col, 0);
        if (c.left <= x && x < c.left + c.width) {
            pos.col = col;
            break;
        }
    }
    for (int row = 0; row < layoutRows(); ++row) {
        const t_s_cell& c = cell(0, row);
        if (c.top <= y && y < c.top + c.height) {
            pos.row = row;
            break;
        }
    }
    return pos;
}

void t_s_grid::CopyRowToSpare(int row) {
    if (row < 0 || row >= rowCount) return;
    for (int col = 0; col < colCount; ++col) {
        const t_s_cell& from = cell(col, row);
        spare_[col].text = from.text;
        spare_[col].tag = from.tag;
        spare_[col].mark = from.mark;
    }
}

void t_s_grid::CopySpareToRow(int row) {
    if (row < 0 || row >= rowCount) return;
    for (int col = 0; col < colCount; ++col) {
        t_s_cell& to = cell(col, row);
        to.text = spare_[col].text;
        to.tag = spare_[col].tag;
        to.mark = spare_[col].mark;
    }
}

}  // namespace qorvel
