// The marks of the main-number distribution chart: the association classification of drawn numbers
// (pairs and runs across, down and along both diagonals), the single patterns, the tiles the marking
// combo chooses from them, and the cold/warm/hot classification of every row.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "draws/forecast_row.h"
#include "views/temperature_window.h"

namespace qorvel {

constexpr int kDistributionDataRows = 38;       // data rows of the 40-row grid under its two header rows
constexpr int kAssociationRowsAbove = 2;        // the classification starts this many draws above the top row
constexpr int kAssociationExtraRows = 6;        // matrix rows beyond the data rows (44 for 38 rows)
constexpr int kMarkingKinds = 13;               // items of cb_fbd
constexpr int kFirstSinglePattern = 3;          // cb_fbd 3…12: 连号 … 三角
constexpr const char* kDistributionSelectionCaption = "选号区";

// The items of cb_fbd in order.
const std::array<const char*, kMarkingKinds>& markingCaptions();

// Association codes: 1 across, 2 down, 3 diagonal for a pair; 4, 5, 6 for a run of three or more.
enum AssociationCode : uint8_t { kNoAssociation = 0 };

// A window of consecutive draws (plus an optional selection row) as drawn/not drawn per number.
class DrawnMatrix {
public:
    DrawnMatrix(int rows, int numbers) : rows_(rows), numbers_(numbers), cells_(rows * numbers, 0) {}
    int rows() const { return rows_; }
    int numbers() const { return numbers_; }
    // Row r (0-based), number n (1-based); false outside.
    bool drawn(int r, int n) const { return inside(r, n) && cells_[r * numbers_ + n - 1]; }
    void set(int r, int n) {
        if (inside(r, n)) cells_[r * numbers_ + n - 1] = 1;
    }
    bool inside(int r, int n) const { return r >= 0 && r < rows_ && n >= 1 && n <= numbers_; }

private:
    int rows_, numbers_;
    std::vector<uint8_t> cells_;
};

// A code per cell of a matrix, same layout.
using CodeMatrix = std::vector<std::vector<uint8_t>>;

// The four passes (across, down, left diagonal, right diagonal) merged into one code per cell.
CodeMatrix classifyAssociations(const DrawnMatrix& m);
// The cells belonging to single pattern k (1 连号 … 10 三角): 1 for a member, else 0.
CodeMatrix singlePattern(const DrawnMatrix& m, int pattern);
// The tile (0, 1, 2) of a drawn cell under marking kind `marking` of cb_fbd.
int associationTile(int marking, uint8_t code, bool inPattern);

struct DistributionCell {
    int number = 0;
    int tile = 0;
};

// One row of the chart: a draw, or the selection row after the last draw.
struct DistributionRow {
    int32_t issue = 0;
    bool selection = false;
    std::string issueText;                // "预测区" for the forecast row, "选号区" for the selection row
    std::string numbersText;              // "01 02 03 04 05 06 - 07 "
    std::vector<DistributionCell> marks;  // every marked number cell, ascending
    std::vector<Temperature> temperatures;  // cold/warm/hot mode: index n (1…MainTo), every number
};

// A left click on number n of the selection row: a selected number is released; an unselected one is
// taken unless mainCount numbers are selected already. Returns whether the selection changed.
bool toggleDistributionSelection(SelectionFlags& selection, int n, int mainCount);

// A left click on a tail of the tail table's selection row: states cycle 0 → 1 → 2 → 3 → 0.
constexpr int kTailSelectionStates = 4;
constexpr int nextTailSelectionState(int state) { return (state + 1) % kTailSelectionStates; }

// The chart's top row for a window of dataRows rows when none is set yet.
int distributionStartRow(int drawCount, int dataRows = kDistributionDataRows);

// The rows topRow … topRow + dataRows − 1 in association mode with marking kind `marking`; the selection
// row follows the last draw when the window reaches past it.
std::vector<DistributionRow> associationRows(const t_s_dm& store, const TypeParams& params, int topRow,
                                             int dataRows, int marking, const SelectionFlags& selection);

// The same rows in cold/warm/hot mode: each draw classified as it stood at the previous draw (the first
// draw by itself), the selection row at the last draw; marks carry the temperature's tile.
std::vector<DistributionRow> temperatureRows(const t_s_dm& store, const TypeParams& params,
                                             const ColdHotSettings& settings, int topRow, int dataRows,
                                             const SelectionFlags& selection);

}  // namespace qorvel
