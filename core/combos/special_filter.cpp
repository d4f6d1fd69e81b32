#include "combos/special_filter.h"

#include <algorithm>

#include "combos/combo_filter.h"
#include "combos/result_file.h"
#include "draws/forecast_row.h"
#include "engine/formula.h"
#include "engine/indicators.h"
#include "engine/tgs_memo.h"
#include "text/number_text.h"

namespace qorvel {

const char* const kBlueForecastRowMessage =
    "由于你未清除预测区，可能导至条件设置不对，现已将预测区清除，请重新设置条件，然后开始筛选。";
const char* const kSelectRowToDeleteMessage = "请先在上边的列表中选择一组需要删除的号码";
const char* const kSelectRowToModifyMessage = "请先在上边的列表中选择一组需要修改的号码";

namespace {

// One temporary last row of the draw store with the cursor on it. On destruction the count, the spare
// slot behind the history and the cursor are as they were.
class TemporaryRow {
public:
    TemporaryRow(t_s_dm& store, int issue) : store_(store), draws_(store.Count()), cursor_(store.RecNo()) {
        if (draws_ + 1 <= store.Capacity()) spare_ = store.Row(draws_ + 1);
        store.SetCount(draws_ + 1);
        row().fields[0] = issue;
        store.SetRecNo(draws_ + 1);
    }
    ~TemporaryRow() {
        row() = spare_;
        store_.SetCount(draws_);
        store_.SetRecNo(cursor_);
    }
    TemporaryRow(const TemporaryRow&) = delete;
    TemporaryRow& operator=(const TemporaryRow&) = delete;

    DrawRecord& row() { return store_.MutableRow(draws_ + 1); }
    int draws() const { return draws_; }

private:
    t_s_dm& store_;
    int draws_;
    int cursor_;
    DrawRecord spare_{};
};

bool listed(const std::vector<int32_t>& values, int32_t v) {
    return std::find(values.begin(), values.end(), v) != values.end();
}

// Counts a failed test: a tolerant condition adds a fault and the tests go on, any other rejects.
bool survives(bool tolerant, int& faults) {
    if (!tolerant) return false;
    ++faults;
    return true;
}

// The custom-indicator conditions in list order at the cursor. A condition without values, or a formula
// that cannot be evaluated, ends these tests without rejecting.
bool customChecks(Workspace& ws, bool on, const std::vector<CustomIndicatorCondition>& customs, int& faults) {
    if (!on) return true;
    for (const CustomIndicatorCondition& c : customs) {
        if (c.values.empty()) return true;
        int32_t value = 0;
        if (!evaluateFormula(ws, c.formula, value)) return true;
        if (!listed(c.values, value) && !survives(c.tolerant, faults)) return false;
    }
    return true;
}

bool withinTolerance(const TotalTolerance& t, int faults) {
    return !t.enabled || (t.from <= faults && faults <= t.to);
}

// The mean of s and the earlier special numbers (most recent first) over a period, in tenths, rounded
// half up. With fewer earlier draws than the period asks for, the mean is over those there are.
int64_t meanTenths(int s, const std::vector<int32_t>& earlier, int period) {
    const int taken = std::min<int>(period - 1, static_cast<int>(earlier.size()));
    int64_t sum = s;
    for (int i = 0; i < taken; ++i) sum += earlier[static_cast<std::size_t>(i)];
    const int64_t n = taken + 1;
    const int64_t twice = 20 * sum;
    return twice >= 0 ? (twice + n) / (2 * n) : -((-twice + n) / (2 * n));
}

bool choiceFails(const BlueConditionInfo& info, int choice, int s, int specialMax) {
    switch (info.id) {
        case 1: return (s % 2 != 0) != (choice == 0);                      // 奇数 / 偶数
        case 2: return isPrime(s) != (choice == 0);                         // 质数 / 合数
        default: return (s > specialMax / 2) != (choice == 1);             // 小数区 / 大数区
    }
}

// The blue conditions in id order for special number s, already in the forecast row.
bool blueChecks(Workspace& ws, const BlueConditionSet& set, int s, const std::vector<int32_t>& earlier,
                int& faults) {
    for (const BlueConditionInfo& info : blueConditionTable()) {
        const BlueCondition& c = *set.condition(info.id);
        if (!c.enabled) continue;
        bool failed = false;
        switch (info.kind) {
            case BlueKind::Choice:
                if (c.choice != 0 && c.choice != 1) continue;
                failed = choiceFails(info, c.choice, s, ws.params.SpecialTo);
                break;
            case BlueKind::Remainder:
                if (c.values.empty()) continue;
                failed = !listed(c.values, s % info.parameter);
                break;
            case BlueKind::Indicator:
                if (c.values.empty()) continue;
                failed = !listed(c.values, indicatorValue(ws, info.IndicatorCode));
                break;
            case BlueKind::Mean: {
                const double mean = static_cast<double>(meanTenths(s, earlier, info.parameter)) / 10.0;
                failed = !(*c.lower <= mean && mean <= *c.upper);
                break;
            }
        }
        if (failed && !survives(c.tolerant, faults)) return false;
    }
    return customChecks(ws, set.customOn, set.customs, faults);
}

// Include-first recursion over the candidates from the top down with the bankers preloaded, as the main
// zone enumerates its tickets: read as descending tuples the groups come in descending order.
class GroupEnumerator {
public:
    GroupEnumerator(const std::vector<int>& candidates, const std::array<bool, kMaxSpecialNumber + 1>& bankers, int m)
        : candidates_(candidates), bankers_(bankers), m_(m) {}

