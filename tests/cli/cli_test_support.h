// Runs the command-line tool in process and captures what it prints.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace qorvel::testing {

struct CliRun {
    int status = 0;
    std::string out;
    std::string err;
};

CliRun runTool(const std::vector<std::string>& args);

// What a command printed, one entry a line.
std::vector<std::string> outputLines(const std::string& text);

// A fresh folder removed with the object.
class CliTempDir {
public:
    CliTempDir();
    ~CliTempDir();
    std::string str() const { return path_.string(); }
    std::filesystem::path operator/(const std::string& rel) const { return path_ / rel; }

private:
    std::filesystem::path path_;
};

}  // namespace qorvel::testing
