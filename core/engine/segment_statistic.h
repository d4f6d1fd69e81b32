// Segment statistics: a statistic of the value column over a run of draws, for the indicator dissection.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "draws/t_s_dm.h"

namespace qorvel {

// The statistic kinds, by the texts the dissection page passes.
constexpr std::string_view kSegmentSum = "区段总和";
constexpr std::string_view kSegmentMean = "区段平均值";
constexpr std::string_view kSegmentMaximum = "区段最大值";
constexpr std::string_view kSegmentMinimum = "区段最小值";
constexpr std::string_view kSegmentMeanAmplitude = "区段平均振幅";
constexpr std::string_view kSegmentRepeats = "相同个数";

// The statistic of the value column over the draws from issue fromIssue back to issue toIssue inclusive
// (stopping at the first draw of the history, and before any draw older than toIssue). The run always
// holds the draw of fromIssue. 0 when fromIssue is not in the store or the kind is unknown. The cursor
// does not move.
int32_t segmentStatistic(const t_s_dm& store, std::string_view kind, int32_t fromIssue, int32_t toIssue);

// The same statistic over a list of values (the run, in any order of draws).
int32_t segmentStatistic(std::string_view kind, std::span<const int32_t> values);

// num ÷ den rounded to the nearest integer, halves to even; den > 0.
int64_t roundHalfToEven(int64_t num, int64_t den);

}  // namespace qorvel
