// The pictures of the five image trend views, drawn through one coordinate record: the stacked remainder
// charts of the main-number positions, the gap chart of the sorted main numbers, the spread chart (mean,
// standard deviation, coefficient of variation), and the value/amplitude chart pairs of the omission
// history and of the related-value series. Each draws a window of `length` draws from draw `first`
// (1-based) on a width x height picture.
#pragma once

#include <string>
#include <vector>

#include "draws/t_s_dm.h"
#include "types/lottery_type.h"
#include "views/draw_surface.h"
#include "views/image_series.h"
#include "views/tcoordinate.h"

namespace qorvel {

inline constexpr int kGapBarWidth = 16;
inline constexpr int kGapLineWidth = 2;

// The last window start the scroll bar offers, which shows the newest `length` draws (1 when everything
// fits); views open there.
int lastWindowStart(int total, int length);

// 主号余数图: one chart per main-number position, stacked top to bottom, titled "主号" + k; issue labels
// under the last chart only.
void drawRemainderCharts(tcoordinate& axes, DrawSurface& surface, int width, int height, const t_s_dm& store,
                         const TypeParams& params, int modulus, int first, int length);

// 间隔分析: `pair` 0 shows every position, k > 0 the pair gapPairItems()[k − 1] in red.
enum class GapMarking { Gaps = 0, Numbers = 1 };
// The positions a 间隔分析 item draws, highest first (every position for item 0).
std::vector<int> gapPositions(int pair, int mainCount);
void drawGapChart(tcoordinate& axes, DrawSurface& surface, int width, int height, const t_s_dm& store,
                  const TypeParams& params, int pair, GapMarking marking, int first, int length);

// 离中量 in one of its three modes. `title` is written over the axes.
void drawSpreadChart(tcoordinate& axes, DrawSurface& surface, int width, int height, const t_s_dm& store,
                     const TypeParams& params, SpreadMode mode, const std::string& title, int first, int length);

// 主号遗漏走势: the omission entries of `number` and their amplitudes, 36 entries from entry `first`.
void drawOmissionTrend(tcoordinate& axes, DrawSurface& surface, int width, int height,
                       const std::vector<OmissionEntry>& entries, int number, int first);

// 扩展系列一: the code's value per draw over its amplitude.
void drawExtensionCharts(tcoordinate& axes, DrawSurface& surface, int width, int height, const ValueSeries& series,
                         const std::string& title, int first, int length);
// The titles of the two charts of a code.
std::string extensionValueTitle(const std::string& code);
std::string extensionAmplitudeTitle(const std::string& code);

}  // namespace qorvel
