#include "combos/filter_conditions.h"

#include "text/gbk.h"
#include "text/number_text.h"

namespace qorvel {

const char* const kSelfSetLimitMessage = "最多可添加400注自设条件，不能再添加";
const char* const kTailSetLimitMessage = "最多可添加50注尾数条件，不能再添加";
const char* const kCustomLimitMessage = "最多可添加400注自定义指标条件，不能再添加";
const char* const kFormulaTooLongMessage = "自定义指标公式不能超过200个字节";

namespace {

std::string joined(const std::vector<int32_t>& values, const char* after) {
    std::string out;
    for (int32_t v : values) out += std::to_string(v) + after;
    return out;
}

std::string joinedNumbers(const std::vector<int>& numbers, const char* after) {
    std::string out;
    for (int n : numbers) out += TwoDigitText(n) + after;
    return out;
}

std::string joinedDigits(const std::vector<int>& digits, const char* after) {
    std::string out;
    for (int d : digits) out += std::to_string(d) + after;
    return out;
}

}  // namespace

ConditionSet::ConditionSet() { reset(kMaxMainNumber); }

void ConditionSet::reset(int mainTo) {
    for (int id = 0; id <= kMaxListConditionId; ++id) {
        FilterCondition& c = lists[id];
        c = FilterCondition{};
        c.id = id;
        if (const ConditionInfo* info = findCondition(id)) c.IndicatorCode = info->IndicatorCode;
    }
    standardDeviation = RangeCondition{};
    variationCoefficient = RangeCondition{};
    notEqualDistance = true;
    noSpecialRuns = true;
    notHistory = false;
    selfSetOn = tailSetOn = customOn = false;
    selfSets.clear();
    tailSets.clear();
    customs.clear();
    totalTolerance = TotalTolerance{};
    for (int n = 0; n <= kMaxMainNumber; ++n) {
        candidates[n] = n >= 1 && n <= mainTo;
        bankers[n] = false;
    }
}

FilterCondition* ConditionSet::list(int id) {
    const ConditionInfo* info = findCondition(id);
    return info && !info->isRange() ? &lists[id] : nullptr;
}

const FilterCondition* ConditionSet::list(int id) const {
    return const_cast<ConditionSet*>(this)->list(id);
}

RangeCondition* ConditionSet::range(int id) {
    if (id == kStandardDeviationId) return &standardDeviation;
    if (id == kVariationCoefficientId) return &variationCoefficient;
    return nullptr;
}

const RangeCondition* ConditionSet::range(int id) const { return const_cast<ConditionSet*>(this)->range(id); }

void ConditionSet::setEnabled(int id, bool enabled) {
    if (FilterCondition* c = list(id)) {
        c->enabled = enabled;
        if (!enabled) {
            c->values.clear();
            c->tolerant = false;
        }
    } else if (RangeCondition* r = range(id)) {
        r->enabled = enabled;
        if (!enabled) {
            r->from.reset();
            r->to.reset();
            r->tolerant = false;
        }
    }
}

AddResult ConditionSet::addSelfSet(SelfSetCondition condition) {
    if (static_cast<int>(selfSets.size()) >= kMaxSelfSetConditions) return {false, kSelfSetLimitMessage};
    if (condition.numbers.empty()) return {false, "未选择号码"};
    if (condition.counts.empty()) return {false, "未选择号码组应出现的次数"};
    if (condition.numbers.size() > kMaxSelfSetNumbers) condition.numbers.resize(kMaxSelfSetNumbers);
    selfSets.push_back(std::move(condition));
    return {true, {}};
}

AddResult ConditionSet::addTailSet(TailSetCondition condition) {
    if (static_cast<int>(tailSets.size()) >= kMaxTailSetConditions) return {false, kTailSetLimitMessage};
    if (condition.digits.empty()) return {false, "未选择号码"};
    if (condition.counts.empty()) return {false, "未选择尾号组应出现的次数"};
    if (condition.digits.size() > kMaxTailSetDigits) condition.digits.resize(kMaxTailSetDigits);
    tailSets.push_back(std::move(condition));
    return {true, {}};
}

AddResult ConditionSet::addCustom(CustomIndicatorCondition condition) {
    condition.formula = std::string(trimBlanks(condition.formula));
    if (condition.formula.empty()) return {false, {}};
    if (static_cast<int>(customs.size()) >= kMaxCustomConditions) return {false, kCustomLimitMessage};
    if (utf8ToGbk(condition.formula).size() > static_cast<std::size_t>(kMaxFormulaBytes))
        return {false, kFormulaTooLongMessage};
    customs.push_back(std::move(condition));
    return {true, {}};
}

std::string valuesFieldText(const std::vector<int32_t>& values) { return joined(values, "  "); }

std::string numbersFieldText(const std::array<bool, kMaxMainNumber + 1>& flags, int mainTo) {
    std::string out;
    for (int n = 1; n <= mainTo && n <= kMaxMainNumber; ++n)
        if (flags[n]) out += TwoDigitText(n) + "  ";
    return out;
}

std::string selfSetExportedMessage(const SelfSetCondition& c) {
    return "过滤条件设置结果是：" + selfSetLine(c) + "。现已成功导出到超强组号的自设条件中";
}

std::string tailSetExportedMessage(const TailSetCondition& c) {
    return "尾号设置过滤条件：" + tailSetLine(c) + "。现已成功导出到超强组号的尾号设置中";
}

std::string customExportedMessage(const CustomIndicatorCondition& c) {
    return "过滤条件设置结果是：" + customLine(c) + "。现已成功导出到超强组号的自定义指标条件中";
}

std::string selfSetLine(const SelfSetCondition& c) {
    return "号码组: " + joinedNumbers(c.numbers, "  ") + ";" + "出现个数: " + joined(c.counts, "  ") +
           (c.tolerant ? "容错" : "");
}

std::string tailSetLine(const TailSetCondition& c) {
    return "尾号组: " + joinedDigits(c.digits, "  ") + ";" + "出现个数: " + joined(c.counts, "  ") +
           (c.tolerant ? "容错" : "") + (c.countOnce ? "(相同尾数仅计算一次)" : "");
}

std::string customLine(const CustomIndicatorCondition& c) {
    return c.formula + (c.tolerant ? "  容错" : "") + "  " + "取值: " + joined(c.values, "  ");
}

std::string selfSetLoadedLine(const SelfSetCondition& c) {
    return "号码组合:" + joinedNumbers(c.numbers, "  ") + "  出现个数" + joined(c.counts, "  ") +
           (c.tolerant ? "容错" : "");
}

std::string tailSetLoadedLine(const TailSetCondition& c) {
    return "尾号组:" + joinedDigits(c.digits, "  ") + "  出现个数" + joined(c.counts, "  ") +
           (c.tolerant ? "容错" : "") + (c.countOnce ? "(相同尾数仅计算一次)" : "");
}

std::string customLoadedLine(const CustomIndicatorCondition& c) {
    return c.formula + (c.tolerant ? "  容错" : "") + "  取值：" + joined(c.values, "  ");
}

}  // namespace qorvel
