// The view commands of the command-line tool (stats, omission, datatable, fbd, association) on a small history read
// with --draws, and their argument errors.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "cli_test_support.h"

namespace qorvel::testing {
namespace {

constexpr const char* kHistory =
    "2020001 01 02 03 04 05 06 07\n"
    "2020002 02 04 06 08 10 12 03\n"
    "2020003 01 02 03 04 05 06 09\n"
    "2020004 05 10 15 20 25 30 01\n"
    "2020005 03 04 05 06 07 08 07\n";

bool hasLine(const std::string& text, const std::string& wanted) {
    for (const auto& l : outputLines(text))
        if (l == wanted) return true;
    return false;
}

class ViewCommands : public ::testing::Test {
protected:
    void SetUp() override { std::ofstream(dir / "h.txt") << kHistory; }
    CliRun run(std::vector<std::string> command) {
        std::vector<std::string> args = {"--draws", (dir / "h.txt").string(), "--type-params", "6,1,33,1,1,16",
                                         "--coldhot", "5,1,3,5,1,2"};
        args.insert(args.end(), command.begin(), command.end());
        return runTool(args);
    }
    CliTempDir dir;
};

TEST_F(ViewCommands, StatsPrintsTheRecordsOfThePage) {
    const CliRun r = run({"stats", "--near", "3"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto out = outputLines(r.out);
    EXPECT_EQ(out[0], "range\t3\t2020005");
    EXPECT_EQ(out[1], "main\t1\t1\t2");
    EXPECT_EQ(out[33], "main\t33\t0\t0");
    EXPECT_EQ(out[34], "special\t1\t1\t1");
    EXPECT_TRUE(hasLine(r.out, "order\tspecial\tomission\t02,04,05,06,07,08,10,11,12,13,14,15,16,01,09,03"));
    EXPECT_TRUE(hasLine(r.out, "coldhot\tmain\t主区冷号:07  09  11  12  13  14  15  16  17  18  19  20  21  22  23  "
                               "24  25  26  27  28  29  30  31  32  33  ;  主区温号:01  08  10  ;  "
                               "红码热号:02  03  04  05  06  "));
    EXPECT_TRUE(hasLine(r.out, "item\t奇偶\t奇数个数:\t9\t50.0%"));
    EXPECT_TRUE(hasLine(r.out, "item\t奇偶\t个数差:\t0\t"));
    EXPECT_TRUE(hasLine(r.out, "item\t尾数\t2个尾数:\t1期\t33.3%"));
    EXPECT_TRUE(hasLine(r.out, "item\t和值\t和值平均值:\t53.00\t"));
    EXPECT_TRUE(hasLine(r.out, "item\t七区\t七区：\t1\t"));
}

TEST_F(ViewCommands, StatsRangesAndDivisor) {
    EXPECT_EQ(outputLines(run({"stats", "--near", "所有"}).out)[0], "range\t5\t2020005");
    EXPECT_EQ(outputLines(run({"stats", "--from", "2020002", "--to", "2020003"}).out)[0], "range\t2\t2020003");
    EXPECT_EQ(outputLines(run({"stats", "--from", "2020004", "--to", "2020002"}).out)[0], "range\t0\t2020002");
    const CliRun five = run({"stats", "--ys", "5"});
    EXPECT_TRUE(hasLine(five.out, "item\t余数\t除五余四数:\t4\t13.3%")) << five.out;
}

TEST_F(ViewCommands, OmissionTableWithHeaderAndStatistics) {
    const CliRun r = run({"omission", "--from", "2020004", "--order", "2"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto out = outputLines(r.out);
    ASSERT_EQ(out.size(), 8u);
    EXPECT_EQ(out[0].rfind("期号\t02\t04\t06\t", 0), 0u);
    EXPECT_TRUE(out[0].ends_with("\t33\t开奖号码"));
    EXPECT_EQ(out[1].rfind("2020004\t1\t1\t1\t1\t#10\t", 0), 0u) << out[1];
    EXPECT_TRUE(out[1].ends_with("\t05 10 15 20 25 30 "));
    EXPECT_EQ(out[2].rfind("2020005\t2\t#04\t#06\t#08\t1\t", 0), 0u) << out[2];
    EXPECT_EQ(out[3].rfind("出现次数\t0\t1\t1\t1\t1\t", 0), 0u);
    EXPECT_EQ(out[7].rfind("本次遗漏\t2\t0\t0\t0\t1\t", 0), 0u) << out[7];
}

TEST_F(ViewCommands, TailOmissionTable) {
    const CliRun r = run({"omission", "--tails", "--to", "2020001"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto out = outputLines(r.out);
    EXPECT_EQ(out[0], "期号\t0\t1\t2\t3\t4\t5\t6\t7\t8\t9\t开奖号码");
    EXPECT_EQ(out[1], "2020001\t1\t#1\t#2\t#3\t#4\t#5\t#6\t1\t1\t1\t1 2 3 4 5 6");
}

TEST_F(ViewCommands, DataTablesPrintHeaderAndOneLinePerDraw) {
    for (const char* table : {"1", "2", "3"}) {
        const CliRun r = run({"datatable", table});
        ASSERT_EQ(r.status, 0) << r.err;
        const auto out = outputLines(r.out);
        ASSERT_EQ(out.size(), 6u) << table;
        EXPECT_EQ(out[0].rfind("期数\t", 0), 0u);
        EXPECT_EQ(out[5].rfind("2020005\t03\t04\t05\t06\t07\t08\t07\t", 0), 0u) << out[5];
    }
    EXPECT_TRUE(outputLines(run({"datatable", "1"}).out)[5].ends_with("\t03,04,05,06,07,08\t\t01,01,01,01,01,\t1\t1\t1\t33\t0\t33\t0\t04,06,"))
        << outputLines(run({"datatable", "1"}).out)[5];
}

TEST_F(ViewCommands, FbdMarksEachDrawnNumber) {
    const CliRun r = run({"fbd", "--top", "2020003", "--rows", "2"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "2020003\t01:0 02:0 03:0 04:0 05:0 06:0\n2020004\t05:0 10:2 15:2 20:2 25:2 30:2\n");
    const CliRun single = run({"fbd", "--top", "2020004", "--marking", "4"});  // 重号
    EXPECT_EQ(single.out, "2020004\t05:0 10:2 15:2 20:2 25:2 30:2\n2020005\t03:2 04:2 05:0 06:2 07:2 08:2\n");
    EXPECT_EQ(outputLines(run({"fbd"}).out).size(), 5u);  // short history: from the first draw, draws only
}

TEST_F(ViewCommands, AssociationPrintsTheMatchesBesideTheirFollowingDraws) {
    const CliRun r = run({"association", "--pos", "05", "--anywhere", "--zb1", "z_hz", "--zb1-values", "105,33"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto out = outputLines(r.out);
    ASSERT_EQ(out.size(), 4u);
    EXPECT_EQ(out[1], "2020004\t05\t10\t15\t20\t25\t30\t01\t105\t2020005\t03\t04\t05\t06\t07\t08\t07\t33");
    EXPECT_EQ(out[2], "2020005\t03\t04\t05\t06\t07\t08\t07\t33\t\t\t\t\t\t\t\t\t");
    EXPECT_EQ(out[3], "本期系列一共有2条;下期系列一共有1条");
    const auto second = outputLines(run({"association", "--pos", "all,02"}).out);
    ASSERT_EQ(second.size(), 4u);
    EXPECT_EQ(second[1].substr(0, 7), "2020001");
    EXPECT_EQ(second[2].substr(0, 7), "2020003");
    const auto byTail = outputLines(run({"association", "--tail", "2"}).out);
    ASSERT_EQ(byTail.size(), 3u);
    EXPECT_EQ(byTail[1].substr(0, 7), "2020002");
}

TEST_F(ViewCommands, BadArgumentsExitWithTwo) {
    const std::vector<std::vector<std::string>> cases = {
        {"stats", "--near", "x"},          {"stats", "--near", "0"},          {"stats", "--near", "5", "--from", "2020001"},
        {"stats", "--ys", "6"},            {"stats", "--from", "2019001"},
        {"stats", "extra"},                {"omission", "--order", "21"},
        {"omission", "--from", "abc"},     {"omission", "--bogus", "1"},
        {"datatable", "4"},                {"datatable"},
        {"fbd", "--marking", "13"},        {"fbd", "--rows", "0"},
        {"fbd", "--top", "2021001"},       {"fbd", "--rows"},
        {"association", "--pos", "50"},    {"association", "--pos", "1,2,3,4,5,6"},
        {"association", "--tail", "10"},   {"association", "--zb1", "z_hz", "--zb1-values", "a"},
    };
    for (const auto& c : cases) {
        const CliRun r = run(c);
        EXPECT_EQ(r.status, 2) << c[0] << " " << (c.size() > 1 ? c[1] : "");
        EXPECT_EQ(outputLines(r.err).size(), 1u) << r.err;
        EXPECT_TRUE(r.out.empty());
    }
}

}  // namespace
}  // namespace qorvel::testing
