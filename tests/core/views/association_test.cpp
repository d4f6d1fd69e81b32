// The association analysis: which draws match, the draw after each, the indicator values at both, the
// count line, the export lines and the series a column hands to the dissection.
#include "views/association.h"

#include <gtest/gtest.h>

#include "engine/engine_test_support.h"
#include "engine/tgs.h"

namespace qorvel {
namespace {

class Association : public ::testing::Test {
protected:
    void SetUp() override {
        ws = testing::workspaceWith({{2020001, 5, 6, 12, 20, 30, 33, 1},
                                     {2020002, 1, 5, 9, 14, 22, 31, 2},
                                     {2020003, 2, 4, 10, 12, 22, 32, 5},
                                     {2020004, 3, 8, 13, 19, 25, 29, 7},
                                     {2020005, 5, 7, 11, 17, 23, 28, 9}});
        ws->types.slots[0].MainLabel = "红号";
        ws->types.slots[0].SpecialLabel = "蓝号";
    }
    std::vector<int32_t> issuesOf(const AssociationTable& t) {
        std::vector<int32_t> out;
        for (const AssociationRow& r : t.rows) out.push_back(r.current.issue);
        return out;
    }
    std::unique_ptr<Workspace> ws;
};

TEST_F(Association, PositionAndIssueTailFilters) {
    struct Case {
        const char* what;
        std::array<int, kAssociationPositions> positions;
        bool anyMain;
        int tail;
        std::vector<int32_t> issues;
    } cases[] = {
        {"nothing chosen: every draw", {-1, -1, -1, -1, -1}, false, kAnyValue,
         {2020001, 2020002, 2020003, 2020004, 2020005}},
        {"first number 5", {5, -1, -1, -1, -1}, false, kAnyValue, {2020001, 2020005}},
        {"5 anywhere among the main numbers", {5, -1, -1, -1, -1}, true, kAnyValue, {2020001, 2020002, 2020005}},
        {"the special number is position 7 only without 主号不对位", {-1, -1, -1, -1, -1}, false, kAnyValue,
         {2020001, 2020002, 2020003, 2020004, 2020005}},
        {"two positions must both hold", {5, 6, -1, -1, -1}, false, kAnyValue, {2020001}},
        {"two values anywhere", {5, 22, -1, -1, -1}, true, kAnyValue, {2020002}},
        {"issue tail", {-1, -1, -1, -1, -1}, false, 3, {2020003}},
        {"issue tail and position", {5, -1, -1, -1, -1}, true, 2, {2020002}},
        {"a value no draw holds", {49, -1, -1, -1, -1}, false, kAnyValue, {}},
    };
    for (const Case& c : cases) {
        AssociationFilter filter;
        filter.positions = c.positions;
        filter.anyMainPosition = c.anyMain;
        filter.issueTail = c.tail;
        EXPECT_EQ(issuesOf(buildAssociationTable(*ws, filter)), c.issues) << c.what;
    }
}

TEST_F(Association, EachMatchSitsBesideTheDrawAfterIt) {
    AssociationFilter filter;
    filter.positions[0] = 5;
    filter.anyMainPosition = true;
    filter.indicators = {{" z_hz ", false, {}}};
    const AssociationTable t = buildAssociationTable(*ws, filter);
    ASSERT_EQ(t.rows.size(), 3u);
    // The newest draw matches and has no draw after it.
    EXPECT_EQ(t.withNext, 2);
    EXPECT_EQ(associationCountText(t), "本期系列一共有3条;下期系列一共有2条");
    EXPECT_EQ(t.header, (std::vector<std::string>{"本期期号", "红号1", "红号2", "红号3", "红号4", "红号5", "红号6", "蓝号",
                                                  "指标1", "下期期号", "红号1", "红号2", "红号3", "红号4", "红号5",
                                                  "红号6", "蓝号", "指标1"}));
    EXPECT_EQ(t.cells(0), (std::vector<std::string>{"2020001", "05", "06", "12", "20", "30", "33", "01", "106",
                                                    "2020002", "01", "05", "09", "14", "22", "31", "02", "82"}));
    const std::vector<std::string> last = t.cells(2);
    EXPECT_EQ(last[0], "2020005");
    EXPECT_EQ(last[8], "91");
    for (std::size_t c = 9; c < last.size(); ++c) EXPECT_EQ(last[c], "") << "column " << c;
    // The cursor comes back.
    EXPECT_EQ(ws->MainStore.RecNo(), 5);
}

TEST_F(Association, IndicatorConditionsAndTheirValues) {
    struct Case {
        const char* what;
        std::vector<AssociationIndicator> indicators;
        std::vector<int32_t> issues;
    } cases[] = {
        {"an indicator without values only has to evaluate", {{"z_hz", false, {}}},
         {2020001, 2020002, 2020003, 2020004, 2020005}},
        {"a formula that fails matches nothing", {{"z_hz/0", false, {}}}, {}},
        {"allowed values", {{"z_hz", true, {82, 91}}}, {2020002, 2020003, 2020005}},
        {"every indicator in use must hold", {{"z_hz", true, {82, 91}}, {"z_num1", true, {5}}}, {2020005}},
        {"the third one too", {{"z_hz", false, {}}, {"z_num1", true, {1, 2, 3}}, {"f_num1", true, {2, 7}}},
         {2020002, 2020004}},
    };
    for (const Case& c : cases) {
        AssociationFilter filter;
        filter.indicators = c.indicators;
        EXPECT_EQ(issuesOf(buildAssociationTable(*ws, filter)), c.issues) << c.what;
    }
}

TEST(AssociationPass, NestedDerivedFormulasGiveTheValuesOfAPlainEvaluation) {
    // The whole table is built under one history pass; every value, at the match and at the draw after
    // it, must be what an evaluation on its own gives there.
    auto ws = testing::sampleWorkspace(120);
    AssociationFilter filter;
    filter.issueTail = 7;
    filter.indicators = {{"getylz(getylz(z_hz))", false, {}}, {"getzf(getylz(z_num1))", false, {}},
                         {"getylzzf([-1]f_num1)", false, {}}};
    const AssociationTable t = buildAssociationTable(*ws, filter);
    ASSERT_GE(t.rows.size(), 10u);
    tgs evaluator(*ws);
    const auto expectSide = [&](const AssociationSide& side) {
        ASSERT_TRUE(ws->MainStore.GotoIssue(side.issue));
        for (std::size_t k = 0; k < filter.indicators.size(); ++k) {
            int32_t expected = 0;
            const bool ok = evaluator.evaluate(filter.indicators[k].formula, expected);
            EXPECT_EQ(side.values[k], ok ? std::optional<int32_t>(expected) : std::nullopt)
                << filter.indicators[k].formula << " at " << side.issue;
        }
    };
    for (const AssociationRow& row : t.rows) {
        expectSide(row.current);
        if (row.next) expectSide(*row.next);
    }
}

TEST_F(Association, AStoppedPassGivesNothingAndLeavesTheCursor) {
    auto big = testing::sampleWorkspace(300);
    big->MainStore.SetRecNo(17);
    int calls = 0;
    const AssociationTable t = buildAssociationTable(*big, {}, [&](int, int) { return ++calls < 2; });
    EXPECT_TRUE(t.stopped);
    EXPECT_TRUE(t.rows.empty());
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(big->MainStore.RecNo(), 17);
}

TEST_F(Association, ExportLinesStopBeforeTheNewestDraw) {
    AssociationFilter filter;
    filter.positions[0] = 5;
    filter.anyMainPosition = true;
    const AssociationTable t = buildAssociationTable(*ws, filter);
    EXPECT_EQ(associationExportLines(t, 6, true),
              (std::vector<std::string>{"2020002 01 05 09 14 22 31 02 ", "2020003 02 04 10 12 22 32 05 "}));
    EXPECT_EQ(associationExportLines(t, 6, false),
              (std::vector<std::string>{"2020002 01 05 09 14 22 31 ", "2020003 02 04 10 12 22 32 "}));
}

TEST_F(Association, AColumnsSeriesForTheDissection) {
    AssociationFilter filter;
    filter.positions[0] = 5;
    filter.anyMainPosition = true;
    filter.indicators = {{"z_hz", false, {}}};
    const AssociationTable t = buildAssociationTable(*ws, filter);
    const int h = t.half();
    ASSERT_EQ(h, 9);

    const std::optional<DissectionInput> sums = associationColumnSeries(t, 8);  // 指标1 of the matches
    ASSERT_TRUE(sums);
    EXPECT_EQ(sums->series, (std::vector<int32_t>{106, 82, 91}));
    EXPECT_EQ(sums->issues, (std::vector<int32_t>{2020001, 2020002, 2020005}));
    EXPECT_EQ(sums->seriesMin, 82);
    EXPECT_EQ(sums->seriesMax, 106);
    EXPECT_EQ(sums->title, "指标1");
    EXPECT_TRUE(sums->formula.empty());
    EXPECT_EQ(sums->cursorRow, 1);

    // The following draws' first numbers: the newest match has none and is left out.
    const std::optional<DissectionInput> firsts = associationColumnSeries(t, h + 1);
    ASSERT_TRUE(firsts);
    EXPECT_EQ(firsts->series, (std::vector<int32_t>{1, 2}));
    EXPECT_EQ(firsts->issues, (std::vector<int32_t>{2020002, 2020003}));
    EXPECT_EQ(firsts->title, "红号1");

    for (int column : {0, h, -1, 2 * h}) EXPECT_FALSE(associationColumnSeries(t, column)) << column;
    AssociationFilter none;
    none.positions[0] = 49;
    EXPECT_FALSE(associationColumnSeries(buildAssociationTable(*ws, none), 1));
}

}  // namespace
}  // namespace qorvel
