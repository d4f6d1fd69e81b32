#include "engine/segment_statistic.h"

#include <algorithm>
#include <map>
#include <vector>

namespace qorvel {
namespace {

int32_t wrap(int64_t v) {
    return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(v)));
}

}  // namespace

int64_t roundHalfToEven(int64_t num, int64_t den) {
    int64_t q = num / den;
    const int64_t r = num % den;
    const int64_t twice = 2 * (r < 0 ? -r : r);
    const int64_t away = num < 0 ? -1 : 1;
    if (twice > den || (twice == den && q % 2 != 0)) q += away;
    return q;
}

int32_t segmentStatistic(std::string_view kind, std::span<const int32_t> values) {
    if (values.empty()) return 0;
    const int64_t count = static_cast<int64_t>(values.size());
    int64_t sum = 0;
    for (int32_t v : values) sum += v;
    if (kind == kSegmentSum) return wrap(sum);
    if (kind == kSegmentMean) return wrap(roundHalfToEven(sum, count));
    if (kind == kSegmentMaximum) return *std::max_element(values.begin(), values.end());
    if (kind == kSegmentMinimum) return *std::min_element(values.begin(), values.end());
    if (kind == kSegmentMeanAmplitude) {
        if (count < 2) return 0;
        int64_t amplitudes = 0;
        for (std::size_t i = 1; i < values.size(); ++i) {
            const int64_t d = static_cast<int64_t>(values[i]) - values[i - 1];
            amplitudes += d < 0 ? -d : d;
        }
        return wrap(roundHalfToEven(amplitudes, count - 1));
    }
    if (kind == kSegmentRepeats) {
        // Every draw whose value occurs more than once in the run counts.
        std::map<int32_t, int32_t> occurrences;
        for (int32_t v : values) ++occurrences[v];
        int32_t repeats = 0;
        for (const auto& [value, n] : occurrences)
            if (n > 1) repeats += n;
        return repeats;
    }
    return 0;
}

int32_t segmentStatistic(const t_s_dm& store, std::string_view kind, int32_t fromIssue, int32_t toIssue) {
    int r = store.KeyRowOfIssue(fromIssue);
    if (r == 0) return 0;
    std::vector<int32_t> values{store.Row(r).value};
    for (--r; r >= 1 && store.Row(r).fields[0] >= toIssue && store.Row(r + 1).fields[0] != toIssue; --r)
        values.push_back(store.Row(r).value);
    return segmentStatistic(kind, values);
}

}  // namespace qorvel
