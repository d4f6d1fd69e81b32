// The statistics sub-pages of the dissection page, computed over a span of draws of one series: counts of
// the values by category (odd/even, prime/composite, zones of the value range, remainders), the occurrence
// count of every value, and the omission statistics of every value, with their orderings and pages.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "types/lottery_type.h"
#include "views/dissection_series.h"

namespace qorvel {

inline constexpr int kMinItemZones = kMinZoneCount;
inline constexpr int kMaxItemZones = kMaxZoneCount;
inline constexpr int kDefaultItemZones = 3;
inline constexpr int kMinItemDivisor = 2;
inline constexpr int kMaxItemDivisor = 20;
inline constexpr int kDefaultItemDivisor = 3;
// A value range wider than this lists only the values that occur (see tallyValues).
inline constexpr int kMaxListedValues = 2000;
// Values per page: the occurrence chart has one bar per value, the omission chart five.
inline constexpr int kCountChartPageSize = 25;
inline constexpr int kOmissionChartPageSize = 10;
// Draws counted by default: the last 100.
inline constexpr int kDefaultStatisticsDraws = 100;
// The row of draws that fall in no category (0 and negative values are neither prime nor composite).
inline constexpr const char* kOtherItemCaption = "其它";

// The draws a statistic counts, 1-based and inclusive; empty when first > last.
struct DrawSpan {
    int first = 1, last = 0;
    int count() const { return last >= first ? last - first + 1 : 0; }
    bool operator==(const DrawSpan&) const = default;
};

// The last n of drawCount draws (all of them when n < 1 or n exceeds the count).
DrawSpan lastDrawsSpan(int drawCount, int n);
// Draws fromDraw…toDraw kept inside 1…drawCount; a start after the end gives an empty span.
DrawSpan drawsBetween(int fromDraw, int toDraw, int drawCount);

// ---- Itemised statistics ("分项统计") ----

enum class ItemGrouping { OddEven, PrimeComposite, Zones, Remainders };

struct ItemRow {
    std::string caption;
    int count = 0;
    bool operator==(const ItemRow&) const = default;
};

struct ItemStatistics {
    int draws = 0;              // draws counted, the base of the percentages
    std::vector<ItemRow> rows;  // in category order; "其它" last, only when some draw fell in no category
    // "57.3%": the row's share of the draws, one decimal, half up on the exact quotient.
    std::string percent(const ItemRow& row) const;
};

// The zone bounds of `zones` zones over range.min…range.max: zone sizes as the zone table splits the main
// numbers (the quotient each, the last zones one more), so a 1…33 range splits like the main numbers. More
// zones than values are reduced to one value per zone. Entry j is the upper bound of zone j (entry 0 is
// range.min − 1).
std::vector<int64_t> valueZoneBounds(SeriesRange range, int zones);
// "第" n "分区<" a ".." b ">;"
std::string zoneCaption(int zone, int64_t low, int64_t high);

// `parameter` is the zone count (kept within 2…15) for Zones and the divisor k (kept within 2…20) for
// Remainders. Odd/even and remainders follow the truncating remainder: a negative remainder falls in no row.
ItemStatistics itemStatistics(const std::vector<int32_t>& series, DrawSpan span, ItemGrouping grouping,
                              int parameter, SeriesRange range);

// ---- Occurrences ("出现次数统计图") ----

enum class ValueOrder { ByValue, Ascending, Descending };

struct ValueCount {
    int64_t value = 0;
    int count = 0;
    bool operator==(const ValueCount&) const = default;
};

struct OccurrenceStatistics {
    int draws = 0;
    int outside = 0;                // draws whose value lies outside the listed range
    std::vector<ValueCount> values;  // ascending by value: every value of the range, or those that occurred
};

OccurrenceStatistics occurrenceStatistics(const std::vector<int32_t>& series, DrawSpan span, SeriesRange range);
// The values in `order`: by count, equal counts keeping ascending value order.
std::vector<ValueCount> orderedCounts(const std::vector<ValueCount>& values, ValueOrder order);

// ---- Omissions ("遗漏次数统计图") ----

// One value's omissions over the span, walked as the omission table walks a column: a value drawn at the
// span's first draw records nothing; every later occurrence records the draws missed since the previous one
// (or since the span began).
struct ValueOmissions {
    int64_t value = 0;
    int occurrences = 0;
    std::optional<int> maxOmission, minOmission;
    std::optional<int> averageOmission;  // recorded sum / occurrences, halves to even
    std::optional<int> lastOmission;     // the omission recorded at the last occurrence
    int currentOmission = 0;             // draws after the last occurrence; the whole span when never drawn
    bool operator==(const ValueOmissions&) const = default;
};

// The measures the chart shows and sorts by, in the order of their captions.
enum class OmissionMeasure { Value, Max, Min, Average, Last, Current };
inline constexpr const char* kOmissionMeasureCaptions[] = {"指标取值", "最大遗漏", "最小遗漏",
                                                           "平均遗漏", "上次遗漏", "本次遗漏"};
inline constexpr int kOmissionMeasureCount = 6;

struct OmissionStatistics {
    int draws = 0;
    std::vector<ValueOmissions> values;  // ascending by value, listed as occurrenceStatistics lists them
};

OmissionStatistics omissionStatistics(const std::vector<int32_t>& series, DrawSpan span, SeriesRange range);
// The measure of one value; nothing where no omission was recorded.
std::optional<int64_t> omissionMeasure(const ValueOmissions& v, OmissionMeasure measure);
// The values by `measure` (ByValue keeps them as they are). Values without the measure come last in either
// direction, so a sort shows the values it can order first. Ties keep ascending value order.
std::vector<ValueOmissions> orderedOmissions(const std::vector<ValueOmissions>& values, OmissionMeasure measure,
                                             ValueOrder order);

// ---- Pages ----

// Pages of `pageSize` items over `items` (at least one page, also when there are no items).
int pageCount(int items, int pageSize);
// The items of page `page` (0-based, kept within the pages): [first, first + size).
struct PageSlice {
    int first = 0, size = 0;
    bool operator==(const PageSlice&) const = default;
};
PageSlice pageSlice(int items, int pageSize, int page);

}  // namespace qorvel
