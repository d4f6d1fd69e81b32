#include "engine/indicator_kernels.h"

#include <algorithm>
#include <array>

#include "engine/indicators.h"
#include "types/workspace.h"

namespace qorvel {
namespace {

// Sums wrap to 32 bits like every other integer value of the engine.
int32_t wrap(int64_t v) {
    return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(v)));
}

int64_t distance(int32_t a, int32_t b) {
    const int64_t d = static_cast<int64_t>(a) - b;
    return d < 0 ? -d : d;
}

int32_t tailOf(int32_t v) {
    return v % kTailBase;
}
bool isOdd(int32_t v) {
    return v % 2 != 0;
}
bool isComposite(int32_t v) {
    return v > 1 && !isPrime(v);
}

// Number of distinct values in a small list.
int distinctCount(int64_t* values, int count) {
    std::sort(values, values + count);
    return static_cast<int>(std::unique(values, values + count) - values);
}

bool contains(const int32_t* numbers, int count, int32_t v) {
    return std::find(numbers, numbers + count, v) != numbers + count;
}

// For each number of a, the distance to the nearest number of b (starting from 255, skipping a's own
// position when a and b are the same list); the largest of these, 0 for an empty a.
int32_t largestNearestDistance(const int32_t* a, int na, const int32_t* b, int nb, bool sameList) {
    int64_t largest = 0;
    for (int i = 0; i < na; ++i) {
        int64_t nearest = kNearestDistanceStart;
        for (int j = 0; j < nb; ++j)
            if (!(sameList && i == j)) nearest = std::min(nearest, distance(a[i], b[j]));
        largest = std::max(largest, nearest);
    }
    return static_cast<int32_t>(largest);
}

// trunc(sum / count + 0.5) in exact integer arithmetic; 0 without numbers.
int32_t roundedMean(int64_t sum, int count) {
    if (count <= 0) return 0;
    return wrap((2 * sum + count) / (2 * static_cast<int64_t>(count)));
}

bool inSum(MainSumKind kind, int32_t n, const Thresholds& t) {
    const bool small = n <= t.B2;
    switch (kind) {
        case MainSumKind::Odd:
            return isOdd(n);
        case MainSumKind::Even:
            return !isOdd(n);
        case MainSumKind::Prime:
            return isPrime(n);
        case MainSumKind::NonPrime:
            return !isPrime(n);
        case MainSumKind::AboveB2:
            return !small;
        case MainSumKind::UpToB2:
            return small;
        case MainSumKind::ThirdZoneBig:
            return n > t.B32;
        case MainSumKind::ThirdZoneMiddle:
            return n > t.B31 && n <= t.B32;
        case MainSumKind::ThirdZoneSmall:
            return n <= t.B31;
        case MainSumKind::Road0:
            return n % 3 == 0;
        case MainSumKind::Road1:
            return n % 3 == 1;
        case MainSumKind::Road2:
            return n % 3 == 2;
        case MainSumKind::SmallOdd:
            return small && isOdd(n);
        case MainSumKind::BigOdd:
            return !small && isOdd(n);
        case MainSumKind::SmallEven:
            return small && !isOdd(n);
        case MainSumKind::BigEven:
            return !small && !isOdd(n);
        case MainSumKind::SmallPrime:
            return small && isPrime(n);
        case MainSumKind::BigPrime:
            return !small && isPrime(n);
        case MainSumKind::SmallComposite:
            return small && isComposite(n);
        case MainSumKind::BigComposite:
            return !small && isComposite(n);
        default:
            return true;
    }
}

// The term one main number adds to a sum of the given kind.
int64_t sumTerm(MainSumKind kind, int32_t n) {
    switch (kind) {
        case MainSumKind::TailSum:
            return tailOf(n);
        case MainSumKind::HighTails:
            return tailOf(n) >= kHighTail ? tailOf(n) : 0;
        case MainSumKind::Remainder3:
            return n % 3;
        case MainSumKind::Remainder4:
            return n % 4;
        case MainSumKind::Remainder5:
            return n % 5;
        default:
            return n;
    }
}

