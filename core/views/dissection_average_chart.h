// The moving-average chart of the dissection page: the series and its 2-, 3-, 4-, 5- and 10-draw averages
// over a window of draws on one coordinate chart, each line in its legend colour.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "views/draw_surface.h"
#include "views/tcoordinate.h"

namespace qorvel {

inline constexpr std::array<int, 5> kAverageSpans{2, 3, 4, 5, 10};
inline constexpr const char* kAverageLegend =
    "黑色:常规线    绿色：二期均值    紫色：三期均值    橙色：四期均值    红色:五期均期    蓝色:十期均期   ";

struct AverageChartInput {
    const std::vector<int32_t>* series = nullptr;
    const std::vector<int32_t>* issues = nullptr;
    int first = 1;   // 1-based first draw of the window
    int draws = 36;  // window length
    int32_t yMin = 0, yMax = 1;
    bool regular = true;                          // 常规线
    std::array<bool, kAverageSpans.size()> spans{};  // which averages are drawn
    std::string title;
};

Colour averageColour(int spanIndex);
void drawAverageChart(DrawSurface& surface, int width, int height, tcoordinate& axes, const AverageChartInput& in);

}  // namespace qorvel
