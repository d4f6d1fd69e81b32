#include "cli/cli.h"

#include <cstdlib>
#include <iostream>
#include <sstream>

#include "draws/draw_text.h"
#include "text/file_io.h"
#include "text/number_text.h"

namespace qorvel::cli {
namespace {

std::vector<CommandInfo>& registry() {
    static std::vector<CommandInfo> table;
    return table;
}

std::optional<std::vector<int>> parseIntList(const std::string& text, std::size_t count) {
    std::vector<int> values;
    std::stringstream ss(text);
    std::string item;
    while (std::getline(ss, item, ',')) {
        auto v = parseWholeNumber(item);
        if (!v) return std::nullopt;
        values.push_back(*v);
    }
    if (values.size() != count) return std::nullopt;
    return values;
}

void printUsage(std::ostream& err) {
    err << "usage: qorvel-cli [--home DIR] [--type N] [--draws FILE] [--type-params N,FROM,TO,SN,SFROM,STO]\n"
           "                  [--coldhot QS,COLD,HOT,FQS,FCOLD,FHOT] COMMAND [ARGS]\n"
           "commands:\n";
    for (const auto& c : registry()) err << "  " << c.usage << "\n";
}

}  // namespace

CommandRegistration::CommandRegistration(const char* name, const char* usage, CommandFunction run) {
    registry().push_back({name, usage, run});
}

const std::vector<CommandInfo>& commands() { return registry(); }

int fail(CliContext& ctx, const std::string& message) {
    *ctx.err << "qorvel-cli: " << message << "\n";
    return 1;
}

std::string CliContext::prepareWorkspace() {
    workspace = std::make_unique<Workspace>();
    Workspace& ws = *workspace;
    ws.ProgramFolder = home;
    if (type < 0 || type >= kTypeSlots) return "类型编号必须在0到20之间";
    ws.CurrentType = type;
    if (drawsFile.empty() || !typeParams) {
        std::string error = ws.loadTypes();
        if (!error.empty()) return error;
    }
    ws.applyCurrentType(false);
    if (typeParams) {
        const auto& p = *typeParams;
        ws.params.MainCount = p[0];
        ws.params.MainFrom = p[1];
        ws.params.MainTo = p[2];
        ws.params.SpecialCount = p[3];
        ws.params.SpecialFrom = p[4];
        ws.params.SpecialTo = p[5];
        ws.params.HasSpecial = p[3] > 0;
        ws.zones = buildZoneBounds(ws.params.MainTo);
    }
    if (ws.params.MainCount < 1 || ws.params.MainCount > 7 || ws.params.SpecialCount < 0 ||
        ws.params.MainCount + ws.params.SpecialCount > 14)
        return "彩种参数无效";
    if (coldHot) {
        const auto& c = *coldHot;
        ws.coldHot = ColdHotSettings{c[0], c[1], c[2], c[3], c[4], c[5]};
    } else {
        ws.coldHot = readColdHotSettings(*settings);
    }
    ws.resetDeterminantOrder();
    if (!drawsFile.empty()) {
        auto bytes = readFileBytes(drawsFile);
        if (!bytes) return "无法读取文件 " + drawsFile;
        auto parsed = parseDrawText(*bytes, ws.params);
        if (!parsed.error.empty()) return drawsFile + ": " + parsed.error;
        loadDrawsIntoStore(ws.MainStore, parsed.draws);
        return {};
    }
    if (!ws.openMainStore()) return ws.MainStore.lastError();
    if (!ws.MainStore.loadWarning().empty()) *err << "qorvel-cli: " << ws.MainStore.loadWarning() << "\n";
    return {};
}

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, SettingsStore* settings,
           const std::string& executableFolder) {
    MemorySettingsStore fallbackSettings;
    CliContext ctx;
    ctx.out = &out;
    ctx.err = &err;
    ctx.settings = settings ? settings : &fallbackSettings;
    const char* envHome = std::getenv("QORVEL_HOME");
    ctx.home = (envHome && *envHome) ? envHome : executableFolder;

    std::size_t i = 0;
    auto needValue = [&](const std::string& option) -> std::optional<std::string> {
        if (i + 1 >= args.size()) return std::nullopt;
        (void)option;
        return args[++i];
    };
    for (; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.rfind("--", 0) != 0) break;
        auto value = needValue(a);
        if (!value) return fail(ctx, "选项 " + a + " 缺少参数");

        if (a == "--home") {
            ctx.home = *value;
        } else if (a == "--type") {
            auto v = parseWholeNumber(*value);
            if (!v) return fail(ctx, "--type 需要整数: " + *value);
            ctx.type = *v;
        } else if (a == "--draws") {
            ctx.drawsFile = *value;
        } else if (a == "--type-params") {
            ctx.typeParams = parseIntList(*value, 6);
            if (!ctx.typeParams) return fail(ctx, "--type-params 需要6个整数: " + *value);
        } else if (a == "--coldhot") {
            ctx.coldHot = parseIntList(*value, 6);
            if (!ctx.coldHot) return fail(ctx, "--coldhot 需要6个整数: " + *value);
        } else {
            return fail(ctx, "未知选项: " + a);
        }
    }
    if (i >= args.size()) {
        printUsage(err);
        return 2;
    }
    const std::string name = args[i];
    ctx.args.assign(args.begin() + static_cast<long>(i) + 1, args.end());
    for (const auto& c : registry())
        if (name == c.name) return c.run(ctx);
    return fail(ctx, "未知命令: " + name);
}

}  // namespace qorvel::cli
