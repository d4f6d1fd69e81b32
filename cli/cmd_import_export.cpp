// Commands that maintain the stored history from text files: import (appending or replacing) and export.
#include <ostream>

#include "cli/cli.h"
#include "draws/import_export.h"

namespace qorvel::cli {
namespace {

constexpr const char* kReplaceOption = "--replace";
constexpr const char* kSpecialOption = "--special";

// Splits the command's arguments into one file name and an optional flag; false on anything else.
bool fileAndFlag(const std::vector<std::string>& args, const char* flagName, std::string& file, bool& flag) {
    file.clear();
    flag = false;
    for (const auto& a : args) {
        if (a == flagName && !flag)
            flag = true;
        else if (file.empty() && !a.empty() && a.rfind("--", 0) != 0)
            file = a;
        else
            return false;
    }
    return !file.empty();
}

int runImport(CliContext& ctx) {
    std::string file;
    bool replace = false;
    if (!fileAndFlag(ctx.args, kReplaceOption, file, replace)) return fail(ctx, "用法: import FILE [--replace]");
    // A history read with --draws has no draw file behind it, so there is nothing to import into.
    if (!ctx.drawsFile.empty()) return fail(ctx, "import 不能与 --draws 同用");
    std::string error = ctx.prepareWorkspace();
    if (!error.empty()) return fail(ctx, error);
    ImportResult result =
        importDrawFile(*ctx.workspace, file, replace ? ImportMode::Replace : ImportMode::Append);
    if (!result.error.empty()) return fail(ctx, file + ": " + result.error);
    *ctx.out << "已导入" << result.added << "期，跳过" << result.skipped << "期\n";
    return 0;
}

int runExport(CliContext& ctx) {
    std::string file;
    bool withSpecials = false;
    if (!fileAndFlag(ctx.args, kSpecialOption, file, withSpecials)) return fail(ctx, "用法: export FILE [--special]");
    std::string error = ctx.prepareWorkspace();
    if (!error.empty()) return fail(ctx, error);
    Workspace& ws = *ctx.workspace;
    error = exportDrawFile(ws.MainStore, ws.params, file, withSpecials);
    if (!error.empty()) return fail(ctx, error);
    return 0;
}

const CommandRegistration kImport("import",
                                  "import FILE [--replace] add the draws of a text file (--replace: instead of the history)",
                                  runImport);
const CommandRegistration kExport("export",
                                  "export FILE [--special] write the history as text to exactly FILE",
                                  runExport);

}  // namespace
}  // namespace qorvel::cli
