// The scheme synthesis: schemes side by side draw by draw, their combined list, the comparison at one
// draw and the list of schemes in use.
#include "killbanker/scheme_synthesis.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace qorvel {
namespace {

const std::vector<std::vector<int>> kThreeDraws = {
    {2020001, 1, 2, 3, 4, 5, 6, 7}, {2020002, 3, 4, 6, 8, 10, 12, 3}, {2020003, 1, 2, 3, 4, 5, 7, 9}};

class Synthesis : public ::testing::Test {
protected:
    void SetUp() override {
        testing::fillStore(ws.MainStore, kThreeDraws);
        set.kind = {"hmsh", 60};
        set.formulas.assign(600, "[-1]z_hw");
        set.importIntoScheme(1, {"3", "7", "50"});
        set.importIntoScheme(2, {"7", "12", "0"});
        request.set = &set;
        request.schemes = {1, 2};
        request.formulaCount = 2;
    }
    Workspace ws;
    FormulaSet set;
    SynthesisRequest request;
};

TEST_F(Synthesis, CombinedCellIsTheUnionOfTheSchemes) {
    const SynthesisResult regular = combineSchemes(ws, request);
    ASSERT_EQ(regular.error, "");
    const TextGrid& g = regular.grid;
    ASSERT_EQ(g.rows, 5);
    ASSERT_EQ(g.columns, 6);
    EXPECT_EQ(g.at(0, 3), "方案1");
    EXPECT_EQ(g.at(0, 5), "方案组合");
    EXPECT_EQ(g.at(1, 2), "01 02 03 04 05 06 -07 ");
    EXPECT_EQ(g.at(1, 3), " 03 07");
    EXPECT_EQ(g.at(1, 4), " 07 12");
    EXPECT_EQ(g.at(1, 5), " 03 07 12");
    EXPECT_EQ(g.at(4, 1), "预测期");
    EXPECT_EQ(regular.combined, (std::vector<int32_t>{3, 7, 12}));

    request.display = ListDisplay::FrequencyDescending;
    EXPECT_EQ(combineSchemes(ws, request).grid.at(2, 5), "07 03 12 ");
    EXPECT_EQ(ws.MainStore.Count(), 3);
}

TEST_F(Synthesis, ValuesOutsideTheTypeRangeAreLeftOut) {
    // k = 3 adds 50 (above 33) and 0 (below 1) to the schemes: neither is listed.
    request.formulaCount = 3;
    request.startIssue = 2020003;
    const SynthesisResult result = combineSchemes(ws, request);
    ASSERT_EQ(result.error, "");
    EXPECT_EQ(result.grid.rows, 3);
    EXPECT_EQ(result.grid.at(1, 5), " 03 07 12");
    request.type = SynthesisType::SpecialKill;
    EXPECT_EQ(combineSchemes(ws, request).grid.at(1, 5), " 03 07 12");
    request.type = SynthesisType::CustomKill;
    EXPECT_EQ(combineSchemes(ws, request).grid.at(1, 5), "  0   3   7  12  50 ");
}

TEST_F(Synthesis, ComparisonAtADrawAndAtTheForecast) {
    ws.MainStore.SetRecNo(1);
    const ComparisonResult at = compareSchemes(ws, request, 2020002);
    ASSERT_EQ(at.error, "");
    EXPECT_EQ(at.drawText, "03 04 06 08 10 12 -03 ");
    using Row = std::vector<std::string>;
    auto row = [](const TextGrid& g, int r) { return Row{g.at(r, 0), g.at(r, 1), g.at(r, 2), g.at(r, 3)}; };
    EXPECT_EQ(row(at.grid, 0), (Row{"方案", "杀号列表", "杀号个数", "杀错个数"}));
    EXPECT_EQ(row(at.grid, 1), (Row{"方案1", " 03 07", "2", "1"}));
    EXPECT_EQ(row(at.grid, 2), (Row{"方案2", " 07 12", "2", "1"}));
    EXPECT_EQ(row(at.grid, 3), (Row{"方案组合", " 03 07 12", "3", "2"}));
    EXPECT_EQ(ws.MainStore.RecNo(), 1);

    request.type = SynthesisType::MainBanker;
    const ComparisonResult forecast = compareSchemes(ws, request, 0);
    EXPECT_EQ(forecast.drawText, "尚未开奖");
    EXPECT_EQ(row(forecast.grid, 0), (Row{"方案", "推荐列表", "推荐个数", "正确个数"}));
    EXPECT_EQ(row(forecast.grid, 3), (Row{"方案组合", " 03 07 12", "3", "未知"}));
    EXPECT_EQ(compareSchemes(ws, request, 2019001).error, "期号不存在: 2019001");
    request.formulaCount = 61;
    EXPECT_EQ(combineSchemes(ws, request).error, "公式个数无效");
    request.formulaCount = 2;
    request.schemes = {1, 11};
    EXPECT_EQ(combineSchemes(ws, request).error, "方案编号无效: 11");
    request.schemes.clear();
    EXPECT_EQ(compareSchemes(ws, request, 0).error, "请至少选择一个方案");
}

TEST_F(Synthesis, ComparisonOfTheCustomTypeGivesTheTargetValue) {
    request.type = SynthesisType::CustomKill;
    request.target = "z_num2";
    EXPECT_EQ(compareSchemes(ws, request, 2020002).targetValue, 4);
    EXPECT_EQ(compareSchemes(ws, request, 0).targetValue, -1);
    request.target = "nonsense+";
    EXPECT_EQ(compareSchemes(ws, request, 2020002).targetValue, -1);
}

TEST(SchemeUse, NamesMapToSchemesAndTheLastOneStays) {
    EXPECT_EQ(schemeNumberFromName("方案10"), 10);
    EXPECT_EQ(schemeNumberFromName("方案3"), 3);
    EXPECT_FALSE(schemeNumberFromName("方案"));
    SchemeUseList list;
    EXPECT_EQ(list.schemes(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    for (int i = 0; i < 9; ++i) ASSERT_TRUE(list.moveOut(0));
    EXPECT_FALSE(list.moveOut(0));
    EXPECT_EQ(list.schemes(), (std::vector<int>{10}));
    EXPECT_TRUE(list.moveIn(2));
    EXPECT_FALSE(list.moveIn(8));
    EXPECT_EQ(list.schemes(), (std::vector<int>{10, 3}));
    EXPECT_EQ(list.usable().size(), 8u);
}

}  // namespace
}  // namespace qorvel
