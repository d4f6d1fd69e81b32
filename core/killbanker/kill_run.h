// The run of one banker or kill page: every formula of the scheme evaluated at every draw from the start
// issue to the last and at a forecast row, written as the page's whole grid of texts, with each
// formula's success count and the end message. The page only shows the grid.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "killbanker/kill_pages.h"
#include "types/workspace.h"

namespace qorvel {

// What a cell shows, so the page can pick its colours: the order column (blue), the issue column, the
// numbers column (red), formula cells that were right or not, the list column (drawn numbers red).
enum class KillCellRole : uint8_t { Header, Order, Issue, Numbers, Target, FormulaRight, FormulaOther, List, Count };

// The kind of a grid row, which decides its background.
enum class KillRowKind : uint8_t { Header, Draw, Forecast, Rate };

struct KillCell {
    std::string text;
    KillCellRole role = KillCellRole::Count;
};

inline constexpr const char* kForecastRowCaption = "预测期";
inline constexpr const char* kRateRowCaption = "正确率";
inline constexpr const char* kRightMark = "    正确";

struct KillGrid {
    KillPage page = KillPage::MainKill;
    int rows = 0;
    int columns = 0;
    int drawCount = 0;           // n: draws from the start issue to the last
    int formulaCount = 0;        // k
    int firstFormulaColumn = 3;  // 4 on the custom page
    int listColumn = 0;
    std::vector<KillCell> cells;  // row by row
    std::vector<KillRowKind> rowKinds;
    // Per grid row 1..n + 1: the formula values (−1 for a failure) and the tested values of the draw
    // (empty on the forecast row); other rows hold empty lists.
    std::vector<std::vector<int32_t>> formulaValues;
    std::vector<std::vector<int32_t>> testedValues;
    std::vector<int> rightCounts;  // c_j, j = 1..k at index j − 1
    std::string endMessage;        // the last formula failure, empty when none failed

    const KillCell& at(int row, int column) const {
        return cells[static_cast<std::size_t>(row) * static_cast<std::size_t>(columns) +
                     static_cast<std::size_t>(column)];
    }
    KillCell& at(int row, int column) {
        return cells[static_cast<std::size_t>(row) * static_cast<std::size_t>(columns) +
                     static_cast<std::size_t>(column)];
    }
    // Whether a value listed in the list column of the row was drawn (it is among the tested values).
    bool wasDrawn(int row, int32_t value) const;
};

struct KillRunRequest {
    KillPage page = KillPage::MainKill;
    std::vector<std::string> formulas;  // the k formulas in use, 1..k
    int startIssue = 0;                 // 0 starts at the first draw
    ListDisplay display = ListDisplay::Regular;
    std::string target;                 // custom page: the target indicator formula
    // Called after every row 1 .. n + 1; returning false stops the run, which then changes nothing.
    std::function<bool(int row, int rows)> progress;
};

struct KillRunResult {
    std::string error;  // the run was refused (nothing changed); empty otherwise
    bool stopped = false;  // stopped through the progress callback: no grid, nothing changed
    KillGrid grid;
};

// Runs the page on ws.MainStore. A forecast row is appended for the run and removed at its end (a
// forecast row that was there before is gone afterwards); the cursor is left where it was.
KillRunResult runKillPage(Workspace& ws, const KillRunRequest& request);

struct KillRgb {
    uint8_t r = 0, g = 0, b = 0;
    bool operator==(const KillRgb&) const = default;
};

struct KillCellColours {
    KillRgb background;
    KillRgb text;  // for the list column: the colour of numbers that were not drawn
};

inline constexpr KillRgb kKillHeaderBackground{251, 183, 166};
inline constexpr KillRgb kKillRateBackground{255, 162, 255};
inline constexpr KillRgb kKillRowBackground{255, 255, 255};
inline constexpr KillRgb kKillSelectedBackground{139, 248, 145};
inline constexpr KillRgb kKillBlack{0, 0, 0};
inline constexpr KillRgb kKillOrderText{0, 0, 255};
inline constexpr KillRgb kKillIssueText{204, 102, 219};
inline constexpr KillRgb kKillNumbersText{255, 0, 0};
inline constexpr KillRgb kKillRightText{13, 4, 172};
inline constexpr KillRgb kKillOtherFormulaText{194, 75, 24};
inline constexpr KillRgb kKillDrawnText{255, 0, 0};  // a listed number that was drawn

// The colours of one cell: header rows black on salmon, the success-rate row on pink, other rows on white
// (the selected one green); the text by the cell's role.
KillCellColours killCellColours(const KillGrid& grid, int row, int column, bool selectedRow);

// The row memo: the distinct formula values of grid row r (1 .. n + 1) within lo..hi, ascending,
// separated by two spaces. Empty for other rows.
std::string rowMemoText(const KillGrid& grid, int row, int lo, int hi);

// The value range the memo of the page shows: 1..MainTo or 1..SpecialTo, 0..9 on the tail page and
// 0..999 on the custom page (whose page may narrow it to the target's range).
void memoRange(KillPage page, const TypeParams& params, int& lo, int& hi);

// The lines of the exported run data: a header line, then one line per grid row 1 .. n + 1 with the issue
// and the first two characters of every formula cell.
std::vector<std::string> killDataLines(const KillGrid& grid);

// Writes killDataLines as a GBK file (".txt" appended when the name lacks it); returns an error text.
std::string exportKillData(const std::string& fileName, const KillGrid& grid);

// The export dialog's filter and title for the page.
std::string killDataFilter(KillPage page);
std::string killDataTitle(KillPage page);

}  // namespace qorvel
