// The banker and kill commands: kill runs one page over the history and prints its whole grid; search
// runs the formula search headless. Output is UTF-8, tab-separated.
#include <algorithm>
#include <cstdlib>
#include <optional>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "killbanker/forecast_scope.h"
#include "killbanker/formula_search.h"
#include "killbanker/formula_set_files.h"
#include "killbanker/kill_run.h"
#include "text/file_io.h"
#include "text/number_text.h"

namespace qorvel::cli {
namespace {

constexpr int kFormulaFailedStatus = 3;  // some formula failed; the grid is still printed
constexpr int kNotFoundStatus = 4;       // the search tested --limit candidates without success

// "--name value" options after the positional arguments; false with a message on a malformed list.
bool parseOptions(CliContext& ctx, std::size_t from, const std::vector<std::string>& known,
                  std::map<std::string, std::string>& options, std::string& error) {
    for (std::size_t i = from; i < ctx.args.size(); ++i) {
        const std::string& name = ctx.args[i];
        if (std::find(known.begin(), known.end(), name) == known.end()) {
            error = "未知选项: " + name;
            return false;
        }
        if (i + 1 >= ctx.args.size()) {
            error = "选项 " + name + " 缺少参数";
            return false;
        }
        options[name] = ctx.args[++i];
    }
    return true;
}

bool wholeOption(const std::map<std::string, std::string>& options, const std::string& name, int& value,
                 std::string& error) {
    auto it = options.find(name);
    if (it == options.end()) return true;
    auto v = parseWholeNumber(it->second);
    if (!v) {
        error = name + " 需要整数: " + it->second;
        return false;
    }
    value = *v;
    return true;
}

bool numberPair(const std::string& text, double& a, double& b) {
    const auto comma = text.find(',');
    if (comma == std::string::npos) return false;
    auto read = [](const std::string& s, double& out) {
        char* end = nullptr;
        out = std::strtod(s.c_str(), &end);
        return !s.empty() && end && *end == '\0';
    };
    return read(text.substr(0, comma), a) && read(text.substr(comma + 1), b);
}

std::optional<KillPage> pageArgument(CliContext& ctx) {
    if (ctx.args.empty()) return std::nullopt;
    return killPageFromCode(ctx.args[0]);
}

// The formulas and target of a kill run from --formulas, --scheme and --scs.
std::string readKillFormulas(const std::map<std::string, std::string>& options, KillPage page,
                             KillRunRequest& request, int& defaultCount) {
    const KillPageInfo& info = killPageInfo(page);
    int scheme = 0;
    std::string error;
    if (!wholeOption(options, "--scheme", scheme, error)) return error;
    if (options.count("--scheme") && (scheme < 1 || scheme > kSchemesPerFormulaSet)) return "--scheme 应在1到10之间";
    defaultCount = info.defaultCount;
    if (auto it = options.find("--formulas"); it != options.end()) {
        auto bytes = readFileBytes(it->second);
        if (!bytes) return "无法读取文件 " + it->second;
        auto lines = formulaLinesFromBytes(*bytes);
        if (scheme == 0) {
            request.formulas = std::move(lines);
            if (static_cast<int>(request.formulas.size()) > info.capacity) request.formulas.resize(info.capacity);
            defaultCount = static_cast<int>(request.formulas.size());
        } else {
            FormulaSet set{{info.code, info.capacity},
                           std::vector<std::string>(kSchemesPerFormulaSet * info.capacity, std::string(kDefaultSetFormula))};
            for (std::size_t i = 0; i < lines.size() && i < set.formulas.size(); ++i) set.formulas[i] = lines[i];
            request.formulas = set.schemeFormulas(scheme, info.capacity);
        }
    }
    if (auto it = options.find("--scs"); it != options.end()) {
        CustomKillSet custom;
        if (auto e = loadCustomKillSet(it->second, custom); !e.empty()) return e;
        if (!options.count("--formulas")) request.formulas = custom.set.schemeFormulas(scheme == 0 ? 1 : scheme, info.capacity);
        request.target = custom.target;
    }
    if (auto it = options.find("--target"); it != options.end()) request.target = it->second;
    if (request.formulas.empty()) return "没有公式: 请用 --formulas 或 --scs 给出公式";
    if (page == KillPage::CustomKill && request.target.empty()) return "自定义杀号需要 --target 或 --scs 给出指标";
    return {};
}

int runKill(CliContext& ctx) {
    const char* usage =
        "用法: kill PAGE --formulas FILE [--count k] [--start ISSUE] [--display 0|1|2] [--target FORMULA] "
        "[--scheme S] [--scs FILE]";
    auto page = pageArgument(ctx);
    if (!page) return fail(ctx, usage);
    std::map<std::string, std::string> options;
    std::string error;
    if (!parseOptions(ctx, 1, {"--formulas", "--count", "--start", "--display", "--target", "--scheme", "--scs"},
                      options, error))
        return fail(ctx, error);
    KillRunRequest request;
    request.page = *page;
    int count = 0, display = 0;
    if (auto e = readKillFormulas(options, *page, request, count); !e.empty()) return fail(ctx, e);
    if (!wholeOption(options, "--count", count, error) || !wholeOption(options, "--start", request.startIssue, error) ||
        !wholeOption(options, "--display", display, error))
        return fail(ctx, error);
    if (count < 1 || count > static_cast<int>(request.formulas.size()))
        return fail(ctx, "--count 应在1到" + std::to_string(request.formulas.size()) + "之间");
    if (display < 0 || display > 2) return fail(ctx, "--display 应为0、1或2");
    request.formulas.resize(static_cast<std::size_t>(count));
    request.display = static_cast<ListDisplay>(display);
    if (auto e = ctx.prepareWorkspace(); !e.empty()) return fail(ctx, e);

    const KillRunResult result = runKillPage(*ctx.workspace, request);
    if (!result.error.empty()) return fail(ctx, result.error);
    const KillGrid& g = result.grid;
    for (int r = 0; r < g.rows; ++r) {
        for (int c = 0; c < g.columns; ++c) *ctx.out << (c ? "\t" : "") << g.at(r, c).text;
        *ctx.out << '\n';
    }
    if (g.endMessage.empty()) return 0;
    *ctx.err << g.endMessage << '\n';
    return kFormulaFailedStatus;
}

std::string readSearchSettings(CliContext& ctx, const std::map<std::string, std::string>& options,
                               FormulaSearchSettings& s, long& limit) {
    std::string error;
    auto it = options.find("--indicator");
    if (it == options.end()) return "缺少 --indicator";
    s.shape.indicator = it->second;
    int from = s.firstIssue, to = s.lastIssue, maxWrong = 0, seed = 0, limitValue = -1;
    if (!wholeOption(options, "--depth", s.shape.depth, error) || !wholeOption(options, "--from", from, error) ||
        !wholeOption(options, "--to", to, error) || !wholeOption(options, "--max-wrong", maxWrong, error) ||
        !wholeOption(options, "--seed", seed, error) || !wholeOption(options, "--limit", limitValue, error))
        return error;
    s.firstIssue = from;
    s.lastIssue = to;
    if (options.count("--max-wrong")) {
        if (maxWrong < 0) return "--max-wrong 不能为负数";
        s.limitWrongRun = true;
        s.maxWrongRun = maxWrong;
    }
    s.seed = options.count("--seed") ? static_cast<uint32_t>(seed) : clockSeed();
    if (options.count("--limit") && limitValue < 1) return "--limit 应为正整数";
    limit = limitValue;
    if (auto r = options.find("--range"); r != options.end()) {
        double lo = 0, hi = 0;
        if (!numberPair(r->second, lo, hi) || lo != static_cast<int>(lo) || hi != static_cast<int>(hi))
            return "--range 需要两个整数: " + r->second;
        s.shape.lo = static_cast<int>(lo);
        s.shape.hi = static_cast<int>(hi);
    }
    if (auto r = options.find("--rate"); r != options.end() && !numberPair(r->second, s.rateFrom, s.rateTo))
        return "--rate 需要两个数: " + r->second;
    if (auto t = options.find("--target"); t != options.end()) s.target = t->second;
    if (auto q = options.find("--quick"); q != options.end()) {
        if (q->second != "0" && q->second != "1") return "--quick 应为0或1";
        s.accelerated = q->second == "1";
    }
    if (s.page == KillPage::CustomKill && s.target.empty()) return "自定义杀号需要 --target";
    (void)ctx;
    return {};
}

int runSearch(CliContext& ctx) {
    const char* usage =
        "用法: search PAGE --indicator X [--depth m] [--range lo,hi] [--rate a,b] [--from ISSUE] [--to ISSUE] "
        "[--max-wrong N] [--seed S] [--limit N] [--target FORMULA] [--quick 0|1]";
    auto page = pageArgument(ctx);
    if (!page) return fail(ctx, usage);
    std::map<std::string, std::string> options;
    std::string error;
    if (!parseOptions(ctx, 1,
                      {"--indicator", "--depth", "--range", "--rate", "--from", "--to", "--max-wrong", "--seed",
                       "--limit", "--target", "--quick"},
                      options, error))
        return fail(ctx, error);
    if (auto e = ctx.prepareWorkspace(); !e.empty()) return fail(ctx, e);
    Workspace& ws = *ctx.workspace;
    dropTemporaryLastRow(ws.MainStore);

    FormulaSearchSettings settings;
    settings.page = *page;
    defaultSearchRange(ws.MainStore, settings.firstIssue, settings.lastIssue);
    long limit = -1;
    if (auto e = readSearchSettings(ctx, options, settings, limit); !e.empty()) return fail(ctx, e);
    FormulaSearch search;
    if (auto e = search.start(ws, settings); !e.empty()) return fail(ctx, e);
    if (search.drawsInRange() == 0) return fail(ctx, "搜索范围内没有开奖数据");

    while (!search.accepted() && (limit < 0 || search.candidatesTested() < limit)) {
        const long left = limit < 0 ? -1 : limit - search.candidatesTested();
        const SearchStepResult step = search.step(kSearchStepBudget, left);
        // Only the coefficients vary between candidates, so a failure of one is the failure of all.
        if (!step.error.empty()) return fail(ctx, step.error);
    }
    auto& out = *ctx.out;
    if (search.accepted()) {
        out << "formula\t" << search.formula() << '\n'
            << "rate\t" << searchRateText(search.rate()) << '\n'
            << "longest_wrong\t" << search.longestWrongRun() << '\n';
    }
    out << "tested\t" << search.candidatesTested() << '\n';
    if (search.accepted()) return 0;
    *ctx.err << "qorvel-cli: 测试了" << search.candidatesTested() << "个公式，没有找到符合条件的公式\n";
    return kNotFoundStatus;
}

const CommandRegistration kKill("kill",
                                "kill PAGE --formulas FILE [--count k] [--start ISSUE] [--display 0|1|2] "
                                "[--target F] [--scheme S] [--scs FILE]  the page's grid as TSV",
                                runKill);
const CommandRegistration kSearch("search",
                                  "search PAGE --indicator X [--depth m] [--range lo,hi] [--rate a,b] [--from I] "
                                  "[--to I] [--max-wrong N] [--seed S] [--limit N] [--target F]  formula search",
                                  runSearch);

}  // namespace
}  // namespace qorvel::cli
