// The run of the banker and kill pages: whole grids on a five-draw history, the count and list columns of
// every page, the forecast row's life in the store, and the export and memo built on a grid.
#include "killbanker/kill_run.h"

#include <gtest/gtest.h>

#include "draws/draw_text.h"
#include "draws/forecast_row.h"
#include "engine/tgs.h"
#include "killbanker/forecast_scope.h"
#include "test_support.h"
#include "text/file_io.h"

namespace qorvel {
namespace {

using testing::fillStore;

// Special numbers 07 03 09 01 07; tails of the fourth draw 5 0 5 0 5 0.
const std::vector<std::vector<int>> kFiveDraws = {
    {2020001, 1, 2, 3, 4, 5, 6, 7},      {2020002, 2, 4, 6, 8, 10, 12, 3}, {2020003, 1, 2, 3, 4, 5, 6, 9},
    {2020004, 5, 10, 15, 20, 25, 30, 1}, {2020005, 3, 4, 5, 6, 7, 8, 7},
};

class KillRun : public ::testing::Test {
protected:
    void SetUp() override { fillStore(ws.MainStore, kFiveDraws); }

    KillGrid run(KillPage page, std::vector<std::string> formulas, int start = 0,
                 ListDisplay display = ListDisplay::Regular, std::string target = {}) {
        KillRunRequest request;
        request.page = page;
        request.formulas = std::move(formulas);
        request.startIssue = start;
        request.display = display;
        request.target = std::move(target);
        KillRunResult result = runKillPage(ws, request);
        EXPECT_EQ(result.error, "");
        return result.grid;
    }
    static std::vector<std::string> row(const KillGrid& g, int r) {
        std::vector<std::string> cells;
        for (int c = 0; c < g.columns; ++c) cells.push_back(g.at(r, c).text);
        return cells;
    }
    Workspace ws;
};

TEST_F(KillRun, SpecialKillGridCellByCell) {
    // Formula 3 has a syntax error: −1 on every row, right on every row, one message at the end.
    const KillGrid g = run(KillPage::SpecialKill, {"[-1]f_num1", "7", "1+2*"}, 2020003);
    using Row = std::vector<std::string>;
    const Row header{"序号", "期号", "副区号码", "公式1", "公式2", "公式3", "杀号列表", "杀错的公式个数", "杀错的公式序号"};
    ASSERT_EQ(g.rows, 7);
    EXPECT_EQ(row(g, 0), header);
    EXPECT_EQ(row(g, 1), (Row{"1", "2020003", "09 ", "03    正确", "07    正确", "-1    正确", " 03 07", "0", ""}));
    EXPECT_EQ(row(g, 2), (Row{"2", "2020004", "01 ", "09    正确", "07    正确", "-1    正确", " 07 09", "0", ""}));
    EXPECT_EQ(row(g, 3), (Row{"3", "2020005", "07 ", "01    正确", "07", "-1    正确", " 01 07", "1", "02"}));
    EXPECT_EQ(row(g, 4), (Row{"", "预测期", "", "07", "07", "-1", " 07", "", ""}));
    EXPECT_EQ(row(g, 5), header);
    EXPECT_EQ(row(g, 6), (Row{"", "正确率", "", "100", "66.7", "100", "", "", ""}));
    EXPECT_EQ(g.endMessage, "第3条公式有误：运算符号后只能接指标或数据或括号");
    EXPECT_EQ(g.rightCounts, (std::vector<int>{3, 2, 3}));
    EXPECT_EQ(g.rowKinds[4], KillRowKind::Forecast);
    EXPECT_EQ(g.rowKinds[6], KillRowKind::Rate);
    EXPECT_EQ(g.at(3, 4).role, KillCellRole::FormulaOther);
    EXPECT_EQ(g.at(3, 3).role, KillCellRole::FormulaRight);
    EXPECT_TRUE(g.wasDrawn(3, 7));
    EXPECT_FALSE(g.wasDrawn(3, 1));
}

TEST_F(KillRun, CountColumnsOfThePages) {
    struct Case {
        const char* name;
        KillPage page;
        std::vector<std::string> formulas;
        std::vector<std::string> trailing;  // list column and after, first draw (01..06 + 07)
    } cases[] = {
        {"main kill, some wrong", KillPage::MainKill, {"1", "2", "3", "40", "50", "2"},
         {" 01 02 03 40", "4", "01 02 03 06", "3", "01 02 03"}},
        {"main kill, all right", KillPage::MainKill, {"40", "7"}, {" 07 40", "0", "", "", ""}},
        {"banker, some right", KillPage::MainBanker, {"9", "2", "1", "2"}, {" 01 02 09", "3", "02 03 04", "2", "01 02"}},
        {"banker, all right", KillPage::MainBanker, {"1", "2"}, {" 01 02", "2", "", "", ""}},
        {"banker, none right", KillPage::MainBanker, {"9", "107"}, {" 09", "0", "", "0", ""}},
        {"special banker", KillPage::SpecialBanker, {"7", "8"}, {" 07 08", "1", "01", "1", "07"}},
        {"special kill", KillPage::SpecialKill, {"7", "8"}, {" 07 08", "1", "01"}},
    };
    for (const auto& c : cases) {
        const KillGrid g = run(c.page, c.formulas);
        std::vector<std::string> trailing;
        for (int col = g.listColumn; col < g.columns; ++col) trailing.push_back(g.at(1, col).text);
        EXPECT_EQ(trailing, c.trailing) << c.name;
        EXPECT_EQ(g.at(0, g.listColumn).text, killPageInfo(c.page).banker ? "提胆列表" : "杀号列表") << c.name;
    }
}

TEST_F(KillRun, BankerCellsCarryTheRightMarkWhenTheNumberWasDrawn) {
    // Value 7 on a draw with special number 07: wrong on the kill page, right on the banker page.
    EXPECT_EQ(run(KillPage::SpecialKill, {"7"}).at(1, 3).text, "07");
    EXPECT_EQ(run(KillPage::SpecialBanker, {"7"}).at(1, 3).text, "07    正确");
    // Two-digit text pads only one-character values; values outside 0..99 are never found.
    const KillGrid g = run(KillPage::MainBanker, {"0-1", "107", "5"});
    EXPECT_EQ(g.at(1, 3).text, "-1");
    EXPECT_EQ(g.at(1, 4).text, "107");
    EXPECT_EQ(g.at(1, 5).text, "05    正确");
}

TEST_F(KillRun, ListDisplaysOrderByFrequencyThenValue) {
    const std::vector<std::string> formulas{"9", "3", "9", "12", "3", "9", "50", "0"};
    struct Case {
        ListDisplay display;
        const char* list;
    } cases[] = {{ListDisplay::Regular, " 03 09 12"},
                 {ListDisplay::FrequencyAscending, "12 03 09 "},
                 {ListDisplay::FrequencyDescending, "09 03 12 "}};
    for (const auto& c : cases)
        EXPECT_EQ(run(KillPage::MainKill, formulas, 0, c.display).at(1, 11).text, c.list);
}

TEST_F(KillRun, TailKillTestsTheTailsOfTheMainNumbers) {
    const KillGrid g = run(KillPage::TailKill, {"1", "0", "5", "12"}, 2020004);
    EXPECT_EQ(g.at(0, 2).text, "主区号码");
    EXPECT_EQ(g.at(1, 2).text, "05 00 05 00 05 00 ");
    EXPECT_EQ(g.at(1, 3).text, "01    正确");
    EXPECT_EQ(g.at(1, 4).text, "00");
    EXPECT_EQ(g.at(1, 5).text, "05");
    EXPECT_EQ(g.at(1, 6).text, "12    正确");
    // The list holds 0..9 only; the wrong columns follow the special kill page.
    EXPECT_EQ(g.at(1, 7).text, " 00 01 05");
    EXPECT_EQ(g.at(1, 8).text, "2");
    EXPECT_EQ(g.at(1, 9).text, "02 03");
    EXPECT_EQ(g.columns, 10);
}

TEST_F(KillRun, CustomKillComparesWithTheTargetValue) {
    const KillGrid g = run(KillPage::CustomKill, {"[-1]z_hw", "1", "xyz(1)"}, 2020004, ListDisplay::Regular, "z_hw");
    using Row = std::vector<std::string>;
    EXPECT_EQ(g.columns, 10);
    EXPECT_EQ(row(g, 0), (Row{"序号", "期号", "开奖号码", "指标z_hw", "公式1", "公式2", "公式3", "杀z_hw列表",
                              "杀错的公式个数", "杀错的公式序号"}));
    // Sums 105 and 33: tails 5 and 3; a failed formula's cell is empty and counts as −1.
    EXPECT_EQ(g.at(1, 2).text, "05  10  15  20  25  30  :01  ");
    EXPECT_EQ(g.at(1, 3).text, "5");
    EXPECT_EQ(g.at(1, 4).text, "1    正确");
    EXPECT_EQ(g.at(1, 6).text, "    正确");
    EXPECT_EQ(g.at(1, 7).text, "  1 ");
    EXPECT_EQ(g.at(2, 4).text, "5    正确");
    EXPECT_EQ(g.at(3, 1).text, "预测期");
    EXPECT_EQ(g.at(3, 3).text, "");
    EXPECT_EQ(g.at(3, 4).text, "3");
    EXPECT_EQ(g.at(3, 7).text, "  1   3 ");
    EXPECT_EQ(g.endMessage, "第3条公式有误：xyz函数不存在");
}

TEST_F(KillRun, CustomKillWithoutSpecialNumbersStillShowsTheSeparator) {
    ws.params.SpecialCount = 0;
    const KillGrid g = run(KillPage::CustomKill, {"1"}, 2020005, ListDisplay::Regular, "z_num1");
    EXPECT_EQ(g.at(1, 2).text, "03  04  05  06  07  08  :");
    EXPECT_EQ(g.at(1, 5).text, "  1 ");
    EXPECT_EQ(g.at(1, 6).text, "0");
}

TEST_F(KillRun, TheForecastRowLivesOnlyForTheRun) {
    // A forecast row already in the store is replaced for the run and gone afterwards.
    writeForecastFields(ws.MainStore, 6, {1, 2, 3, 4, 5, 6}, {7});
    ws.MainStore.SetRecNo(3);
    std::vector<int> rowsSeen;
    KillRunRequest request;
    request.page = KillPage::MainKill;
    request.formulas = {"z_num1"};
    request.progress = [&](int r, int rows) {
        rowsSeen.push_back(r * 10 + rows);
        return true;
    };
    const KillRunResult result = runKillPage(ws, request);
    ASSERT_EQ(result.error, "");
    // The forecast row of the run is all zero: z_num1 is 0 there.
    EXPECT_EQ(result.grid.at(6, 3).text, "00");
    EXPECT_EQ(result.grid.drawCount, 5);
    EXPECT_EQ(ws.MainStore.Count(), 5);
    EXPECT_EQ(ws.MainStore.GetField(0), 2020003);
    EXPECT_EQ(rowsSeen, (std::vector<int>{16, 26, 36, 46, 56, 66}));
}

TEST_F(KillRun, AStoppedRunLeavesNoGridAndTheStoreAsItWas) {
    ws.MainStore.SetRecNo(3);
    KillRunRequest request;
    request.page = KillPage::MainKill;
    request.formulas = {"getylz(getylz(z_num1))"};
    int calls = 0;
    request.progress = [&](int r, int) {
        ++calls;
        return r < 2;
    };
    const KillRunResult result = runKillPage(ws, request);
    EXPECT_TRUE(result.stopped);
    EXPECT_EQ(result.error, "");
    EXPECT_EQ(result.grid.rows, 0);
    EXPECT_TRUE(result.grid.cells.empty());
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(ws.MainStore.Count(), 5);
    EXPECT_EQ(ws.MainStore.GetField(0), 2020003);
}

TEST_F(KillRun, NestedDerivedFormulasGiveTheValuesOfAPlainEvaluationAtEveryRow) {
    // The run keeps one memo for all its rows; the forecast row it appends must not see stale values.
    const std::vector<std::string> formulas = {"getylz(getzf(z_num1))", "getzf(getylz([-1]z_hz))", "getylzzf(f_num1)"};
    const KillGrid g = run(KillPage::CustomKill, formulas, 0, ListDisplay::Regular, "z_num1");
    ForecastRowScope forecast(ws.MainStore);
    tgs evaluator(ws);
    for (int r = 1; r <= g.drawCount + 1; ++r) {
        ws.MainStore.SetRecNo(r <= g.drawCount ? r : forecast.row());
        for (std::size_t j = 0; j < formulas.size(); ++j) {
            int32_t expected = 0;
            if (!evaluator.evaluate(formulas[j], expected)) expected = -1;
            EXPECT_EQ(g.formulaValues[static_cast<std::size_t>(r)][j], expected) << formulas[j] << " at row " << r;
        }
    }
}

TEST_F(KillRun, StartingAtTheLastIssueGivesOneDrawRow) {
    const KillGrid g = run(KillPage::MainKill, {"[-1]z_hw"}, 2020005);
    EXPECT_EQ(g.rows, 5);
    EXPECT_EQ(g.at(1, 1).text, "2020005");
    EXPECT_EQ(g.at(2, 1).text, "预测期");
    EXPECT_EQ(g.at(4, 1).text, "正确率");
}

TEST_F(KillRun, RefusedRunsChangeNothing) {
    struct Case {
        std::vector<std::string> formulas;
        int start;
        const char* error;
    } cases[] = {{{"1"}, 2019001, "起始期不存在: 2019001"}, {{}, 0, "公式个数无效"},
                 {std::vector<std::string>(61, "1"), 0, "公式个数无效"}};
    for (const auto& c : cases) {
        KillRunRequest request;
        request.formulas = c.formulas;
        request.startIssue = c.start;
        ws.MainStore.SetRecNo(2);
        EXPECT_EQ(runKillPage(ws, request).error, c.error);
        EXPECT_EQ(ws.MainStore.Count(), 5);
        EXPECT_EQ(ws.MainStore.RecNo(), 2);
    }
    Workspace empty;
    KillRunRequest request;
    request.formulas = {"1"};
    EXPECT_EQ(runKillPage(empty, request).error, "没有开奖数据");
}

TEST(KillRunSample, EqualFormulasAgreeOnEveryRow) {
    Workspace ws;
    loadDrawsIntoStore(ws.MainStore, testing::sampleSsqDraws());
    KillRunRequest request;
    request.formulas.assign(10, "[-1]z_hw");
    const KillRunResult result = runKillPage(ws, request);
    ASSERT_EQ(result.error, "");
    const KillGrid& g = result.grid;
    for (int r = 1; r <= g.drawCount; ++r) {
        const std::string& wrong = g.at(r, g.listColumn + 1).text;
        ASSERT_TRUE(wrong == "0" || wrong == "10") << "row " << r << ": " << wrong;
        for (int j = 1; j < 10; ++j) ASSERT_EQ(g.at(r, 3 + j).text, g.at(r, 3).text);
    }
}

TEST(SuccessRateText, RoundsHalfUpWithoutATrailingZero) {
    struct Case {
        int right, tested;
        const char* text;
    } cases[] = {{3, 3, "100"}, {0, 7, "0"}, {1, 16, "6.3"}, {2, 3, "66.7"}, {1, 3, "33.3"},
                 {1, 8, "12.5"}, {1, 80, "1.3"}, {17, 20, "85"}, {0, 0, "0"}};
    for (const auto& c : cases) EXPECT_EQ(successRateText(c.right, c.tested), c.text) << c.right << "/" << c.tested;
}

TEST_F(KillRun, MemoAndExportReadTheGrid) {
    const KillGrid g = run(KillPage::SpecialKill, {"[-1]f_num1", "17", "3", "3"}, 2020004);
    int lo = 0, hi = 0;
    memoRange(KillPage::SpecialKill, ws.params, lo, hi);
    EXPECT_EQ(hi, 16);
    // 17 lies above the special zone; equal values show once.
    EXPECT_EQ(rowMemoText(g, 1, lo, hi), "03  09");
    EXPECT_EQ(rowMemoText(g, 3, lo, hi), "03  07");
    EXPECT_EQ(rowMemoText(g, 4, lo, hi), "");

    testing::TempDir dir;
    const auto file = (dir / "out").string();
    ASSERT_EQ(exportKillData(file, g), "");
    const auto bytes = readFileBytes(file + ".txt");
    ASSERT_TRUE(bytes);
    EXPECT_EQ(readGbkLines(*bytes),
              (std::vector<std::string>{" 期 数 公式01 公式02 公式03 公式04 ",
                                        "2020004  09     17     03     03     ",
                                        "2020005  01     17     03     03     ",
                                        "预测期   07     17     03     03     "}));
}

TEST(ForecastScope, DropsATemporaryLastRowOnly) {
    Workspace ws;
    fillStore(ws.MainStore, kFiveDraws);
    dropTemporaryLastRow(ws.MainStore);
    EXPECT_EQ(ws.MainStore.Count(), 5);
    writeForecastFields(ws.MainStore, 6, {1}, {});
    ASSERT_EQ(ws.MainStore.Count(), 6);
    dropTemporaryLastRow(ws.MainStore);
    EXPECT_EQ(ws.MainStore.Count(), 5);
}

}  // namespace
}  // namespace qorvel

