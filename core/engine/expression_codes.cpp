// The expression codes: patterns of two or three expressions ("c_2zbzh", "c_3zbzh") and features of a
// group of expressions ("c_zhfx"), plus the parameter parsing every composite code shares.
#include <algorithm>
#include <array>
#include <charconv>
#include <string>
#include <vector>

#include "engine/composite_codes.h"
#include "engine/composite_parse.h"
#include "engine/derived_series.h"
#include "engine/formula.h"
#include "engine/indicators.h"
#include "types/workspace.h"

namespace qorvel {
namespace {

constexpr int kPatternClassKinds = 14;   // kinds 0..13 classify each value
constexpr int kLastThreeValueKind = 30;  // kinds 14..30 need three expressions

int32_t wrap(int64_t v) {
    return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(v)));
}

int64_t distance(int64_t a, int64_t b) {
    return a > b ? a - b : b - a;
}

bool among(std::span<const int32_t> values, int64_t x) {
    return std::find(values.begin(), values.end(), x) != values.end();
}

// The class of one value for pattern kinds 0..13.
int patternClass(int kind, int32_t x, std::span<const int32_t> previous, std::span<const int32_t> twoBack) {
    const int32_t tail = x % kTailBase;
    switch (kind / 2) {
        case 0:
            return x % 2;
        case 1:
            return isPrime(x) ? 1 : 0;
        case 2:
            return tail > 4 ? 1 : 0;
        case 3:
            return tail <= 2 ? 0 : (tail <= 5 ? 1 : 2);
        case 4:
            return x % 3;
        case 5:
            return among(previous, x) ? 0 : (among(twoBack, x) ? 1 : 2);
        default:
            if (among(previous, x)) return 2;
            for (int32_t p : previous)
                if (distance(x, p) == 1) return 0;
            return 1;
    }
}

// Position of the sorted classes, read as one decimal number, in the list for the case; 0 when absent.
int32_t unorderedValue(std::vector<int> classes, int classCount) {
    static constexpr int32_t kTwoOfTwo[] = {0, 1, 11};
    static constexpr int32_t kTwoOfThree[] = {0, 1, 2, 11, 12, 22};
    static constexpr int32_t kThreeOfTwo[] = {0, 1, 11, 111};
    static constexpr int32_t kThreeOfThree[] = {0, 1, 2, 11, 12, 22, 111, 112, 122, 222};
    std::sort(classes.begin(), classes.end());
    int32_t number = 0;
    for (int c : classes) number = number * 10 + c;
    std::span<const int32_t> list;
    if (classes.size() == 2)
        list = classCount == 2 ? std::span<const int32_t>(kTwoOfTwo) : kTwoOfThree;
    else
        list = classCount == 2 ? std::span<const int32_t>(kThreeOfTwo) : kThreeOfThree;
    for (std::size_t i = 0; i < list.size(); ++i)
        if (list[i] == number) return static_cast<int32_t>(i);
    return 0;
}

int32_t classPattern(int kind, std::span<const int32_t> values, std::span<const int32_t> previous,
                     std::span<const int32_t> twoBack) {
    const int classCount = kind <= 5 ? 2 : 3;
    std::vector<int> classes;
    for (int32_t v : values) classes.push_back(patternClass(kind, v, previous, twoBack));
    for (int c : classes)
        if (c < 0 || c >= classCount) return 0;  // a negative remainder is no class
    if (kind % 2 == 1) return unorderedValue(classes, classCount);
    int32_t ordered = 0;
    for (int c : classes) ordered = ordered * classCount + c;
    return ordered;
}

int32_t samePositionCount(std::span<const int32_t> v, std::span<const int32_t> p, int kind) {
    int32_t count = 0;
    for (std::size_t i = 0; i < v.size() && i < p.size(); ++i) {
        bool same = false;
        switch (kind) {
            case 26:
                same = v[i] % 2 == p[i] % 2;
                break;
            case 27:
                same = isPrime(v[i]) == isPrime(p[i]);
                break;
            case 28:
                same = v[i] % 3 == p[i] % 3;
                break;
            case 29:
                same = (v[i] % kTailBase < 5) == (p[i] % kTailBase < 5);
                break;
            default:
                same = v[i] == p[i];
                break;
        }
        count += same;
    }
    return count;
}

