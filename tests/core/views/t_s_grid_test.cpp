// The owner-drawn grid: bounds and visible rows, layout and the selected-row highlight, the three drawing
// passes with merges, the frozen and scrolled copies, hit-testing and the spare row.
#include <gtest/gtest.h>

#include <algorithm>

#include "recording_surface.h"
#include "views/t_s_grid.h"

using namespace qorvel;
using namespace qorvel::testing;

namespace {

constexpr int kIssueWidth = 60;
constexpr int kNumberWidth = 20;

// A grid shaped like the distribution chart: column 0 for the issue, number columns after it.
void setUpColumns(t_s_grid& grid, int cols, int rows, int fixedRows = 2) {
    grid.Create(cols, rows);
    grid.fixedRows = fixedRows;
    grid.SetColumnWidth(0, kIssueWidth);
    for (int col = 1; col < cols; ++col) grid.SetColumnWidth(col, kNumberWidth);
}

int count(const std::vector<std::string>& lines, const std::string& needle) {
    return static_cast<int>(std::count_if(lines.begin(), lines.end(),
                                          [&](const std::string& l) { return l.find(needle) != std::string::npos; }));
}

}  // namespace

TEST(GridBounds, VisibleRowsFitUnderTheHeaderAndWithinTheCreatedRows) {
    struct Case {
        const char* name;
        int rows, fixedRows, boundsHeight, visible;
    };
    const Case cases[] = {
        {"room for 60 rows, 40 created", 40, 2, 2 * 20 + 60 * 20, 38},
        {"room for 10 rows and a bit", 40, 2, 2 * 20 + 10 * 20 + 7, 10},
        {"one header row", 40, 1, 100, 4},
        {"too short for any data row", 40, 2, 50, 0},
    };
    for (const Case& c : cases) {
        t_s_grid grid;
        setUpColumns(grid, 10, c.rows, c.fixedRows);
        grid.SetBounds({10, 10, 500, 10 + c.boundsHeight});
        EXPECT_EQ(grid.visibleRows, c.visible) << c.name;
        EXPECT_EQ(grid.drawnRows, c.visible + c.fixedRows) << c.name;
    }
}

TEST(GridBounds, AZeroRowHeightLeavesNoDataRowsInsteadOfDividingByZero) {
    t_s_grid grid;
    setUpColumns(grid, 5, 10);
    grid.cell(0, 2).height = 0;
    grid.SetBounds({0, 0, 200, 400});
    EXPECT_EQ(grid.visibleRows, 0);
}

TEST(GridLayout, CellsArePlacedByColumnWidthsAndRowHeights) {
    t_s_grid grid;
    setUpColumns(grid, 6, 8);
    grid.cell(0, 1).height = 30;  // the row height is read from column 0
    grid.SetBounds({0, 0, 400, 400});
    grid.Layout();
    EXPECT_EQ(grid.cell(0, 3).left, 0);
    EXPECT_EQ(grid.cell(2, 3).left, kIssueWidth + kNumberWidth);
    EXPECT_EQ(grid.cell(2, 1).top, 20);
    EXPECT_EQ(grid.cell(2, 2).top, 50);
    EXPECT_EQ(grid.totalWidth, kIssueWidth + 5 * kNumberWidth);
    EXPECT_EQ(grid.FrozenWidth(), kIssueWidth);
}

TEST(GridLayout, TheSelectedRowIsHighlightedOnlyWhileInView) {
    struct Case {
        const char* name;
        int selectedRow;
        int highlightedRow;  // grid row, -1 for none
    };
    const int top = 5;
    const Case cases[] = {
        {"selected = top row", top, 2},
        {"third visible row", top + 2, 4},
        {"last visible row", top + 9, 11},
        {"scrolled out below", top + 10, -1},
        {"scrolled out above", top - 1, -1},
        {"none", 0, -1},
    };
    for (const Case& c : cases) {
        t_s_grid grid;
        setUpColumns(grid, 6, 20);
        grid.SetBounds({0, 0, 400, 2 * 20 + 10 * 20});
        ASSERT_EQ(grid.visibleRows, 10);
        grid.topRow = top;
        grid.selectedRow = c.selectedRow;
        grid.Layout();
        for (int row = 0; row < grid.drawnRows; ++row) {
            const bool lit = grid.cell(3, row).background == kGridHighlightColour;
            EXPECT_EQ(lit, row == c.highlightedRow) << c.name << ", row " << row;
        }
    }
}