int32_t mainSum(const DrawContext& c, int r, MainSumKind kind) {
    const int32_t* n = c.mainNumbers(r);
    int64_t sum = 0;
    for (int i = 0; i < c.mainCount; ++i)
        if (inSum(kind, n[i], c.thresholds)) sum += sumTerm(kind, n[i]);
    if (kind == MainSumKind::SumTail) return tailOf(wrap(sum));
    return wrap(sum);
}

template <class Predicate>
int32_t countMain(const DrawContext& c, int r, Predicate keep) {
    const int32_t* n = c.mainNumbers(r);
    return static_cast<int32_t>(std::count_if(n, n + c.mainCount, keep));
}

// Adjacent pairs (n[i−1], n[i]) for which both numbers have the property.
template <class Property>
int32_t adjacentPairs(const DrawContext& c, int r, Property has) {
    const int32_t* n = c.mainNumbers(r);
    int32_t pairs = 0;
    for (int i = 1; i < c.mainCount; ++i)
        if (has(n[i - 1]) && has(n[i])) ++pairs;
    return pairs;
}

int32_t gapStatistic(const DrawContext& c, int r, IndicatorKernel kernel) {
    const int32_t* n = c.mainNumbers(r);
    std::array<int64_t, kMaxRecordNumbers> gaps{};
    int count = 0;
    for (int i = 1; i < c.mainCount; ++i) gaps[count++] = static_cast<int64_t>(n[i]) - n[i - 1];
    if (kernel == IndicatorKernel::LargestGap) {
        int64_t largest = 1;
        for (int i = 0; i < count; ++i) largest = std::max(largest, gaps[i]);
        return wrap(largest);
    }
    if (kernel == IndicatorKernel::SmallestGap) {
        int64_t smallest = kSmallestGapStart;
        for (int i = 0; i < count; ++i) smallest = std::min(smallest, gaps[i]);
        return wrap(smallest);
    }
    return count == 0 ? 1 : distinctCount(gaps.data(), count);  // GapKinds
}

int32_t acValue(const DrawContext& c, int r) {
    const int32_t* n = c.mainNumbers(r);
    std::array<int64_t, kMaxRecordNumbers*(kMaxRecordNumbers - 1) / 2> differences{};
    int count = 0;
    for (int i = 0; i < c.mainCount; ++i)
        for (int j = i + 1; j < c.mainCount; ++j) differences[count++] = distance(n[j], n[i]);
    return distinctCount(differences.data(), count) - (c.mainCount - 1);
}

int32_t longestRun(const DrawContext& c, int r) {
    const int32_t* n = c.mainNumbers(r);
    int32_t longest = 1, run = 1;
    for (int i = 1; i < c.mainCount; ++i) {
        run = (static_cast<int64_t>(n[i]) - n[i - 1] == 1) ? run + 1 : 1;
        longest = std::max(longest, run);
    }
    return longest;
}

int32_t tailGroups(const DrawContext& c, int r) {
    std::array<bool, 2 * kTailBase - 1> seen{};  // tails −9..9
    int32_t groups = 0;
    const int32_t* n = c.mainNumbers(r);
    for (int i = 0; i < c.mainCount; ++i) {
        bool& s = seen[tailOf(n[i]) + kTailBase - 1];
        if (!s) ++groups;
        s = true;
    }
    return groups;
}

int32_t repeatCount(const DrawContext& c, int r) {
    if (!c.hasPrevious(r)) return 0;
    const int32_t* previous = c.mainNumbers(r - 1);
    return countMain(c, r, [&](int32_t v) { return contains(previous, c.mainCount, v); });
}

// At the first draw the draw itself stands in for the previous one.
int32_t neighbourCount(const DrawContext& c, int r) {
    const int32_t* previous = c.mainNumbers(c.hasPrevious(r) ? r - 1 : r);
    return countMain(c, r, [&](int32_t v) {
        for (int j = 0; j < c.mainCount; ++j)
            if (distance(v, previous[j]) == 1) return true;
        return false;
    });
}

