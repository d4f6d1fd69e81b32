// The pair affinity of the more-charts page: how often each pair of main numbers was drawn together in a
// range of draws, the pairs drawn together often (相生) or rarely (相克), and the texts of the sheet.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "draws/t_s_dm.h"
#include "types/lottery_type.h"

namespace qorvel {

constexpr int kPairTableSize = 50;                      // counts of the numbers 0 … 49
constexpr int kPairHighestNumber = kPairTableSize - 1;  // numbers above it are not counted
constexpr int kPairLimitMax = 1000;                     // the limit combos hold 0 … 1000
constexpr int kDefaultAffineLimit = 5;
constexpr int kDefaultHostileLimit = 1;
constexpr const char* kAllDrawsChoice = "所有";
constexpr const char* kDefaultNearChoice = "50";
// The items of the "近" combo.
constexpr std::array<const char*, 18> kNearChoices = {"5",  "10", "15",  "20",  "25",  "30",  "40",  "50",  "60",
                                                      "70", "80", "90", "100", "150", "200", "250", "300", "所有"};

// Rows first … last of the store (1-based, oldest first); empty when last < first.
struct PairDrawRange {
    int first = 1;
    int last = 0;
    int size() const { return last >= first ? last - first + 1 : 0; }
};

// The number of draws a "近" choice stands for: drawCount for "所有", n for a whole number n ≥ 0 (typed
// text too); -1 for anything else.
int nearChoiceDraws(std::string_view choice, int drawCount);
// "近" n: the newest n draws of the store (all of them when n exceeds the history); none for text that
// is not a choice.
PairDrawRange nearDrawsRange(const t_s_dm& store, std::string_view choice);
// "自定义": the draws from fromIssue to toIssue, both found by key lookup; none when either is missing or
// toIssue lies before fromIssue. The cursor does not move.
PairDrawRange customDrawsRange(const t_s_dm& store, int fromIssue, int toIssue);
// "共" n "期" with n = toPosition − fromPosition + 1, the positions of the two issues in the history.
std::string customRangeText(int fromPosition, int toPosition);

enum class PairKind { Affine, Hostile, Neutral };
// Above the 相生 limit a pair is affine; otherwise below the 相克 limit hostile.
PairKind pairKind(int count, int affineLimit, int hostileLimit);

// TwoDigitText(a) ":" TwoDigitText(b) "==>" count "次".
std::string pairListLine(int a, int b, int count);
std::string affineCountText(int lines);   // "相生[" lines "]"
std::string hostileCountText(int lines);  // "相克[" lines "]"

struct PairAffinity {
    int highest = 0;  // the table shows the numbers 1 … highest
    int draws = 0;    // draws in the range
    int affineLimit = kDefaultAffineLimit;
    int hostileLimit = kDefaultHostileLimit;
    // count[a][b]: for a ≠ b the draws in the range that hold both a and b.
    std::array<std::array<int, kPairTableSize>, kPairTableSize> count{};
    std::vector<std::string> affine;   // the 相生 list, pairs a < b ordered by b then a
    std::vector<std::string> hostile;  // the 相克 list, same order

    // 0 outside 0 … 49.
    int countOf(int a, int b) const;
    // The cell of numbers a and b: the count, empty on the diagonal and outside 1 … highest.
    std::string cellText(int a, int b) const;
    // The colour class of that cell; the diagonal is neutral.
    PairKind kindOf(int a, int b) const;
};

// Counts every pair of main numbers over the range and lists the pairs by the two limits. The table is
// numbered 1 … MainTo (at most 49) whatever MainFrom is; numbers outside 0 … 49 are not counted.
PairAffinity pairAffinity(const t_s_dm& store, const TypeParams& params, PairDrawRange range, int affineLimit,
                          int hostileLimit);

}  // namespace qorvel