int32_t threeValuePattern(int kind, std::span<const int32_t> values, std::span<const int32_t> previous) {
    const int64_t v1 = values[0], v2 = values[1], v3 = values[2];
    std::array<int64_t, 3> sorted{v1, v2, v3};
    std::sort(sorted.begin(), sorted.end());
    const int64_t sum = v1 + v2 + v3;
    switch (kind) {
        case 14:
            return wrap(distance(distance(v1, v2), distance(v2, v3)));
        case 15:
            return wrap(v1 + 2 * v2 + 3 * v3);
        case 16: {
            std::array<int64_t, 3> d{distance(v1, v2), distance(v2, v3), distance(v1, v3)};
            std::sort(d.begin(), d.end());
            return static_cast<int32_t>(std::unique(d.begin(), d.end()) - d.begin());
        }
        case 17:
            return static_cast<int32_t>(
                std::count_if(values.begin(), values.end(), [&](int32_t v) { return among(previous, v); }));
        case 18:
            return wrap(std::max({v1 - v3 + 9, distance(v1, v2), distance(v2, v3)}));
        case 19:
            return wrap(sorted[2] - sorted[0]);
        case 20:
            return wrap(sum / 3);
        case 21:
            return wrap(sorted[2]);
        case 22:
            return wrap(sorted[1]);
        case 23:
            return wrap(sorted[0]);
        case 24:
            return wrap(sum);
        case 25:
            return wrap(sum) % kTailBase;
        default:
            return samePositionCount(values, previous, kind);
    }
}

// True when the pattern needs the expressions' values at the previous draw.
bool patternNeedsPrevious(int kind, std::size_t expressions) {
    if (kind >= 10 && kind <= 13) return true;
    return expressions == 3 && (kind == 17 || (kind >= 26 && kind <= kLastThreeValueKind));
}
bool groupNeedsPrevious(int feature) {
    return feature == 5 || feature == 6;
}

struct ExpressionList {
    std::vector<std::string_view> expressions;
    int kind = 0;
};

// "e1|e2|…:k"; nothing when the ":" or the integer after it is missing.
std::optional<ExpressionList> parseExpressionList(std::string_view text) {
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos) return std::nullopt;
    auto kind = parseCompositeInteger(text.substr(colon + 1));
    if (!kind) return std::nullopt;
    ExpressionList list;
    list.kind = static_cast<uint8_t>(static_cast<uint32_t>(*kind));  // used modulo 256
    std::string_view rest = text.substr(0, colon);
    for (;;) {
        const std::size_t bar = rest.find('|');
        list.expressions.push_back(rest.substr(0, bar));
        if (bar == std::string_view::npos) break;
        rest.remove_prefix(bar + 1);
    }
    return list;
}

// The expressions' values with the cursor `back` draws earlier (staying on the first draw); failures are
// ignored. The cursor is returned.
std::vector<int32_t> valuesEarlier(Workspace& ws, const std::vector<std::string_view>& expressions,
                                   int back) {
    std::vector<int32_t> values;
    CursorReturn keep(ws.MainStore);
    ws.MainStore.SetRecNo(std::max(1, ws.MainStore.RecNo() - back));
    for (std::string_view e : expressions) {
        int32_t v = 0;
        evaluateFormula(ws, e, v);
        values.push_back(v);
    }
    return values;
}

}  // namespace

std::optional<int32_t> parseCompositeInteger(std::string_view text) {
    std::size_t start = (!text.empty() && text.front() == '+') ? 1 : 0;
    if (start == text.size()) return std::nullopt;
    int32_t value = 0;
    const char* first = text.data() + start;
    const char* last = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || ptr != last) return std::nullopt;
    return value;
}

std::optional<std::array<int32_t, 3>> splitCompositeTriple(std::string_view text) {
    const std::size_t first = text.find('_');
    if (first == std::string_view::npos) return std::nullopt;
    const std::size_t second = text.find('_', first + 1);
    if (second == std::string_view::npos) return std::nullopt;
    auto a = parseCompositeInteger(text.substr(0, first));
    auto b = parseCompositeInteger(text.substr(first + 1, second - first - 1));
    auto c = parseCompositeInteger(text.substr(second + 1));
    if (!a || !b || !c) return std::nullopt;
    return std::array<int32_t, 3>{*a, *b, *c};
}

int32_t patternValue(int kind, std::span<const int32_t> values, std::span<const int32_t> previous,
                     std::span<const int32_t> twoBack) {
    if (values.size() != 2 && values.size() != 3) return 0;
    if (kind >= 0 && kind < kPatternClassKinds) return classPattern(kind, values, previous, twoBack);
    if (values.size() == 3 && kind >= kPatternClassKinds && kind <= kLastThreeValueKind)
        return threeValuePattern(kind, values, previous);
    return 0;
}