namespace qorvel {
namespace {

TEST(KillColours, BackgroundByRowAndTextByRole) {
    Workspace ws;
    testing::fillStore(ws.MainStore, {{2020001, 1, 2, 3, 4, 5, 6, 7}});
    KillRunRequest request;
    request.formulas = {"1", "9"};
    const KillGrid g = runKillPage(ws, request).grid;
    struct Case {
        int row, column;
        bool selected;
        KillRgb background, text;
    } cases[] = {
        {0, 3, false, kKillHeaderBackground, kKillBlack},      {3, 0, true, kKillHeaderBackground, kKillBlack},
        {1, 0, false, kKillRowBackground, kKillOrderText},     {1, 1, true, kKillSelectedBackground, kKillIssueText},
        {1, 2, false, kKillRowBackground, kKillNumbersText},   {1, 3, false, kKillRowBackground, kKillOtherFormulaText},
        {1, 4, false, kKillRowBackground, kKillRightText},     {1, 5, false, kKillRowBackground, kKillBlack},
        {4, 3, false, kKillRateBackground, kKillOtherFormulaText}, {2, 1, false, kKillRowBackground, kKillIssueText},
    };
    for (const auto& c : cases) {
        const KillCellColours colours = killCellColours(g, c.row, c.column, c.selected);
        EXPECT_EQ(colours.background, c.background) << c.row << "," << c.column;
        EXPECT_EQ(colours.text, c.text) << c.row << "," << c.column;
    }
    EXPECT_TRUE(g.wasDrawn(1, 1));
    EXPECT_FALSE(g.wasDrawn(1, 9));
}

}  // namespace
}  // namespace qorvel
