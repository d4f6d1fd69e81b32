// The arithmetic behind the value pickers of the combination filter: which values of a picker's range are
// chosen (ValueSelection), the selection criteria of "按条件选择" (ValueCriteria), the current value of a
// condition for the last draw, the request a condition row hands to its picker, and the series the
// filter assistant ("过滤助手") shows on the dissection view.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "combos/condition_table.h"
#include "combos/filter_conditions.h"
#include "views/dissection_input.h"

namespace qorvel {

struct Workspace;

constexpr int kTilePickerLastValue = 180;   // the tile picker holds the values 0..180
constexpr int kListPickerLastValue = 2000;  // the check-list picker holds the values 0..2000
constexpr int kCustomValueLast = 1000;      // custom-indicator conditions offer 0..1000
constexpr int kFirstDivisor = 3;            // "除k余数" criteria exist for k = 3..9
constexpr int kLastTileDivisor = 5;         // the tile picker offers k = 3..5
constexpr int kLastDivisor = 9;             // the check-list picker offers k = 3..9
constexpr int kAssistantLeadDraws = kDissectionLeadDraws;
inline constexpr const char* kAllTailDigits = "0 1 2 3 4 5 6 7 8 9";

// Preselection codes a picker receives instead of a condition's list number.
constexpr int kPreselectBankers = -1;
constexpr int kPreselectCandidates = -2;
constexpr int kPreselectSpecialList = -3;
constexpr int kNoPreselection = -999;

// Texts of the criteria pass and of the banker picker.
inline constexpr const char* kAmplitudeBoundMissing = "变化量未输入数据";
inline constexpr const char* kRangeBoundMissing = "取值范围未输入数据";
inline constexpr const char* kAverageBoundMissing = "二期均值未输入数据";
inline constexpr const char* kBankerOverflowMessage = "选择主号胆码不能大于6个";
inline constexpr const char* kFormulaErrorPrefix = "公式有误:";
inline constexpr const char* kAssistantTitleSuffix = "（过滤助手）";

// A criterion with two typed bounds, kept as typed so the pass can report an empty or malformed one.
struct BoundCriterion {
    bool on = false;
    std::string from;
    std::string to;
};

// A "除k余数" criterion: the accepted remainders 0..k−1.
struct RemainderCriterion {
    bool on = false;
    std::array<bool, kLastDivisor> accepted{};
};

// The ticked criteria of "按条件选择"; a value is chosen when every ticked criterion holds for it.
struct ValueCriteria {
    bool parityOn = false;  // 奇偶
    bool odd = true;        // 奇数, else 偶数
    bool primeOn = false;   // 质合
    bool prime = true;      // 质数 (1 counts as prime), else 合数
    std::array<RemainderCriterion, kLastDivisor + 1> remainders{};  // index = divisor k
    bool tailOn = false;    // 尾数: v mod 10 must occur as a character of tailDigits
    std::string tailDigits = kAllTailDigits;
    BoundCriterion amplitude;  // 振幅: |v − current| within whole-number bounds
    BoundCriterion range;      // 取值范围: v within whole-number bounds
    BoundCriterion average;    // 二期均值: (v + current) / 2 within real bounds

    bool anyOn() const;
};

// The chosen values of one picker use: a visible range start..end inside 0..lastValue, and a flag per
// value. Values outside the range are never chosen; the operations act on the range only.
class ValueSelection {
  public:
    explicit ValueSelection(int lastValue);

    // Starts a use: fixes the range (clamped to 0..lastValue; empty when from > to), clears every flag and
    // chooses the preselected values that lie inside the range.
    void begin(int from, int to, const std::vector<int32_t>& preselected);

    int lastValue() const { return static_cast<int>(flags_.size()) - 1; }
    int from() const { return from_; }
    int to() const { return to_; }
    bool inRange(int v) const { return v >= from_ && v <= to_; }
    bool isChosen(int v) const { return inRange(v) && flags_[static_cast<std::size_t>(v)]; }

    void set(int v, bool chosen);
    void toggle(int v) { set(v, !isChosen(v)); }
    void chooseAll();
    void chooseNone();
    void invert();

    // "按条件选择": clears the range, then walks it upwards choosing each value every ticked criterion holds
    // for. With no criterion ticked nothing is chosen. An empty or malformed bound stops the walk at the
    // first value that needs it and returns the message to show; the values examined before keep their
    // new state. Returns an empty text when the walk completed.
    std::string chooseByCriteria(const ValueCriteria& criteria, std::optional<int32_t> current);

    // The chosen values in ascending order.
    std::vector<int32_t> chosen() const;

  private:
    std::vector<bool> flags_;
    int from_ = 0;
    int to_ = -1;
};

// What a value picker is opened with.
struct ValuePickerRequest {
    int from = 0;
    int to = 0;
    std::vector<int32_t> preselected;
    bool criteria = false;                // the criteria group can be used
    std::optional<int32_t> currentValue;  // enables 振幅 and 二期均值
    std::string assistantSource;          // IndicatorCode or formula for "过滤助手"; empty disables it
    bool checkList = false;               // the check-list picker rather than the tiles
};

// The values a picker preselects for a list number of the condition table (1..133), a custom-indicator
// list (501..900), or a code: kPreselectBankers, kPreselectCandidates, kPreselectSpecialList (the values
// are then `specialList`) or kNoPreselection.
std::vector<int32_t> preselectedValues(const ConditionSet& conditions, int listNumber, int mainTo,
                                       const std::vector<int32_t>& specialList = {});

// The value of an indicator code or formula for the last drawn row of ws.MainStore (rows of the forecast
// and candidate issues are skipped); nothing for an empty store or a formula that cannot be evaluated.
// Omission codes give the omission of their base indicator. The cursor does not move.
std::optional<int32_t> currentConditionValue(Workspace& ws, std::string_view codeOrFormula);

// The picker request of a list condition of the table: its range for the current type, its values as
// preselection, its kind of picker and, for pickers with criteria, the current value.
ValuePickerRequest conditionPickerRequest(Workspace& ws, const ConditionSet& conditions,
                                          const ConditionInfo& info);

// The picker request of a custom-indicator condition: the check-list picker over from..to (0..1000 on
// the page) with criteria, the formula's value for the last draw and the formula for "过滤助手".
ValuePickerRequest formulaPickerRequest(Workspace& ws, std::string_view formula, int from, int to,
                                        std::vector<int32_t> preselected);

// The picker request of the candidate or banker numbers: the main range, the current numbers, criteria
// without a current value, no assistant.
ValuePickerRequest numberPickerRequest(const Workspace& ws, const ConditionSet& conditions, bool bankers);

// True when a banker choice of `count` numbers is allowed for a type of mainCount numbers.
inline bool bankerChoiceAllowed(std::size_t count, int mainCount) {
    return count <= static_cast<std::size_t>(mainCount);
}

// The filter assistant: the value of the code or formula at every draw of ws.MainStore (oldest first),
// also written into each draw's value column, with the range and caption the dissection view needs. On
// an evaluation error, `error` holds "公式有误:" + the evaluator's text and the input is incomplete.
struct AssistantOutcome {
    DissectionInput input;
    std::string error;
};
AssistantOutcome filterAssistantInput(Workspace& ws, std::string_view codeOrFormula);

}  // namespace qorvel
