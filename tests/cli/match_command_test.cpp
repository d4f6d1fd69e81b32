#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "cli_test_support.h"

namespace qorvel::testing {
namespace {

// Five of 1..16 with one special number, two draws; three main tickets and two special numbers.
struct MatchFixture {
    CliTempDir dir;
    MatchFixture() {
        std::ofstream(dir / "h.txt") << "2021001 1 4 9 11 16 3\n2021002 2 4 7 12 15 5\n";
        std::ofstream(dir / "main.txt") << "01 02 03 04 05 \n06 07 08 09 10 \n11 12 13 14 15 \n";
        std::ofstream(dir / "blue.txt") << "07 \n16 \n";
        std::ofstream(dir / "none.txt") << "";
    }
    CliRun run(std::vector<std::string> command) const {
        std::vector<std::string> all = {"--draws", (dir / "h.txt").string(), "--type-params", "5,1,16,1,1,16",
                                        "match"};
        all.insert(all.end(), command.begin(), command.end());
        return runTool(all);
    }
    std::string file(const std::string& name) const {
        std::ifstream in(dir / name, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
};

struct MatchCliCase {
    const char* name;
    std::vector<std::string> options;
    std::string count;
    std::string saved;  // the dual result file, "" when not checked
};

class MatchCommand : public ::testing::TestWithParam<MatchCliCase> {};

TEST_P(MatchCommand, PairsTheFilesAndSavesTheTickets) {
    const MatchCliCase& c = GetParam();
    MatchFixture f;
    std::vector<std::string> command = {(f.dir / "main.txt").string(), (f.dir / "blue.txt").string(), "--out",
                                        (f.dir / "dual").string()};  // written exactly as named
    command.insert(command.end(), c.options.begin(), c.options.end());
    const CliRun run = f.run(command);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "count\t" + c.count + "\n");
    if (!c.saved.empty()) {
        EXPECT_EQ(f.file("dual"), c.saved);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Modes, MatchCommand,
    ::testing::Values(
        MatchCliCase{"sequentialByDefault", {}, "3",
                     "01 02 03 04 05 07 \r\n06 07 08 09 10 16 \r\n11 12 13 14 15 07 \r\n"},
        MatchCliCase{"all", {"--mode", "all"}, "6",
                     "01 02 03 04 05 07 \r\n01 02 03 04 05 16 \r\n06 07 08 09 10 07 \r\n06 07 08 09 10 16 \r\n"
                     "11 12 13 14 15 07 \r\n11 12 13 14 15 16 \r\n"},
        MatchCliCase{"random", {"--mode", "random", "--seed", "4"}, "3", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MatchCommandErrors, OneLineAndNonZero) {
    MatchFixture f;
    const std::string main = (f.dir / "main.txt").string(), blue = (f.dir / "blue.txt").string();
    const std::vector<std::pair<std::vector<std::string>, std::string>> bad = {
        {{main, (f.dir / "none.txt").string()}, "没有过滤结果，请先得出"},
        {{(f.dir / "none.txt").string(), blue}, "主区没有过滤结果，请先在主区号码中得出过滤结果"},
        {{main, blue, "--mode", "zigzag"}, ""},
        {{main}, ""},
        {{main, (f.dir / "missing.txt").string()}, ""},
    };
    for (const auto& [command, message] : bad) {
        const CliRun run = f.run(command);
        EXPECT_NE(run.status, 0) << command.back();
        EXPECT_TRUE(run.out.empty());
        ASSERT_FALSE(run.err.empty());
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
        if (!message.empty()) {
            EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
        }
    }
}

}  // namespace
}  // namespace qorvel::testing
