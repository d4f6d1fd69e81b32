// The banker and kill commands of the command-line tool: kill prints a page's grid, search runs the
// formula search headless, both on a small history read with --draws.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "cli_test_support.h"

namespace qorvel::testing {
namespace {

// Special numbers 07 03 09 01 07.
constexpr const char* kHistory =
    "2020001 01 02 03 04 05 06 07\n"
    "2020002 02 04 06 08 10 12 03\n"
    "2020003 01 02 03 04 05 06 09\n"
    "2020004 05 10 15 20 25 30 01\n"
    "2020005 03 04 05 06 07 08 07\n";

class KillCommands : public ::testing::Test {
protected:
    void SetUp() override { std::ofstream(dir / "h.txt") << kHistory; }
    CliRun run(std::vector<std::string> command) {
        std::vector<std::string> args = {"--draws", (dir / "h.txt").string(), "--type-params", "6,1,33,1,1,16"};
        args.insert(args.end(), command.begin(), command.end());
        return runTool(args);
    }
    std::string file(const std::string& name, const std::string& text) {
        std::ofstream(dir / name, std::ios::binary) << text;
        return (dir / name).string();
    }
    CliTempDir dir;
};

TEST_F(KillCommands, KillPrintsEveryRowOfTheGrid) {
    const auto formulas = file("f.txt", "[-1]f_num1\n7\n1+2*\n");
    const auto r = run({"kill", "lmsh", "--formulas", formulas, "--start", "2020003"});
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(r.err, "第3条公式有误：运算符号后只能接指标或数据或括号\n");
    EXPECT_EQ(r.out,
              "序号\t期号\t副区号码\t公式1\t公式2\t公式3\t杀号列表\t杀错的公式个数\t杀错的公式序号\n"
              "1\t2020003\t09 \t03    正确\t07    正确\t-1    正确\t 03 07\t0\t\n"
              "2\t2020004\t01 \t09    正确\t07    正确\t-1    正确\t 07 09\t0\t\n"
              "3\t2020005\t07 \t01    正确\t07\t-1    正确\t 01 07\t1\t02\n"
              "\t预测期\t\t07\t07\t-1\t 07\t\t\n"
              "序号\t期号\t副区号码\t公式1\t公式2\t公式3\t杀号列表\t杀错的公式个数\t杀错的公式序号\n"
              "\t正确率\t\t100\t66.7\t100\t\t\t\n");
}

TEST_F(KillCommands, CountDisplayAndSchemeOptions) {
    // A set file of the special banker page: ten lines per scheme; scheme 2 starts at line 11.
    std::string set;
    for (int i = 1; i <= 100; ++i) set += (i == 11 ? "7" : i == 12 ? "9" : "1") + std::string("\r\n");
    const auto setFile = file("fqtd.txt", set);
    const auto r = run({"kill", "fqtd", "--formulas", setFile, "--scheme", "2", "--start", "2020005"});
    ASSERT_EQ(r.status, 0) << r.err;
    std::istringstream lines(r.out);
    std::string header, first;
    std::getline(lines, header);
    std::getline(lines, first);
    // The page's default count of two formulas.
    EXPECT_EQ(header, "序号\t期号\t副区号码\t公式1\t公式2\t提胆列表\t胆对的公式个数\t胆对的公式序号\t胆对的号码个数\t胆对的号码");
    EXPECT_EQ(first, "1\t2020005\t07 \t07    正确\t09\t 07 09\t1\t01\t1\t07");

    const auto many = file("m.txt", "9\n3\n9\n");
    const auto freq = run({"kill", "hmsh", "--formulas", many, "--count", "3", "--display", "2", "--start", "2020005"});
    ASSERT_EQ(freq.status, 0) << freq.err;
    EXPECT_NE(freq.out.find("\t09 03 \t1\t02\t1\t03\n"), std::string::npos) << freq.out;
}

TEST_F(KillCommands, CustomKillFromAnScsFile) {
    std::string scs = "z_hw\r\n0\r\n9\r\n[-1]z_hw\r\n1\r\n";
    const auto path = file("mine.scs", scs);
    const auto r = run({"kill", "selfsh", "--scs", path, "--count", "2", "--start", "2020005"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("1\t2020005\t03  04  05  06  07  08  :07  \t3\t5    正确\t1    正确\t  1   5 \t0\t\n"),
              std::string::npos)
        << r.out;
    // --target replaces the file's target.
    const auto t = run({"kill", "selfsh", "--scs", path, "--count", "1", "--target", "z_num1", "--start", "2020005"});
    EXPECT_NE(t.out.find("指标z_num1"), std::string::npos);
}

TEST_F(KillCommands, KillRefusesBadArguments) {
    const auto formulas = file("f.txt", "1\n2\n");
    struct Case {
        std::vector<std::string> args;
        const char* err;
    } cases[] = {
        {{"kill", "abc", "--formulas", formulas}, "qorvel-cli: 用法: kill PAGE"},
        {{"kill", "hmsh", "--formulas", formulas, "--count", "3"}, "qorvel-cli: --count 应在1到2之间\n"},
        {{"kill", "hmsh", "--formulas", formulas, "--display", "3"}, "qorvel-cli: --display 应为0、1或2\n"},
        {{"kill", "hmsh", "--formulas", formulas, "--start", "2019001"}, "qorvel-cli: 起始期不存在: 2019001\n"},
        {{"kill", "hmsh", "--formulas", (dir / "none.txt").string()}, "qorvel-cli: 无法读取文件"},
        {{"kill", "hmsh"}, "qorvel-cli: 没有公式"},
        {{"kill", "selfsh", "--formulas", formulas}, "qorvel-cli: 自定义杀号需要"},
        {{"kill", "hmsh", "--formulas", formulas, "--scheme", "11"}, "qorvel-cli: --scheme 应在1到10之间\n"},
        {{"kill", "hmsh", "--formulas", formulas, "--bogus", "1"}, "qorvel-cli: 未知选项: --bogus\n"},
    };
    for (const auto& c : cases) {
        const auto r = run(c.args);
        EXPECT_EQ(r.status, 1) << c.err;
        EXPECT_EQ(r.err.rfind(c.err, 0), 0u) << r.err;
        EXPECT_EQ(r.out, "");
    }
}

TEST_F(KillCommands, SearchPrintsTheAcceptedFormula) {
    const auto r = run({"search", "hmsh", "--indicator", "z_hw", "--depth", "2", "--range", "1,1", "--rate", "0,100",
                        "--seed", "5"});
    ASSERT_EQ(r.status, 0) << r.err;
    std::istringstream lines(r.out);
    std::string formula, rate, longest, tested;
    std::getline(lines, formula);
    std::getline(lines, rate);
    std::getline(lines, longest);
    std::getline(lines, tested);
    EXPECT_EQ(formula.rfind("formula\t((", 0), 0u) << formula;
    EXPECT_EQ(formula.substr(formula.size() - 5), ")%1+1");
    // The constant 1 is drawn at 2020001 and 2020003 of the five draws.
    EXPECT_EQ(rate, "rate\t60");
    EXPECT_EQ(longest, "longest_wrong\t1");
    EXPECT_EQ(tested, "tested\t1");
    // The same seed gives the same candidate.
    EXPECT_EQ(run({"search", "hmsh", "--indicator", "z_hw", "--depth", "2", "--range", "1,1", "--rate", "0,100",
                   "--seed", "5"}).out,
              r.out);
}

TEST_F(KillCommands, SearchStopsAtTheLimit) {
    const auto r = run({"search", "hmsh", "--indicator", "z_hw", "--range", "1,1", "--rate", "61,100", "--limit", "25",
                        "--seed", "1", "--quick", "0"});
    EXPECT_EQ(r.status, 4);
    EXPECT_EQ(r.out, "tested\t25\n");
    const auto wrong = run({"search", "hmsh", "--indicator", "z_hw", "--range", "1,1", "--rate", "0,100",
                            "--max-wrong", "0", "--limit", "3", "--from", "2020002", "--to", "2020003"});
    EXPECT_EQ(wrong.status, 4);
    const auto empty = run({"search", "hmsh", "--indicator", "z_hw", "--from", "2020004", "--to", "2020002"});
    EXPECT_EQ(empty.status, 1);
    EXPECT_EQ(empty.err, "qorvel-cli: 搜索范围内没有开奖数据\n");
    EXPECT_EQ(run({"search", "selfsh", "--indicator", "z_hw"}).err, "qorvel-cli: 自定义杀号需要 --target\n");
    EXPECT_EQ(run({"search", "hmsh"}).err, "qorvel-cli: 缺少 --indicator\n");
    // Through the evaluator a failing candidate stops the headless search instead of repeating forever.
    const auto failing = run({"search", "hmsh", "--indicator", "xyz(", "--quick", "0"});
    EXPECT_EQ(failing.status, 1);
    EXPECT_EQ(failing.err, "qorvel-cli: 公式有误:xyz函数不存在\n");
}

}  // namespace
}  // namespace qorvel::testing
