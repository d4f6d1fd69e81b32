#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/cli_settings.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    std::error_code ec;
    auto exe = std::filesystem::canonical("/proc/self/exe", ec);
    std::string folder = ec ? std::string(".") : exe.parent_path().string();
    auto settings = qorvel::cli::makeSettingsStore();
    return qorvel::cli::runCli(args, std::cout, std::cerr, settings.get(), folder);
}
