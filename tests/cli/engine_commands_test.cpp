// The engine commands of the command-line tool: catalogue, eval and indicators on a small history read
// with --draws.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "cli_test_support.h"

namespace qorvel::testing {
namespace {

// Main sums 21 42 21 105 33; first numbers 1 2 1 5 3; special numbers 7 3 9 1 7.
constexpr const char* kHistory =
    "2020001 01 02 03 04 05 06 07\n"
    "2020002 02 04 06 08 10 12 03\n"
    "2020003 01 02 03 04 05 06 09\n"
    "2020004 05 10 15 20 25 30 01\n"
    "2020005 03 04 05 06 07 08 07\n";
constexpr const char* kSixOf33 = "6,1,33,1,1,16";

std::vector<std::string> splitText(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, separator)) parts.push_back(part);
    return parts;
}

class EngineCommands : public ::testing::Test {
protected:
    void SetUp() override {
        std::ofstream(dir / "h.txt") << kHistory;
    }
    CliRun run(std::vector<std::string> command, const char* typeParams = kSixOf33) {
        std::vector<std::string> args = {"--draws", (dir / "h.txt").string(), "--type-params", typeParams};
        args.insert(args.end(), command.begin(), command.end());
        return runTool(args);
    }
    CliTempDir dir;
};

struct EvalCase {
    const char* formula;
    int status;
    const char* out;
};

class EvalCommand : public EngineCommands, public ::testing::WithParamInterface<EvalCase> {};

