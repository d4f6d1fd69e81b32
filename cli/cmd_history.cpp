// Commands on the type table and the draw history: types, draws, init-demo.
#include <filesystem>
#include <ostream>

#include "cli/cli.h"
#include "draws/draw_text.h"
#include "text/file_io.h"
#include "text/number_text.h"

namespace qorvel::cli {
namespace {

int runTypes(CliContext& ctx) {
    std::string error = ctx.prepareWorkspace();
    if (!error.empty()) return fail(ctx, error);
    auto& out = *ctx.out;
    out << "slot\tname\tmain_count\tmain_from\tmain_to\tspecial_count\tspecial_from\tspecial_to\thas_special\n";
    for (int n = 0; n < kTypeSlots; ++n) {
        const auto& t = ctx.workspace->types.slots[n];
        out << n << '\t' << t.Name << '\t' << int(t.MainCount) << '\t' << int(t.MainFrom) << '\t' << int(t.MainTo)
            << '\t' << int(t.SpecialCount) << '\t' << int(t.SpecialFrom) << '\t' << int(t.SpecialTo) << '\t'
            << int(t.HasSpecial) << '\n';
    }
    return 0;
}

int runDraws(CliContext& ctx) {
    std::string error = ctx.prepareWorkspace();
    if (!error.empty()) return fail(ctx, error);
    const auto& ws = *ctx.workspace;
    const int numbers = ws.params.MainCount + ws.params.SpecialCount;
    auto& out = *ctx.out;
    for (int r = 1; r <= ws.MainStore.Count(); ++r) {
        const auto& f = ws.MainStore.Row(r).fields;
        out << f[0];
        for (int k = 1; k <= numbers && k < kDrawFields; ++k) out << ' ' << TwoDigitText(f[k]);
        out << '\n';
    }
    return 0;
}

// Creates a program folder holding the two sample games: slot 0 "双色球" (6 of 1..33 + 1 of 1..16) and
// slot 1 "超级大乐透" (5 of 1..35 + 2 of 1..12), the other slots as the defaults. A folder that already holds
// a type table is left as it is, so the user's changes survive.
int runInitDemo(CliContext& ctx) {
    if (ctx.args.size() != 2) return fail(ctx, "用法: init-demo SSQ.txt DLT.txt");
    namespace fs = std::filesystem;
    Workspace ws;
    ws.ProgramFolder = ctx.home;
    if (fs::exists(ws.file("database\\cps.typ"))) return 0;

    LotteryTypeTable table = defaultLotteryTypeTable();
    table.slots[0].Name = "双色球";
    auto& dlt = table.slots[1];
    dlt.Name = "超级大乐透";
    dlt.MainCount = 5;
    dlt.MainTo = 35;
    dlt.SpecialCount = 2;
    dlt.SpecialTo = 12;
    for (int slot = 0; slot < 2; ++slot) {
        auto bytes = readFileBytes(ctx.args[slot]);
        if (!bytes) return fail(ctx, "无法读取文件 " + ctx.args[slot]);
        auto parsed = parseDrawText(*bytes, typeParamsFrom(table.slots[slot], true));
        if (!parsed.error.empty()) return fail(ctx, ctx.args[slot] + ": " + parsed.error);
        t_s_dm store;
        store.SetFileName(drawFilePath(ws.ProgramFolder, slot));
        loadDrawsIntoStore(store, parsed.draws);
        if (!store.SortAndSave()) return fail(ctx, store.lastError());
    }
    // The type table goes last: its presence marks a finished demo folder.
    std::string error = saveLotteryTypes(ws.file("database\\cps.typ"), table);
    if (!error.empty()) return fail(ctx, error);
    return 0;
}

const CommandRegistration kTypes("types", "types                 list the 21 type slots", runTypes);
const CommandRegistration kDraws("draws", "draws                 print the history (issue and numbers)", runDraws);
const CommandRegistration kInitDemo("init-demo", "init-demo SSQ DLT     create a demo program folder from two histories",
                                    runInitDemo);

}  // namespace
}  // namespace qorvel::cli
