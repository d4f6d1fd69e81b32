#include "views/pair_affinity.h"

#include <algorithm>
#include <optional>

#include "text/number_text.h"

namespace qorvel {

namespace {

bool countable(int n) { return n >= 0 && n <= kPairHighestNumber; }

}  // namespace

int nearChoiceDraws(std::string_view choice, int drawCount) {
    const std::string_view text = trimBlanks(choice);
    if (text == kAllDrawsChoice) return drawCount;
    const std::optional<int> n = parseWholeNumber(text);
    return n && *n >= 0 ? *n : -1;
}

PairDrawRange nearDrawsRange(const t_s_dm& store, std::string_view choice) {
    const int n = std::min(nearChoiceDraws(choice, store.Count()), store.Count());
    if (n <= 0) return {};
    return {store.Count() - n + 1, store.Count()};
}

PairDrawRange customDrawsRange(const t_s_dm& store, int fromIssue, int toIssue) {
    const int from = store.KeyRowOfIssue(fromIssue);
    const int to = store.KeyRowOfIssue(toIssue);
    if (from == 0 || to == 0 || to < from) return {};
    return {from, to};
}

std::string customRangeText(int fromPosition, int toPosition) {
    return "共" + std::to_string(toPosition - fromPosition + 1) + "期";
}

PairKind pairKind(int count, int affineLimit, int hostileLimit) {
    if (count > affineLimit) return PairKind::Affine;
    if (count < hostileLimit) return PairKind::Hostile;
    return PairKind::Neutral;
}

std::string pairListLine(int a, int b, int count) {
    return TwoDigitText(a) + ":" + TwoDigitText(b) + "==>" + std::to_string(count) + "次";
}

std::string affineCountText(int lines) { return "相生[" + std::to_string(lines) + "]"; }
std::string hostileCountText(int lines) { return "相克[" + std::to_string(lines) + "]"; }

int PairAffinity::countOf(int a, int b) const {
    if (!countable(a) || !countable(b)) return 0;
    return count[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)];
}

std::string PairAffinity::cellText(int a, int b) const {
    if (a == b || a < 1 || b < 1 || a > highest || b > highest) return {};
    return std::to_string(countOf(a, b));
}

PairKind PairAffinity::kindOf(int a, int b) const {
    if (a == b || a < 1 || b < 1 || a > highest || b > highest) return PairKind::Neutral;
    return pairKind(countOf(a, b), affineLimit, hostileLimit);
}

PairAffinity pairAffinity(const t_s_dm& store, const TypeParams& params, PairDrawRange range, int affineLimit,
                          int hostileLimit) {
    PairAffinity result;
    result.highest = std::clamp(params.MainTo, 0, kPairHighestNumber);
    result.affineLimit = affineLimit;
    result.hostileLimit = hostileLimit;
    const int first = std::max(range.first, 1);
    const int last = std::min(range.last, store.Count());
    const int mainCount = std::clamp(params.MainCount, 0, kDrawFields - 1);
    // Every ordered pair of positions, a position with itself included, so count[a][b] and count[b][a]
    // both gain one for each draw holding a and b.
    for (int r = last; r >= first; --r) {
        const DrawFields& fields = store.Row(r).fields;
        for (int i = 1; i <= mainCount; ++i) {
            if (!countable(fields[static_cast<std::size_t>(i)])) continue;
            for (int j = 1; j <= mainCount; ++j) {
                if (!countable(fields[static_cast<std::size_t>(j)])) continue;
                ++result.count[static_cast<std::size_t>(fields[static_cast<std::size_t>(i)])]
                              [static_cast<std::size_t>(fields[static_cast<std::size_t>(j)])];
            }
        }
        ++result.draws;
    }
    for (int b = 1; b <= result.highest; ++b) {
        for (int a = 1; a < b; ++a) {
            const int n = result.countOf(a, b);
            switch (pairKind(n, affineLimit, hostileLimit)) {
                case PairKind::Affine: result.affine.push_back(pairListLine(a, b, n)); break;
                case PairKind::Hostile: result.hostile.push_back(pairListLine(a, b, n)); break;
                case PairKind::Neutral: break;
            }
        }
    }
    return result;
}

}  // namespace qorvel
