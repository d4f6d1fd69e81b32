// Sample set-ups of the view components for the gallery test and the drawing benchmark: a distribution
// chart on the grid (52 columns, balls in every row, a merged zone caption, links, a highlighted row),
// the two trend charts of the indicator view (value and odd/even feature with a forecast row) and a
// coordinate chart pair. Plain core code over a generated history, so both programs draw the same thing.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "views/draw_surface.h"
#include "views/t_s_grid.h"
#include "views/t_s_zsd.h"
#include "views/tcoordinate.h"

namespace qorvel::gallery {

constexpr int kMainCount = 6;
constexpr int kMainMax = 33;
constexpr int kGridColumns = 52;
constexpr int kGridRows = 40;
constexpr int kFirstNumberColumn = 2;
constexpr int kForecastIssue = 9999999;

struct SampleDraw {
    int issue = 0;
    std::array<int, kMainCount> numbers{};
    int special = 0;
};

// `count` draws from 2009001 on, numbers from a fixed linear congruential sequence; the last one is the
// forecast row when `forecast` is set.
inline std::vector<SampleDraw> sampleHistory(int count, bool forecast) {
    std::vector<SampleDraw> draws;
    std::uint32_t seed = 12345;
    auto next = [&] {
        seed = seed * 1103515245u + 12345u;
        return static_cast<int>((seed >> 16) & 0x7FFF);
    };
    for (int i = 0; i < count; ++i) {
        SampleDraw d;
        d.issue = 2009001 + i;
        std::vector<int> pool;
        for (int n = 1; n <= kMainMax; ++n) pool.push_back(n);
        for (int k = 0; k < kMainCount; ++k) {
            const int at = next() % static_cast<int>(pool.size());
            d.numbers[k] = pool[at];
            pool.erase(pool.begin() + at);
        }
        std::sort(d.numbers.begin(), d.numbers.end());
        d.special = next() % 16 + 1;
        draws.push_back(d);
    }
    if (forecast && !draws.empty()) draws.back().issue = kForecastIssue;
    return draws;
}

inline std::string twoDigits(int n) {
    return n < 10 ? "0" + std::to_string(n) : std::to_string(n);
}

// Sets the grid up as the distribution chart of `history` inside `bounds`, rows from `topRow` on
// (1-based), with `selectedRow` highlighted and the number columns scrolled by `scrollX`.
inline void fillDistributionGrid(t_s_grid& grid, const std::vector<SampleDraw>& history, const Rect& bounds,
                                 int topRow, int selectedRow, int scrollX) {
    if (grid.colCount != kGridColumns) grid.Create(kGridColumns, kGridRows);
    grid.ClearContents();
    grid.fixedRows = 2;
    grid.frozenCols = 1;
    grid.drawnCols = kMainMax - 1 + 3;  // issue, draw and one column per number
    grid.zoneCount = 1;
    grid.zones[0] = {kFirstNumberColumn, kFirstNumberColumn + kMainMax - 1};
    const Colour border = rgbColour(163, 204, 207);
    for (int col = 0; col < grid.drawnCols; ++col) {
        grid.SetColumnWidth(col, col == 0 ? 60 : col == 1 ? 170 : 20);
        grid.SetColumnPen(col, Pen{border, 2, PenStyle::Solid});
        grid.SetColumnColor(col, kWhite);
        for (int row = 0; row < kGridRows; ++row) {
            t_s_cell& c = grid.cell(col, row);
            c.fontColor = col == 0 ? kBlack : col == 1 ? kRed : kWhite;
            c.fontSize = col >= kFirstNumberColumn ? 10 : 8;
        }
        if (col == 0) continue;
        grid.cell(col, 0).background = rgbColour(29, 108, 103);
        grid.cell(col, 1).background = rgbColour(2, 122, 185);
        grid.cell(col, 1).fontColor = kWhite;
    }
    grid.SetColumnBorders(0, false);
    grid.SetCellText(1, 0, "开奖号");
    grid.cell(1, 0).fontColor = kWhite;
    grid.cell(1, 0).fontSize = 10;
    grid.MergeAcross(0, kFirstNumberColumn, kFirstNumberColumn + kMainMax - 1);
    grid.SetCellText(kFirstNumberColumn, 0, "开奖红球");
    for (int n = 1; n <= kMainMax; ++n) grid.SetCellText(kFirstNumberColumn + n - 1, 1, std::to_string(n));
    grid.scrollX = scrollX;
    grid.topRow = topRow;
    grid.selectedRow = selectedRow;
    grid.dataRowCount = static_cast<int>(history.size());
    grid.SetBounds(bounds);

    t_s_cell* previousFirst = nullptr;
    for (int k = 0; k < grid.visibleRows; ++k) {
        const int index = topRow + k;  // 1-based history index
        if (index < 1 || index > static_cast<int>(history.size())) break;
        const SampleDraw& d = history[index - 1];
        const int row = grid.fixedRows + k;
        grid.SetCellText(0, row, d.issue == kForecastIssue ? "预测区" : std::to_string(d.issue));
        std::string numbers;
        for (int n : d.numbers) numbers += twoDigits(n) + " ";
        grid.SetCellText(1, row, numbers + "- " + twoDigits(d.special));
        for (int i = 0; i < kMainCount; ++i) {
            const int n = d.numbers[i];
            t_s_cell& c = grid.cell(kFirstNumberColumn + n - 1, row);
            c.mark.kind = kMarkPicture;
            c.mark.transparent = 1;
            const bool neighbour = (i > 0 && d.numbers[i - 1] == n - 1) || (i + 1 < kMainCount && d.numbers[i + 1] == n + 1);
            c.mark.tile = neighbour ? 0 : 2;
            c.text = twoDigits(n);
            c.tag = 1;
        }
        // The smallest number of each row joined to the next row's: a sample of the link pass.
        t_s_cell& first = grid.cell(kFirstNumberColumn + d.numbers[0] - 1, row);
        if (previousFirst) {
            previousFirst->linkOn = 1;
            previousFirst->linkTarget = &first;
            previousFirst->linkColor = rgbColour(0, 128, 255);
        }
        previousFirst = &first;
    }
    // With rows to spare after the newest draw, the next row is the selection row kept in the spare row.
    const int shown = static_cast<int>(history.size()) - topRow + 1;
    if (shown >= 0 && shown < grid.visibleRows) {
        const int row = grid.fixedRows + shown;
        grid.CopySpareToRow(row);
        grid.SetCellText(0, row, "选号区");
    }
}

// Marks `numbers` as selected in the spare row, as a click in the selection row does.
inline void selectInSpareRow(t_s_grid& grid, const std::vector<int>& numbers) {
    for (int n : numbers) {
        t_s_cell& c = grid.spare(kFirstNumberColumn + n - 1);
        c.tag = 1;
        c.text = twoDigits(n);
        c.mark.kind = kMarkPicture;
        c.mark.transparent = 1;
        c.mark.tile = 1;
    }
}

inline int sumOf(const SampleDraw& d) {
    int sum = 0;
    for (int n : d.numbers) sum += n;
    return sum;
}

// The two charts of the indicator view over `history`: the sum of the main numbers and its odd/even
// feature, laid out in width x height as that view lays them out (text height t from the surface).
inline void fillTrendPair(t_s_zsd& value, t_s_zsd& feature, const std::vector<SampleDraw>& history, int width,
                          int height, int textHeight, int points) {
    const int count = static_cast<int>(history.size());
    value.Resize(count);
    feature.Resize(count);
    for (int i = 1; i <= count; ++i) {
        const int v = sumOf(history[i - 1]);
        value.series[i] = {history[i - 1].issue, v};
        feature.series[i] = {history[i - 1].issue, v % 2 + 1};
    }
    value.title = "和值";
    feature.title = "和值的奇偶";
    value.lineColor = kBlue;
    feature.lineColor = feature.markerColor = kRed;
    feature.SetCategoryLabels({"偶", "奇"});
    value.outerRect = {10, 10, width - 20, height / 2 - 20};
    feature.outerRect = {10, height / 2 + 10, width - 20, height - 20};
    for (t_s_zsd* chart : {&value, &feature}) {
        const int m = textHeight + 10;
        chart->plotRect = {30, m, chart->outerRect.width() - 10, chart->outerRect.height() - textHeight - 10};
        chart->pointCount = points;
        chart->startIndex = 0;
    }
    value.ChooseYRange(kMainCount);
    value.PositionNewest();
    feature.startIndex = value.startIndex;
    value.Rescale();
    feature.Rescale();
}

// A coordinate chart pair over the last `points` draws: the sum's tail digit and its change.
inline void drawCoordinatePair(tcoordinate& axes, DrawSurface& surface, const std::vector<SampleDraw>& history,
                               int width, int height, int points) {
    const int first = std::max(0, static_cast<int>(history.size()) - points);
    std::vector<SeriesPoint> tails, changes;
    for (int i = first; i < static_cast<int>(history.size()); ++i) {
        const int tail = sumOf(history[i]) % 10;
        tails.push_back({history[i].issue, tail});
        const int before = tails.size() > 1 ? tails[tails.size() - 2].value : tail;
        changes.push_back({history[i].issue, std::abs(tail - before)});
    }
    // The range reaches one above the largest value so the value labels stay inside the picture.
    axes.ChartPair(surface, height, width, 10, 0, "和值尾数", kPairUpperHalf, tails, first + 1);
    axes.ChartPair(surface, height, width, 10, 0, "和值尾数振幅", kPairLowerHalf, changes, first + 1);
}

}  // namespace qorvel::gallery
