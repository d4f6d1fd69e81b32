// The three chart views of the more-charts page: where each view marks a draw, the sum bins, the field
// matrix (default files, column lookup, damaged files), the selection row and the clipping of views wider
// than the grid.
#include "views/moredb_charts.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "engine/engine_test_support.h"
#include "recording_surface.h"
#include "test_support.h"
#include "text/file_io.h"

namespace qorvel {
namespace {

constexpr int kWidth = 1000, kHeight = 600;

class MoredbChartsTest : public ::testing::Test {
protected:
    void use(const std::vector<std::vector<int>>& draws, TypeParams params = {}) {
        ws = testing::workspaceWith(draws, params);
        ws->ProgramFolder = dir.path();
        grid.Create(kChartColumns, kChartRows);
    }
    void draw(const ChartSettings& s) {
        testing::RecordingSurface surface(kWidth, kHeight);
        drawChart(grid, *ws, s, surface, kWidth, kHeight);
    }
    // The grid row of the newest draw when the history is shorter than the window.
    int rowOfDraw(int k) const { return grid.fixedRows + k; }
    std::vector<int> markedColumns(int row) const {
        std::vector<int> cols;
        for (int col = 0; col < grid.drawnCols; ++col)
            if (grid.cell(col, row).tag) cols.push_back(col);
        return cols;
    }
    ChartSettings fieldSettings(bool tail = false) {
        ChartSettings s;
        s.view = ChartView::Field;
        s.fieldTail = tail;
        s.field = parseFieldMatrix(defaultFieldMatrixLines("田野走势图1"));
        return s;
    }