TEST(GridDraw, AMergedCellIsFilledAndBorderedOnceOverItsWholeExtent) {
    t_s_grid grid;
    setUpColumns(grid, 35, 4);  // column 34 is the last, so no cell starts where the merge ends
    for (int col = 0; col < 35; ++col) grid.SetColumnPen(col, Pen{rgbColour(163, 204, 207), 2, PenStyle::Solid});
    grid.MergeAcross(0, 2, 34);
    grid.SetCellText(2, 0, "开奖红球");
    grid.SetBounds({0, 0, 900, 80});
    RecordingSurface target(900, 80);
    grid.Draw(target);

    const int left = kIssueWidth + kNumberWidth;  // column 2
    const int right = kIssueWidth + 34 * kNumberWidth;  // far corner of column 34
    const auto rects = target.linesStartingWith("rect ");
    const std::string merged = "rect " + std::to_string(left) + ",0," + std::to_string(right + 1) + ",21 ";
    EXPECT_EQ(count(rects, merged), 1);
    // No cell of columns 3..34 in row 0 draws anything.
    for (int col = 3; col <= 34; ++col) {
        const std::string own = "rect " + std::to_string(kIssueWidth + (col - 1) * kNumberWidth) + ",0,";
        EXPECT_EQ(count(rects, own), 0) << "column " << col;
    }
    const auto lines = target.linesStartingWith("line ");
    EXPECT_EQ(count(lines, "line " + std::to_string(left) + ",20 " + std::to_string(right) + ",20 "), 1);
    EXPECT_EQ(count(lines, "line " + std::to_string(right) + ",0 " + std::to_string(right) + ",20 "), 1);
    // The caption is centred over the merged extent.
    const auto texts = target.linesStartingWith("text ");
    ASSERT_EQ(texts.size(), 1u);
    const int width = RecordingSurface::fixedTextSize("开奖红球", 8).width;
    EXPECT_EQ(texts[0].rfind("text " + std::to_string(left + (right - left) / 2 - width / 2) + ",", 0), 0u)
        << texts[0];
}

TEST(GridDraw, TheScrolledPartIsCopiedFromOnePixelLeftOfTheFrozenBoundary) {
    struct Case {
        int scrollX;
        const char* scrolledCopy;
    };
    // Frozen width 60, bounds 10..410 wide 400, 100 high.
    const Case cases[] = {
        {0, "copy #1 59,0,399,100 -> 70,10,410,110 copy"},
        {50, "copy #1 109,0,449,100 -> 70,10,410,110 copy"},
    };
    for (const Case& c : cases) {
        t_s_grid grid;
        setUpColumns(grid, 30, 10);
        grid.scrollX = c.scrollX;
        grid.SetBounds({10, 10, 410, 110});
        RecordingSurface target(420, 120);
        grid.Draw(target);
        const auto copies = target.linesStartingWith("copy ");
        ASSERT_EQ(copies.size(), 2u);
        EXPECT_EQ(copies[0], "copy #1 0,0,60,100 -> 10,10,70,110 copy");
        EXPECT_EQ(copies[1], c.scrolledCopy);
    }
}

TEST(GridDraw, OneBitmapServesEveryDraw) {
    t_s_grid grid;
    setUpColumns(grid, 10, 10);
    grid.SetBounds({0, 0, 300, 200});
    RecordingSurface target(300, 200);
    grid.Draw(target);
    grid.Draw(target);
    EXPECT_EQ(target.linesStartingWith("bitmap ").size(), 1u);
    EXPECT_EQ(target.linesStartingWith("bitmap ")[0], "bitmap #1 3000x1000");
}

TEST(GridDraw, APictureMarkInATallCellIsASquareBallOrAStretchedTile) {
    struct Case {
        int transparent;
        std::vector<std::string> balls;
    };
    // Cell (1, 1): left 60, top 20, 20 wide, 30 high.
    const Case cases[] = {
        {1, {"ball 4:9 60,25,80,45 or", "ball 4:3 60,25,80,45 and"}},
        {0, {"ball 1:3 60,20,80,50 copy"}},
    };
    for (const Case& c : cases) {
        t_s_grid grid;
        setUpColumns(grid, 3, 3, 1);
        grid.cell(0, 1).height = 30;
        t_s_cell& cell = grid.cell(1, 1);
        cell.height = 30;
        cell.mark.kind = kMarkPicture;
        cell.mark.transparent = static_cast<std::uint8_t>(c.transparent);
        cell.mark.tile = 3;
        grid.SetBounds({0, 0, 200, 200});
        RecordingSurface target(200, 200);
        grid.Draw(target);
        EXPECT_EQ(target.linesStartingWith("ball "), c.balls);
    }
}

TEST(GridDraw, LinksAreDrawnBetweenCentresEvenFromHiddenCells) {
    t_s_grid grid;
    setUpColumns(grid, 5, 5, 1);
    t_s_cell& from = grid.cell(1, 1);
    from.linkOn = 1;
    from.linkTarget = &grid.cell(3, 2);
    from.linkColor = kRed;
    from.linkWidth = 2;
    from.visible = 0;
    grid.SetBounds({0, 0, 200, 200});
    RecordingSurface target(200, 200);
    grid.Draw(target);
    EXPECT_EQ(target.linesStartingWith("line 70,30 "), std::vector<std::string>{"line 70,30 110,50 0000FF/2/solid"});
}