    template <typename Leaf>
    void run(const std::vector<int>& preloaded, Leaf&& leaf) {
        chosen_ = preloaded;
        step(static_cast<int>(candidates_.size()) + 1, leaf);
    }

private:
    template <typename Leaf>
    void step(int a, Leaf& leaf) {
        const int depth = static_cast<int>(chosen_.size());
        if (depth > m_ || (a - 1) + depth < m_) return;
        if (depth == m_) {
            leaf(chosen_);
            return;
        }
        if (a == 1) return;
        const int x = candidates_[static_cast<std::size_t>(a - 2)];
        if (!bankers_[static_cast<std::size_t>(x)]) {
            chosen_.push_back(x);
            step(a - 1, leaf);
            chosen_.pop_back();
        }
        step(a - 1, leaf);
    }

    const std::vector<int>& candidates_;
    const std::array<bool, kMaxSpecialNumber + 1>& bankers_;
    int m_;
    std::vector<int> chosen_;
};

bool zoneChecks(Workspace& ws, const ZoneConditionSet& set, int& faults) {
    for (const ZoneConditionInfo& info : zoneConditionTable()) {
        const FilterCondition& c = set.lists[static_cast<std::size_t>(info.id)];
        if (!c.applies()) continue;
        if (!listed(c.values, indicatorValue(ws, info.IndicatorCode)) && !survives(c.tolerant, faults)) return false;
    }
    return customChecks(ws, set.customOn, set.customs, faults);
}

}  // namespace

std::vector<int32_t> SpecialResultSet::numbers(int k, int m) const {
    std::vector<int32_t> out;
    const SpecialGroup& g = at(k);
    for (int i = 0; i < std::clamp(m, 0, kMaxSpecialGroupNumbers); ++i) out.push_back(g.numbers[static_cast<std::size_t>(i)]);
    return out;
}

void SpecialResultSet::appendNumbers(const std::vector<int32_t>& numbers) {
    SpecialGroup g;
    for (std::size_t i = 0; i < numbers.size() && i < g.numbers.size(); ++i)
        g.numbers[i] = static_cast<uint8_t>(std::clamp(numbers[i], 0, 255));
    groups_.push_back(g);
}

int SpecialResultSet::insertSingle(int n) {
    SpecialGroup g;
    g.numbers[0] = static_cast<uint8_t>(std::clamp(n, 0, 255));
    const auto at = std::find_if(groups_.begin(), groups_.end(),
                                 [&g](const SpecialGroup& e) { return e.numbers[0] >= g.numbers[0]; });
    if (at != groups_.end() && at->numbers[0] == g.numbers[0]) return static_cast<int>(at - groups_.begin()) + 1;
    const auto inserted = groups_.insert(at, g);
    return static_cast<int>(inserted - groups_.begin()) + 1;
}

std::string SpecialResultSet::remove(int k) {
    if (k < 1 || k > count()) return kSelectRowToDeleteMessage;
    groups_.erase(groups_.begin() + (k - 1));
    return {};
}

std::string SpecialResultSet::replace(int k, const std::vector<int32_t>& numbers) {
    if (k < 1 || k > count()) return kSelectRowToModifyMessage;
    SpecialGroup g;
    for (std::size_t i = 0; i < numbers.size() && i < g.numbers.size(); ++i)
        g.numbers[i] = static_cast<uint8_t>(std::clamp(numbers[i], 0, 255));
    groups_[static_cast<std::size_t>(k - 1)] = g;
    return {};
}

SpecialRunOutcome StartBlueFilter(Workspace& ws, const BlueConditionSet& conditions, SpecialResultSet& results) {
    SpecialRunOutcome outcome;
    t_s_dm& store = ws.MainStore;
    if (clearForecastRow(store)) {
        outcome = {true, kBlueForecastRowMessage, results.count()};
        return outcome;
    }
    if (auto message = missingMeanBound(conditions)) {
        outcome = {true, *message, results.count()};
        return outcome;
    }
    const int n = std::clamp(ws.params.MainCount, 0, kDrawFields - 3);
    const int specialField = n + 1;
    std::vector<int32_t> earlier;  // special numbers of the last draws, most recent first
    for (int r = store.Count(); r >= 1 && earlier.size() < 16; --r) earlier.push_back(store.Row(r).fields[specialField]);

    SpecialResultSet survivors;
    {
        HistoryPass pass(ws);  // the custom formulas' history side is computed once for all candidates
        TemporaryRow forecast(store, kForecastIssue);
        for (int i = 1; i <= n; ++i) forecast.row().fields[static_cast<std::size_t>(i)] = i;
        for (int s = firstSpecialNumber(ws.params); s <= lastSpecialNumber(ws.params); ++s) {
            forecast.row().fields[static_cast<std::size_t>(specialField)] = s;
            int faults = 0;
            if (!blueChecks(ws, conditions, s, earlier, faults)) continue;
            if (!withinTolerance(conditions.totalTolerance, faults)) continue;
            survivors.appendNumbers({s});
        }
    }
    results = std::move(survivors);
    outcome.count = results.count();
    return outcome;
}

SpecialRunOutcome StartSpecialFilter(Workspace& ws, const ZoneConditionSet& conditions, SpecialResultSet& results) {
    SpecialRunOutcome outcome;
    t_s_dm& store = ws.MainStore;
    if (clearForecastRow(store)) {
        outcome = {true, kForecastRowMessage, results.count()};
        return outcome;
    }
    const int n = std::clamp(ws.params.MainCount, 0, kDrawFields - 3);
    const int m = std::clamp(ws.params.SpecialCount, 1, kMaxSpecialGroupNumbers);
    std::vector<int> candidates, preloaded;
    for (int x = 1; x <= kMaxSpecialNumber; ++x) {
        if (conditions.candidates[static_cast<std::size_t>(x)]) candidates.push_back(x);
        if (conditions.bankers[static_cast<std::size_t>(x)]) preloaded.push_back(x);
    }

    SpecialResultSet survivors;
    HistoryPass pass(ws);  // the custom formulas' history side is computed once for all candidates
    GroupEnumerator enumerator(candidates, conditions.bankers, m);
    enumerator.run(preloaded, [&](const std::vector<int>& chosen) {
        std::vector<int32_t> group(chosen.begin(), chosen.end());
        std::sort(group.begin(), group.end());
        int faults = 0;
        bool passed = false;
        {
            TemporaryRow candidate(store, kCandidateIssue);
            for (int i = 0; i < m; ++i) candidate.row().fields[static_cast<std::size_t>(n + 1 + i)] = group[static_cast<std::size_t>(i)];
            passed = zoneChecks(ws, conditions, faults);
        }
        if (passed && withinTolerance(conditions.totalTolerance, faults)) survivors.appendNumbers(group);
    });
    results = std::move(survivors);
    outcome.count = results.count();
    return outcome;
}

std::string blueResultLabel(int count) { return "过滤结果：共" + std::to_string(count) + "个"; }

std::vector<std::string> blueResultLines(const SpecialResultSet& results) {
    std::vector<std::string> lines;
    for (int k = 1; k <= results.count(); ++k) lines.push_back(TwoDigitText(results.at(k).numbers[0]));
    return lines;
}

SpecialResultGrid specialResultGrid(const SpecialResultSet& results, int specialCount) {
    static const char* const kHeads[] = {"副号一", "副号二"};
    const int m = std::clamp(specialCount, 1, kMaxSpecialGroupNumbers);
    SpecialResultGrid grid;
    grid.headers.push_back("序号");
    for (int i = 0; i < m; ++i) grid.headers.push_back(kHeads[i]);
    for (int k = 1; k <= results.count(); ++k) {
        std::vector<std::string> row{"第" + std::to_string(k) + "条"};
        for (int i = 0; i < m; ++i) row.push_back(TwoDigitText(results.at(k).numbers[static_cast<std::size_t>(i)]));
        grid.rows.push_back(std::move(row));
    }
    return grid;
}

std::string saveSpecialResults(const std::filesystem::path& path, const SpecialResultSet& results, int m) {
    const int perLine = std::clamp(m, 1, kMaxSpecialGroupNumbers);
    int k = 0;
    return writeResultFile(path, perLine, [&](std::vector<int32_t>& row) {
        if (++k > results.count()) return false;
        row = results.numbers(k, perLine);
        return true;
    });
}

std::string loadSpecialResults(const std::filesystem::path& path, int m, SpecialResultSet& results) {
    const int perLine = std::clamp(m, 1, kMaxSpecialGroupNumbers);
    SpecialResultSet loaded;
    std::string error = readResultFile(path, perLine, [&](const int32_t* row) {
        loaded.appendNumbers(std::vector<int32_t>(row, row + perLine));
    });
    if (error.empty()) results = std::move(loaded);
    return error;
}

}  // namespace qorvel
