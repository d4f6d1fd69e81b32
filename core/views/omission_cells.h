// Painting of the omission tables' cells on the drawing surface: the issue and last columns, the number
// (value) cells with their zone colours, drawn marks and omissions, the selection row and the five
// statistics rows, and the line chart joining each row's drawn cell. The trend page's tables and the
// dissection's value table paint through these.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "views/draw_surface.h"
#include "views/omission_table.h"

namespace qorvel {

constexpr int kOmissionBallStyle = 2;    // the 46-pixel masked strip
constexpr int kOmissionSquareStyle = 1;  // the opaque strip
constexpr int kOmissionDrawnTile = 0;
constexpr Colour kOmissionLineColour = rgbColour(220, 40, 40);

// What a cell painter reads; the pointers stay owned by the view.
struct OmissionCellsView {
    const OmissionTable* table = nullptr;
    const std::vector<std::vector<std::string>>* statistics = nullptr;  // table->statisticsRows()
    const std::vector<int>* zones = nullptr;                             // columnZones of the ordering
    int specShow = 0;                                                    // cb_specshow
    bool ball = true;                                                    // ball, else square
    bool numberOnMark = true;
    // The tile a column number is marked with in the selection row, -1 when it is not selected.
    std::function<int(int number)> selectedTile;
};

// Grid rows below the header: the data rows, the selection row, then the five statistics rows.
inline int omissionSelectionRow(const OmissionTable& table) { return static_cast<int>(table.rows.size()); }
inline int omissionGridRows(const OmissionTable& table) {
    return table.rows.empty() ? 0 : static_cast<int>(table.rows.size() + 1 + kOmissionStatisticsCaptions.size());
}

// Paints cell (row, col) of the grid into `cell` (already white): column 0 the issue or row caption, the
// last column the draw's numbers, the others one column of the ordering each.
void paintOmissionCell(DrawSurface& surface, const Rect& cell, const OmissionCellsView& view, int row, int col);

// Only the mark of a drawn cell (row, col) of a data row, nothing else: drawn again over a line that crossed it.
void paintOmissionDrawnMark(DrawSurface& surface, const Rect& cell, const OmissionCellsView& view, int row, int col);

// Joins the centres of consecutive rows' drawn cells; a point with x < 0 (a row without a drawn cell)
// breaks the line.
void drawOmissionLine(DrawSurface& surface, const std::vector<Point>& centres);

}  // namespace qorvel