// Cold (0), warm (1) or hot (2) count: how often each main number came in the P draws before this one.
int32_t temperatureCount(const DrawContext& c, int r, int wanted) {
    const int64_t period = c.coldHot.qs;
    const int oldest = static_cast<int>(std::max<int64_t>(1, r - period));
    return countMain(c, r, [&](int32_t v) {
        int64_t frequency = 0;
        if (v >= 1 && v <= c.mainTo)
            for (int j = r - 1; j >= oldest; --j) frequency += contains(c.mainNumbers(j), c.mainCount, v);
        int kind = frequency <= c.coldHot.coldcs ? 0 : (frequency < c.coldHot.hotcs ? 1 : 2);
        return kind == wanted;
    });
}

int32_t skew(const DrawContext& c, int r, bool special) {
    if (!c.hasPrevious(r)) return 0;
    if (special)
        return largestNearestDistance(c.specialNumbers(r), c.specialCount, c.specialNumbers(r - 1),
                                      c.specialCount, false);
    return largestNearestDistance(c.mainNumbers(r), c.mainCount, c.mainNumbers(r - 1), c.mainCount, false);
}

int32_t spread(const DrawContext& c, int r, bool special) {
    if (special)
        return largestNearestDistance(c.specialNumbers(r), c.specialCount, c.specialNumbers(r),
                                      c.specialCount, true);
    return largestNearestDistance(c.mainNumbers(r), c.mainCount, c.mainNumbers(r), c.mainCount, true);
}

int64_t specialSum(const DrawContext& c, int r) {
    const int32_t* s = c.specialNumbers(r);
    int64_t sum = 0;
    for (int i = 0; i < c.specialCount; ++i) sum += s[i];
    return sum;
}

int32_t globalOmissionSum(const DrawContext& c, int r) {
    const int32_t* n = c.mainNumbers(r);
    int64_t sum = 0;
    for (int i = 0; i < c.mainCount; ++i) sum += globalOmission(c, r, n[i]);
    return wrap(sum);
}

}  // namespace

int32_t zoneBound(const ZoneBounds& zones, int mainTo, int n, int k) {
    if (n >= kMinZoneCount && n <= kMaxZoneCount) {
        const auto& bounds = zones.forCount(n);
        if (static_cast<int>(bounds.size()) == n + 1 && bounds[n] == mainTo) return bounds[k];
    }
    // The zone rule: the last (mainTo mod n) zones are one number larger.
    const int base = mainTo / n, rest = mainTo % n;
    int32_t bound = 0;
    for (int j = 1; j <= k; ++j) bound += base + ((n - j < rest) ? 1 : 0);
    return bound;
}

Thresholds indicatorThresholds(const TypeParams& params, const ZoneBounds& zones) {
    Thresholds t;
    t.B2 = zoneBound(zones, params.MainTo, 2, 1);
    t.B31 = zoneBound(zones, params.MainTo, 3, 1);
    t.B32 = zoneBound(zones, params.MainTo, 3, 2);
    t.B33 = params.MainTo;
    t.T = (params.MainTo - params.MainFrom + 1) / 2;
    return t;
}

DrawContext drawContext(const Workspace& ws) {
    DrawContext c;
    c.store = &ws.MainStore;
    c.row = ws.MainStore.RecNo();
    c.mainCount = std::clamp(ws.params.MainCount, 0, kMaxRecordNumbers);
    c.specialCount = std::clamp(ws.params.SpecialCount, 0, kMaxRecordNumbers - c.mainCount);
    c.mainFrom = ws.params.MainFrom;
    c.mainTo = ws.params.MainTo;
    c.thresholds = indicatorThresholds(ws.params, ws.zones);
    c.coldHot = ws.coldHot;
    return c;
}

