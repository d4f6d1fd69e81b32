// Command prize: the main prize check of a result file against a draw of the history, printed as the
// number of tickets per hit count.
#include <ostream>

#include "cli/cli.h"
#include "combos/result_file.h"
#include "combos/result_ops.h"
#include "text/number_text.h"

namespace qorvel::cli {
namespace {

constexpr const char* kPrizeUsage = "prize RESULTFILE ISSUE";

int runPrize(CliContext& ctx) {
    if (ctx.args.size() != 2) return fail(ctx, std::string("用法: ") + kPrizeUsage);
    const auto issue = parseWholeNumber(ctx.args[1]);
    if (!issue) return fail(ctx, "期号无效: " + ctx.args[1]);
    std::string error = ctx.prepareWorkspace();
    if (!error.empty()) return fail(ctx, error);

    Workspace& ws = *ctx.workspace;
    const int mainCount = ws.params.MainCount;
    ResultSet results;
    error = loadMainResults(ctx.args[0], mainCount, results);
    if (!error.empty()) return fail(ctx, error);

    t_s_dm& store = ws.MainStore;
    const int position = store.RecNo();
    if (!store.GotoIssue(*issue)) return fail(ctx, "没有这一期: " + ctx.args[1]);
    std::vector<int32_t> drawMain;
    for (int i = 1; i <= mainCount; ++i) drawMain.push_back(store.GetField(i));
    store.SetRecNo(position);

    const std::vector<int> perHits = mainPrizeCheck(results, mainCount, drawMain);
    for (std::size_t h = 0; h < perHits.size(); ++h) *ctx.out << h << "\t" << perHits[h] << "\n";
    return 0;
}

const CommandRegistration kPrize("prize", kPrizeUsage, runPrize);

}  // namespace
}  // namespace qorvel::cli
