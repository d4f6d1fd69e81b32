#include "views/value_tally.h"

#include <map>

namespace qorvel {

ValueTallies tallyValues(const std::vector<int32_t>& series, int64_t low, int64_t high, int maxListed) {
    struct Seen {
        int count = 0;
        int last = -1;
    };
    const bool everyValue = high >= low && high - low + 1 <= maxListed;
    std::map<int64_t, Seen> seen;
    ValueTallies result;
    const int draws = static_cast<int>(series.size());
    for (int r = 0; r < draws; ++r) {
        const int64_t v = series[static_cast<std::size_t>(r)];
        if (everyValue && (v < low || v > high)) {
            ++result.outside;
            continue;
        }
        Seen& s = seen[v];
        ++s.count;
        s.last = r;
    }
    if (everyValue)
        for (int64_t v = low; v <= high; ++v) seen.try_emplace(v);
    for (const auto& [value, s] : seen)
        result.values.push_back({value, s.count, s.last < 0 ? draws : draws - 1 - s.last});
    return result;
}

}  // namespace qorvel
