#include "combos/ticket_kernel.h"

#include <algorithm>
#include <cstdlib>

#include "engine/indicators.h"

namespace qorvel {
namespace {

constexpr int32_t kNoSecondNumberSpread = 255;

uint64_t bitOf(int32_t v) { return (v >= 0 && v < kNumberTableSize) ? (uint64_t{1} << v) : 0; }

int32_t tailSum(const int32_t* v, int count) {
    int32_t s = 0;
    for (int i = 0; i < count; ++i) s += v[i] % 10;
    return s;
}

int32_t plainSum(const int32_t* v, int count) {
    int32_t s = 0;
    for (int i = 0; i < count; ++i) s += v[i];
    return s;
}

// Fills the per-number weight tables from the type's thresholds.
void fillWeights(HistoryContext& c) {
    auto set = [&](WeightTable t, auto rule) {
        auto& table = c.weights[static_cast<int>(t)];
        for (int v = 0; v < kNumberTableSize; ++v) table[v] = rule(v);
    };
    const int b31 = c.zoneBounds3[1], b32 = c.zoneBounds3[2];
    set(WeightTable::Identity, [](int v) { return v; });
    set(WeightTable::Tail, [](int v) { return v % 10; });
    set(WeightTable::Odd, [](int v) { return v % 2 ? v : 0; });
    set(WeightTable::Even, [](int v) { return v % 2 ? 0 : v; });
    set(WeightTable::Prime, [](int v) { return isPrime(v) ? v : 0; });
    set(WeightTable::NotPrime, [](int v) { return isPrime(v) ? 0 : v; });
    set(WeightTable::HighTail, [](int v) { return v % 10 >= 5 ? v % 10 : 0; });
    set(WeightTable::BigHalf, [&](int v) { return v > c.smallBigBound ? v : 0; });
    set(WeightTable::SmallHalf, [&](int v) { return v > c.smallBigBound ? 0 : v; });
    set(WeightTable::Zone3Small, [&](int v) { return v <= b31 ? v : 0; });
    set(WeightTable::Zone3Middle, [&](int v) { return v > b31 && v <= b32 ? v : 0; });
    set(WeightTable::Zone3Big, [&](int v) { return v > b32 ? v : 0; });
    set(WeightTable::Mod3, [](int v) { return v % 3; });
    set(WeightTable::Mod4, [](int v) { return v % 4; });
    set(WeightTable::Mod5, [](int v) { return v % 5; });
    set(WeightTable::Route0, [](int v) { return v % 3 == 0 ? v : 0; });
    set(WeightTable::Route1, [](int v) { return v % 3 == 1 ? v : 0; });
    set(WeightTable::Route2, [](int v) { return v % 3 == 2 ? v : 0; });
}

// Global omissions, the last draw's omission sum and the derived series of every draw.
void scanHistory(HistoryContext& c, const t_s_dm& store) {
    const int n = c.mainCount;
    std::array<int32_t, kNumberTableSize> lastContaining{};
    std::array<std::vector<int32_t>, kMaxTicketNumbers + 1> positions;
    std::array<std::vector<int32_t>, static_cast<int>(DrawSeries::Count)> series;
    const int32_t* before = nullptr;
    c.previousOmissionSum = 0;
    for (int r = 1; r <= c.draws; ++r) {
        const int32_t* f = store.Row(r).fields.data() + 1;
        if (r == c.draws) {
            for (int i = 0; i < n; ++i) {
                const int32_t v = f[i];
                const int32_t last = (v >= 0 && v < kNumberTableSize) ? lastContaining[v] : 0;
                c.previousOmissionSum += (r - 1) - last;
            }
        }
        for (int k = 1; k <= kMaxTicketNumbers; ++k) positions[k].push_back(f[k - 1]);
        const int32_t sum = plainSum(f, n);
        const int32_t tails = tailSum(f, n);
        series[int(DrawSeries::Skew)].push_back(before ? skewOf(f, n, before, n) : 0);
        series[int(DrawSeries::Spread)].push_back(spreadOf(f, n));
        series[int(DrawSeries::Average)].push_back(averageOf(sum, n));
        series[int(DrawSeries::Sum)].push_back(sum);
        series[int(DrawSeries::TailSum)].push_back(tails);
        series[int(DrawSeries::SumTail)].push_back(sum % 10);
        for (int i = 0; i < n; ++i)
            if (f[i] >= 0 && f[i] < kNumberTableSize) lastContaining[f[i]] = r;
        before = f;
    }
    auto& omissions = c.weights[static_cast<int>(WeightTable::GlobalOmission)];
    for (int v = 0; v < kNumberTableSize; ++v) omissions[v] = c.draws - lastContaining[v];
    for (int k = 1; k <= kMaxTicketNumbers; ++k) c.positionOmission[k].build(positions[k]);
    for (int s = 0; s < static_cast<int>(DrawSeries::Count); ++s) c.seriesOmission[s].build(series[s]);
}

// Cold, warm and hot numbers by their appearances in the last qs draws.
void classifyTemperature(HistoryContext& c, const t_s_dm& store, const ColdHotSettings& s) {
    std::array<int, kNumberTableSize> counts{};
    const int period = s.qs & 0xFF;
    for (int d = 0, r = c.draws; d < period && r >= 1; ++d, --r) {
        const auto& f = store.Row(r).fields;
        for (int i = 1; i <= c.mainCount; ++i)
            if (f[i] >= 1 && f[i] <= c.mainTo && f[i] < kNumberTableSize && counts[f[i]] < 255) ++counts[f[i]];
    }
    c.coldMask = c.warmMask = c.hotMask = 0;
    for (int v = 1; v <= c.mainTo && v < kNumberTableSize; ++v) {
        if (counts[v] <= s.coldcs)
            c.coldMask |= bitOf(v);
        else if (counts[v] < s.hotcs)
            c.warmMask |= bitOf(v);
        else
            c.hotMask |= bitOf(v);
    }
}

}  // namespace

Ticket makeTicket(const int32_t* numbers, int count) {
    Ticket t;
    t.count = std::clamp(count, 0, kMaxTicketNumbers);
    // Insertion sort: at most seven numbers, usually already in order or reversed.
    for (int i = 0; i < t.count; ++i) {
        const int32_t v = numbers[i];
        int j = i;
        for (; j > 0 && t.n[j - 1] > v; --j) t.n[j] = t.n[j - 1];
        t.n[j] = v;
        t.mask |= bitOf(v);
        t.sum += v;
    }
    return t;
}

void OmissionTable::build(const std::vector<int32_t>& series) {
    draws_ = static_cast<int32_t>(series.size());
    lastIndex_.clear();
    low_ = 0;
    if (series.empty()) return;
    const auto [lo, hi] = std::minmax_element(series.begin(), series.end());
    // Values of a sane history span a few hundred; a corrupt one is clipped to a bounded table.
    low_ = *lo;
    const int64_t span = std::min<int64_t>(int64_t{*hi} - *lo + 1, 1 << 16);
    lastIndex_.assign(static_cast<std::size_t>(span), 0);
    for (int32_t i = 0; i < draws_; ++i) {
        const int64_t slot = int64_t{series[i]} - low_;
        if (slot < span) lastIndex_[static_cast<std::size_t>(slot)] = i + 1;
    }
}

int32_t OmissionTable::of(int32_t value) const {
    const int64_t slot = int64_t{value} - low_;
    if (slot < 0 || slot >= static_cast<int64_t>(lastIndex_.size())) return draws_;
    return draws_ - lastIndex_[static_cast<std::size_t>(slot)];
}

int32_t spreadOf(const int32_t* v, int count) {
    int32_t result = 0;
    for (int i = 0; i < count; ++i) {
        int32_t nearest = kNoSecondNumberSpread;
        for (int j = 0; j < count; ++j)
            if (j != i) nearest = std::min(nearest, std::abs(v[i] - v[j]));
        result = std::max(result, nearest);
    }
    return result;
}

int32_t skewOf(const int32_t* v, int count, const int32_t* previous, int previousCount) {
    int32_t result = 0;
    for (int i = 0; i < count; ++i) {
        int32_t nearest = kNoSecondNumberSpread;
        for (int j = 0; j < previousCount; ++j) nearest = std::min(nearest, std::abs(v[i] - previous[j]));
        result = std::max(result, nearest);
    }
    return result;
}

int32_t averageOf(int32_t sum, int count) {
    if (count <= 0) return 0;
    // trunc(sum / count + 0.5) in exact integer arithmetic.
    return sum >= 0 ? (2 * sum + count) / (2 * count) : -((-2 * sum - count) / (2 * count));
}

void HistoryContext::build(const t_s_dm& store, const TypeParams& params, const ZoneBounds& zones,
                           const ColdHotSettings& coldHot) {
    draws = store.Count();
    mainCount = std::clamp(params.MainCount, 1, kMaxTicketNumbers);
    mainFrom = params.MainFrom;
    mainTo = params.MainTo;
    zoneBounds3 = zones.forCount(3);
    if (zoneBounds3.size() < 4) zoneBounds3 = {0, mainTo / 3, 2 * mainTo / 3, mainTo};
    const auto& two = zones.forCount(2);
    smallBigBound = two.size() >= 2 ? two[1] : mainTo / 2;
    bigCountThreshold = (mainTo - mainFrom + 1) / 2;

    previous.fill(0);
    previousMask = 0;
    if (draws >= 1) previous = store.Row(draws).fields;
    for (int i = 1; i <= mainCount && draws >= 1; ++i) previousMask |= bitOf(previous[i]);
    for (int v = 0; v < kNumberTableSize; ++v) {
        int32_t nearest = kNoSecondNumberSpread;
        for (int i = 1; i <= mainCount; ++i) nearest = std::min(nearest, std::abs(v - previous[i]));
        previousDistance[v] = nearest;
    }
    previousSum = plainSum(previous.data() + 1, mainCount);
    previousTailSum = tailSum(previous.data() + 1, mainCount);

    fillWeights(*this);
    scanHistory(*this, store);
    classifyTemperature(*this, store, coldHot);
}

}  // namespace qorvel
