#include <gtest/gtest.h>

#include <fstream>

#include "cli_test_support.h"

namespace qorvel::testing {
namespace {

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        out.push_back(text.substr(pos, end - pos));
        pos = end == std::string::npos ? text.size() : end + 1;
    }
    return out;
}

TEST(CliHistory, TypesOnAFreshFolderListsTheDefaults) {
    CliTempDir home;
    auto run = runTool({"--home", home.str(), "types"});
    ASSERT_EQ(run.status, 0) << run.err;
    auto out = lines(run.out);
    ASSERT_EQ(out.size(), 22u);
    EXPECT_EQ(out[1], "0\t自定义彩种0\t6\t1\t33\t1\t1\t16\t1");
    EXPECT_EQ(out[21].substr(0, 3), "20\t");
}

TEST(CliHistory, InitDemoHoldsBothSampleGamesAndIsKeptOnASecondRun) {
    CliTempDir home;
    const std::string ssq = QORVEL_SAMPLE_DIR "/ssq.txt";
    const std::string dlt = QORVEL_SAMPLE_DIR "/dlt.txt";
    ASSERT_EQ(runTool({"--home", home.str(), "init-demo", ssq, dlt}).status, 0);

    auto types = lines(runTool({"--home", home.str(), "types"}).out);
    EXPECT_EQ(types[1], "0\t双色球\t6\t1\t33\t1\t1\t16\t1");
    EXPECT_EQ(types[2], "1\t超级大乐透\t5\t1\t35\t2\t1\t12\t1");

    auto ssqDraws = lines(runTool({"--home", home.str(), "draws"}).out);
    ASSERT_EQ(ssqDraws.size(), 3493u);
    EXPECT_EQ(ssqDraws[0], "2003001 10 11 12 13 26 28 11");
    auto dltDraws = lines(runTool({"--home", home.str(), "--type", "1", "draws"}).out);
    ASSERT_EQ(dltDraws.size(), 2913u);
    EXPECT_EQ(dltDraws[0].size(), std::string("2007001 01 02 03 04 05 06 07").size());

    // The user's later changes survive: a second init leaves the folder alone.
    std::filesystem::remove(home / "database/basedata1.rec");
    ASSERT_EQ(runTool({"--home", home.str(), "init-demo", ssq, dlt}).status, 0);
    EXPECT_FALSE(std::filesystem::exists(home / "database/basedata1.rec"));
}

TEST(CliHistory, DrawsFromATextFileWithTypeParams) {
    CliTempDir dir;
    {
        std::ofstream f(dir / "h.txt");
        f << "2020001 1 2 3 9\n\n2020002 4 5 6 7\n";
    }
    auto run = runTool({"--draws", (dir / "h.txt").string(), "--type-params", "3,1,20,1,1,9", "draws"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "2020001 01 02 03 09\n2020002 04 05 06 07\n");
}

struct ErrorCase {
    std::vector<std::string> args;
};

class CliErrors : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(CliErrors, FailWithOneLineOnStderr) {
    auto run = runTool(GetParam().args);
    EXPECT_NE(run.status, 0);
    EXPECT_TRUE(run.out.empty());
    EXPECT_FALSE(run.err.empty());
    if (run.status == 1) {
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, CliErrors,
                         ::testing::Values(ErrorCase{{}}, ErrorCase{{"nosuchcommand"}},
                                           ErrorCase{{"--type", "x", "types"}},
                                           ErrorCase{{"--type", "21", "types"}},
                                           ErrorCase{{"--home"}},
                                           ErrorCase{{"--draws", "/nonexistent/file.txt", "draws"}},
                                           ErrorCase{{"--type-params", "1,2", "draws"}},
                                           ErrorCase{{"--bogus", "1", "types"}}));

}  // namespace
}  // namespace qorvel::testing
