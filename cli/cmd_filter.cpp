// Commands of the combination filter: filter (a new or continued run with a condition file) and report
// (the condition report, optionally marked against a draw).
#include <map>
#include <ostream>

#include "cli/cli.h"
#include "combos/combo_filter.h"
#include "combos/condition_report.h"
#include "text/number_text.h"

namespace qorvel::cli {
namespace {

// The command's positional argument and its "--name value" options.
struct CommandArgs {
    std::string file;
    std::map<std::string, std::string> options;
    std::string error;
};

CommandArgs parseArgs(const std::vector<std::string>& args, std::initializer_list<const char*> known,
                      const char* usage) {
    CommandArgs parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.rfind("--", 0) == 0) {
            bool ok = false;
            for (const char* k : known) ok = ok || a == k;
            if (!ok) return {{}, {}, "未知选项: " + a};
            if (i + 1 >= args.size()) return {{}, {}, "选项 " + a + " 缺少参数"};
            parsed.options[a] = args[++i];
        } else if (parsed.file.empty()) {
            parsed.file = a;
        } else {
            return {{}, {}, std::string("用法: ") + usage};
        }
    }
    if (parsed.file.empty()) parsed.error = std::string("用法: ") + usage;
    return parsed;
}

std::optional<int> issueOption(const CommandArgs& a, const char* name, std::string& error) {
    auto it = a.options.find(name);
    if (it == a.options.end()) return std::nullopt;
    auto v = parseWholeNumber(it->second);
    if (!v) error = std::string(name) + " 需要期号: " + it->second;
    return v;
}

// Loads the condition file; a file that ends inside a record is used with a warning on stderr.
std::string loadConditions(CliContext& ctx, ComboFilter& filter, const std::string& file) {
    const ConditionLoad load = filter.LoadConditions(file);
    if (!load.found) return ComboFilter::loadMessage(load, file);
    if (!load.warning.empty()) *ctx.err << "qorvel-cli: " << load.warning << "\n";
    return {};
}

constexpr const char* kFilterUsage = "filter CONDFILE [--ref ISSUE] [--continue RESULTFILE] [--out RESULTFILE]";
constexpr const char* kReportUsage = "report CONDFILE [--mark ISSUE]";

int runFilter(CliContext& ctx) {
    CommandArgs a = parseArgs(ctx.args, {"--ref", "--continue", "--out"}, kFilterUsage);
    if (!a.error.empty()) return fail(ctx, a.error);
    std::string error;
    RunRequest request;
    request.saveUndoSnapshot = false;  // the tool keeps no undo ring between runs
    request.referenceIssue = issueOption(a, "--ref", error);
    if (!error.empty()) return fail(ctx, error);
    error = ctx.prepareWorkspace();
    if (!error.empty()) return fail(ctx, error);

    ComboFilter filter(*ctx.workspace);
    if (std::string loadError = loadConditions(ctx, filter, a.file); !loadError.empty()) return fail(ctx, loadError);
    RunOutcome outcome;
    if (auto it = a.options.find("--continue"); it != a.options.end()) {
        error = filter.loadResults(it->second);
        if (!error.empty()) return fail(ctx, error);
        outcome = filter.ContinueRun(request);
    } else {
        outcome = filter.StartRun(request);
    }
    if (outcome.status != RunStatus::Completed) return fail(ctx, outcome.message);
    if (auto it = a.options.find("--out"); it != a.options.end()) {
        error = filter.saveResults(it->second);
        if (!error.empty()) return fail(ctx, error);
    }
    *ctx.out << "count\t" << outcome.count << "\n" << "elapsed_ms\t" << outcome.elapsedMs << "\n";
    return 0;
}

int runReport(CliContext& ctx) {
    CommandArgs a = parseArgs(ctx.args, {"--mark"}, kReportUsage);
    if (!a.error.empty()) return fail(ctx, a.error);
    std::string error;
    const auto mark = issueOption(a, "--mark", error);
    if (!error.empty()) return fail(ctx, error);
    error = ctx.prepareWorkspace();
    if (!error.empty()) return fail(ctx, error);

    ComboFilter filter(*ctx.workspace);
    if (std::string loadError = loadConditions(ctx, filter, a.file); !loadError.empty()) return fail(ctx, loadError);
    std::vector<std::string> lines;
    if (mark) {
        MarkedReport report = markedReportLines(*ctx.workspace, filter.conditions, *mark, ReportFilter::All);
        if (!report.error.empty()) return fail(ctx, report.error);
        lines = std::move(report.lines);
    } else {
        lines = conditionReportLines(filter.conditions, ctx.workspace->params.MainTo);
    }
    for (const auto& line : lines) *ctx.out << line << "\n";
    return 0;
}

const CommandRegistration kFilter("filter", kFilterUsage, runFilter);
const CommandRegistration kReport("report", kReportUsage, runReport);

}  // namespace
}  // namespace qorvel::cli
