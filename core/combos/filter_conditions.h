// The conditions of the combination filter's main zone: list conditions (FilterCondition, one per id of
// the condition table), the two range conditions, the three structural switches, the self-set, tail-set
// and custom-indicator lists with their master switches, the total tolerance, and the candidate and
// banker numbers. Plain data that the page edits, the check compiles, and the condition file stores.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "combos/condition_table.h"
#include "types/lottery_type.h"

namespace qorvel {

constexpr int kMaxMainNumber = 49;            // highest main number any type may have
constexpr int kMaxSelfSetConditions = 400;
constexpr int kMaxTailSetConditions = 50;
constexpr int kMaxCustomConditions = 400;
constexpr int kMaxFormulaBytes = 200;         // GBK bytes of a custom-indicator formula
constexpr int kMaxAllowedValues = 2001;       // values one condition record can hold
constexpr int kMaxSelfSetNumbers = 49;
constexpr int kMaxTailSetDigits = 48;
constexpr int kToleranceChoiceMax = 100;      // the total-tolerance combos offer 0..100
constexpr int kDefaultToleranceFrom = 0;
constexpr int kDefaultToleranceTo = 3;

// A list condition: the indicator's value for the candidate must be one of the allowed values. An
// enabled condition with an empty list is not applied.
struct FilterCondition {
    int id = 0;
    std::string IndicatorCode;
    bool enabled = false;
    std::vector<int32_t> values;  // ascending as the value dialog returns them
    bool tolerant = false;

    bool applies() const { return enabled && !values.empty(); }
    bool operator==(const FilterCondition&) const = default;
};

// 标准差 and 离散系数(%): a value between two typed whole numbers. An empty bound field is nullopt; a run
// with the condition enabled and a bound missing is refused.
struct RangeCondition {
    bool enabled = false;
    std::optional<int> from;
    std::optional<int> to;
    bool tolerant = false;
    bool operator==(const RangeCondition&) const = default;
};

// 自设条件: how many of a group of main numbers the candidate holds.
struct SelfSetCondition {
    std::vector<int> numbers;      // in the order ticked (ascending), at most kMaxSelfSetNumbers
    std::vector<int32_t> counts;   // allowed member counts
    bool tolerant = false;
    bool operator==(const SelfSetCondition&) const = default;
};

// 尾数设置: how many numbers end in one of the digits (or, counted once, how many of the digits occur).
struct TailSetCondition {
    std::vector<int> digits;       // 0..9 ascending, at most kMaxTailSetDigits
    std::vector<int32_t> counts;
    bool tolerant = false;
    bool countOnce = true;         // 相同尾数仅计算一次
    bool operator==(const TailSetCondition&) const = default;
};

// 自定义指标: a formula whose value for the candidate must be one of the allowed values.
struct CustomIndicatorCondition {
    std::string formula;           // trimmed UTF-8, at most kMaxFormulaBytes in GBK
    std::vector<int32_t> values;   // 0..1000 from the picker
    bool tolerant = false;
    bool operator==(const CustomIndicatorCondition&) const = default;
};

struct TotalTolerance {
    bool enabled = false;          // cb_rcnumlimit
    int from = kDefaultToleranceFrom;
    int to = kDefaultToleranceTo;
    bool operator==(const TotalTolerance&) const = default;
};

// Outcome of adding or replacing a list entry: added, or refused with the message to show.
struct AddResult {
    bool added = false;
    std::string message;
};

struct ConditionSet {
    ConditionSet();

    std::array<FilterCondition, kMaxListConditionId + 1> lists;  // index = id; ids 34..36 unused here
    RangeCondition standardDeviation;       // id 34
    RangeCondition variationCoefficient;    // id 35
    bool notEqualDistance = true;           // 去除等间距组合 (cb_notequaldist)
    bool noSpecialRuns = true;              // 去除特殊连号 (cb_specnext)
    bool notHistory = false;                // 不允许所有主号与历史完全相同 (cb_nothistory)

    bool selfSetOn = false;                 // cb_selfcond
    std::vector<SelfSetCondition> selfSets;
    bool tailSetOn = false;                 // cb_wsset
    std::vector<TailSetCondition> tailSets;
    bool customOn = false;                  // cb_selfzb
    std::vector<CustomIndicatorCondition> customs;

    TotalTolerance totalTolerance;

    // Index 1..49; candidates (可选号码) and bankers (胆码).
    std::array<bool, kMaxMainNumber + 1> candidates{};
    std::array<bool, kMaxMainNumber + 1> bankers{};

    // "重置": every condition off and empty, the switches as at page creation, every number 1..mainTo a
    // candidate, no bankers.
    void reset(int mainTo);

    FilterCondition* list(int id);
    const FilterCondition* list(int id) const;
    RangeCondition* range(int id);
    const RangeCondition* range(int id) const;

    // Tick or untick a list or range condition. Unticking clears the values (bounds) and the tolerant flag.
    void setEnabled(int id, bool enabled);

    // Append a condition to its list; refused with a message past the list's limit, for an empty group or
    // an over-long formula. An empty formula is neither added nor reported.
    AddResult addSelfSet(SelfSetCondition condition);
    AddResult addTailSet(TailSetCondition condition);
    AddResult addCustom(CustomIndicatorCondition condition);
};

// Refusal texts of the add operations.
extern const char* const kSelfSetLimitMessage;
extern const char* const kTailSetLimitMessage;
extern const char* const kCustomLimitMessage;
extern const char* const kFormulaTooLongMessage;

// List-box lines as the add dialogs write them and as a loaded condition file writes them.
std::string selfSetLine(const SelfSetCondition& c);
std::string tailSetLine(const TailSetCondition& c);
std::string customLine(const CustomIndicatorCondition& c);
std::string selfSetLoadedLine(const SelfSetCondition& c);
std::string tailSetLoadedLine(const TailSetCondition& c);
std::string customLoadedLine(const CustomIndicatorCondition& c);

// The allowed values as the edit field shows them: each value followed by two spaces.
std::string valuesFieldText(const std::vector<int32_t>& values);

// The candidate or banker memo: each flagged number 1..mainTo as two digits followed by two spaces.
std::string numbersFieldText(const std::array<bool, kMaxMainNumber + 1>& flags, int mainTo);

// The confirmations of the export entry points (addforselfcond, addforselfcond_ws, addforselfzb).
std::string selfSetExportedMessage(const SelfSetCondition& c);
std::string tailSetExportedMessage(const TailSetCondition& c);
std::string customExportedMessage(const CustomIndicatorCondition& c);

}  // namespace qorvel
