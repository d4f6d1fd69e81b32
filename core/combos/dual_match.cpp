#include "combos/dual_match.h"

#include <algorithm>

#include "combos/condition_file.h"
#include "combos/result_file.h"
#include "text/number_text.h"

namespace qorvel {

const char* const kDualLimitMessage = "双区组合后得到的注数不能超过50000条，请缩小过滤范围";
const char* const kNoMainResultsMessage = "主区没有过滤结果，请先在主区号码中得出过滤结果";
const char* const kEmptyFieldMessage = "不能为空";

namespace {

constexpr int kMaxTicketMainNumbers = 7;

std::vector<int32_t> mainNumbers(const ResultSet& results, int k, int n) {
    std::vector<int32_t> out;
    for (int i = 0; i < n; ++i) out.push_back(results.slot(k).bytes[static_cast<std::size_t>(i)]);
    return out;
}

MatchOutcome refused(std::string message, const DualResultSet& dual) {
    MatchOutcome outcome;
    outcome.refused = true;
    outcome.message = std::move(message);
    outcome.count = dual.count();
    return outcome;
}

MatchOutcome filled(DualResultSet& dual, DualResultSet&& made) {
    dual = std::move(made);
    MatchOutcome outcome;
    outcome.count = dual.count();
    outcome.statusText = dualStatusText(outcome.count);
    return outcome;
}

// count different numbers of from..to drawn uniformly, ascending (all of the range when it is smaller).
std::vector<int32_t> drawDistinct(int from, int to, int count, std::mt19937& random) {
    std::vector<int32_t> picked;
    if (to < from) return picked;
    count = std::min(count, to - from + 1);
    std::uniform_int_distribution<int> pick(from, to);
    while (static_cast<int>(picked.size()) < count) {
        const int v = pick(random);
        if (std::find(picked.begin(), picked.end(), v) == picked.end()) picked.push_back(v);
    }
    std::sort(picked.begin(), picked.end());
    return picked;
}

// Shuffles from..to by swapping each position with a uniformly drawn one and keeps the last n, sorted.
std::vector<int32_t> shuffledPick(int from, int to, int n, std::mt19937& random) {
    std::vector<int32_t> list;
    for (int v = from; v <= to; ++v) list.push_back(v);
    if (list.empty()) return list;
    std::uniform_int_distribution<std::size_t> position(0, list.size() - 1);
    for (std::size_t p = 0; p < list.size(); ++p) std::swap(list[p], list[position(random)]);
    n = std::clamp(n, 0, static_cast<int>(list.size()));
    std::vector<int32_t> picked(list.end() - n, list.end());
    std::sort(picked.begin(), picked.end());
    return picked;
}

}  // namespace

const char* matchModeCaption(MatchMode mode) {
    switch (mode) {
        case MatchMode::Sequential: return "顺序匹配";
        case MatchMode::Random: return "随机匹配";
        case MatchMode::AllPairs: return "全组合匹配";
    }
    return "";
}

bool DualResultSet::append(DualTicket ticket) {
    if (count() >= kMaxDualTickets) return false;
    tickets_.push_back(std::move(ticket));
    return true;
}

std::string DualResultSet::remove(int k) {
    if (k < 1 || k > count()) return kSelectRowToDeleteMessage;
    tickets_.erase(tickets_.begin() + (k - 1));
    return {};
}

std::string DualResultSet::replace(int k, DualTicket ticket) {
    if (k < 1 || k > count()) return kSelectRowToModifyMessage;
    tickets_[static_cast<std::size_t>(k - 1)] = std::move(ticket);
    return {};
}

std::string dualStatusText(int count) { return "超强组号  已得到双区组合数有" + std::to_string(count) + "个"; }

std::string noSpecialResultsMessage(const std::string& specialLabel) {
    return specialLabel + "没有过滤结果，请先得出" + specialLabel + "过滤结果";
}

MatchOutcome Match(MatchMode mode, const ResultSet& mainResults, int mainCount, const SpecialResultSet& specials,
                   int specialCount, const std::string& specialLabel, std::mt19937& random, DualResultSet& dual) {
    const int64_t p = mainResults.count(), q = specials.count();
    if ((mode == MatchMode::AllPairs && p * q > kMaxDualTickets) || p > kMaxDualTickets)
        return refused(kDualLimitMessage, dual);
    if (p <= 0) return refused(kNoMainResultsMessage, dual);
    if (q <= 0) return refused(noSpecialResultsMessage(specialLabel), dual);

    const int n = std::clamp(mainCount, 1, kMaxTicketMainNumbers);
    const int m = std::clamp(specialCount, 1, kMaxSpecialGroupNumbers);
    DualResultSet made;
    std::uniform_int_distribution<int> drawSpecial(1, static_cast<int>(q));
    for (int i = 1; i <= p; ++i) {
        const std::vector<int32_t> main = mainNumbers(mainResults, i, n);
        switch (mode) {
            case MatchMode::Sequential:
                made.append({main, specials.numbers(static_cast<int>((i - 1) % q) + 1, m), 0});
                break;
            case MatchMode::Random: made.append({main, specials.numbers(drawSpecial(random), m), 0}); break;
            case MatchMode::AllPairs:
                for (int j = 1; j <= q; ++j) made.append({main, specials.numbers(j, m), 0});
                break;
        }
    }
    return filled(dual, std::move(made));
}

MatchOutcome randomDualTickets(std::optional<int> count, const TypeParams& params, std::mt19937& random,
                               DualResultSet& dual) {
    const int k = std::max(count.value_or(kDefaultDualRandomCount), 0);
    if (k > kMaxDualTickets) return refused(kDualLimitMessage, dual);
    const int n = std::clamp(params.MainCount, 1, kMaxTicketMainNumbers);
    const int m = std::clamp(params.SpecialCount, 0, kMaxSpecialGroupNumbers);
    DualResultSet made;
    for (int i = 0; i < k; ++i) {
        DualTicket t;
        t.main = shuffledPick(params.MainFrom, params.MainTo, n, random);
        t.special = drawDistinct(params.SpecialFrom, params.SpecialTo, m, random);
        made.append(std::move(t));
    }
    return filled(dual, std::move(made));
}

DualResultGrid dualResultGrid(const DualResultSet& dual, int mainCount, int specialCount,
                              const std::string& mainLabel, const std::string& specialLabel, bool levelsShown) {
    DualResultGrid grid;
    grid.headers.push_back("序号");
    for (int i = 1; i <= mainCount; ++i) grid.headers.push_back(mainLabel + std::to_string(i));
    if (specialCount == 1) {
        grid.headers.push_back(specialLabel);
    } else {
        for (int i = 1; i <= specialCount; ++i) grid.headers.push_back(specialLabel + std::to_string(i));
    }
    if (levelsShown) grid.headers.push_back("中奖情况");
    for (int k = 1; k <= dual.count(); ++k) {
        const DualTicket& t = dual.at(k);
        std::vector<std::string> row{"第" + std::to_string(k) + "条"};
        for (int32_t v : t.main) row.push_back(TwoDigitText(v));
        for (int32_t v : t.special) row.push_back(TwoDigitText(v));
        if (levelsShown) row.push_back(dualLevelText(t.level));
        grid.rows.push_back(std::move(row));
    }
    return grid;
}

std::string saveDualResults(const std::filesystem::path& path, const DualResultSet& dual, int mainCount,
                            int specialCount) {
    const int n = std::max(mainCount, 0), m = std::max(specialCount, 0);
    int k = 0;
    return writeResultFile(path, n + m, [&](std::vector<int32_t>& row) {
        if (++k > dual.count()) return false;
        const DualTicket& t = dual.at(k);
        std::fill(row.begin(), row.end(), 0);
        for (int i = 0; i < n && i < static_cast<int>(t.main.size()); ++i) row[static_cast<std::size_t>(i)] = t.main[static_cast<std::size_t>(i)];
        for (int i = 0; i < m && i < static_cast<int>(t.special.size()); ++i)
            row[static_cast<std::size_t>(n + i)] = t.special[static_cast<std::size_t>(i)];
        return true;
    });
}

std::string loadDualResults(const std::filesystem::path& path, int mainCount, int specialCount, DualResultSet& dual) {
    const int n = std::max(mainCount, 0), m = std::max(specialCount, 0);
    DualResultSet loaded;
    bool overflow = false;
    std::string error = readResultFile(path, n + m, [&](const int32_t* row) {
        if (!loaded.append({std::vector<int32_t>(row, row + n), std::vector<int32_t>(row + n, row + n + m), 0}))
            overflow = true;
    });
    if (!error.empty()) return error;
    if (overflow) return kDualLimitMessage;
    dual = std::move(loaded);
    return {};
}

std::vector<std::string> dualPrintLines(const DualResultSet& dual) {
    std::vector<std::vector<int32_t>> rows;
    for (const DualTicket& t : dual.tickets()) {
        std::vector<int32_t> row = t.main;
        row.insert(row.end(), t.special.begin(), t.special.end());
        rows.push_back(std::move(row));
    }
    return printLines(rows, false);
}

}  // namespace qorvel