TEST_P(EvalCommand, PrintsEveryDrawOldestFirst) {
    auto r = run({"eval", GetParam().formula});
    EXPECT_EQ(r.status, GetParam().status) << r.err;
    EXPECT_EQ(r.out, GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(Formulas, EvalCommand, ::testing::Values(
    EvalCase{"z_hz", 0, "2020001\t21\n2020002\t42\n2020003\t21\n2020004\t105\n2020005\t33\n"},
    EvalCase{"[-1]z_hz+z_hz", 0, "2020001\t42\n2020002\t63\n2020003\t63\n2020004\t126\n2020005\t138\n"},
    EvalCase{"z_num1*10/f_num1", 0, "2020001\t1\n2020002\t6\n2020003\t1\n2020004\t50\n2020005\t4\n"},
    EvalCase{"getylz(z_hz)", 0, "2020001\t0\n2020002\t1\n2020003\t1\n2020004\t3\n2020005\t4\n"},
    EvalCase{"getzfylz(z_hz)", 0, "2020001\t0\n2020002\t0\n2020003\t0\n2020004\t3\n2020005\t4\n"},
    // A failure at some draws: those lines carry the error, the others their value, and the status is 3.
    EvalCase{"z_hz/(z_num1-1)", 3,
             "2020001\t0\t公式有误:除数不能为0\n2020002\t42\n2020003\t0\t公式有误:除数不能为0\n"
             "2020004\t26\n2020005\t16\n"},
    EvalCase{"", 3,
             "2020001\t0\t公式有误:你还未输入公式\n2020002\t0\t公式有误:你还未输入公式\n"
             "2020003\t0\t公式有误:你还未输入公式\n2020004\t0\t公式有误:你还未输入公式\n"
             "2020005\t0\t公式有误:你还未输入公式\n"},
    EvalCase{"xyz(1)", 3,
             "2020001\t0\t公式有误:xyz函数不存在\n2020002\t0\t公式有误:xyz函数不存在\n"
             "2020003\t0\t公式有误:xyz函数不存在\n2020004\t0\t公式有误:xyz函数不存在\n"
             "2020005\t0\t公式有误:xyz函数不存在\n"}));

TEST_F(EngineCommands, IndicatorsForListedCodes) {
    auto r = run({"indicators", "--codes", "z_hz,z_num1,test,xyz"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "issue\tz_hz\tz_num1\ttest\txyz\n"
              "2020001\t21\t1\t0\t-999\n2020002\t42\t2\t0\t-999\n2020003\t21\t1\t0\t-999\n"
              "2020004\t105\t5\t0\t-999\n2020005\t33\t3\t0\t-999\n");
}

// Without --codes every catalogue code is a column, in the catalogue's order.
TEST_F(EngineCommands, IndicatorsForTheWholeCatalogue) {
    auto catalogue = run({"catalogue"});
    auto all = run({"indicators"});
    ASSERT_EQ(catalogue.status, 0) << catalogue.err;
    ASSERT_EQ(all.status, 0) << all.err;
    auto lines = splitText(all.out, '\n');
    ASSERT_EQ(lines.size(), 6u);
    auto header = splitText(lines[0], '\t');
    std::vector<std::string> codes = {"issue"};
    for (const auto& line : splitText(catalogue.out, '\n')) codes.push_back(splitText(line, '\t')[0]);
    EXPECT_EQ(header, codes);

    const std::vector<std::string> sums = {"21", "42", "21", "105", "33"};
    const std::vector<std::string> first = {"1", "2", "1", "5", "3"};
    for (std::size_t d = 0; d < sums.size(); ++d) {
        auto fields = splitText(lines[d + 1], '\t');
        ASSERT_EQ(fields.size(), header.size());
        EXPECT_EQ(fields[0], "202000" + std::to_string(d + 1));
        for (std::size_t c = 1; c < header.size(); ++c) {
            if (header[c] == "z_hz") {
                EXPECT_EQ(fields[c], sums[d]);
            } else if (header[c] == "z_num1") {
                EXPECT_EQ(fields[c], first[d]);
            }
        }
    }
}

struct CatalogueCase {
    const char* typeParams;
    std::vector<std::string> lines;  // lines that must appear
};

class CatalogueCommand : public EngineCommands, public ::testing::WithParamInterface<CatalogueCase> {};

TEST_P(CatalogueCommand, NamesAndRangesFollowTheType) {
    auto r = run({"catalogue"}, GetParam().typeParams);
    ASSERT_EQ(r.status, 0) << r.err;
    auto lines = splitText(r.out, '\n');
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], "xh21\t线和2_1\t3\t65");
    for (const auto& expected : GetParam().lines)
        EXPECT_NE(std::find(lines.begin(), lines.end(), expected), lines.end()) << expected;
}

INSTANTIATE_TEST_SUITE_P(Types, CatalogueCommand, ::testing::Values(
    CatalogueCase{kSixOf33,
                  {"z_hz\t主区和值\t30\t180", "z_aver\t主区平均值\t3\t30", "z_zdjj\t主区最大邻位间距\t1\t32",
                   "z_dsgs\t主区大数个数\t0\t6", "z_lmzs\t主区连码组数\t0\t5", "z_xjhe\t小奇数和值\t0\t198",
                   "z_num1\t红号一\t1\t33"}},
    CatalogueCase{"5,1,35,2,1,12",
                  {"z_hz\t主区和值\t30\t180", "z_aver\t主区平均值\t3\t32", "z_dsgs\t主区大数个数\t0\t5",
                   "z_lmzs\t主区连码组数\t0\t4", "z_xjhe\t小奇数和值\t0\t175", "f_num1zf\t蓝号振幅\t0\t12"}}));

struct UsageCase {
    std::vector<std::string> command;
};

class EngineUsage : public EngineCommands, public ::testing::WithParamInterface<UsageCase> {};

TEST_P(EngineUsage, WrongArgumentsFailWithOneLine) {
    auto r = run(GetParam().command);
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.out.empty());
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
}

INSTANTIATE_TEST_SUITE_P(Commands, EngineUsage, ::testing::Values(
    UsageCase{{"eval"}},
    UsageCase{{"eval", "1", "2"}},
    UsageCase{{"catalogue", "x"}},
    UsageCase{{"indicators", "z_hz"}},
    UsageCase{{"indicators", "--codes"}},
    UsageCase{{"indicators", "--codes", "z_hz,,z_num1"}}));

}  // namespace
}  // namespace qorvel::testing
