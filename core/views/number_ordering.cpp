#include "views/number_ordering.h"

#include <algorithm>

#include "engine/indicators.h"

namespace qorvel {
namespace {

constexpr int kRoads = 3;

// n mod k kept within 0 … k − 1, so a negative value (an indicator can be negative) falls into one of the
// groups as a positive one does.
int remainderGroup(int n, int k) {
    const int r = n % k;
    return r < 0 ? r + k : r;
}

// The group of n under an ordering kind.
int groupOf(int kind, int n) {
    if (kind == 1) return isPrime(n) ? 0 : 1;
    if (kind == 2) return n % 2 == 0 ? 0 : 1;
    if (kind >= kFirstRemainderKind && kind < kOrderingKinds) return remainderGroup(n, kind);
    return 0;
}

int groupCount(int kind) {
    if (kind == 1 || kind == 2) return 2;
    if (kind >= kFirstRemainderKind && kind < kOrderingKinds) return kind;
    return 1;
}

}  // namespace

std::string orderingCaption(int kind) {
    if (kind == 1) return "按质合";
    if (kind == 2) return "按奇偶";
    if (kind >= kFirstRemainderKind && kind < kOrderingKinds) return "按除" + std::to_string(kind) + "余数";
    return "常规顺序";
}

const std::array<const char*, kSpecShowKinds>& specShowCaptions() {
    static const std::array<const char*, kSpecShowKinds> captions = {
        "显示全部", "显示奇数号", "显示偶数号", "显示质数号", "显示合数号", "显示0路号", "显示1路号", "显示2路号"};
    return captions;
}

int NumberOrdering::NumberAtPosition(int p) const {
    return (p >= 1 && p <= static_cast<int>(numbers.size())) ? numbers[p - 1] : 0;
}

NumberOrdering OrderNumbersByCategory(int kind, int from, int to) {
    NumberOrdering ordering;
    const int groups = groupCount(kind);
    for (int g = 0; g < groups; ++g) {
        const std::size_t before = ordering.numbers.size();
        for (int n = from; n <= to; ++n)
            if (groupOf(kind, n) == g) ordering.numbers.push_back(n);
        if (ordering.numbers.size() > before) ordering.groupEnds.push_back(static_cast<int>(ordering.numbers.size()));
    }
    return ordering;
}

std::vector<int> columnZones(const NumberOrdering& ordering, int kind, int parts) {
    const int count = static_cast<int>(ordering.numbers.size());
    std::vector<int> zones(static_cast<std::size_t>(count), 0);
    if (groupCount(kind) == 1) {
        parts = std::clamp(parts, 1, std::max(count, 1));
        const int base = count / parts, rest = count % parts;
        int position = 0;
        for (int z = 0; z < parts; ++z) {
            const int size = base + (parts - 1 - z < rest ? 1 : 0);
            for (int i = 0; i < size && position < count; ++i) zones[position++] = z;
        }
        return zones;
    }
    int zone = 0;
    for (int p = 0; p < count; ++p) {
        while (zone < static_cast<int>(ordering.groupEnds.size()) && p >= ordering.groupEnds[zone]) ++zone;
        zones[p] = zone;
    }
    return zones;
}

bool passesSpecShow(int filter, int n) {
    switch (filter) {
        case 1: return n % 2 != 0;
        case 2: return n % 2 == 0;
        case 3: return isPrime(n);
        case 4: return !isPrime(n);
        case 5:
        case 6:
        case 7: return remainderGroup(n, kRoads) == filter - 5;
        default: return true;
    }
}

}  // namespace qorvel