    testing::TempDir dir;
    std::unique_ptr<Workspace> ws;
    t_s_grid grid;
};

TEST(MoredbChartBins, SumsFallIntoTheirBins) {
    struct Case {
        int sum, bin;
    } cases[] = {{0, 0}, {40, 0}, {41, 1}, {60, 1}, {61, 2}, {100, 3}, {101, 4}, {140, 5}, {141, 6}, {160, 6}, {161, 7}, {300, 7}};
    for (const Case& c : cases) EXPECT_EQ(sumBin(c.sum), c.bin) << c.sum;
}

TEST(MoredbChartBins, TheDefaultMatrixPlacesNumbersByColumn) {
    const FieldMatrix m = parseFieldMatrix(defaultFieldMatrixLines("x"));
    EXPECT_EQ(m.cols, 6);
    EXPECT_EQ(m.rows, 6);
    struct Case {
        int v, column;
    } cases[] = {{1, 0}, {8, 1}, {6, 5}, {31, 0}, {36, 5}, {40, 5}, {0, 5}};
    for (const Case& c : cases) EXPECT_EQ(fieldColumn(m, c.v), c.column) << c.v;
}

TEST_F(MoredbChartsTest, EachViewMarksTheDrawWhereItBelongs) {
    // Sum 8 + 13 + 17 + 20 + 25 + 33 = 116.
    use({{2020001, 8, 13, 17, 20, 25, 33, 12}});
    struct Case {
        ChartView view;
        int zone, offset;
        std::string text;
    } cases[] = {
        {ChartView::Tail, 0, 8, "8"},          {ChartView::Tail, 6, 2, "2"},  // the special number 12
        {ChartView::OddEven, 0, 1, "偶"},       {ChartView::OddEven, 1, 0, "奇"},
        {ChartView::PrimeComposite, 0, 1, "合"}, {ChartView::PrimeComposite, 1, 0, "质"},
        {ChartView::Counts, 1, 4, "4"},         // odd: 13 17 25 33
        {ChartView::Counts, 2, 2, "2"},         // prime: 13 17
        {ChartView::ZoneCounts, 2, 2, "2"},     // 25 and 33 in the third of three zones of 1 … 33
        {ChartView::Sum, 0, 4, ""},             // 116 → "101-120"
        {ChartView::Field, 0, 1, "8"},          {ChartView::Field, 6, 5, "12"},
    };
    for (const Case& c : cases) {
        ChartSettings s = c.view == ChartView::Field ? fieldSettings() : ChartSettings{};
        s.view = c.view;
        grid.Reset();
        draw(s);
        const int row = rowOfDraw(0);
        ASSERT_LT(c.zone, grid.zoneCount);
        const GridZone zone = grid.zones[c.zone];
        int marked = 0;
        for (int col = zone.first; col <= zone.last; ++col) marked += grid.cell(col, row).tag;
        EXPECT_EQ(marked, 1) << static_cast<int>(c.view) << " zone " << c.zone;
        const t_s_cell& cell = grid.cell(zone.first + c.offset, row);
        EXPECT_EQ(cell.tag, 1) << static_cast<int>(c.view) << " zone " << c.zone;
        EXPECT_EQ(cell.mark.kind, kMarkPicture);
        EXPECT_EQ(cell.text, c.text) << static_cast<int>(c.view) << " zone " << c.zone;
        EXPECT_EQ(grid.GetCellText(0, row), "2020001");
        EXPECT_EQ(grid.GetCellText(0, row + 1), kChartSelectionCaption);
    }
}

TEST_F(MoredbChartsTest, LayoutOfTheViews) {
    use({{2020001, 8, 13, 17, 20, 25, 33, 12}});
    struct Case {
        ChartView view;
        int zones, drawnCols, firstZoneFirst, secondZoneFirst, fixedRows, frozenCols;
    } cases[] = {
        {ChartView::Tail, 7, 77, 1, 12, 2, 1},     {ChartView::OddEven, 7, 21, 1, 4, 2, 1},
        {ChartView::Counts, 7, 51, 2, 9, 2, 2},    {ChartView::ZoneCounts, 3, 23, 2, 9, 2, 2},
        {ChartView::Sum, 1, 11, 3, -1, 2, 2},      {ChartView::Field, 7, 49, 1, 8, 7, 1},
    };
    for (const Case& c : cases) {
        ChartSettings s = c.view == ChartView::Field ? fieldSettings() : ChartSettings{};
        s.view = c.view;
        grid.Reset();
        draw(s);
        EXPECT_EQ(grid.zoneCount, c.zones) << static_cast<int>(c.view);
        EXPECT_EQ(grid.drawnCols, c.drawnCols) << static_cast<int>(c.view);
        EXPECT_EQ(grid.zones[0].first, c.firstZoneFirst) << static_cast<int>(c.view);
        if (c.secondZoneFirst > 0) {
            EXPECT_EQ(grid.zones[1].first, c.secondZoneFirst) << static_cast<int>(c.view);
            // The column between two per-position zones is a hidden gap.
            if (c.frozenCols == 1) {
                EXPECT_EQ(grid.cell(c.secondZoneFirst - 1, 3).visible, 0);
            }
        }
        EXPECT_EQ(grid.fixedRows, c.fixedRows);
        EXPECT_EQ(grid.frozenCols, c.frozenCols);
    }
    // The field chart shows the matrix in its header rows, row by row.
    EXPECT_EQ(grid.GetCellText(1, 1), "01");
    EXPECT_EQ(grid.GetCellText(2, 1), "02");
    EXPECT_EQ(grid.GetCellText(1, 2), "07");
    EXPECT_EQ(grid.GetCellText(6, 6), "36");
}

TEST_F(MoredbChartsTest, TheFieldChartPlotsByTheMatrix) {
    // 8 lies in the second column of 1 … 36, 36 in the sixth and 40 in none, so in the last.
    use({{2020001, 8, 36, 40, 1, 2, 3, 7}});
    draw(fieldSettings());
    const int row = rowOfDraw(0);
    EXPECT_EQ(markedColumns(row), (std::vector<int>{2, 13, 20, 22, 30, 38, 43}));
    EXPECT_EQ(grid.GetCellText(20, row), "40");
    // With "尾号分析" 36 becomes 6 (sixth column) and 40 becomes 0 (in no column).
    grid.Reset();
    draw(fieldSettings(true));
    EXPECT_EQ(grid.GetCellText(20, row), "0");
    EXPECT_EQ(grid.GetCellText(13, row), "6");
    EXPECT_EQ(grid.GetCellText(0, 0), "");
}

TEST_F(MoredbChartsTest, MarksOfNeighbouringRowsAreLinked) {
    use({{2020001, 1, 2, 3, 4, 5, 6, 7}, {2020002, 11, 12, 13, 14, 15, 16, 8}});
    draw(ChartSettings{});
    const t_s_cell& top = grid.cell(2, rowOfDraw(0));  // tail 1 of position 1
    EXPECT_EQ(top.linkOn, 1);
    EXPECT_EQ(top.linkTarget, &grid.cell(2, rowOfDraw(1)));
    // Nothing is marked in the selection row, so the newest draw links to nothing.
    EXPECT_EQ(grid.cell(2, rowOfDraw(1)).linkOn, 0);
}

TEST_F(MoredbChartsTest, ALongHistoryEndsInTheRowAboveTheSelectionRow) {
    std::vector<std::vector<int>> draws;
    for (int k = 0; k < 60; ++k) draws.push_back({2020001 + k, 1, 2, 3, 4, 5, 6, 7});
    use(draws);
    ws->MainStore.SetRecNo(10);
    draw(ChartSettings{});
    const int last = grid.fixedRows + grid.visibleRows - 1;
    EXPECT_EQ(grid.GetCellText(0, last), kChartSelectionCaption);
    EXPECT_EQ(grid.GetCellText(0, last - 1), "2020060");
    EXPECT_EQ(grid.topRow, 60 - grid.visibleRows + 2);
    EXPECT_EQ(ws->MainStore.RecNo(), 10);  // the cursor is back where it was
    // A set topRow is kept.
    grid.topRow = 5;
    draw(ChartSettings{});
    EXPECT_EQ(grid.GetCellText(0, grid.fixedRows), "2020005");
}

TEST_F(MoredbChartsTest, TheSelectionRowTogglesOneMarkPerZoneAndSurvivesRedraws) {
    use({{2020001, 1, 2, 3, 4, 5, 6, 7}});
    ChartSettings s;
    s.view = ChartView::OddEven;
    draw(s);
    const int sel = rowOfDraw(1);
    ASSERT_EQ(grid.GetCellText(0, sel), kChartSelectionCaption);
    EXPECT_FALSE(toggleChartSelection(grid, s, 3, sel));  // the hidden gap after zone 0
    ASSERT_TRUE(toggleChartSelection(grid, s, 1, sel));
    EXPECT_EQ(grid.GetCellText(1, sel), "奇");
    ASSERT_TRUE(toggleChartSelection(grid, s, 2, sel));  // the other column of the zone takes over
    EXPECT_EQ(markedColumns(sel), std::vector<int>{2});
    EXPECT_EQ(grid.GetCellText(2, sel), "偶");
    ASSERT_TRUE(toggleChartSelection(grid, s, 5, sel));
    draw(s);
    EXPECT_EQ(markedColumns(sel), (std::vector<int>{2, 5}));
    ASSERT_TRUE(toggleChartSelection(grid, s, 2, sel));  // a marked cell is released
    draw(s);
    EXPECT_EQ(markedColumns(sel), std::vector<int>{5});
    clearChartSelection(grid);
    draw(s);
    EXPECT_TRUE(markedColumns(sel).empty());
}

TEST_F(MoredbChartsTest, ClearingASelectionRowOutOfViewClearsTheSpareRow) {
    std::vector<std::vector<int>> draws;
    for (int k = 0; k < 60; ++k) draws.push_back({2020001 + k, 1, 2, 3, 4, 5, 6, 7});
    use(draws);
    ChartSettings s;
    draw(s);
    const int sel = grid.fixedRows + grid.visibleRows - 1;
    ASSERT_TRUE(toggleChartSelection(grid, s, 4, sel));
    grid.topRow = 1;
    draw(s);
    clearChartSelection(grid);
    grid.topRow = 0;
    draw(s);
    EXPECT_TRUE(markedColumns(sel).empty());
}

TEST_F(MoredbChartsTest, ViewsWiderThanTheGridAreClipped) {
    TypeParams nine;
    nine.MainCount = 7;
    nine.SpecialCount = 2;
    use({{2020001, 1, 12, 13, 24, 25, 26, 33, 9, 8}}, nine);
    draw(ChartSettings{});  // nine tail zones need 99 columns
    EXPECT_EQ(grid.drawnCols, kChartColumns);
    EXPECT_EQ(grid.zoneCount, 9);
    EXPECT_EQ(grid.zones[8].first, 89);
    EXPECT_EQ(grid.zones[8].last, kChartColumns - 1);
    // Tail 8 of the last position lies beyond the grid and is not marked.
    EXPECT_EQ(markedColumns(rowOfDraw(0)).back(), 78 + 9);  // tail 9 of the eighth position
    ChartSettings field = fieldSettings();
    field.field = parseFieldMatrix({"wide", "10", "10"});
    grid.Reset();
    draw(field);  // 9 × 11 columns
    EXPECT_EQ(grid.drawnCols, kChartColumns);
    EXPECT_EQ(grid.fixedRows, 11);
}

TEST_F(MoredbChartsTest, ACountOfSevenGoesToTheLastValueColumn) {
    TypeParams seven;
    seven.MainCount = 7;
    use({{2020001, 1, 3, 5, 7, 9, 11, 13, 2}}, seven);
    ChartSettings counts;
    counts.view = ChartView::Counts;
    draw(counts);
    const GridZone odd = grid.zones[1];
    EXPECT_EQ(grid.cell(odd.last, rowOfDraw(0)).tag, 1);
    EXPECT_EQ(grid.GetCellText(odd.last, rowOfDraw(0)), "7");
}

TEST_F(MoredbChartsTest, MissingFilesAreWrittenWithTheirDefaults) {
    use({});
    const std::vector<std::string> styles = loadFieldStyles(*ws);
    ASSERT_EQ(styles.size(), 10u);
    EXPECT_EQ(styles[0], "田野走势图1");
    EXPECT_EQ(styles[9], "田野走势图10");
    EXPECT_TRUE(std::filesystem::exists(ws->file("save\\tyzsdstyle.txt")));

    const FieldMatrix m = loadFieldMatrix(*ws, 3, "田野走势图4");
    const auto bytes = readFileBytes(ws->file("save\\mb_tyd3.jz"));
    ASSERT_TRUE(bytes);
    const std::vector<std::string> lines = readGbkLines(*bytes);
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[0], "田野走势图4");
    EXPECT_EQ(lines[1], "6");
    EXPECT_EQ(lines[2], "6");
    EXPECT_EQ(lines[3], "01 02 03 04 05 06 ");
    EXPECT_EQ(lines[8], "31 32 33 34 35 36 ");
    EXPECT_EQ(m.name, "田野走势图4");
    EXPECT_EQ(m.cells[1][1], 8);

