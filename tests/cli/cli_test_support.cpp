#include "cli_test_support.h"

#include <random>
#include <sstream>

#include "cli/cli.h"
#include "types/settings_store.h"

namespace qorvel::testing {

CliRun runTool(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    MemorySettingsStore settings;
    CliRun run;
    run.status = cli::runCli(args, out, err, &settings, "/nonexistent-qorvel-folder");
    run.out = out.str();
    run.err = err.str();
    return run;
}

CliTempDir::CliTempDir() {
    std::random_device rd;
    path_ = std::filesystem::temp_directory_path() / ("qorvel-cli-" + std::to_string(rd()) + std::to_string(rd()));
    std::filesystem::create_directories(path_);
}

CliTempDir::~CliTempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::vector<std::string> outputLines(const std::string& text) {
    std::vector<std::string> out;
    std::string line;
    std::istringstream in(text);
    while (std::getline(in, line)) out.push_back(line);
    return out;
}

}  // namespace qorvel::testing
