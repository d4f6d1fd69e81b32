// Commands that print what the analysis views show: stats (the statistics page after "开始统计"), omission
// (the omission tables of the main numbers and tails), datatable (the regular data tables) and fbd (the
// association marks of the distribution chart) and association (the association analysis of the more-charts
// page). Output is UTF-8, tab-separated, one record a line.
#include <algorithm>
#include <map>
#include <ostream>
#include <set>

#include "cli/cli.h"
#include "text/number_text.h"
#include "views/association.h"
#include "views/data_tables.h"
#include "views/distribution_marks.h"
#include "views/omission_table.h"
#include "views/statistics_page.h"

namespace qorvel::cli {
namespace {

constexpr int kBadArgumentStatus = 2;

int badArgument(CliContext& ctx, const std::string& message) {
    *ctx.err << "qorvel-cli: " << message << "\n";
    return kBadArgumentStatus;
}

// "--name value" options, "--flag" switches and positional words of one command.
struct ViewArgs {
    std::map<std::string, std::string> options;
    std::set<std::string> flags;
    std::vector<std::string> words;
    std::string error;
    bool has(const char* name) const { return options.count(name) > 0; }
};

ViewArgs parseViewArgs(const std::vector<std::string>& args, std::initializer_list<const char*> valued,
                       std::initializer_list<const char*> switches) {
    ViewArgs parsed;
    auto listed = [](std::initializer_list<const char*> names, const std::string& a) {
        for (const char* n : names)
            if (a == n) return true;
        return false;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (listed(switches, a)) {
            parsed.flags.insert(a);
        } else if (listed(valued, a)) {
            if (i + 1 >= args.size()) return {{}, {}, {}, "选项 " + a + " 缺少参数"};
            parsed.options[a] = args[++i];
        } else if (a.rfind("--", 0) == 0) {
            return {{}, {}, {}, "未知选项: " + a};
        } else {
            parsed.words.push_back(a);
        }
    }
    return parsed;
}

// A whole number within [low, high] from an option, or the fallback when the option is absent.
std::optional<int> boundedOption(const ViewArgs& a, const char* name, int low, int high, int fallback,
                                 std::string& error) {
    auto it = a.options.find(name);
    if (it == a.options.end()) return fallback;
    auto v = parseWholeNumber(it->second);
    if (!v || *v < low || *v > high) {
        error = std::string(name) + " 需要" + std::to_string(low) + "到" + std::to_string(high) + "之间的整数: " +
                it->second;
        return std::nullopt;
    }
    return v;
}

// The row of an issue given by an option (the fallback when absent); 0 and an error text when the issue
// is not a number or not in the history.
int issueRowOption(const ViewArgs& a, const char* name, const t_s_dm& store, int fallback, std::string& error) {
    auto it = a.options.find(name);
    if (it == a.options.end()) return fallback;
    auto issue = parseWholeNumber(it->second);
    if (issue)
        for (int r = 1; r <= store.Count(); ++r)
            if (store.Row(r).fields[0] == *issue) return r;
    error = std::string(name) + " 的期号不在历史数据中: " + it->second;
    return 0;
}

std::string joinTabs(const std::vector<std::string>& cells) {
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) line += (i ? "\t" : "") + cells[i];
    return line;
}

void printZone(std::ostream& out, const char* zone, const ZoneStatistics& z) {
    for (const auto& s : z.byNumber) out << zone << '\t' << s.number << '\t' << s.count << '\t' << s.omission << '\n';
}

void printOrder(std::ostream& out, const char* zone, const char* kind, const std::vector<NumberStatistic>& order) {
    out << "order\t" << zone << '\t' << kind << '\t';
    for (std::size_t i = 0; i < order.size(); ++i) out << (i ? "," : "") << TwoDigitText(order[i].number);
    out << '\n';
}

constexpr const char* kStatsUsage = "stats [--near N | --from ISSUE --to ISSUE] [--ys 3|4|5]";

int runStats(CliContext& ctx) {
    ViewArgs a = parseViewArgs(ctx.args, {"--near", "--from", "--to", "--ys"}, {});
    if (!a.error.empty()) return badArgument(ctx, a.error);
    if (!a.words.empty()) return badArgument(ctx, std::string("用法: ") + kStatsUsage);
    const bool custom = a.has("--from") || a.has("--to");
    if (custom && a.has("--near")) return badArgument(ctx, "--near 不能与 --from/--to 同用");
    std::string error;
    int near = kDefaultNearCount;
    if (auto it = a.options.find("--near"); it != a.options.end()) {
        auto v = parseNearCount(it->second);
        if (!v) return badArgument(ctx, "--near 需要期数或\"所有\": " + it->second);
        near = *v;
    }
    auto divisor = boundedOption(a, "--ys", kRemainderDivisors.front(), kRemainderDivisors.back(),
                                 kRemainderDivisors.front(), error);
    if (!divisor) return badArgument(ctx, error);
    error = ctx.prepareWorkspace();
    if (!error.empty()) return fail(ctx, error);
    Workspace& ws = *ctx.workspace;
    const t_s_dm& store = ws.MainStore;

    StatisticsRange range = nearRange(store, near);
    if (custom) {
        const int from = issueRowOption(a, "--from", store, statisticsDefaultFromRow(store.Count()), error);
        const int to = issueRowOption(a, "--to", store, store.Count(), error);
        if (!error.empty()) return badArgument(ctx, error);
        range = customRange(store, from, to);
    }
    const StatisticsResult result = computeStatistics(ws, range, *divisor);
    auto& out = *ctx.out;
    out << "range\t" << result.range.count << '\t' << (result.endIssue ? std::to_string(result.endIssue) : "")
        << '\n';
    printZone(out, "main", result.main);
    printZone(out, "special", result.special);
    printOrder(out, "main", "count", result.main.byCount);
    printOrder(out, "main", "omission", result.main.byOmission);
    printOrder(out, "special", "count", result.special.byCount);
    printOrder(out, "special", "omission", result.special.byOmission);
    out << "coldhot\tmain\t" << result.mainColdHotLine << '\n';
    out << "coldhot\tspecial\t" << result.specialColdHotLine << '\n';
    for (const auto& row : result.items)
        out << joinTabs({"item", row.group, row.caption, row.value, row.percent}) << '\n';
    return 0;
}

constexpr const char* kOmissionUsage = "omission [--from ISSUE] [--to ISSUE] [--order K] [--tails]";

int runOmission(CliContext& ctx) {
    ViewArgs a = parseViewArgs(ctx.args, {"--from", "--to", "--order"}, {"--tails"});
    if (!a.error.empty()) return badArgument(ctx, a.error);
    if (!a.words.empty()) return badArgument(ctx, std::string("用法: ") + kOmissionUsage);
    std::string error;
    auto kind = boundedOption(a, "--order", 0, kOrderingKinds - 1, 0, error);
    if (!kind) return badArgument(ctx, error);
    error = ctx.prepareWorkspace();
    if (!error.empty()) return fail(ctx, error);
    Workspace& ws = *ctx.workspace;
    const t_s_dm& store = ws.MainStore;
    const int from = issueRowOption(a, "--from", store, omissionDefaultFromRow(store.Count()), error);
    const int to = issueRowOption(a, "--to", store, store.Count(), error);
    if (!error.empty()) return badArgument(ctx, error);

    const bool tails = a.flags.count("--tails") > 0;
    const OmissionTable table = tails ? buildTailOmissionTable(store, ws.params, from, to, *kind)
                                      : buildNumberOmissionTable(store, ws.params, from, to, *kind);
    auto& out = *ctx.out;
    out << joinTabs(table.header()) << '\n';
    for (const auto& row : table.rows) {
        out << row.issueText;
        for (const auto& cell : row.cells) out << '\t' << (cell.drawn ? "#" : "") << table.cellText(cell);
        out << '\t' << row.numbersText << '\n';
    }
    for (const auto& row : table.statisticsRows()) out << joinTabs(row) << '\n';
    return 0;
}

int runDataTable(CliContext& ctx) {
    ViewArgs a = parseViewArgs(ctx.args, {}, {});
    if (!a.error.empty()) return badArgument(ctx, a.error);
    const auto table = a.words.size() == 1 ? parseWholeNumber(a.words[0]) : std::nullopt;
    if (!table || *table < 1 || *table > kDataTableCount) return badArgument(ctx, "用法: datatable 1|2|3");
    std::string error = ctx.prepareWorkspace();
    if (!error.empty()) return fail(ctx, error);
    const DataTable data = buildDataTable(*ctx.workspace, *table);
    auto& out = *ctx.out;
    out << joinTabs(data.header) << '\n';
    for (const auto& row : data.rows) out << joinTabs(row) << '\n';
    return 0;
}

constexpr const char* kFbdUsage = "fbd [--top ISSUE] [--rows R] [--marking I]";
constexpr int kMaxFbdRows = 100000;

int runFbd(CliContext& ctx) {
    ViewArgs a = parseViewArgs(ctx.args, {"--top", "--rows", "--marking"}, {});
    if (!a.error.empty()) return badArgument(ctx, a.error);
    if (!a.words.empty()) return badArgument(ctx, std::string("用法: ") + kFbdUsage);
    std::string error;
    auto rows = boundedOption(a, "--rows", 1, kMaxFbdRows, kDistributionDataRows, error);
    if (!rows) return badArgument(ctx, error);
    auto marking = boundedOption(a, "--marking", 0, kMarkingKinds - 1, 0, error);
    if (!marking) return badArgument(ctx, error);
    error = ctx.prepareWorkspace();
    if (!error.empty()) return fail(ctx, error);
    Workspace& ws = *ctx.workspace;
    const t_s_dm& store = ws.MainStore;
    const int top = issueRowOption(a, "--top", store, distributionStartRow(store.Count(), *rows), error);
    if (!error.empty()) return badArgument(ctx, error);

    auto& out = *ctx.out;
    for (const auto& row : associationRows(store, ws.params, top, *rows, *marking, SelectionFlags{})) {
        if (row.selection) continue;
        out << row.issueText << '\t';
        for (std::size_t i = 0; i < row.marks.size(); ++i)
            out << (i ? " " : "") << TwoDigitText(row.marks[i].number) << ':' << row.marks[i].tile;
        out << '\n';
    }
    return 0;
}

constexpr const char* kAssociationUsage =
    "association [--pos V,V,...] [--anywhere] [--tail D] [--zb1 F [--zb1-values V,V,...]] [--zb2 ...] [--zb3 ...]";

// Comma-separated whole numbers; "all" (or an empty item) stands for kAnyValue where allowAll is set.
std::optional<std::vector<int>> numberList(const std::string& text, bool allowAll) {
    std::vector<int> out;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find(',', start), text.size());
        const std::string item(trimBlanks(std::string_view(text).substr(start, end - start)));
        if (allowAll && (item.empty() || item == "all")) {
            out.push_back(kAnyValue);
        } else {
            const auto v = parseWholeNumber(item);
            if (!v) return std::nullopt;
            out.push_back(*v);
        }
        start = end + 1;
    }
    return out;
}

