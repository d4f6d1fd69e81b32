// The trend command: a formula's value and feature at every draw and the three memo lines, on a small
// history read with --draws, with its argument and formula errors.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "cli_test_support.h"
#include "views/indicator_trend.h"

namespace qorvel::testing {
namespace {

// Sums of the main numbers: 21, 42, 21, 105, 33.
constexpr const char* kHistory =
    "2020001 01 02 03 04 05 06 07\n"
    "2020002 02 04 06 08 10 12 03\n"
    "2020003 01 02 03 04 05 06 09\n"
    "2020004 05 10 15 20 25 30 01\n"
    "2020005 03 04 05 06 07 08 07\n";

class TrendCommand : public ::testing::Test {
protected:
    void SetUp() override { std::ofstream(dir / "h.txt") << kHistory; }
    CliRun run(std::vector<std::string> command) {
        std::vector<std::string> args = {"--draws", (dir / "h.txt").string(), "--type-params", "6,1,33,1,1,16",
                                         "trend"};
        args.insert(args.end(), command.begin(), command.end());
        return runTool(args);
    }
    CliTempDir dir;
};

TEST_F(TrendCommand, PrintsTheMemoOfTheWholeHistory) {
    const CliRun r = run({"z_hz"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(outputLines(r.out),
              (std::vector<std::string>{
                  "z_hz统计结果：（最小值：21；最大值：105；中间值：63）；（最小遗传：0；最大遗传：0；当前遗传：0）；"
                  "（最小升序：0；最大升序：1；当前升序：0）；（最小降序：0；最大降序：1；当前降序：1）；",
                  "z_hz的奇偶统计结果：（最小值：1；最大值：2；中间值：1）；（最小遗传：0；最大遗传：2；当前遗传：2）；"
                  "（最小升序：0；最大升序：1；当前升序：0）；（最小降序：1；最大降序：2；当前降序：2）；",
                  "（统计范围：从2020001至2020005）"}));
}

TEST_F(TrendCommand, SeriesFollowTheChosenFeature) {
    struct Case {
        std::vector<std::string> options;
        std::vector<std::string> series;  // issue, value, feature of every draw
        std::string featureTitle;
    };
    const Case cases[] = {
        {{},
         {"2020001\t21\t2", "2020002\t42\t1", "2020003\t21\t2", "2020004\t105\t2", "2020005\t33\t2"},
         "z_hz的奇偶"},
        {{"--feature", "大小", "--middle", "30"},
         {"2020001\t21\t1", "2020002\t42\t2", "2020003\t21\t1", "2020004\t105\t2", "2020005\t33\t2"},
         "z_hz的大小"},
        {{"--feature", "除", "--divisor", "4"},
         {"2020001\t21\t1", "2020002\t42\t2", "2020003\t21\t1", "2020004\t105\t1", "2020005\t33\t1"},
         "z_hz的除4余数"},
        {{"--feature", "振幅"},
         {"2020001\t21\t21", "2020002\t42\t21", "2020003\t21\t21", "2020004\t105\t84", "2020005\t33\t72"},
         "z_hz的振幅"},
        {{"--feature", "遗漏"},
         {"2020001\t21\t0", "2020002\t42\t1", "2020003\t21\t1", "2020004\t105\t3", "2020005\t33\t4"},
         "z_hz的遗漏"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> command = {"z_hz", "--series"};
        command.insert(command.end(), c.options.begin(), c.options.end());
        const CliRun r = run(command);
        ASSERT_EQ(r.status, 0) << r.err;
        const auto out = outputLines(r.out);
        ASSERT_EQ(out.size(), c.series.size() + 3) << r.out;
        EXPECT_EQ(std::vector<std::string>(out.begin(), out.begin() + 5), c.series) << c.featureTitle;
        EXPECT_EQ(out[6].rfind(c.featureTitle + "统计结果：", 0), 0u) << out[6];
    }
}

TEST_F(TrendCommand, StatisticsRangeOptions) {
    struct Case {
        std::string stat;
        std::string rangeLine;
    };
    const Case cases[] = {
        {"all", "（统计范围：从2020001至2020005）"},
        {"shown", "（统计范围：从2020001至2020005）"},  // the first window holds all five draws
        {"2020002,2020004", "（统计范围：从2020002至2020004）"},
        {"2020003,2020003", "（统计范围：从2020003至2020003）"},
    };
    for (const Case& c : cases) {
        const CliRun r = run({"z_hz", "--stat", c.stat});
        ASSERT_EQ(r.status, 0) << c.stat << ": " << r.err;
        const auto out = outputLines(r.out);
        ASSERT_EQ(out.size(), 3u);
        EXPECT_EQ(out[2], c.rangeLine);
    }
    const auto out = outputLines(run({"z_hz", "--stat", "2020002,2020004"}).out);
    EXPECT_EQ(out[0],
              "z_hz统计结果：（最小值：21；最大值：105；中间值：63）；（最小遗传：0；最大遗传：0；当前遗传：0）；"
              "（最小升序：0；最大升序：1；当前升序：1）；（最小降序：0；最大降序：1；当前降序：0）；");
}

TEST_F(TrendCommand, BadArgumentsAreOneLineWithStatusTwo) {
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"z_hz", "z_dsgs"},
        {"z_hz", "--feature", "偶数"},
        {"z_hz", "--middle", "0"},
        {"z_hz", "--middle", "abc"},
        {"z_hz", "--divisor", "3"},
        {"z_hz", "--divisor", "21"},
        {"z_hz", "--stat", "some"},
        {"z_hz", "--stat", "2020004,2020002"},
        {"z_hz", "--stat", "1999001,2020002"},
        {"z_hz", "--stat"},
        {"z_hz", "--unknown"},
    };
    for (const auto& args : cases) {
        const CliRun r = run(args);
        EXPECT_EQ(r.status, 2) << (args.empty() ? "" : args.back());
        EXPECT_EQ(outputLines(r.err).size(), 1u) << r.err;
        EXPECT_TRUE(r.out.empty());
    }
}

TEST_F(TrendCommand, FormulaErrorPrintsThePageMessages) {
    const CliRun r = run({"z_hz+(", "--series"});
    EXPECT_EQ(r.status, 3);
    EXPECT_TRUE(r.out.empty()) << r.out;
    const auto err = outputLines(r.err);
    ASSERT_EQ(err.size(), 2u) << r.err;
    EXPECT_EQ(err[0].rfind(kTrendFormulaError, 0), 0u) << err[0];
    EXPECT_GT(err[0].size(), std::string(kTrendFormulaError).size());
    EXPECT_EQ(err[1], kTrendUnsupported);
}

}  // namespace
}  // namespace qorvel::testing
