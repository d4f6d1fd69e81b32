// Commands on the indicator engine and the formula language: catalogue, eval, indicators. Output is UTF-8,
// tab-separated, one line per draw, oldest first.
#include <ostream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "engine/formula_history.h"
#include "engine/indicator_catalogue.h"
#include "engine/indicators.h"
#include "engine/tgs.h"

namespace qorvel::cli {
namespace {

// Exit status of eval when the formula failed at one draw or more (every draw is still printed).
constexpr int kFormulaFailedStatus = 3;

int runCatalogue(CliContext& ctx) {
    if (!ctx.args.empty()) return fail(ctx, "用法: catalogue");
    std::string error = ctx.prepareWorkspace();
    if (!error.empty()) return fail(ctx, error);
    const Workspace& ws = *ctx.workspace;
    auto& out = *ctx.out;
    for (const CatalogueEntry& entry : indicatorCatalogue()) {
        out << entry.code << '\t' << displayName(entry, ws.SpecialLabel()) << '\t'
            << rangeValue(entry.minimum, ws.params) << '\t' << rangeValue(entry.maximum, ws.params) << '\n';
    }
    return 0;
}

int runEval(CliContext& ctx) {
    if (ctx.args.size() != 1) return fail(ctx, "用法: eval FORMULA");
    std::string error = ctx.prepareWorkspace();
    if (!error.empty()) return fail(ctx, error);
    Workspace& ws = *ctx.workspace;
    // One pass over the history: the derived series inside the formula are built once.
    const HistoryValues pass = evaluateAtEveryDraw(ws, ctx.args[0]);
    auto failure = pass.failures.begin();
    auto& out = *ctx.out;
    for (int r = 1; r <= ws.MainStore.Count(); ++r) {
        out << ws.MainStore.Row(r).fields[0] << '\t' << pass.values[static_cast<std::size_t>(r - 1)];
        if (failure != pass.failures.end() && failure->row == r) out << "\t公式有误:" << (failure++)->error;
        out << '\n';
    }
    const bool anyFailed = !pass.failures.empty();
    return anyFailed ? kFormulaFailedStatus : 0;
}

// "a,b,c" split at the commas; nothing when an item is empty.
bool splitCodes(const std::string& text, std::vector<std::string>& codes) {
    std::size_t from = 0;
    while (true) {
        std::size_t comma = text.find(',', from);
        std::string item = text.substr(from, comma == std::string::npos ? std::string::npos : comma - from);
        if (item.empty()) return false;
        codes.push_back(item);
        if (comma == std::string::npos) return true;
        from = comma + 1;
    }
}

int runIndicators(CliContext& ctx) {
    std::vector<std::string> codes;
    const bool listed = ctx.args.size() == 2 && ctx.args[0] == "--codes";
    if (!ctx.args.empty() && !listed) return fail(ctx, "用法: indicators [--codes a,b,...]");
    if (listed && !splitCodes(ctx.args[1], codes)) return fail(ctx, "指标代码列表有空项: " + ctx.args[1]);
    std::string error = ctx.prepareWorkspace();
    if (!error.empty()) return fail(ctx, error);
    Workspace& ws = *ctx.workspace;
    if (!listed)
        for (const CatalogueEntry& entry : indicatorCatalogue()) codes.emplace_back(entry.code);

    auto& out = *ctx.out;
    out << "issue";
    for (const auto& code : codes) out << '\t' << code;
    out << '\n';
    for (int r = 1; r <= ws.MainStore.Count(); ++r) {
        ws.MainStore.SetRecNo(r);
        out << ws.MainStore.GetField(0);
        for (const auto& code : codes) out << '\t' << indicatorValue(ws, code);
        out << '\n';
    }
    return 0;
}

const CommandRegistration kCatalogue("catalogue", "catalogue             list every indicator code: code, name, min, max",
                                     runCatalogue);
const CommandRegistration kEval("eval", "eval FORMULA          the formula's value at every draw", runEval);
const CommandRegistration kIndicators("indicators",
                                      "indicators [--codes a,b,...]  indicator values at every draw", runIndicators);

}  // namespace
}  // namespace qorvel::cli
