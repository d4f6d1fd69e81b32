// Saved custom-indicator lines and their file, and the per-draw computation and range of a dissection.
#include <gtest/gtest.h>

#include "engine/custom_indicators.h"
#include "text/file_io.h"
#include "tgs_test_support.h"

namespace qorvel::testing {
namespace {

struct SplitCase {
    const char* line;
    const char* formula;
    const char* name;
};

class SplitLine : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitLine, GivesFormulaAndTrimmedName) {
    auto ci = splitIndicatorLine(GetParam().line);
    EXPECT_EQ(ci.formula, GetParam().formula);
    EXPECT_EQ(ci.name, GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(Lines, SplitLine, ::testing::Values(
    SplitCase{"z_num1+z_num2        首二和", "z_num1+z_num2", "首二和"},
    SplitCase{"z_hz", "z_hz", ""},
    SplitCase{"z_hz ", "z_hz", ""},
    SplitCase{"z_hz 和 值 ", "z_hz", "和 值"},
    SplitCase{"", "", ""}));

TEST(IndicatorLine, PutsEightSpacesBetweenFormulaAndName) {
    EXPECT_EQ(indicatorLine(" z_num1+z_num2", "首二和 "), "z_num1+z_num2        首二和");
    EXPECT_EQ(indicatorLine("z_hz", ""), "z_hz");
}

TEST(IndicatorFile, MissingFileIsAnEmptyList) {
    TempDir dir;
    EXPECT_TRUE(loadIndicatorLines(dir.path()).empty());
}

TEST(IndicatorFile, RoundTripsInGbkWithCrLf) {
    TempDir dir;
    std::vector<std::string> lines = {indicatorLine("z_num1+z_num2", "首二和"), "z_hz"};
    ASSERT_EQ(saveIndicatorLines(dir.path(), lines), "");
    auto bytes = readFileBytes(dir.path() / "save" / "selfzb.txt");
    ASSERT_TRUE(bytes.has_value());
    // "首" in GBK is CA D7; every line ends in CR LF.
    EXPECT_NE(bytes->find("z_num1+z_num2        \xCA\xD7"), std::string::npos);
    EXPECT_EQ(bytes->substr(bytes->size() - 6), "z_hz\r\n");
    EXPECT_EQ(loadIndicatorLines(dir.path()), lines);
}

// Twelve draws; z_num1 is 5 only on draw 10, and every main sum is 90 except where noted.
std::vector<std::vector<int>> twelveDraws() {
    std::vector<std::vector<int>> draws;
    for (int i = 1; i <= 12; ++i) {
        int first = (i == 10) ? 5 : 4;
        draws.push_back({2020000 + i, first, 10, 14, 18, 22, 90 - first - 64, 1});
    }
    return draws;
}

class Dissection : public ::testing::Test {
protected:
    void SetUp() override {
        fillStore(ws.MainStore, twelveDraws());
        for (int r = 1; r <= ws.MainStore.Count(); ++r) ws.MainStore.MutableRow(r).value = -1;
    }
    Workspace ws;
};

TEST_F(Dissection, FailureOnTheTenthDrawKeepsTheFirstNineValues) {
    auto s = computeDissectionSeries(ws, "100/(z_num1-5)");
    EXPECT_FALSE(s.ok);
    EXPECT_EQ(s.failedRow, 10);
    EXPECT_EQ(s.error, formula_error::kDivisionByZero);
    for (int r = 1; r <= 9; ++r) EXPECT_EQ(ws.MainStore.Row(r).value, -100) << r;  // 100 / (4 - 5)
    for (int r = 10; r <= 12; ++r) EXPECT_EQ(ws.MainStore.Row(r).value, -1) << r;
}

struct RangeCase {
    const char* expression;
    const char* from;
    const char* to;
    bool valid;
    int32_t low;
    int32_t high;
};

class DissectionRangeOf : public Dissection, public ::testing::WithParamInterface<RangeCase> {};

TEST_P(DissectionRangeOf, FollowsTheFieldsOrTheValues) {
    const auto& c = GetParam();
    auto s = computeDissectionSeries(ws, c.expression);
    ASSERT_TRUE(s.ok) << s.error;
    auto range = dissectionRange(s, c.from, c.to, ws.params.MainCount);
    ASSERT_EQ(range.has_value(), c.valid);
    if (!range) return;
    EXPECT_EQ(range->low, c.low);
    EXPECT_EQ(range->high, c.high);
}

INSTANTIATE_TEST_SUITE_P(Cases, DissectionRangeOf, ::testing::Values(
    RangeCase{"z_hz", "", "", true, 90, 95},           // all sums equal: widened by six numbers
    RangeCase{"5", "", "", true, 5, 10},               // a constant
    RangeCase{"z_num1", "", "", true, 4, 5},           // spread values
    RangeCase{"z_hz", "80", "", true, 90, 95},         // one field only counts as none
    RangeCase{"z_hz", "  ", "99", true, 90, 95},
    RangeCase{"z_hz", " 80", "99 ", true, 80, 99},     // both fields given
    RangeCase{"z_hz", "8a", "99", false, 0, 0},        // not a number
    RangeCase{"z_hz", "80", "--", false, 0, 0}));

TEST_F(Dissection, StoresEveryDrawAndMovesTheCursorBack) {
    auto s = computeDissectionSeries(ws, "z_num1");
    ASSERT_TRUE(s.ok);
    for (int r = 1; r <= 12; ++r) EXPECT_EQ(ws.MainStore.Row(r).value, r == 10 ? 5 : 4) << r;
    EXPECT_EQ(ws.MainStore.RecNo(), 1);  // twelve draws: 36 back stops at the first
}

TEST(DissectionCursor, EndsThirtySixDrawsBeforeTheLast) {
    Workspace ws;
    std::vector<std::vector<int>> draws;
    for (int i = 1; i <= 50; ++i) draws.push_back({2020000 + i, 1, 2, 3, 4, 5, 6, 7});
    fillStore(ws.MainStore, draws);
    ASSERT_TRUE(computeDissectionSeries(ws, "z_hz").ok);
    EXPECT_EQ(ws.MainStore.RecNo(), 14);
}

}  // namespace
}  // namespace qorvel::testing
