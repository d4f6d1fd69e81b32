// Compilation and evaluation of the built-in indicators the filter computes directly.
#include <cstdlib>
#include <string>

#include "combos/ticket_kernel.h"
#include "engine/indicators.h"

namespace qorvel {
namespace {

using Kind = DirectIndicator::Kind;
using Property = DirectIndicator::PairProperty;

constexpr int32_t kNoGapMinimum = 999;

template <typename Rule>
uint64_t maskOf(Rule rule) {
    uint64_t m = 0;
    for (int v = 0; v < kNumberTableSize; ++v)
        if (rule(v)) m |= uint64_t{1} << v;
    return m;
}

struct NamedWeight {
    const char* code;
    WeightTable table;
};

constexpr NamedWeight kWeightedSums[] = {
    {"z_hz", WeightTable::Identity},       {"z_wh", WeightTable::Tail},
    {"z_jshe", WeightTable::Odd},          {"z_oshe", WeightTable::Even},
    {"z_zshe", WeightTable::Prime},        {"z_hshe", WeightTable::NotPrime},
    {"z_gwhe", WeightTable::HighTail},     {"z_dxqdshe", WeightTable::BigHalf},
    {"z_dxqxshe", WeightTable::SmallHalf}, {"z_dzxqxshe", WeightTable::Zone3Small},
    {"z_dzxqzshe", WeightTable::Zone3Middle}, {"z_dzxqdshe", WeightTable::Zone3Big},
    {"z_c3yshe", WeightTable::Mod3},       {"z_c4yshe", WeightTable::Mod4},
    {"z_c5yshe", WeightTable::Mod5},       {"z_0lhe", WeightTable::Route0},
    {"z_1lhe", WeightTable::Route1},       {"z_2lhe", WeightTable::Route2},
    {"z_ylhz", WeightTable::GlobalOmission},
};

struct NamedKind {
    const char* code;
    Kind kind;
    int a;
    int b;
};

constexpr NamedKind kShapes[] = {
    {"z_hw", Kind::SumTail, 0, 0},
    {"z_wzgs", Kind::TailGroups, 0, 0},
    {"z_lmzs", Kind::ConsecutivePairs, 0, 0},
    {"z_ac", Kind::Ac, 0, 0},
    {"z_jjgs", Kind::GapKinds, 0, 0},
    {"z_sd", Kind::Spread, 0, 0},
    {"z_aver", Kind::Average, 0, 0},
    {"z_zdjj", Kind::MaxGap, 0, 0},
    {"z_zxjj", Kind::MinGap, 0, 0},
    {"z_jhlx", Kind::PairRun, int(Property::Odd), 0},
    {"z_ohlx", Kind::PairRun, int(Property::Even), 0},
    {"z_zhlx", Kind::PairRun, int(Property::Prime), 0},
    {"z_hhlx", Kind::PairRun, int(Property::NotPrime), 0},
    {"z_maxlh", Kind::LongestRun, 0, 0},
    {"z_nmzs", Kind::Neighbours, 0, 0},
    {"z_pd", Kind::Skew, 0, 0},
    {"z_hzzf", Kind::SumAmplitude, 0, 0},
    {"z_whzf", Kind::TailSumAmplitude, 0, 0},
    {"z_ylhzzf", Kind::OmissionSumAmplitude, 0, 0},
    {"z_pdyl", Kind::SeriesOmission, 0, int(DrawSeries::Skew)},
    {"z_sdyl", Kind::SeriesOmission, 0, int(DrawSeries::Spread)},
    {"z_averyl", Kind::SeriesOmission, 0, int(DrawSeries::Average)},
    {"z_hzyl", Kind::SeriesOmission, 0, int(DrawSeries::Sum)},
    {"z_whyl", Kind::SeriesOmission, 0, int(DrawSeries::TailSum)},
    {"z_hwyl", Kind::SeriesOmission, 0, int(DrawSeries::SumTail)},
};

// The count codes: a fixed set of numbers (by the type's thresholds or the history) to count.
std::optional<uint64_t> countMask(std::string_view code, const HistoryContext& c) {
    const int b31 = c.zoneBounds3[1], b32 = c.zoneBounds3[2], b33 = c.zoneBounds3[3];
    if (code == "z_dsgs") return maskOf([&](int v) { return v > c.bigCountThreshold; });
    if (code == "z_jsgs") return maskOf([](int v) { return v % 2 != 0; });
    if (code == "z_zsgs") return maskOf([](int v) { return isPrime(v); });
    if (code == "z_gwgs") return maskOf([](int v) { return v % 10 >= 5; });
    if (code == "z_3fq_1qgs") return maskOf([&](int v) { return v <= b31; });
    if (code == "z_3fq_2qgs") return maskOf([&](int v) { return v > b31 && v <= b32; });
    if (code == "z_3fq_3qgs") return maskOf([&](int v) { return v > b32 && v <= b33; });
    if (code == "z_cmgs") return c.previousMask;
    if (code == "z_lwr_lmgs") return c.coldMask;
    if (code == "z_lwr_wmgs") return c.warmMask;
    if (code == "z_lwr_rmgs") return c.hotMask;
    // z_c3y0 .. z_c5y4: numbers with n mod d = r.
    if (code.size() == 6 && code.substr(0, 3) == "z_c" && code[4] == 'y') {
        const int d = code[3] - '0', r = code[5] - '0';
        if (d >= 3 && d <= 5 && r >= 0 && r < d) return maskOf([=](int v) { return v % d == r; });
    }
    return std::nullopt;
}

// z_numK, z_numKzf, z_numKyl, xhJI, xcJI.
std::optional<DirectIndicator> positional(std::string_view code) {
    auto digit = [](char ch) { return ch >= '1' && ch <= '7' ? ch - '0' : 0; };
    if (code.substr(0, 5) == "z_num" && code.size() >= 6 && digit(code[5])) {
        const int k = digit(code[5]);
        const std::string_view rest = code.substr(6);
        if (rest.empty()) return DirectIndicator{Kind::Position, 0, k, 0};
        if (rest == "zf") return DirectIndicator{Kind::PositionAmplitude, 0, k, 0};
        if (rest == "yl") return DirectIndicator{Kind::PositionOmission, 0, k, 0};
        return std::nullopt;
    }
    if (code.size() == 4 && (code.substr(0, 2) == "xh" || code.substr(0, 2) == "xc")) {
        const int j = digit(code[2]), i = digit(code[3]);
        if (!j || !i || j <= i) return std::nullopt;
        return DirectIndicator{code[1] == 'h' ? Kind::LineSum : Kind::LineDiff, 0, j, i};
    }
    return std::nullopt;
}

int32_t weightedSum(const Ticket& t, const std::array<int32_t, kNumberTableSize>& table) {
    int32_t s = 0;
    for (int i = 0; i < t.count; ++i) s += table[t.n[i] & (kNumberTableSize - 1)];
    return s;
}

int32_t seriesValue(DrawSeries s, const Ticket& t, const HistoryContext& c) {
    switch (s) {
        case DrawSeries::Skew:
            return c.draws == 0 ? 0 : skewOf(t.n.data(), t.count, c.previous.data() + 1, c.mainCount);
        case DrawSeries::Spread: return spreadOf(t.n.data(), t.count);
        case DrawSeries::Average: return averageOf(t.sum, t.count);
        case DrawSeries::Sum: return t.sum;
        case DrawSeries::TailSum: return weightedSum(t, c.table(WeightTable::Tail));
        case DrawSeries::SumTail: return t.sum % 10;
        case DrawSeries::Count: break;
    }
    return 0;
}

int32_t gapValue(Kind kind, const Ticket& t) {
    int32_t largest = 1, smallest = kNoGapMinimum;
    uint64_t kinds = 0;
    for (int i = 1; i < t.count; ++i) {
        const int32_t g = t.n[i] - t.n[i - 1];
        largest = std::max(largest, g);
        smallest = std::min(smallest, g);
        kinds |= uint64_t{1} << (g & 63);
    }
    if (kind == Kind::MaxGap) return largest;
    if (kind == Kind::MinGap) return smallest;
    return t.count <= 2 ? 1 : countBits(kinds);
}

int32_t acValue(const Ticket& t) {
    uint64_t differences = 0;
    for (int i = 0; i < t.count; ++i)
        for (int j = i + 1; j < t.count; ++j) differences |= uint64_t{1} << ((t.n[j] - t.n[i]) & 63);
    return countBits(differences) - (t.count - 1);
}

int32_t longestRun(const Ticket& t) {
    int32_t best = 1, run = 1;
    for (int i = 1; i < t.count; ++i) {
        run = t.n[i] - t.n[i - 1] == 1 ? run + 1 : 1;
        best = std::max(best, run);
    }
    return best;
}

bool hasProperty(int32_t v, Property p) {
    switch (p) {
        case Property::Odd: return v % 2 != 0;
        case Property::Even: return v % 2 == 0;
        case Property::Prime: return isPrime(v);
        case Property::NotPrime: return !isPrime(v);
    }
    return false;
}

int32_t pairRun(const Ticket& t, Property p) {
    int32_t pairs = 0;
    for (int i = 1; i < t.count; ++i) pairs += hasProperty(t.n[i - 1], p) && hasProperty(t.n[i], p);
    return pairs;
}

}  // namespace

std::optional<DirectIndicator> compileDirect(std::string_view code, const HistoryContext& context) {
    if (auto p = positional(code)) return p;
    if (auto m = countMask(code, context)) return DirectIndicator{Kind::MaskCount, *m, 0, 0};
    for (const auto& w : kWeightedSums)
        if (code == w.code) return DirectIndicator{Kind::WeightSum, 0, int(w.table), 0};
    for (const auto& s : kShapes)
        if (code == s.code) return DirectIndicator{s.kind, 0, s.a, s.b};
    return std::nullopt;
}

int32_t directValue(const DirectIndicator& d, const Ticket& t, const HistoryContext& c) {
    switch (d.kind) {
        case Kind::MaskCount: return countBits(t.mask & d.mask);
        case Kind::WeightSum: return weightedSum(t, c.weights[d.a]);
        case Kind::Position: return t.n[d.a - 1];
        case Kind::LineSum: return t.n[d.a - 1] + t.n[d.b - 1];
        case Kind::LineDiff: return t.n[d.a - 1] - t.n[d.b - 1];
        case Kind::SumTail: return t.sum % 10;
        case Kind::TailGroups: {
            uint32_t tails = 0;
            for (int i = 0; i < t.count; ++i) tails |= 1u << (t.n[i] % 10);
            return countBits(tails);
        }
        case Kind::ConsecutivePairs: return countBits(t.mask & (t.mask << 1));
        case Kind::Ac: return acValue(t);
        case Kind::GapKinds:
        case Kind::MaxGap:
        case Kind::MinGap: return gapValue(d.kind, t);
        case Kind::Spread: return spreadOf(t.n.data(), t.count);
        case Kind::Average: return averageOf(t.sum, t.count);
        case Kind::PairRun: return pairRun(t, static_cast<Property>(d.a));
        case Kind::LongestRun: return longestRun(t);
        case Kind::Neighbours: {
            // The first draw of a history stands in for its own previous draw.
            const uint64_t m = c.draws == 0 ? t.mask : c.previousMask;
            return countBits(t.mask & ((m << 1) | (m >> 1)));
        }
        case Kind::Skew: return seriesValue(DrawSeries::Skew, t, c);
        case Kind::PositionAmplitude: return std::abs(t.n[d.a - 1] - c.previous[d.a]);
        case Kind::SumAmplitude: return std::abs(t.sum - c.previousSum);
        case Kind::TailSumAmplitude:
            return std::abs(weightedSum(t, c.table(WeightTable::Tail)) - c.previousTailSum);
        case Kind::OmissionSumAmplitude:
            return std::abs(weightedSum(t, c.table(WeightTable::GlobalOmission)) - c.previousOmissionSum);
        case Kind::PositionOmission: return c.positionOmission[d.a].of(t.n[d.a - 1]);
        case Kind::SeriesOmission: {
            const auto series = static_cast<DrawSeries>(d.b);
            return c.seriesOmission[d.b].of(seriesValue(series, t, c));
        }
    }
    return kUnknownIndicator;
}

}  // namespace qorvel
