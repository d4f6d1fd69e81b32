#include "killbanker/scheme_synthesis.h"

#include <algorithm>

#include "engine/tgs.h"
#include "killbanker/forecast_scope.h"
#include "killbanker/kill_run.h"
#include "text/number_text.h"

namespace qorvel {
namespace {

constexpr const char* kNoSchemeMessage = "请至少选择一个方案";
constexpr const char* kBadSchemeMessage = "方案编号无效: ";
constexpr const char* kBadCountMessage = "公式个数无效";
constexpr const char* kNoSetMessage = "没有可用的公式集";
constexpr const char* kNoDrawsMessage = "没有开奖数据";
constexpr const char* kNoIssueMessage = "期号不存在: ";
constexpr int kSchemeNames = 10;

// The distinct values of the scheme's first k formulas at the cursor, within the type's range.
std::vector<int32_t> schemeValues(tgs& evaluator, const SynthesisRequest& request, int scheme, int lo, int hi) {
    std::vector<int32_t> values;
    for (const auto& formula : request.set->schemeFormulas(scheme, request.formulaCount)) {
        int32_t v = 0;
        if (!evaluator.evaluate(formula, v)) v = -1;
        if (v >= lo && v <= hi && std::find(values.begin(), values.end(), v) == values.end()) values.push_back(v);
    }
    return values;
}

// The numbers of a draw: the main numbers as two-digit texts each followed by a space, "-", then the
// special numbers likewise.
std::string drawNumbersText(const TypeParams& params, const DrawRecord& row) {
    std::string text;
    for (int i = 1; i <= params.MainCount; ++i) text += TwoDigitText(row.fields[static_cast<std::size_t>(i)]) + " ";
    text += "-";
    for (int i = 1; i <= params.SpecialCount; ++i)
        text += TwoDigitText(row.fields[static_cast<std::size_t>(params.MainCount + i)]) + " ";
    return text;
}

std::string checkRequest(const Workspace& ws, const SynthesisRequest& request) {
    if (!request.set) return kNoSetMessage;
    if (request.schemes.empty()) return kNoSchemeMessage;
    for (int scheme : request.schemes)
        if (scheme < 1 || scheme > kSchemesPerFormulaSet) return kBadSchemeMessage + std::to_string(scheme);
    if (request.formulaCount < 1 || request.formulaCount > request.set->kind.capacity) return kBadCountMessage;
    int draws = ws.MainStore.Count();
    while (draws >= 1 && ws.MainStore.Row(draws).fields[0] == kForecastIssue) --draws;
    if (draws < 1) return kNoDrawsMessage;
    return {};
}

int rowOfIssue(const t_s_dm& store, int issue) {
    for (int r = 1; r <= store.Count(); ++r)
        if (store.Row(r).fields[0] == issue) return r;
    return 0;
}

// The lists of every scheme in use and the combined list at the cursor.
struct SchemeLists {
    std::vector<std::vector<int32_t>> schemes;
    std::vector<int32_t> all;  // every scheme's distinct values one after another
};

SchemeLists listsAtCursor(Workspace& ws, tgs& evaluator, const SynthesisRequest& request) {
    int lo = 0, hi = 0;
    synthesisRange(request.type, ws.params, lo, hi);
    SchemeLists lists;
    for (int scheme : request.schemes) {
        lists.schemes.push_back(schemeValues(evaluator, request, scheme, lo, hi));
        lists.all.insert(lists.all.end(), lists.schemes.back().begin(), lists.schemes.back().end());
    }
    return lists;
}

}  // namespace

KillPage synthesisPage(SynthesisType type) {
    switch (type) {
        case SynthesisType::MainKill: return KillPage::MainKill;
        case SynthesisType::SpecialKill: return KillPage::SpecialKill;
        case SynthesisType::MainBanker: return KillPage::MainBanker;
        case SynthesisType::CustomKill: return KillPage::CustomKill;
    }
    return KillPage::MainKill;
}

void synthesisRange(SynthesisType type, const TypeParams& params, int& lo, int& hi) {
    switch (type) {
        case SynthesisType::SpecialKill:
            lo = params.SpecialFrom;
            hi = params.SpecialTo;
            return;
        case SynthesisType::CustomKill:
            lo = 0;
            hi = kCustomListMaxValue;
            return;
        default:
            lo = params.MainFrom;
            hi = params.MainTo;
    }
}

SynthesisResult combineSchemes(Workspace& ws, const SynthesisRequest& request) {
    SynthesisResult result;
    if (auto error = checkRequest(ws, request); !error.empty()) {
        result.error = error;
        return result;
    }
    t_s_dm& store = ws.MainStore;
    int draws = store.Count();
    while (draws >= 1 && store.Row(draws).fields[0] == kForecastIssue) --draws;
    const int startRow = request.startIssue == 0 ? 1 : rowOfIssue(store, request.startIssue);
    if (startRow < 1 || startRow > draws) {
        result.error = kNoIssueMessage + std::to_string(request.startIssue);
        return result;
    }
    const bool custom = request.type == SynthesisType::CustomKill;
    int lo = 0, hi = 0;
    synthesisRange(request.type, ws.params, lo, hi);

    TextGrid& g = result.grid;
    g.columns = 3 + static_cast<int>(request.schemes.size()) + 1;
    g.rows = 1 + (draws - startRow + 1) + 1;
    g.cells.assign(static_cast<std::size_t>(g.rows) * static_cast<std::size_t>(g.columns), {});
    g.at(0, 0) = "序号";
    g.at(0, 1) = "期号";
    g.at(0, 2) = "开奖号码";
    for (std::size_t s = 0; s < request.schemes.size(); ++s)
        g.at(0, 3 + static_cast<int>(s)) = "方案" + std::to_string(request.schemes[s]);
    g.at(0, g.columns - 1) = kCombinedCaption;

    ForecastRowScope forecast(store);
    tgs evaluator(ws);
    for (int r = 1; r < g.rows; ++r) {
        const bool isForecast = r == g.rows - 1;
        store.SetRecNo(isForecast ? forecast.row() : startRow + r - 1);
        if (isForecast) {
            g.at(r, 1) = kForecastRowCaption;
        } else {
            g.at(r, 0) = std::to_string(r);
            g.at(r, 1) = std::to_string(store.GetField(0));
            g.at(r, 2) = drawNumbersText(ws.params, store.Row(store.RecNo()));
        }
        const SchemeLists lists = listsAtCursor(ws, evaluator, request);
        for (std::size_t s = 0; s < lists.schemes.size(); ++s)
            g.at(r, 3 + static_cast<int>(s)) = valueListText(lists.schemes[s], lo, hi, request.display, custom);
        g.at(r, g.columns - 1) = valueListText(lists.all, lo, hi, request.display, custom);
        if (isForecast) result.combined = orderedListValues(lists.all, lo, hi, request.display);
    }
    return result;
}

ComparisonResult compareSchemes(Workspace& ws, const SynthesisRequest& request, int issue) {
    ComparisonResult result;
    if (auto error = checkRequest(ws, request); !error.empty()) {
        result.error = error;
        return result;
    }
    t_s_dm& store = ws.MainStore;
    const int row = issue == 0 ? 0 : rowOfIssue(store, issue);
    if (issue != 0 && (row == 0 || issue == kForecastIssue)) {
        result.error = kNoIssueMessage + std::to_string(issue);
        return result;
    }
    const bool custom = request.type == SynthesisType::CustomKill;
    const bool banker = request.type == SynthesisType::MainBanker;
    int lo = 0, hi = 0;
    synthesisRange(request.type, ws.params, lo, hi);

    ForecastRowScope forecast(store);
    store.SetRecNo(issue == 0 ? forecast.row() : row);
    tgs evaluator(ws);
    std::vector<int32_t> drawn;
    if (issue != 0) {
        result.drawText = drawNumbersText(ws.params, store.Row(row));
        int32_t target = -1;
        if (custom && !evaluator.evaluate(request.target, target)) target = -1;
        result.targetValue = target;
        drawn = drawTestValues(synthesisPage(request.type), ws.params, store.Row(row), target).values;
    } else {
        result.drawText = kNotDrawnYet;
    }
    const SchemeLists lists = listsAtCursor(ws, evaluator, request);

    TextGrid& g = result.grid;
    g.columns = 4;
    g.rows = 1 + static_cast<int>(request.schemes.size()) + 1;
    g.cells.assign(static_cast<std::size_t>(g.rows) * 4, {});
    g.at(0, 0) = "方案";
    g.at(0, 1) = banker ? "推荐列表" : "杀号列表";
    g.at(0, 2) = banker ? "推荐个数" : "杀号个数";
    g.at(0, 3) = banker ? "正确个数" : "杀错个数";
    auto fill = [&](int r, std::string name, const std::vector<int32_t>& values) {
        const auto ordered = orderedListValues(values, lo, hi, request.display);
        g.at(r, 0) = std::move(name);
        g.at(r, 1) = valueListText(values, lo, hi, request.display, custom);
        g.at(r, 2) = std::to_string(ordered.size());
        const auto hits = std::count_if(ordered.begin(), ordered.end(), [&](int32_t v) {
            return std::find(drawn.begin(), drawn.end(), v) != drawn.end();
        });
        g.at(r, 3) = issue == 0 ? std::string(kUnknownCount) : std::to_string(hits);
    };
    for (std::size_t s = 0; s < request.schemes.size(); ++s)
        fill(1 + static_cast<int>(s), "方案" + std::to_string(request.schemes[s]), lists.schemes[s]);
    fill(g.rows - 1, kCombinedCaption, lists.all);
    result.combined = orderedListValues(lists.all, lo, hi, request.display);
    return result;
}

SchemeUseList::SchemeUseList() {
    for (int s = 1; s <= kSchemeNames; ++s) inUse_.push_back("方案" + std::to_string(s));
}

bool SchemeUseList::moveIn(int index) {
    if (index < 0 || index >= static_cast<int>(usable_.size())) return false;
    inUse_.push_back(usable_[static_cast<std::size_t>(index)]);
    usable_.erase(usable_.begin() + index);
    return true;
}

bool SchemeUseList::moveOut(int index) {
    if (index < 0 || index >= static_cast<int>(inUse_.size()) || inUse_.size() == 1) return false;
    usable_.push_back(inUse_[static_cast<std::size_t>(index)]);
    inUse_.erase(inUse_.begin() + index);
    return true;
}

std::vector<int> SchemeUseList::schemes() const {
    std::vector<int> out;
    for (const auto& name : inUse_)
        if (auto s = schemeNumberFromName(name)) out.push_back(*s);
    return out;
}

std::optional<int> schemeNumberFromName(std::string_view name) {
    if (name.empty() || name.back() < '0' || name.back() > '9') return std::nullopt;
    const int digit = name.back() - '0';
    return digit == 0 ? kSchemeNames : digit;
}

}  // namespace qorvel