int runAssociation(CliContext& ctx) {
    ViewArgs a = parseViewArgs(ctx.args, {"--pos", "--tail", "--zb1", "--zb2", "--zb3", "--zb1-values", "--zb2-values",
                                          "--zb3-values"},
                               {"--anywhere"});
    if (!a.error.empty()) return badArgument(ctx, a.error);
    if (!a.words.empty()) return badArgument(ctx, std::string("用法: ") + kAssociationUsage);
    AssociationFilter filter;
    if (a.has("--pos")) {
        const auto positions = numberList(a.options["--pos"], true);
        if (!positions || positions->size() > kAssociationPositions ||
            std::any_of(positions->begin(), positions->end(), [](int v) { return v != kAnyValue && (v < 0 || v > 49); }))
            return badArgument(ctx, "--pos: 至多五个 00…49 或 all");
        std::copy(positions->begin(), positions->end(), filter.positions.begin());
    }
    filter.anyMainPosition = a.flags.count("--anywhere") > 0;
    std::string error;
    const auto tail = boundedOption(a, "--tail", 0, 9, kAnyValue, error);
    if (!tail) return badArgument(ctx, error);
    filter.issueTail = *tail;
    for (int k = 1; k <= kAssociationIndicators; ++k) {
        const std::string name = "--zb" + std::to_string(k);
        if (!a.has(name.c_str())) break;
        AssociationIndicator indicator;
        indicator.formula = a.options[name];
        if (a.has((name + "-values").c_str())) {
            const auto values = numberList(a.options[name + "-values"], false);
            if (!values) return badArgument(ctx, name + "-values: 需要逗号分隔的整数");
            indicator.allowed.assign(values->begin(), values->end());
            std::sort(indicator.allowed.begin(), indicator.allowed.end());
            indicator.restricted = true;
        }
        filter.indicators.push_back(std::move(indicator));
    }
    error = ctx.prepareWorkspace();
    if (!error.empty()) return fail(ctx, error);
    const AssociationTable table = buildAssociationTable(*ctx.workspace, filter);
    auto& out = *ctx.out;
    out << joinTabs(table.header) << '\n';
    for (int r = 0; r < static_cast<int>(table.rows.size()); ++r) out << joinTabs(table.cells(r)) << '\n';
    out << associationCountText(table) << '\n';
    return 0;
}

const CommandRegistration kStats("stats", kStatsUsage, runStats);
const CommandRegistration kOmission("omission", kOmissionUsage, runOmission);
const CommandRegistration kDataTable("datatable", "datatable 1|2|3", runDataTable);
const CommandRegistration kFbd("fbd", kFbdUsage, runFbd);
const CommandRegistration kAssociation("association", kAssociationUsage, runAssociation);

}  // namespace
}  // namespace qorvel::cli
