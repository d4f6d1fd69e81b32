// qorvel-cli: the headless front end on the core. Commands register themselves in a table so every
// command lives in its own file.
#pragma once

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "types/settings_store.h"
#include "types/workspace.h"

namespace qorvel::cli {

// Options shared by every command, then the workspace they select.
struct CliContext {
    std::string home;                                  // --home, else QORVEL_HOME, else the executable's folder
    int type = 0;                                      // --type
    std::string drawsFile;                             // --draws: history from a text file
    std::optional<std::vector<int>> typeParams;        // --type-params N,FROM,TO,SN,SFROM,STO
    std::optional<std::vector<int>> coldHot;           // --coldhot QS,COLD,HOT,FQS,FCOLD,FHOT
    std::vector<std::string> args;                     // the command's own arguments
    std::ostream* out = nullptr;
    std::ostream* err = nullptr;
    std::unique_ptr<Workspace> workspace;
    SettingsStore* settings = nullptr;                 // the settings store (never null while running)

    // Loads types, TypeParams and the history as the options say. Returns an error text, empty on success.
    std::string prepareWorkspace();
};

using CommandFunction = int (*)(CliContext&);

struct CommandInfo {
    const char* name;
    const char* usage;
    CommandFunction run;
};

// Registers a command at static-initialisation time.
struct CommandRegistration {
    CommandRegistration(const char* name, const char* usage, CommandFunction run);
};

const std::vector<CommandInfo>& commands();

// Runs the tool on argv-style arguments (without the program name). Exit status 0 on success; errors are
// one line on err with a non-zero status.
int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           SettingsStore* settings = nullptr, const std::string& executableFolder = ".");

// Writes "message" to err and returns 1; commands use it for every error.
int fail(CliContext& ctx, const std::string& message);

}  // namespace qorvel::cli
