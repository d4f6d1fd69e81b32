#include "engine/composite_codes.h"

#include <algorithm>
#include <array>
#include <vector>

#include "engine/composite_parse.h"
#include "engine/indicator_kernels.h"
#include "types/workspace.h"

namespace qorvel {
namespace {

constexpr int kCompositeParameterRange = 256;  // parameters and counting results are unsigned bytes

enum class CompositeKind {
    PairDifference,
    PairSum,
    CrossDifference,
    CrossSum,
    OmissionRange,
    Zone,
    EmptyLines,
    LinePatternCode,
    Remainder,
    PatternOfTwo,
    PatternOfThree,
    Group,
};

struct CompositePrefix {
    std::string_view prefix;
    CompositeKind kind;
};

// Searched in this order; the prefix must open the name.
constexpr CompositePrefix kCompositePrefixes[] = {
    {"c_cz", CompositeKind::PairDifference},     {"c_hz", CompositeKind::PairSum},
    {"c_xw_cz", CompositeKind::CrossDifference}, {"c_xw_hz", CompositeKind::CrossSum},
    {"c_ylz", CompositeKind::OmissionRange},     {"c_fq", CompositeKind::Zone},
    {"c_hnskhkn", CompositeKind::EmptyLines},    {"c_hnszhxt", CompositeKind::LinePatternCode},
    {"c_ys", CompositeKind::Remainder},          {"c_2zbzh", CompositeKind::PatternOfTwo},
    {"c_3zbzh", CompositeKind::PatternOfThree},  {"c_zhfx", CompositeKind::Group},
};

int32_t asByte(int64_t v) {
    return static_cast<uint8_t>(static_cast<uint64_t>(v));
}

int64_t distance(int32_t a, int32_t b) {
    const int64_t d = static_cast<int64_t>(a) - b;
    return d < 0 ? -d : d;
}

// Pairs within one draw (first) or across two draws (first × second) that match.
template <class Match>
int64_t pairsWithin(const int32_t* n, int count, Match match) {
    int64_t pairs = 0;
    for (int i = 0; i < count; ++i)
        for (int j = i + 1; j < count; ++j) pairs += match(n[i], n[j]);
    return pairs;
}

template <class Match>
int64_t pairsAcross(const int32_t* previous, const int32_t* current, int count, Match match) {
    int64_t pairs = 0;
    for (int i = 0; i < count; ++i)
        for (int j = 0; j < count; ++j) pairs += match(previous[i], current[j]);
    return pairs;
}

// Count (s = 0) or sum (otherwise) of the main numbers that qualify.
template <class Qualifies>
int64_t countOrSum(const DrawContext& c, int selector, Qualifies qualifies) {
    const int32_t* n = c.mainNumbers(c.row);
    int64_t result = 0;
    for (int i = 0; i < c.mainCount; ++i)
        if (qualifies(n[i])) result += selector == 0 ? 1 : n[i];
    return result;
}

int32_t zoneCode(const DrawContext& c, const ZoneBounds& zones, int selector, int zoneCount, int zone) {
    if (zoneCount == 0 || zone < 1 || zone > zoneCount) return 0;
    const int32_t low = zoneBound(zones, c.mainTo, zoneCount, zone - 1);
    const int32_t high = zoneBound(zones, c.mainTo, zoneCount, zone);
    return asByte(countOrSum(c, selector, [&](int32_t v) { return v > low && v <= high; }));
}

int32_t countingValue(Workspace& ws, CompositeKind kind, std::string_view text) {
    const bool single = kind == CompositeKind::PairDifference || kind == CompositeKind::PairSum ||
                        kind == CompositeKind::CrossDifference || kind == CompositeKind::CrossSum;
    std::array<int, 3> p{};
    if (single) {
        auto v = parseCompositeInteger(text);
        if (!v) return kMalformedComposite;
        p[0] = asByte(*v);
    } else {
        auto three = splitCompositeTriple(text);
        if (!three) return kMalformedComposite;
        for (int i = 0; i < 3; ++i) p[i] = asByte((*three)[i]);
    }
    const DrawContext c = drawContext(ws);
    const int32_t* n = c.mainNumbers(c.row);
    const int32_t* previous = c.mainNumbers(c.hasPrevious(c.row) ? c.row - 1 : c.row);
    const std::span<const int32_t> numbers(n, c.mainCount);
    switch (kind) {
        case CompositeKind::PairDifference:
            return asByte(
                pairsWithin(n, c.mainCount, [&](int32_t a, int32_t b) { return distance(a, b) == p[0]; }));
        case CompositeKind::PairSum:
            return asByte(pairsWithin(
                n, c.mainCount, [&](int32_t a, int32_t b) { return static_cast<int64_t>(a) + b == p[0]; }));
        case CompositeKind::CrossDifference:
            return asByte(pairsAcross(previous, n, c.mainCount,
                                      [&](int32_t a, int32_t b) { return distance(a, b) == p[0]; }));
        case CompositeKind::CrossSum:
            return asByte(pairsAcross(previous, n, c.mainCount, [&](int32_t a, int32_t b) {
                return static_cast<int64_t>(a) + b == p[0];
            }));
        case CompositeKind::OmissionRange:
            return asByte(countOrSum(c, p[0], [&](int32_t v) {
                const int32_t omission = globalOmission(c, c.row, v);
                return omission >= p[1] && omission <= p[2];
            }));
        case CompositeKind::Zone:
            return zoneCode(c, ws.zones, p[0], p[1], p[2]);
        case CompositeKind::Remainder:
            if (p[1] == 0) return 0;
            return asByte(countOrSum(c, p[0], [&](int32_t v) { return v % p[1] == p[2]; }));
        case CompositeKind::EmptyLines:
            return asByte(EmptyLineCount(p[0], p[1], p[2], numbers, ws.DeterminantOrder));
        case CompositeKind::LinePatternCode:
            return LinePattern(p[0], p[1], p[2], numbers, ws.DeterminantOrder);
        default:
            return kMalformedComposite;
    }
}

// Which rows and which columns of the layout hold one of the numbers.
struct LineHits {
    std::vector<bool> rows, columns;
};

LineHits lineHits(int columns, int rows, std::span<const int32_t> numbers, std::span<const uint8_t> order) {
    LineHits hits{std::vector<bool>(rows, false), std::vector<bool>(columns, false)};
    for (int i = 0; i < rows; ++i)
        for (int j = 0; j < columns; ++j) {
            const std::size_t cell = static_cast<std::size_t>(i) * columns + j;
            if (cell >= order.size()) continue;
            const int32_t x = order[cell];
            if (std::find(numbers.begin(), numbers.end(), x) == numbers.end()) continue;
            hits.rows[i] = true;
            hits.columns[j] = true;
        }
    return hits;
}

}  // namespace

std::optional<int32_t> compositeValue(Workspace& ws, std::string_view name) {
    for (const CompositePrefix& entry : kCompositePrefixes) {
        if (!name.starts_with(entry.prefix)) continue;
        // The parameters start one character after the prefix, whatever that separator is.
        if (name.size() <= entry.prefix.size()) return kMalformedComposite;
        const std::string_view text = name.substr(entry.prefix.size() + 1);
        switch (entry.kind) {
            case CompositeKind::PatternOfTwo:
                return expressionCodeValue(ws, ExpressionCode::PatternOfTwo, text);
            case CompositeKind::PatternOfThree:
                return expressionCodeValue(ws, ExpressionCode::PatternOfThree, text);
            case CompositeKind::Group:
                return expressionCodeValue(ws, ExpressionCode::Group, text);
            default:
                return countingValue(ws, entry.kind, text);
        }
    }
    return std::nullopt;
}

int32_t EmptyLineCount(int kind, int columns, int rows, std::span<const int32_t> numbers,
                       std::span<const uint8_t> order) {
    if (kind < 0 || kind > 2) return 0;
    const LineHits hits = lineHits(columns, rows, numbers, order);
    const auto empty = [](const std::vector<bool>& lines) {
        return static_cast<int32_t>(std::count(lines.begin(), lines.end(), false));
    };
    if (kind == 0) return empty(hits.rows);
    if (kind == 1) return empty(hits.columns);
    return empty(hits.rows) + empty(hits.columns);
}

int32_t LinePattern(int kind, int columns, int rows, std::span<const int32_t> numbers,
                    std::span<const uint8_t> order) {
    if (kind < 0 || kind > 2) return 0;
    const LineHits hits = lineHits(columns, rows, numbers, order);
    std::vector<bool> digits;
    if (kind != 1) digits.insert(digits.end(), hits.rows.begin(), hits.rows.end());
    if (kind != 0) digits.insert(digits.end(), hits.columns.begin(), hits.columns.end());
    uint32_t value = 0;
    for (std::size_t i = 0; i < digits.size() && i < 32; ++i)
        if (digits[i]) value |= uint32_t{1} << i;
    return static_cast<int32_t>(value);
}

}  // namespace qorvel
