// Whole drawings on the recording surface compared line by line with golden files. After a deliberate
// change of a drawing, rewrite them with
//     QORVEL_UPDATE_GOLDEN=1 ./build/tests/core_tests --gtest_filter='ViewsGolden*'
// and review the diff of tests/data/golden/ before committing.
#include <gtest/gtest.h>

#include <cstdlib>

#include "recording_surface.h"
#include "views/t_s_grid.h"
#include "views/t_s_zsd.h"
#include "views/tcoordinate.h"

using namespace qorvel;
using namespace qorvel::testing;

namespace {

// A small distribution chart: a frozen issue column, a merged zone caption, picture and shape marks,
// links between drawn numbers, a highlighted row and a horizontal scroll.
void buildGrid(t_s_grid& grid) {
    constexpr int kCols = 8;
    grid.Create(kCols, 6);
    grid.fixedRows = 2;
    grid.zoneCount = 1;
    grid.zones[0] = {1, kCols - 1};
    grid.SetColumnWidth(0, 50);
    grid.SetColumnBorders(0, false);
    for (int col = 1; col < kCols; ++col) {
        grid.SetColumnWidth(col, 20);
        grid.SetColumnPen(col, Pen{rgbColour(163, 204, 207), 2, PenStyle::Solid});
        grid.SetColumnColor(col, grid.palette[0]);
        grid.cell(col, 0).background = rgbColour(29, 108, 103);
        grid.cell(col, 1).background = rgbColour(2, 122, 185);
        grid.cell(col, 1).fontColor = kWhite;
        grid.cell(col, 1).fontSize = 10;
        grid.SetCellText(col, 1, std::to_string(col));
    }
    grid.MergeAcross(0, 1, kCols - 1);
    grid.SetCellText(1, 0, "开奖红球");
    grid.cell(1, 0).fontColor = kWhite;
    for (int row = 2; row < 6; ++row) grid.SetCellText(0, row, std::to_string(2009000 + row));
    grid.SetCellText(0, 5, "预测区");

    t_s_cell& ball = grid.cell(2, 2);
    ball.mark.kind = kMarkPicture;
    ball.mark.transparent = 1;
    ball.mark.tile = 0;
    ball.text = "02";
    t_s_cell& square = grid.cell(3, 3);
    square.mark.kind = kMarkPicture;
    square.mark.tile = 1;
    square.text = "03";
    t_s_cell& ring = grid.cell(4, 4);
    ring.mark = {kWhite, 14, 14, kRed, 1, 0, kMarkEllipse, 0, 0};
    t_s_cell& box = grid.cell(5, 5);
    box.mark = {kWhite, 12, 12, kBlue, 1, static_cast<std::uint8_t>(PenStyle::Dot), kMarkRectangle, 0, 0};
    ball.linkOn = 1;
    ball.linkTarget = &square;
    ball.linkColor = kRed;
    square.linkOn = 1;
    square.linkTarget = &ring;

    grid.scrollX = 10;
    grid.topRow = 1;
    grid.selectedRow = 2;
    grid.SetBounds({5, 5, 185, 125});
}

}  // namespace

TEST(ViewsGolden, GridWithMergesMarksAndLinks) {
    t_s_grid grid;
    buildGrid(grid);
    ASSERT_EQ(grid.visibleRows, 4);
    RecordingSurface target(200, 140);
    grid.Draw(target);
    EXPECT_EQ(compareWithGolden("grid_merges_marks_links.txt", target.log()), "");
}

TEST(ViewsGolden, TrendChartWithForecastBoxAndTextLabels) {
    t_s_zsd chart;
    const int values[] = {1, 2, 2, 1, 1, 2, 1, 2, 2, 2, 1, 2};
    chart.Resize(12);
    for (int i = 1; i <= 12; ++i) chart.series[i] = {2009040 + i, values[i - 1]};
    chart.series[12].issue = kTrendForecastIssue;
    chart.SetCategoryLabels({"小", "大"});
    chart.title = "和值的大小";
    chart.markerStyle = kMarkerFilledCircle;
    chart.markerColor = kRed;
    chart.lineColor = kRed;
    chart.pointCount = 12;
    chart.PositionNewest();
    chart.outerRect = {10, 10, 410, 190};
    chart.plotRect = {30, 22, 390, 158};
    chart.Rescale();
    RecordingSurface target(420, 200);
    chart.Draw(target);
    EXPECT_EQ(compareWithGolden("trend_forecast_labels.txt", target.log()), "");
}

TEST(ViewsGolden, CoordinateChartPair) {
    std::vector<SeriesPoint> values, changes;
    const int series[] = {12, 15, 9, 20, 18, 7, 11, 16, 14};
    for (int i = 0; i < 9; ++i) {
        values.push_back({2009101 + i, series[i]});
        changes.push_back({2009101 + i, i == 0 ? series[0] : std::abs(series[i] - series[i - 1])});
    }
    values.back().issue = changes.back().issue = kTrendForecastIssue;
    tcoordinate axes;
    RecordingSurface target(360, 400);
    axes.ChartPair(target, 400, 360, 20, 5, "遗漏走势", kPairUpperHalf, values, 30);
    axes.ChartPair(target, 400, 360, 13, 0, "遗漏振幅走势", kPairLowerHalf, changes, 30);
    EXPECT_EQ(compareWithGolden("coordinate_pair.txt", target.log()), "");
}
