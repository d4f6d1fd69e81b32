// The three lines of the indicator trend view's statistics memo, computed from both series with the
// trend chart's own value range and run statistics.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "views/indicator_trend.h"
#include "views/t_s_zsd.h"

namespace qorvel {

// A chart holding one value per draw (indices 1..n, oldest first) with its issues.
t_s_zsd trendChartOf(const std::vector<int32_t>& issues, const std::vector<int32_t>& values);

// Line 1 for the indicator series, line 2 for its feature, line 3 the range's first and last issue.
// An empty range (no draws, or a range whose start lies after its end) reports zeros rather than the
// search's start values.
std::array<std::string, 3> trendMemoLines(const TrendSeries& series, const IndexRange& range);

}  // namespace qorvel