int32_t globalOmission(const DrawContext& c, int r, int32_t v) {
    int32_t count = 0;
    for (int j = r - 1; j >= 1; --j) {
        if (contains(c.mainNumbers(j), c.mainCount, v)) break;
        ++count;
    }
    return count;
}

int32_t kernelValue(const DrawContext& c, int r, IndicatorKernel kernel, int arg) {
    using K = IndicatorKernel;
    const Thresholds& t = c.thresholds;
    switch (kernel) {
        case K::Position:
            return c.field(r, arg);
        case K::PositionTail:
            return tailOf(c.field(r, arg));
        case K::LineSum:
            return wrap(static_cast<int64_t>(c.field(r, arg / 10)) + c.field(r, arg % 10));
        case K::LineDifference:
            return wrap(static_cast<int64_t>(c.field(r, arg / 10)) - c.field(r, arg % 10));
        case K::SpecialNumber:
            return c.field(r, c.mainCount + arg);
        case K::SpecialSum:
            return wrap(specialSum(c, r));
        case K::SpecialDifference:
            return wrap(static_cast<int64_t>(c.field(r, c.mainCount + 2)) - c.field(r, c.mainCount + 1));
        case K::MainSum:
            return mainSum(c, r, static_cast<MainSumKind>(arg));
        case K::BigCount:
            return countMain(c, r, [&](int32_t v) { return v > t.T; });
        case K::OddCount:
            return countMain(c, r, isOdd);
        case K::PrimeCount:
            return countMain(c, r, [](int32_t v) { return isPrime(v); });
        case K::RepeatCount:
            return repeatCount(c, r);
        case K::TailGroupCount:
            return tailGroups(c, r);
        case K::ConsecutivePairs: {
            const int32_t* n = c.mainNumbers(r);
            int32_t pairs = 0;
            for (int i = 1; i < c.mainCount; ++i) pairs += (static_cast<int64_t>(n[i]) - n[i - 1] == 1);
            return pairs;
        }
        case K::NeighbourCount:
            return neighbourCount(c, r);
        case K::AcValue:
            return acValue(c, r);
        case K::LargestGap:
        case K::SmallestGap:
        case K::GapKinds:
            return gapStatistic(c, r, kernel);
        case K::HighTailCount:
            return countMain(c, r, [](int32_t v) { return tailOf(v) >= kHighTail; });
        case K::OddRun:
            return adjacentPairs(c, r, isOdd);
        case K::EvenRun:
            return adjacentPairs(c, r, [](int32_t v) { return !isOdd(v); });
        case K::PrimeRun:
            return adjacentPairs(c, r, [](int32_t v) { return isPrime(v); });
        case K::NonPrimeRun:
            return adjacentPairs(c, r, [](int32_t v) { return !isPrime(v); });
        case K::LongestRun:
            return longestRun(c, r);
        case K::RemainderCount:
            return countMain(c, r, [&](int32_t v) { return v % (arg / 10) == arg % 10; });
        case K::ThirdZoneCount:
            return countMain(c, r, [&](int32_t v) {
                if (arg == 1) return v <= t.B31;
                if (arg == 2) return v > t.B31 && v <= t.B32;
                return v > t.B32 && v <= t.B33;
            });
        case K::Temperature:
            return temperatureCount(c, r, arg);
        case K::Skew:
            return skew(c, r, false);
        case K::Spread:
            return spread(c, r, false);
        case K::Average:
            return roundedMean(mainSum(c, r, MainSumKind::Total), c.mainCount);
        case K::SpecialAverage:
            return roundedMean(specialSum(c, r), c.specialCount);
        case K::SpecialSkew:
            return skew(c, r, true);
        case K::SpecialSpread:
            return spread(c, r, true);
        case K::GlobalOmission:
            return globalOmission(c, r, c.field(r, arg));
        case K::GlobalOmissionSum:
            return globalOmissionSum(c, r);
    }
    return kUnknownIndicator;
}

}  // namespace qorvel
