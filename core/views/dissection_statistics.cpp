#include "views/dissection_statistics.h"

#include <algorithm>
#include <climits>
#include <unordered_map>

#include "engine/indicators.h"
#include "engine/segment_statistic.h"
#include "types/lottery_type.h"
#include "views/value_tally.h"
#include "views/view_text.h"

namespace qorvel {
namespace {

// The span's values, oldest first.
std::vector<int32_t> spanValues(const std::vector<int32_t>& series, DrawSpan span) {
    const int first = std::max(span.first, 1);
    const int last = std::min(span.last, static_cast<int>(series.size()));
    if (first > last) return {};
    return {series.begin() + (first - 1), series.begin() + last};
}

bool isComposite(int64_t v) { return v > 1 && !isPrime(static_cast<int>(v)); }

// Counts every value into the row `category` returns (-1: no row, counted as "其它").
template <class Category>
ItemStatistics countItems(const std::vector<int32_t>& values, std::vector<std::string> captions,
                          Category&& category) {
    ItemStatistics stats;
    stats.draws = static_cast<int>(values.size());
    for (std::string& caption : captions) stats.rows.push_back({std::move(caption), 0});
    int other = 0;
    for (int32_t v : values) {
        const int row = category(v);
        if (row >= 0 && row < static_cast<int>(stats.rows.size()))
            ++stats.rows[static_cast<std::size_t>(row)].count;
        else
            ++other;
    }
    if (other > 0) stats.rows.push_back({kOtherItemCaption, other});
    return stats;
}

int64_t rangeSize(SeriesRange range) {
    return std::max<int64_t>(0, static_cast<int64_t>(range.max) - range.min + 1);
}

}  // namespace

DrawSpan lastDrawsSpan(int drawCount, int n) {
    if (drawCount < 1) return {1, 0};
    const int take = (n < 1 || n > drawCount) ? drawCount : n;
    return {drawCount - take + 1, drawCount};
}

DrawSpan drawsBetween(int fromDraw, int toDraw, int drawCount) {
    const int first = std::max(fromDraw, 1), last = std::min(toDraw, drawCount);
    if (first > last) return {1, 0};
    return {first, last};
}

std::string ItemStatistics::percent(const ItemRow& row) const { return percentText(row.count, draws); }

std::vector<int64_t> valueZoneBounds(SeriesRange range, int zones) {
    const int64_t size = rangeSize(range);
    const int64_t n = std::clamp<int64_t>(zones, 1, std::max<int64_t>(size, 1));
    std::vector<int64_t> bounds(static_cast<std::size_t>(n) + 1, static_cast<int64_t>(range.min) - 1);
    if (size <= INT_MAX && n >= kMinZoneCount && n <= kMaxZoneCount) {
        // The zone table's own rule, laid over the value range.
        const ZoneBounds zoneTable = buildZoneBounds(static_cast<int>(size));
        const std::vector<int>& table = zoneTable.forCount(static_cast<int>(n));
        for (std::size_t k = 1; k < bounds.size(); ++k) bounds[k] = bounds[0] + table[k];
    } else {
        // One zone, or a range too wide for the table: the same quotient split.
        const int64_t base = size / n, rest = size % n;
        for (int64_t k = 1; k <= n; ++k)
            bounds[static_cast<std::size_t>(k)] = bounds[static_cast<std::size_t>(k - 1)] + base + (n - k < rest ? 1 : 0);
    }
    return bounds;
}

std::string zoneCaption(int zone, int64_t low, int64_t high) {
    return "第" + std::to_string(zone) + "分区<" + std::to_string(low) + ".." + std::to_string(high) + ">;";
}

ItemStatistics itemStatistics(const std::vector<int32_t>& series, DrawSpan span, ItemGrouping grouping,
                              int parameter, SeriesRange range) {
    const std::vector<int32_t> values = spanValues(series, span);
    switch (grouping) {
    case ItemGrouping::OddEven:
        return countItems(values, {"奇", "偶"}, [](int32_t v) { return v % 2 != 0 ? 0 : 1; });
    case ItemGrouping::PrimeComposite:
        return countItems(values, {"质", "合"}, [](int32_t v) {
            return isPrime(v) ? 0 : isComposite(v) ? 1 : -1;
        });
    case ItemGrouping::Zones: {
        const std::vector<int64_t> bounds =
            valueZoneBounds(range, std::clamp(parameter, kMinItemZones, kMaxItemZones));
        std::vector<std::string> captions;
        for (std::size_t j = 1; j < bounds.size(); ++j)
            captions.push_back(zoneCaption(static_cast<int>(j), bounds[j - 1] + 1, bounds[j]));
        return countItems(values, std::move(captions), [&](int32_t v) {
            if (v <= bounds.front() || v > bounds.back()) return -1;
            return static_cast<int>(std::lower_bound(bounds.begin() + 1, bounds.end(), int64_t{v}) - bounds.begin()) - 1;
        });
    }
    case ItemGrouping::Remainders: {
        const int k = std::clamp(parameter, kMinItemDivisor, kMaxItemDivisor);
        std::vector<std::string> captions;
        for (int r = 0; r < k; ++r) captions.push_back("除" + std::to_string(k) + "余" + std::to_string(r));
        return countItems(values, std::move(captions), [k](int32_t v) { return v % k; });
    }
    }
    return {};
}

OccurrenceStatistics occurrenceStatistics(const std::vector<int32_t>& series, DrawSpan span, SeriesRange range) {
    const std::vector<int32_t> values = spanValues(series, span);
    const ValueTallies tallies = tallyValues(values, range.min, range.max, kMaxListedValues);
    OccurrenceStatistics stats;
    stats.draws = static_cast<int>(values.size());
    stats.outside = tallies.outside;
    for (const ValueTally& t : tallies.values) stats.values.push_back({t.value, t.count});
    return stats;
}

std::vector<ValueCount> orderedCounts(const std::vector<ValueCount>& values, ValueOrder order) {
    std::vector<ValueCount> sorted = values;
    if (order == ValueOrder::ByValue) return sorted;
    std::stable_sort(sorted.begin(), sorted.end(), [order](const ValueCount& a, const ValueCount& b) {
        return order == ValueOrder::Ascending ? a.count < b.count : a.count > b.count;
    });
    return sorted;
}

OmissionStatistics omissionStatistics(const std::vector<int32_t>& series, DrawSpan span, SeriesRange range) {
    const std::vector<int32_t> values = spanValues(series, span);
    const ValueTallies tallies = tallyValues(values, range.min, range.max, kMaxListedValues);
    OmissionStatistics stats;
    stats.draws = static_cast<int>(values.size());
    struct Walk {
        int lastSeen = -1;  // position in the span of the previous occurrence
        int recorded = 0;
        int64_t sum = 0;
    };
    std::vector<Walk> walks(tallies.values.size());
    std::unordered_map<int64_t, std::size_t> slot;
    for (std::size_t i = 0; i < tallies.values.size(); ++i) {
        slot.emplace(tallies.values[i].value, i);
        ValueOmissions v;
        v.value = tallies.values[i].value;
        stats.values.push_back(v);
    }
    for (int p = 0; p < stats.draws; ++p) {
        const auto it = slot.find(values[static_cast<std::size_t>(p)]);
        if (it == slot.end()) continue;
        ValueOmissions& v = stats.values[it->second];
        Walk& w = walks[it->second];
        ++v.occurrences;
        if (p > 0) {
            // Draws missed since the previous occurrence, or since the span began.
            const int omission = p - w.lastSeen - 1;
            v.lastOmission = omission;
            v.maxOmission = std::max(v.maxOmission.value_or(omission), omission);
            v.minOmission = std::min(v.minOmission.value_or(omission), omission);
            w.sum += omission;
            ++w.recorded;
        }
        w.lastSeen = p;
    }
    for (std::size_t i = 0; i < stats.values.size(); ++i) {
        ValueOmissions& v = stats.values[i];
        if (walks[i].recorded > 0) v.averageOmission = static_cast<int>(roundHalfToEven(walks[i].sum, v.occurrences));
        v.currentOmission = stats.draws - 1 - walks[i].lastSeen;
    }
    return stats;
}

std::optional<int64_t> omissionMeasure(const ValueOmissions& v, OmissionMeasure measure) {
    switch (measure) {
    case OmissionMeasure::Value: return v.value;
    case OmissionMeasure::Max: return v.maxOmission;
    case OmissionMeasure::Min: return v.minOmission;
    case OmissionMeasure::Average: return v.averageOmission;
    case OmissionMeasure::Last: return v.lastOmission;
    case OmissionMeasure::Current: return v.currentOmission;
    }
    return std::nullopt;
}

std::vector<ValueOmissions> orderedOmissions(const std::vector<ValueOmissions>& values, OmissionMeasure measure,
                                             ValueOrder order) {
    std::vector<ValueOmissions> sorted = values;
    if (order == ValueOrder::ByValue) return sorted;
    std::stable_sort(sorted.begin(), sorted.end(), [&](const ValueOmissions& a, const ValueOmissions& b) {
        const std::optional<int64_t> x = omissionMeasure(a, measure), y = omissionMeasure(b, measure);
        if (!x || !y) return x.has_value() && !y.has_value();
        return order == ValueOrder::Ascending ? *x < *y : *x > *y;
    });
    return sorted;
}

int pageCount(int items, int pageSize) {
    if (pageSize < 1 || items < 1) return 1;
    return (items + pageSize - 1) / pageSize;
}

PageSlice pageSlice(int items, int pageSize, int page) {
    if (pageSize < 1 || items < 1) return {0, 0};
    const int p = std::clamp(page, 0, pageCount(items, pageSize) - 1);
    const int first = p * pageSize;
    return {first, std::min(pageSize, items - first)};
}

}  // namespace qorvel
