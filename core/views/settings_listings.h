// The two read-only listings of the settings page: the zone division of the main numbers for 2 to 15
// zones, and the values and labels of the two- and three-indicator combination patterns.
#pragma once

#include <string>
#include <vector>

#include "types/lottery_type.h"

namespace qorvel {

// The class sets a combination pattern classifies indicators by, in listing order.
enum class PatternClassSet {
    OddEven,                  // 偶 0, 奇 1
    CompositePrime,           // 合 0, 质 1
    SmallBig,                 // 小 0, 大 1
    SmallMiddleBig,           // 小 0, 中 1, 大 2
    RemainderByThree,         // 零 壹 贰 (ordered), 0路 1路 2路 (unordered)
    RepeatGapMiddle,          // 复 0, 隔 1, 中 2
    NeighbourIsolatedPassed,  // 邻 0, 孤 1, 传 2
};

constexpr PatternClassSet kPatternClassSets[] = {
    PatternClassSet::OddEven,
    PatternClassSet::CompositePrime,
    PatternClassSet::SmallBig,
    PatternClassSet::SmallMiddleBig,
    PatternClassSet::RemainderByThree,
    PatternClassSet::RepeatGapMiddle,
    PatternClassSet::NeighbourIsolatedPassed,
};

// A number 1..99 in Chinese numerals: 2 → 二, 11 → 十一, 20 → 二十.
std::string chineseNumber(int n);

// The label of every pattern value, indexed by value. Ordered patterns read the classes as digits, the
// first indicator most significant ("奇偶" = 2); unordered ones rank the multiset of classes among the
// non-decreasing class tuples ("一0路两2路" = 5 for three indicators).
std::vector<std::string> patternLabels(PatternClassSet set, int indicators, bool ordered);

// One listing line: every value as six blanks, the value, "=  " and its label.
std::string patternValueLine(const std::vector<std::string>& labels);

// The zone listing: for n = 2..15 the heading "(n区的分区设定)" and a line naming every zone with its
// numbers, e.g. "小区<1..16>          大区<17..33>".
std::vector<std::string> zoneDivisionListing(const ZoneBounds& zones);

// The pattern listing: four sections (two/three indicators, ordered/unordered), each a heading and one
// line per class set, separated by an empty line.
std::vector<std::string> patternValueListing();

}  // namespace qorvel
