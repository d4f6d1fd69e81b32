// The three owner-drawn chart sheets of the more-charts page on a t_s_grid: feature distribution (tail,
// odd/even, prime/composite per number position), the extended charts (count indicators, zone counts, the
// sum) and the field chart (each position mapped to a column of a user-defined number matrix), with their
// selection row and the field-matrix files.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "types/workspace.h"
#include "views/t_s_grid.h"

namespace qorvel {

constexpr int kChartColumns = 92;
constexpr int kChartRows = 40;
constexpr int kFieldMatrixMax = 10;
constexpr int kFieldMatrixDefault = 6;
constexpr int kFieldStyleCount = 10;
constexpr std::uint8_t kFieldEmpty = 99;
constexpr int kChartInset = 10;
constexpr const char* kChartSelectionCaption = "选号区";
constexpr const char* kFieldStyleFile = "save\\tyzsdstyle.txt";

enum class ChartView { Tail, OddEven, PrimeComposite, Counts, ZoneCounts, Sum, Field };

// A field matrix addressed as cells[column][row]; kFieldEmpty marks an empty cell.
struct FieldMatrix {
    std::string name;
    int cols = kFieldMatrixDefault;
    int rows = kFieldMatrixDefault;
    std::array<std::array<std::uint8_t, kFieldMatrixMax>, kFieldMatrixMax> cells{};
};

// What a redraw needs besides the workspace.
struct ChartSettings {
    ChartView view = ChartView::Tail;
    int zoneCount = 3;     // "分区出号个数": K
    bool fieldTail = false;  // field chart "尾号分析"
    FieldMatrix field;
};

// The style names of the field chart, writing the default list first when the file is missing.
std::vector<std::string> loadFieldStyles(const Workspace& ws);
// "save\mb_tyd<i>.jz".
std::string fieldMatrixFile(int index);
// The text of the default matrix (name, 6, 6, the numbers 1 … 36 six to a line).
std::vector<std::string> defaultFieldMatrixLines(const std::string& name);
// Reads matrix `index`, writing the default named `styleName` first when the file is missing. C and R
// are clamped to 1 … 10; values missing from a short file leave their cells empty.
FieldMatrix loadFieldMatrix(const Workspace& ws, int index, const std::string& styleName);
FieldMatrix parseFieldMatrix(const std::vector<std::string>& lines);

// The bin 0 … 7 of a sum on "和值分布".
int sumBin(int sum);
// The matrix column (0 … C − 1) of value v: the first column holding it, else the last.
int fieldColumn(const FieldMatrix& m, int v);

// Redraw steps: set up the grid for the view, place and fill the visible rows with their marks and the
// selection row, link the marks, draw onto the surface and restore the store's cursor.
void setUpChartGrid(t_s_grid& grid, Workspace& ws, const ChartSettings& s, DrawSurface& surface, int width,
                    int height);
void fillChartRows(t_s_grid& grid, Workspace& ws, const ChartSettings& s);
void drawChart(t_s_grid& grid, Workspace& ws, const ChartSettings& s, DrawSurface& surface, int width, int height);

// The zone holding column col, or −1.
int chartZoneOf(const t_s_grid& grid, int col);
// A left click on (col, row) of the selection row: toggles the mark, clearing the rest of the zone, and
// keeps the row in the spare row. Returns false when the cell lies outside every zone.
bool toggleChartSelection(t_s_grid& grid, const ChartSettings& s, int col, int row);
// "清除选号区": empties the selection row (in view or not) and the spare row.
void clearChartSelection(t_s_grid& grid);

}  // namespace qorvel
