// Command match: pairs a main result file with a special result file into full tickets ("顺序匹配",
// "随机匹配" or "全组合匹配") and prints how many there are, optionally saving them as a dual result file.
#include <ostream>

#include "cli/cli.h"
#include "combos/dual_match.h"
#include "combos/result_file.h"
#include "text/number_text.h"

namespace qorvel::cli {
namespace {

constexpr const char* kMatchUsage =
    "match MAINRESULTS SPECIALRESULTS [--mode seq|random|all] [--seed N] [--out DUALRESULTS]";

struct MatchArgs {
    std::vector<std::string> files;
    MatchMode mode = MatchMode::Sequential;
    std::optional<int> seed;
    std::string out;
    std::string error;
};

MatchArgs parseMatchArgs(const std::vector<std::string>& args) {
    MatchArgs a;
    for (std::size_t i = 0; i < args.size() && a.error.empty(); ++i) {
        const std::string& arg = args[i];
        if (arg.rfind("--", 0) != 0) {
            a.files.push_back(arg);
            continue;
        }
        if (i + 1 >= args.size()) {
            a.error = "选项 " + arg + " 缺少参数";
            break;
        }
        const std::string& value = args[++i];
        if (arg == "--mode") {
            if (value == "seq") a.mode = MatchMode::Sequential;
            else if (value == "random") a.mode = MatchMode::Random;
            else if (value == "all") a.mode = MatchMode::AllPairs;
            else a.error = "--mode 只能是 seq、random 或 all: " + value;
        } else if (arg == "--seed") {
            a.seed = parseWholeNumber(value);
            if (!a.seed) a.error = "--seed 需要整数: " + value;
        } else if (arg == "--out") {
            a.out = value;
        } else {
            a.error = "未知选项: " + arg;
        }
    }
    if (a.error.empty() && a.files.size() != 2) a.error = std::string("用法: ") + kMatchUsage;
    return a;
}

int runMatch(CliContext& ctx) {
    const MatchArgs a = parseMatchArgs(ctx.args);
    if (!a.error.empty()) return fail(ctx, a.error);
    std::string error = ctx.prepareWorkspace();
    if (!error.empty()) return fail(ctx, error);

    const Workspace& ws = *ctx.workspace;
    const int n = ws.params.MainCount, m = ws.params.SpecialCount;
    if (m < 1) return fail(ctx, "当前彩种没有副区号码");
    ResultSet mains;
    error = loadMainResults(a.files[0], n, mains);
    if (!error.empty()) return fail(ctx, error);
    SpecialResultSet specials;
    error = loadSpecialResults(a.files[1], m, specials);
    if (!error.empty()) return fail(ctx, error);

    std::mt19937 random(a.seed ? static_cast<uint32_t>(*a.seed) : std::random_device{}());
    DualResultSet dual;
    const MatchOutcome outcome = Match(a.mode, mains, n, specials, m, ws.SpecialLabel(), random, dual);
    if (outcome.refused) return fail(ctx, outcome.message);
    if (!a.out.empty()) {
        error = saveDualResults(a.out, dual, n, m);
        if (!error.empty()) return fail(ctx, error);
    }
    *ctx.out << "count\t" << dual.count() << "\n";
    return 0;
}

const CommandRegistration kMatch("match", kMatchUsage, runMatch);

}  // namespace
}  // namespace qorvel::cli
