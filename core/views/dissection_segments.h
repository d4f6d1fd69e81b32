// The segment and single-value views of the dissection page: the history cut into segments of a chosen
// length with one statistic per segment, and for one value the omission before each of its occurrences.
// Both work on one value per draw, oldest first, with the issue of every draw beside it; a forecast row
// (the last draw, issue 9999999) carries no drawn value and is never counted as one.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "views/draw_surface.h"
#include "views/tcoordinate.h"

namespace qorvel {

inline constexpr int kLongestSegment = 50;
inline constexpr int kShortestSegment = 2;
inline constexpr int kDefaultSegmentLength = 5;
inline constexpr int kLargestSegmentOffset = 10;
inline constexpr int kSmallestSegmentOffset = -10;
inline constexpr int kDefaultSegmentOffset = 1;
inline constexpr int kSegmentChartWindow = 20;
inline constexpr int kValueOmissionWindow = 36;

// The segment lengths the length combo offers, longest first: 50, 45, …, 10 in fives, then 9 … 2.
std::vector<int> segmentLengthChoices();

// What each segment shows, in the order of the content combo.
enum class SegmentContent { Sum = 0, Average, Max, Min, AverageAmplitude, Repeats };
// "区段总和", "区段平均值", "区段最大值", "区段最小值", "区段平均振幅", "相同个数".
const std::vector<std::string>& segmentContentNames();
// Averages are kept in tenths of a value (rounded half away from zero), the others in whole values.
bool segmentContentInTenths(SegmentContent content);

// The draws that hold drawn values: all of them, or all but a trailing forecast row.
int drawnCount(const std::vector<int32_t>& issues);

struct Segment {
    int first = 0;          // 0-based index of its oldest draw
    int count = 0;          // draws in it
    int32_t issue = 0;      // issue of its oldest draw
    int32_t value = 0;      // the chosen statistic, in tenths for averages
    bool operator==(const Segment&) const = default;
};

// Cuts the drawn draws into segments of `length` (kept within 2…50). The cut is anchored at the newest draw:
// with offset 1 the newest segment ends at the newest draw; offset o moves every cut o − 1 draws towards
// the older end (towards the newer end when o < 1), so the newest (o − 1) mod length draws form a shorter
// newest segment. The oldest segment holds what is left over. Segments are oldest first.
//   区段总和/最大值/最小值: sum, largest, smallest value of the segment's draws;
//   区段平均值: their mean;
//   区段平均振幅: the mean of |x(i) − x(i − 1)| over neighbouring draws inside the segment (0 for one draw);
//   相同个数: draws whose value already occurred earlier in the same segment (count − distinct values).
std::vector<Segment> segmentSeries(const std::vector<int32_t>& series, const std::vector<int32_t>& issues,
                                   int length, int offset, SegmentContent content);

// A segment's label: its issue followed by "(共" n "期)".
std::string segmentLabel(const Segment& segment);
// A value in tenths as text with one decimal ("12.4", "-0.3", "7.0").
std::string tenthsText(int32_t tenths);

// Draws up to `shown` segments from index `first` as one chart over the whole picture: each segment a
// point labelled below the axis with its issue and, on the next line, "(共" n "期)" (labels alternate between
// two rows when they would touch). The y axis covers the values of every segment, so scrolling keeps it.
void drawSegmentChart(tcoordinate& axes, DrawSurface& surface, int width, int height,
                      const std::vector<Segment>& segments, bool tenths, int first, int shown,
                      const std::string& title);

// One entry per occurrence of a value, oldest first: its issue and the draws since the previous
// occurrence (since the first draw for the first occurrence), and the change from the previous entry
// (the omission itself for the first, as if an omission of 0 came before). When the newest drawn draw
// is not an occurrence, one more entry holds the current omission under the newest issue. With a forecast
// row, the last entry is instead the forecast row's: the omission the value would end if drawn next.
struct ValueOmission {
    int32_t issue = 0;
    int32_t omission = 0;
    int32_t change = 0;
    bool operator==(const ValueOmission&) const = default;
};
std::vector<ValueOmission> valueOmissionHistory(const std::vector<int32_t>& series,
                                                const std::vector<int32_t>& issues, int32_t value);

// The chart titles for value v of the series titled `title`: title + "取值" + v + "的遗漏走势" and
// title + "取值" + v + "的遗漏振幅走势".
std::string valueOmissionTitle(const std::string& title, int32_t value);
std::string valueOmissionChangeTitle(const std::string& title, int32_t value);

inline constexpr int kMostValueChoices = 1000;
// The values the value combo offers: min … max, or for a wider range only the values the series holds,
// ascending (every other value would only show "never drawn").
std::vector<int32_t> valueChoices(const std::vector<int32_t>& series, const std::vector<int32_t>& issues,
                                  int32_t min, int32_t max);

}  // namespace qorvel