int32_t groupFeature(int feature, std::span<const int32_t> values, std::span<const int32_t> previous) {
    const int j = static_cast<int>(values.size());
    if (j == 0) return 0;
    std::vector<int64_t> tails, differences;
    int64_t sum = 0, tailSum = 0;
    for (int32_t v : values) {
        sum += v;
        tails.push_back(v % kTailBase);
        tailSum += v % kTailBase;
    }
    for (int i = 1; i < j; ++i) differences.push_back(distance(values[i], values[i - 1]));
    const auto countWhere = [&](auto keep) {
        return static_cast<int32_t>(std::count_if(values.begin(), values.end(), keep));
    };
    const auto tailsWhere = [&](auto keep) {
        return static_cast<int32_t>(std::count_if(tails.begin(), tails.end(), keep));
    };
    const auto distinct = [](std::vector<int64_t> list) {
        std::sort(list.begin(), list.end());
        return static_cast<int32_t>(std::unique(list.begin(), list.end()) - list.begin());
    };
    switch (feature) {
        case 0:
            return countWhere([](int32_t v) { return v % 2 == 1; });
        case 1:
            return countWhere([](int32_t v) { return isPrime(v); });
        case 2:
            return wrap((2 * sum + j) / (2 * static_cast<int64_t>(j)));
        case 3:
            return distinct(tails);
        case 4:
            return distinct(std::vector<int64_t>(values.begin(), values.end()));
        case 5:
            return countWhere([&](int32_t v) { return among(previous, v); });
        case 6: {
            int32_t same = 0;
            for (std::size_t i = 0; i < values.size() && i < previous.size(); ++i)
                same += values[i] == previous[i];
            return same;
        }
        case 7:
            return wrap(*std::max_element(values.begin(), values.end()) -
                        static_cast<int64_t>(*std::min_element(values.begin(), values.end())));
        case 8:
            return j == 1 ? -1 : wrap(*std::max_element(differences.begin(), differences.end()));
        case 9:
            return j == 1 ? kSingleValueGroupMinimum
                          : wrap(*std::min_element(differences.begin(), differences.end()));
        case 10:
            return j == 1 ? 0 : distinct(differences);
        case 11:
            return tailsWhere([](int64_t t) { return t > 4; });
        case 12:
            return tailsWhere([](int64_t t) { return t > 5; });
        case 13:
            return tailsWhere([](int64_t t) { return t >= 3 && t <= 5; });
        case 14:
            return tailsWhere([](int64_t t) { return t <= 2; });
        case 15:
        case 16:
        case 17:
            return countWhere([&](int32_t v) { return v % 3 == feature - 15; });
        case 18:
        case 19:
        case 20:
        case 21:
            return countWhere([&](int32_t v) { return v % 4 == feature - 18; });
        case 22:
        case 23:
        case 24:
        case 25:
        case 26:
            return countWhere([&](int32_t v) { return v % 5 == feature - 22; });
        case 27:
            return wrap(sum);
        case 28:
            return wrap(sum) % kTailBase;
        case 29:
            return wrap(tailSum);
        default:
            return 0;
    }
}

int32_t expressionCodeValue(Workspace& ws, ExpressionCode code, std::string_view text) {
    auto list = parseExpressionList(text);
    if (!list) return kMalformedComposite;
    const std::size_t wanted = code == ExpressionCode::PatternOfTwo ? 2 : 3;
    if (code != ExpressionCode::Group && list->expressions.size() != wanted) return kMalformedComposite;
    const bool group = code == ExpressionCode::Group;
    const int32_t failed = group ? kFailedGroup : 0;

    std::vector<int32_t> values;
    for (std::string_view e : list->expressions) {
        int32_t v = 0;
        if (!evaluateFormula(ws, e, v)) return failed;
        if (group && v < 0) return failed;
        values.push_back(v);
    }
    std::vector<int32_t> previous, twoBack;
    if (group ? groupNeedsPrevious(list->kind) : patternNeedsPrevious(list->kind, values.size()))
        previous = valuesEarlier(ws, list->expressions, 1);
    if (!group && list->kind >= 10 && list->kind <= 11) twoBack = valuesEarlier(ws, list->expressions, 2);
    return group ? groupFeature(list->kind, values, previous)
                 : patternValue(list->kind, values, previous, twoBack);
}

}  // namespace qorvel
