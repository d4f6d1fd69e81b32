#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

#include "cli_test_support.h"
#include "combos/condition_file.h"
#include "text/file_io.h"

namespace qorvel::testing {
namespace {

// 5 of 1..16: three draws, the last two with 4 and 12 in common.
constexpr const char* kHistory = "2021001 1 4 9 11 16 3\n2021002 2 4 7 12 15 5\n2021003 3 4 8 12 13 1\n";
const std::vector<std::string> kType = {"--type-params", "5,1,16,1,1,16"};

std::vector<std::string> args(const CliTempDir& dir, std::vector<std::string> command) {
    std::vector<std::string> all = {"--draws", (dir / "h.txt").string()};
    all.insert(all.end(), kType.begin(), kType.end());
    all.insert(all.end(), command.begin(), command.end());
    return all;
}

// A condition file with 重号个数 = 2 and the structural switches off.
std::string repeatConditions(const CliTempDir& dir) {
    ConditionSet c;
    c.reset(16);
    c.notEqualDistance = c.noSpecialRuns = false;
    c.setEnabled(6, true);
    c.lists[6].values = {2};
    ConditionRecordImage image;
    EXPECT_EQ(SaveConditions(dir / "repeat", c, image, 16), "");
    return (dir / "repeat.zh").string();
}

// Every 5-of-16 ticket sharing exactly two numbers with the given draw, as result-file lines.
std::set<std::string> ticketsSharingTwo(const std::set<int>& draw) {
    std::set<std::string> out;
    for (int mask = 0; mask < (1 << 16); ++mask) {
        if (__builtin_popcount(mask) != 5) continue;
        std::string line;
        int shared = 0;
        for (int b = 0; b < 16; ++b) {
            if (!(mask >> b & 1)) continue;
            line += (b + 1 < 10 ? "0" : "") + std::to_string(b + 1) + " ";
            shared += static_cast<int>(draw.count(b + 1));
        }
        if (shared == 2) out.insert(line);
    }
    return out;
}

std::set<std::string> fileLines(const std::filesystem::path& path) {
    std::set<std::string> lines;
    std::istringstream in(readFileBytes(path).value_or(""));
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.insert(line);
    }
    return lines;
}

CliTempDir withHistory() {
    CliTempDir dir;
    std::ofstream(dir / "h.txt") << kHistory;
    return dir;
}

TEST(CliFilter, NewRunCountsAndWritesTheSurvivors) {
    CliTempDir dir = withHistory();
    const std::string cond = repeatConditions(dir);
    const auto expected = ticketsSharingTwo({3, 4, 8, 12, 13});
    auto run = runTool(args(dir, {"filter", cond, "--out", (dir / "out.txt").string()}));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.substr(0, run.out.find('\n') + 1), "count\t" + std::to_string(expected.size()) + "\n");
    EXPECT_NE(run.out.find("\nelapsed_ms\t"), std::string::npos);
    EXPECT_EQ(fileLines(dir / "out.txt"), expected);
}

TEST(CliFilter, WritesExactlyThePathItIsGiven) {
    CliTempDir dir = withHistory();
    const std::string cond = repeatConditions(dir);
    auto run = runTool(args(dir, {"filter", cond, "--out", (dir / "survivors").string()}));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(fileLines(dir / "survivors"), ticketsSharingTwo({3, 4, 8, 12, 13}));
    EXPECT_FALSE(std::filesystem::exists(dir / "survivors.txt"));
}

TEST(CliFilter, ReferenceIssueAndContinuedRun) {
    CliTempDir dir = withHistory();
    const std::string cond = repeatConditions(dir);
    // With 2021003 as the reference issue the ticket follows 2021002.
    const auto afterSecond = ticketsSharingTwo({2, 4, 7, 12, 15});
    auto run = runTool(args(dir, {"filter", cond, "--ref", "2021003", "--out", (dir / "ref.txt").string()}));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(fileLines(dir / "ref.txt"), afterSecond);

    // Continuing over those survivors keeps the ones that also share two with 2021003.
    const auto afterThird = ticketsSharingTwo({3, 4, 8, 12, 13});
    std::set<std::string> both;
    for (const auto& t : afterSecond)
        if (afterThird.count(t)) both.insert(t);
    run = runTool(args(dir, {"filter", cond, "--continue", (dir / "ref.txt").string(), "--out",
                             (dir / "both.txt").string()}));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.substr(0, run.out.find('\n')), "count\t" + std::to_string(both.size()));
    EXPECT_EQ(fileLines(dir / "both.txt"), both);
}

TEST(CliReport, PrintsAndMarksTheConditions) {
    CliTempDir dir = withHistory();
    const std::string cond = repeatConditions(dir);
    auto run = runTool(args(dir, {"report", cond}));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "可选红号：01，02，03，04，05，06，07，08，09，10，11，12，13，14，15，16，\n胆码：\n\n指标过滤设置：\n\n"
              "重号个数：2，\n");
    run = runTool(args(dir, {"report", cond, "--mark", "2021003"}));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("\n正确 重号个数：2，\n"), std::string::npos) << run.out;
    run = runTool(args(dir, {"report", cond, "--mark", "2021002"}));
    EXPECT_NE(run.out.find("\n错误 重号个数：2，\n"), std::string::npos) << run.out;
}

struct ErrorCase {
    const char* name;
    std::vector<std::string> command;  // "COND" stands for the condition file
};

class CliFilterErrors : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(CliFilterErrors, OneLineOnStderrAndNonZero) {
    CliTempDir dir = withHistory();
    const std::string cond = repeatConditions(dir);
    std::vector<std::string> command = GetParam().command;
    for (auto& a : command) {
        if (a == "COND") a = cond;
        if (a == "DIR") a = dir.str();
    }
    auto run = runTool(args(dir, command));
    EXPECT_NE(run.status, 0);
    EXPECT_TRUE(run.out.empty());
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CliFilterErrors,
    ::testing::Values(ErrorCase{"no_file", {"filter"}}, ErrorCase{"missing_file", {"filter", "/nonexistent/c.zh"}},
                      ErrorCase{"bad_ref", {"filter", "COND", "--ref", "x"}},
                      ErrorCase{"unknown_ref", {"filter", "COND", "--ref", "2020001"}},
                      ErrorCase{"missing_results", {"filter", "COND", "--continue", "/nonexistent/r.txt"}},
                      ErrorCase{"unknown_option", {"filter", "COND", "--fast", "1"}},
                      ErrorCase{"two_files", {"filter", "COND", "COND"}},
                      ErrorCase{"folder_as_conditions", {"filter", "DIR"}},
                      ErrorCase{"folder_as_results", {"filter", "COND", "--continue", "DIR"}},
                      ErrorCase{"report_without_file", {"report"}},
                      ErrorCase{"report_unknown_issue", {"report", "COND", "--mark", "2020001"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace qorvel::testing
