#include "combos/value_criteria.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <utility>

#include "engine/derived_series.h"
#include "engine/formula.h"
#include "engine/indicator_catalogue.h"
#include "engine/indicators.h"
#include "text/number_text.h"
#include "types/workspace.h"
#include "engine/tgs_memo.h"

namespace qorvel {
namespace {

// Messages for a bound that holds text but no number.
std::string notWholeNumber(std::string_view text) { return "'" + std::string(text) + "' 不是有效的整数"; }
std::string notRealNumber(std::string_view text) { return "'" + std::string(text) + "' 不是有效的实数"; }

std::optional<double> parseReal(std::string_view text) {
    text = trimBlanks(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    double v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return v;
}

// Two whole-number bounds read from a criterion, or the message that stops the pass.
struct WholeBounds {
    int from = 0;
    int to = 0;
    std::string error;
};

WholeBounds readWholeBounds(const BoundCriterion& c, const char* missing) {
    WholeBounds b;
    if (trimBlanks(c.from).empty() || trimBlanks(c.to).empty()) {
        b.error = missing;
        return b;
    }
    const auto from = parseWholeNumber(c.from);
    const auto to = parseWholeNumber(c.to);
    if (!from) b.error = notWholeNumber(c.from);
    else if (!to) b.error = notWholeNumber(c.to);
    else b = {*from, *to, {}};
    return b;
}

struct RealBounds {
    double from = 0;
    double to = 0;
    std::string error;
};

RealBounds readRealBounds(const BoundCriterion& c, const char* missing) {
    RealBounds b;
    if (trimBlanks(c.from).empty() || trimBlanks(c.to).empty()) {
        b.error = missing;
        return b;
    }
    const auto from = parseReal(c.from);
    const auto to = parseReal(c.to);
    if (!from) b.error = notRealNumber(c.from);
    else if (!to) b.error = notRealNumber(c.to);
    else b = {*from, *to, {}};
    return b;
}

// The verdict of the criteria for one value: held, or not, or the message that stops the pass.
struct Verdict {
    bool holds = false;
    std::string stop;
};

Verdict judge(const ValueCriteria& c, int v, std::optional<int32_t> current) {
    if (c.parityOn && ((v % 2 != 0) != c.odd)) return {};
    if (c.primeOn && (isPrime(v) != c.prime)) return {};
    for (int k = kFirstDivisor; k <= kLastDivisor; ++k) {
        const RemainderCriterion& r = c.remainders[static_cast<std::size_t>(k)];
        if (r.on && !r.accepted[static_cast<std::size_t>(v % k)]) return {};
    }
    if (c.tailOn && c.tailDigits.find(static_cast<char>('0' + v % 10)) == std::string::npos) return {};
    if (c.amplitude.on) {
        const WholeBounds b = readWholeBounds(c.amplitude, kAmplitudeBoundMissing);
        if (!b.error.empty()) return {false, b.error};
        if (!current) return {};
        const int64_t amplitude = std::llabs(static_cast<int64_t>(v) - *current);
        if (amplitude < b.from || amplitude > b.to) return {};
    }
    if (c.range.on) {
        const WholeBounds b = readWholeBounds(c.range, kRangeBoundMissing);
        if (!b.error.empty()) return {false, b.error};
        if (v < b.from || v > b.to) return {};
    }
    if (c.average.on) {
        const RealBounds b = readRealBounds(c.average, kAverageBoundMissing);
        if (!b.error.empty()) return {false, b.error};
        if (!current) return {};
        // (v + current) / 2 is a whole or half number, so its one-decimal value is exact.
        const double average = (static_cast<double>(v) + *current) / 2.0;
        if (average < b.from || average > b.to) return {};
    }
    return {true, {}};
}

// The last row of the store that holds a real draw (not the forecast or candidate row); 0 when none.
int lastDrawRow(const t_s_dm& store) {
    for (int r = store.Count(); r >= 1; --r)
        if (store.Row(r).fields[0] < kCandidateIssue) return r;
    return 0;
}

}  // namespace

bool ValueCriteria::anyOn() const {
    if (parityOn || primeOn || tailOn || amplitude.on || range.on || average.on) return true;
    return std::any_of(remainders.begin(), remainders.end(), [](const RemainderCriterion& r) { return r.on; });
}

ValueSelection::ValueSelection(int lastValue) : flags_(static_cast<std::size_t>(std::max(lastValue, 0)) + 1) {}

void ValueSelection::begin(int from, int to, const std::vector<int32_t>& preselected) {
    from_ = std::max(from, 0);
    to_ = std::min(to, lastValue());
    std::fill(flags_.begin(), flags_.end(), false);
    for (int32_t v : preselected)
        if (inRange(v)) flags_[static_cast<std::size_t>(v)] = true;
}

void ValueSelection::set(int v, bool chosen) {
    if (inRange(v)) flags_[static_cast<std::size_t>(v)] = chosen;
}

void ValueSelection::chooseAll() {
    for (int v = from_; v <= to_; ++v) flags_[static_cast<std::size_t>(v)] = true;
}

void ValueSelection::chooseNone() {
    for (int v = from_; v <= to_; ++v) flags_[static_cast<std::size_t>(v)] = false;
}

void ValueSelection::invert() {
    for (int v = from_; v <= to_; ++v) flags_[static_cast<std::size_t>(v)] = !flags_[static_cast<std::size_t>(v)];
}

std::string ValueSelection::chooseByCriteria(const ValueCriteria& criteria, std::optional<int32_t> current) {
    chooseNone();
    if (!criteria.anyOn()) return {};
    for (int v = from_; v <= to_; ++v) {
        const Verdict verdict = judge(criteria, v, current);
        if (!verdict.stop.empty()) return verdict.stop;
        flags_[static_cast<std::size_t>(v)] = verdict.holds;
    }
    return {};
}

std::vector<int32_t> ValueSelection::chosen() const {
    std::vector<int32_t> out;
    for (int v = from_; v <= to_; ++v)
        if (flags_[static_cast<std::size_t>(v)]) out.push_back(v);
    return out;
}

std::vector<int32_t> preselectedValues(const ConditionSet& conditions, int listNumber, int mainTo,
                                       const std::vector<int32_t>& specialList) {
    std::vector<int32_t> out;
    const auto flagged = [&](const std::array<bool, kMaxMainNumber + 1>& flags) {
        for (int n = 1; n <= std::min(mainTo, kMaxMainNumber); ++n)
            if (flags[static_cast<std::size_t>(n)]) out.push_back(n);
    };
    if (listNumber == kPreselectBankers) flagged(conditions.bankers);
    else if (listNumber == kPreselectCandidates) flagged(conditions.candidates);
    else if (listNumber == kPreselectSpecialList) out = specialList;
    else if (const FilterCondition* list = conditions.list(listNumber)) out = list->values;
    else if (listNumber >= kFirstCustomId &&
             listNumber - kFirstCustomId < static_cast<int>(conditions.customs.size()))
        out = conditions.customs[static_cast<std::size_t>(listNumber - kFirstCustomId)].values;
    return out;
}

std::optional<int32_t> currentConditionValue(Workspace& ws, std::string_view codeOrFormula) {
    t_s_dm& store = ws.MainStore;
    const int row = lastDrawRow(store);
    if (row == 0 || trimBlanks(codeOrFormula).empty()) return std::nullopt;
    CursorReturn back(store);
    store.SetRecNo(row);
    int32_t value = 0;
    if (!evaluateFormula(ws, trimBlanks(codeOrFormula), value)) return std::nullopt;
    return value;
}

ValuePickerRequest conditionPickerRequest(Workspace& ws, const ConditionSet& conditions,
                                          const ConditionInfo& info) {
    ValuePickerRequest r;
    r.from = info.from.at(ws.params.MainCount, ws.params.MainTo);
    r.to = info.to.at(ws.params.MainCount, ws.params.MainTo);
    r.preselected = preselectedValues(conditions, info.id, ws.params.MainTo);
    r.checkList = info.picker == PickerKind::CheckList;
    r.criteria = info.picker == PickerKind::TilesWithCriteria || r.checkList;
    if (r.criteria) r.currentValue = currentConditionValue(ws, info.IndicatorCode);
    r.assistantSource = info.IndicatorCode;
    return r;
}

ValuePickerRequest formulaPickerRequest(Workspace& ws, std::string_view formula, int from, int to,
                                        std::vector<int32_t> preselected) {
    ValuePickerRequest r;
    r.from = from;
    r.to = to;
    r.preselected = std::move(preselected);
    r.checkList = true;
    r.criteria = true;
    r.currentValue = currentConditionValue(ws, formula);
    r.assistantSource = std::string(trimBlanks(formula));
    return r;
}

ValuePickerRequest numberPickerRequest(const Workspace& ws, const ConditionSet& conditions, bool bankers) {
    ValuePickerRequest r;
    r.from = ws.params.MainFrom;
    r.to = ws.params.MainTo;
    r.preselected =
        preselectedValues(conditions, bankers ? kPreselectBankers : kPreselectCandidates, ws.params.MainTo);
    r.criteria = true;
    return r;
}

AssistantOutcome filterAssistantInput(Workspace& ws, std::string_view codeOrFormula) {
    AssistantOutcome out;
    const std::string source(trimBlanks(codeOrFormula));
    t_s_dm& store = ws.MainStore;
    DissectionInput& in = out.input;
    in.formula = source;
    const CatalogueEntry* entry = findCatalogueEntry(source);
    in.name = entry ? displayName(*entry, ws.SpecialLabel()) : source;
    in.title = in.name + kAssistantTitleSuffix;
    {
        CursorReturn back(store);
        // One pass over the history: the derived series inside the formula are built once. Each value
        // written to the value column is announced, since a formula may read it ("test").
        HistoryPass pass(ws);
        in.series.reserve(static_cast<std::size_t>(store.Count()));
        for (int r = 1; r <= store.Count(); ++r) {
            store.SetRecNo(r);
            int32_t value = 0;
            std::string error;
            if (!evaluateFormula(ws, source, value, &error)) {
                out.error = std::string(kFormulaErrorPrefix) + error;
                return out;
            }
            store.SetValue(value);
            pass.valueColumnChangedFrom(r);
            in.series.push_back(value);
        }
    }
    if (!in.series.empty()) {
        const auto [lo, hi] = std::minmax_element(in.series.begin(), in.series.end());
        in.seriesMin = *lo;
        in.seriesMax = *hi;
    }
    // A flat series gets a range as wide as a ticket so the view has rows to lay out.
    if (in.seriesMin == in.seriesMax) in.seriesMax = in.seriesMin + ws.params.MainCount - 1;
    in.cursorRow = std::max(1, store.Count() - kAssistantLeadDraws);
    return out;
}

}  // namespace qorvel
