#include "views/temperature_window.h"

#include <algorithm>

namespace qorvel {
namespace {

constexpr int kByteMask = 0xFF;
constexpr int kCountCap = 255;

}  // namespace

TemperatureRule mainTemperatureRule(const TypeParams& p, const ColdHotSettings& s) {
    return {1, p.MainCount, p.MainTo, s.qs, s.coldcs, s.hotcs};
}

TemperatureRule specialTemperatureRule(const TypeParams& p, const ColdHotSettings& s) {
    return {p.MainCount + 1, p.MainCount + p.SpecialCount, p.SpecialTo, s.f_qs, s.f_coldcs, s.f_hotcs};
}

std::vector<Temperature> temperaturesAt(const t_s_dm& store, const TemperatureRule& rule, int endRow) {
    const int size = std::max(rule.maxNumber, 0);
    std::vector<int> counts(static_cast<std::size_t>(size) + 1, 0);
    const int first = std::max(rule.firstField, 1), last = std::min(rule.lastField, kDrawFields - 1);
    const int draws = rule.period & kByteMask;
    for (int d = 0, r = std::min(endRow, store.Count()); d < draws && r >= 1; ++d, --r)
        for (int f = first; f <= last; ++f) {
            const int n = store.Row(r).fields[f];
            if (n >= 1 && n <= size && counts[n] < kCountCap) ++counts[n];
        }
    std::vector<Temperature> kinds(counts.size(), Temperature::Cold);
    for (int n = 1; n <= size; ++n)
        kinds[n] = counts[n] <= rule.cold ? Temperature::Cold
                   : counts[n] < rule.hot ? Temperature::Warm
                                          : Temperature::Hot;
    return kinds;
}

}  // namespace qorvel