    // An existing file is read as it stands, not overwritten.
    writeFileAtomically(ws->file("save\\tyzsdstyle.txt"), joinGbkLines({"甲", "乙"}));
    EXPECT_EQ(loadFieldStyles(*ws), (std::vector<std::string>{"甲", "乙"}));
    writeFileAtomically(ws->file("save\\mb_tyd0.jz"), joinGbkLines({"二行", "2", "2", "5 6", "7 8"}));
    const FieldMatrix small = loadFieldMatrix(*ws, 0, "ignored");
    EXPECT_EQ(small.name, "二行");
    EXPECT_EQ(small.cells[0][1], 7);
}

TEST_F(MoredbChartsTest, DamagedMatrixFilesLoadWhatTheyCan) {
    use({{2020001, 8, 36, 40, 1, 2, 3, 7}});
    struct Case {
        std::vector<std::string> lines;
        int cols, rows;
        int v01;  // matrix[0][1], kFieldEmpty when missing
    } cases[] = {
        {{}, 6, 6, kFieldEmpty},
        {{"name only"}, 6, 6, kFieldEmpty},
        {{"zero", "0", "0", "1"}, 1, 1, kFieldEmpty},
        {{"negative", "-3", "2", "1 2"}, 1, 2, 2},
        {{"huge", "12", "11", "1 2 3 4 5 6 7 8 9 10 11 12", "13"}, 10, 10, 13},
        {{"short", "3", "3", "1 2 3", "4"}, 3, 3, 4},
        {{"text", "3", "x"}, 3, 6, kFieldEmpty},
        {{"big value", "1", "2", "1", "999"}, 1, 2, kFieldEmpty},
    };
    for (const Case& c : cases) {
        const FieldMatrix m = parseFieldMatrix(c.lines);
        EXPECT_EQ(m.cols, c.cols) << (c.lines.empty() ? "" : c.lines[0]);
        EXPECT_EQ(m.rows, c.rows) << (c.lines.empty() ? "" : c.lines[0]);
        EXPECT_EQ(m.cells[0][1], c.v01) << (c.lines.empty() ? "" : c.lines[0]);
        ChartSettings s;
        s.view = ChartView::Field;
        s.field = m;
        grid.Reset();
        draw(s);
        EXPECT_EQ(markedColumns(rowOfDraw(0)).size(), 7u);
    }
}

TEST_F(MoredbChartsTest, AnEmptyHistoryShowsOnlyTheSelectionRow) {
    use({});
    for (ChartView v : {ChartView::Tail, ChartView::Counts, ChartView::Sum, ChartView::Field}) {
        ChartSettings s = v == ChartView::Field ? fieldSettings() : ChartSettings{};
        s.view = v;
        grid.Reset();
        draw(s);
        EXPECT_EQ(grid.GetCellText(0, grid.fixedRows), kChartSelectionCaption);
        EXPECT_TRUE(markedColumns(grid.fixedRows).empty());
    }
}

}  // namespace
}  // namespace qorvel
