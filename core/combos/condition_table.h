// The condition table of the combination filter: every condition id of the main-zone tab with its
// caption, IndicatorCode, sub-page, visibility, report caption and the value range its picker offers.
// Everything else (the condition model, the check, the file format, the report) reads this one table.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace qorvel {

// Condition ids with a meaning of their own (the record numbers of a main-zone condition file).
constexpr int kMaxListConditionId = 133;
constexpr int kStandardDeviationId = 34;   // 标准差, a range condition
constexpr int kVariationCoefficientId = 35;  // 离散系数(%), a range condition
constexpr int kUnusedConditionId = 36;
constexpr int kGapCountId = 14;            // 不同间距个数, tested with the cheap structural tests
constexpr int kCustomSwitchId = 500;
constexpr int kFirstCustomId = 501;
constexpr int kCandidateNumbersId = 940;
constexpr int kBankerNumbersId = 941;
constexpr int kNotHistoryId = 942;
constexpr int kNotEqualDistanceId = 943;
constexpr int kNoSpecialRunsId = 944;
constexpr int kTotalToleranceId = 945;
constexpr int kFirstSelfSetId = 951;
constexpr int kFirstTailSetId = 1351;

// The sub-pages of the main-zone tab that hold list and range conditions.
enum class ConditionPage : uint8_t {
    Regular1,    // 常规1
    Regular2,    // 常规2
    Regular3,    // 常规3
    Regular4,    // 常规4
    Amplitude1,  // 振幅系列一
    Amplitude2,  // 振幅系列二
    LineSum,     // 线和 (间隔一 to 间隔四 by lineGap)
    LineDiff,    // 线差 (间隔一 to 间隔四 by lineGap)
    Remainder,   // 余数
    Sum1,        // 和值系列一
    Sum2,        // 和值系列二
    Sum3,        // 和值系列三
    Omission1,   // 遗漏系列一
    Omission2,   // 遗漏系列二
};

// How the allowed values of a condition are chosen: tile picker without or with the selection criteria
// (and the indicator's current value), the check-list picker, or two typed bounds.
enum class PickerKind : uint8_t { Tiles, TilesWithCriteria, CheckList, TypedBounds };

// A bound of a value range: constant + perCount × MainCount + perMax × MainTo.
struct RangeBound {
    int constant = 0;
    int perCount = 0;
    int perMax = 0;
    int at(int mainCount, int mainTo) const { return constant + perCount * mainCount + perMax * mainTo; }
};

struct ConditionInfo {
    int id = 0;
    const char* caption = "";         // page caption
    const char* IndicatorCode = "";   // empty for the two range conditions
    ConditionPage page = ConditionPage::Regular1;
    bool hidden = false;              // rows of positions 6 and 7: present, never shown
    const char* reportCaption = "";   // caption in the condition report, with its "："
    PickerKind picker = PickerKind::Tiles;
    RangeBound from;
    RangeBound to;

    bool isRange() const { return picker == PickerKind::TypedBounds; }
    // 间隔一 .. 间隔四 for the line rows (the difference of the two positions, 4 for everything wider).
    int lineGap() const;
};

// Every list and range condition, ids 1..133 without 36, in the order of the sub-pages.
std::span<const ConditionInfo> conditionTable();

// The row of a condition id, or nullptr for an id the table does not hold.
const ConditionInfo* findCondition(int id);

// The row whose IndicatorCode is code, or nullptr.
const ConditionInfo* findConditionByCode(std::string_view code);

}  // namespace qorvel
