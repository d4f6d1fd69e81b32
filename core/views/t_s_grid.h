// t_s_grid: the owner-drawn table of the distribution charts — a fixed matrix of t_s_cell laid out in
// columns and rows, drawn off screen in three passes (backgrounds and borders, links, marks and text) and
// copied to the target with frozen columns on the left and a horizontally scrolled part on the right.
// Vertical scrolling is the owner's: it refills the visible rows and sets topRow.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "views/draw_surface.h"
#include "views/t_s_cell.h"

namespace qorvel {

inline constexpr int kGridMaxColumns = 100;
inline constexpr int kGridMaxRows = 150;
inline constexpr int kGridMaxZones = 40;
inline constexpr int kGridPaletteSize = 11;
inline constexpr int kGridDefaultPaletteCount = 7;
// The off-screen bitmap every Draw renders into; content beyond it is cut off.
inline constexpr int kGridBitmapWidth = 3000;
inline constexpr int kGridBitmapHeight = 1000;
// Background of the selected row.
inline constexpr Colour kGridHighlightColour = rgbColour(0, 255, 128);

// A run of columns that belong together (first and last column, inclusive).
struct GridZone {
    std::int32_t first = 0;
    std::int32_t last = 0;
};

// What HitTest found; -1 for a coordinate that hits nothing.
struct GridCellPos {
    int col = -1;
    int row = -1;
    bool operator==(const GridCellPos&) const = default;
};

class t_s_grid {
public:
    std::int32_t colCount = 0;
    std::int32_t rowCount = 0;
    std::int32_t paletteCount = kGridDefaultPaletteCount;
    std::array<Colour, kGridPaletteSize> palette{};
    std::int32_t zoneCount = 0;
    std::array<GridZone, kGridMaxZones> zones{};
    std::int32_t totalWidth = 0;
    std::int32_t visibleRows = 0;
    Rect bounds;
    std::int32_t scrollX = 0;
    std::int32_t topRow = 0;
    std::int32_t selectedRow = 0;
    std::int32_t dataRowCount = 0;
    std::int32_t drawnCols = 0;
    std::int32_t drawnRows = 0;
    std::int32_t fixedRows = 1;
    std::int32_t frozenCols = 1;

    t_s_grid() = default;
    t_s_grid(const t_s_grid&) = delete;
    t_s_grid& operator=(const t_s_grid&) = delete;

    // Creates colCount x rowCount cells (at most 100 x 150) and one spare cell per column, sets the
    // palette and drawnCols = colCount, then Reset.
    void Create(int columns, int rows);
    void Reset();
    void ClearContents();
    void SetBounds(const Rect& rect);
    void Layout();
    void Draw(DrawSurface& target);

    // Cell (col, row), both from 0. A position outside the created cells gives a scratch cell that is
    // never drawn, so a stray index cannot corrupt the grid.
    t_s_cell& cell(int col, int row);
    const t_s_cell& cell(int col, int row) const;
    t_s_cell& spare(int col);
    bool hasCell(int col, int row) const { return col >= 0 && col < colCount && row >= 0 && row < rowCount; }

    std::string GetCellText(int col, int row) const;
    void SetCellText(int col, int row, const std::string& text);
    int ColumnWidth(int col) const;
    void SetColumnWidth(int col, int width);
    int RowHeight(int row) const;
    void SetColumnColor(int col, Colour colour);
    void SetColumnPen(int col, const Pen& pen);
    void SetColumnVisible(int col, bool on);
    void SetColumnBorders(int col, bool on);
    void MergeAcross(int row, int firstCol, int lastCol);
    GridCellPos HitTest(Point point) const;
    void CopyRowToSpare(int row);
    void CopySpareToRow(int row);

    // Width of the frozen part: the left of the first scrolled column.
    int FrozenWidth() const;

private:
    template <class F>
    void forColumn(int col, F&& f);
    int layoutCols() const;
    int layoutRows() const;
    void drawPasses(DrawSurface& bitmap);

    std::vector<t_s_cell> cells_;  // column-major
    std::vector<t_s_cell> spare_;
    mutable t_s_cell scratch_;
    std::unique_ptr<DrawSurface> bitmap_;
};

}  // namespace qorvel
