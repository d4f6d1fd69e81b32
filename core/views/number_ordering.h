// Orderings of numbers by category for the omission tables, with the zones that colour their columns and
// the "按类型显示" filter.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace qorvel {

constexpr int kOrderingKinds = 21;        // items of cb_sortaccofq: 常规顺序, 按质合, 按奇偶, 按除3余数 … 按除20余数
constexpr int kFirstRemainderKind = 3;    // kind k ≥ 3 groups by n mod k
constexpr int kSpecShowKinds = 8;         // items of cb_specshow

// The caption of ordering kind k ("常规顺序", "按质合", "按奇偶", "按除k余数").
std::string orderingCaption(int kind);
// The items of cb_specshow ("显示全部", "显示奇数号", …, "显示2路号").
const std::array<const char*, kSpecShowKinds>& specShowCaptions();

// The numbers from..to split into the groups of one ordering, concatenated.
struct NumberOrdering {
    std::vector<int> numbers;    // position p (1-based) shows numbers[p − 1]
    std::vector<int> groupEnds;  // cumulative sizes of the non-empty groups
    int NumberAtPosition(int p) const;
};

// kind 0: one group; 1: primes (1 counts as prime) then the others (0 composite); 2: even then odd;
// k = 3…20: n mod k = 0, 1, …, k − 1, a negative n in the group of its non-negative remainder. Each group
// ascending. An unknown kind orders as kind 0.
NumberOrdering OrderNumbersByCategory(int kind, int from, int to);

// The zone (0-based) of every position: for kind 0 the positions split into `parts` consecutive zones
// (size count div parts, the last count mod parts zones one larger), otherwise the ordering's groups.
std::vector<int> columnZones(const NumberOrdering& ordering, int kind, int parts);

// Whether number n shows its content under filter f of cb_specshow (0 all, 1 odd, 2 even, 3 prime,
// 4 composite, 5–7 n mod 3 = 0, 1, 2, the remainder taken non-negative as in the orderings).
bool passesSpecShow(int filter, int n);

}  // namespace qorvel