TEST(GridHitTest, PointsMapToCellsWithTheFrozenColumnFixed) {
    struct Case {
        const char* name;
        Point point;
        GridCellPos expected;
    };
    // Bounds start at (10, 10); column 0 is 60 wide and frozen, the rest 20 wide; scrolled by 100.
    const Case cases[] = {
        {"frozen column while scrolled", {15, 15}, {0, 0}},
        {"last pixel of the frozen column", {69, 55}, {0, 2}},
        {"first scrolled pixel", {70, 55}, {6, 2}},
        {"scrolled part", {75, 55}, {6, 2}},
        {"left of the grid", {5, 5}, {-1, -1}},
        {"below the drawn rows", {75, 10 + 20 * 12}, {6, -1}},
        {"right of every column", {10 + 60 + 19 * 20, 15}, {-1, 0}},
    };
    t_s_grid grid;
    setUpColumns(grid, 20, 12);
    grid.scrollX = 100;
    grid.SetBounds({10, 10, 400, 10 + 20 * 12});
    grid.Layout();
    for (const Case& c : cases) EXPECT_EQ(grid.HitTest(c.point), c.expected) << c.name;
}

TEST(GridCells, TheSpareRowCarriesTextTagAndMarkOnly) {
    t_s_grid grid;
    setUpColumns(grid, 5, 10);
    t_s_cell& cell = grid.cell(2, 5);
    cell.text = "07";
    cell.tag = 1;
    cell.mark.kind = kMarkPicture;
    cell.mark.tile = 2;
    cell.background = kRed;
    grid.CopyRowToSpare(5);
    grid.ClearContents();
    EXPECT_EQ(grid.GetCellText(2, 5), "");
    EXPECT_EQ(grid.cell(2, 5).mark.kind, kMarkNone);
    EXPECT_EQ(grid.cell(2, 5).background, kRed);  // colours stay through ClearContents

    grid.CopySpareToRow(7);
    const t_s_cell& restored = grid.cell(2, 7);
    EXPECT_EQ(restored.text, "07");
    EXPECT_EQ(restored.tag, 1);
    EXPECT_EQ(restored.mark.kind, kMarkPicture);
    EXPECT_EQ(restored.mark.tile, 2);
    EXPECT_EQ(restored.background, kWhite);
}

TEST(GridCells, ResetRestoresEveryDefaultButThePalette) {
    t_s_grid grid;
    setUpColumns(grid, 5, 10);
    grid.frozenCols = 3;
    grid.scrollX = 40;
    grid.topRow = 9;
    grid.selectedRow = 10;
    grid.zoneCount = 2;
    grid.MergeAcross(0, 1, 3);
    grid.SetColumnPen(1, Pen{kRed, 2, PenStyle::Dot});
    grid.Reset();
    EXPECT_EQ(grid.fixedRows, 1);
    EXPECT_EQ(grid.frozenCols, 1);
    EXPECT_EQ(grid.scrollX, 0);
    EXPECT_EQ(grid.topRow, 0);
    EXPECT_EQ(grid.selectedRow, 0);
    EXPECT_EQ(grid.zoneCount, 0);
    const t_s_cell& c = grid.cell(1, 0);
    EXPECT_EQ(c.merged, 0);
    EXPECT_EQ(c.mergeTarget, nullptr);
    EXPECT_EQ(c.width, 0);
    EXPECT_EQ(c.height, kDefaultRowHeight);
    EXPECT_EQ(c.leftColor, kBlack);
    EXPECT_EQ(c.leftStyle, 0);
    EXPECT_EQ(c.fontName, "MS Sans Serif");
    EXPECT_EQ(c.fontSize, 8);
    EXPECT_EQ(grid.cell(2, 0).visible, 1);
    EXPECT_EQ(grid.palette[0], rgbColour(255, 228, 225));
    EXPECT_EQ(grid.palette[6], rgbColour(252, 235, 154));
    EXPECT_EQ(grid.paletteCount, 7);
}

TEST(GridCells, StrayIndicesNeitherCrashNorChangeTheGrid) {
    t_s_grid grid;
    grid.Create(500, 500);
    EXPECT_EQ(grid.colCount, kGridMaxColumns);
    EXPECT_EQ(grid.rowCount, kGridMaxRows);
    grid.Create(4, 4);
    grid.cell(9, 9).text = "x";
    grid.SetCellText(-1, 0, "y");
    grid.SetColumnWidth(7, 50);
    grid.MergeAcross(0, 2, 9);
    grid.CopyRowToSpare(12);
    EXPECT_EQ(grid.GetCellText(9, 9), "");
    EXPECT_EQ(grid.ColumnWidth(7), 0);
    EXPECT_EQ(grid.cell(2, 0).merged, 0);
    grid.drawnCols = 50;  // more than created: drawing stays within the cells
    grid.SetBounds({0, 0, 100, 100});
    RecordingSurface target(100, 100);
    grid.Draw(target);
    EXPECT_EQ(target.linesStartingWith("rect ").size(), 16u);
}
