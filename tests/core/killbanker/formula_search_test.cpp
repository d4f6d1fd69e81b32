// The formula search and the scheme generator: the candidate shape, the accelerated value against the
// evaluator, acceptance, wrong-run limits, every scheme constraint and the undo of a rejected candidate.
#include "killbanker/formula_search.h"

#include <gtest/gtest.h>

#include <set>

#include "draws/draw_text.h"
#include "killbanker/scheme_generator.h"
#include "test_support.h"

namespace qorvel {
namespace {

using testing::fillStore;

constexpr auto kNoBudget = std::chrono::hours(1);

// 01 is drawn in draws 1, 2, 3 and 6; never in 4, 5.
const std::vector<std::vector<int>> kSixDraws = {
    {2021001, 1, 2, 3, 4, 5, 6, 7},     {2021002, 1, 4, 6, 8, 10, 12, 3}, {2021003, 1, 2, 3, 4, 5, 7, 9},
    {2021004, 5, 10, 15, 20, 25, 30, 1}, {2021005, 3, 4, 5, 6, 7, 8, 7},  {2021006, 1, 9, 11, 13, 15, 17, 2},
};

TEST(CandidateShape, TextFollowsTheShape) {
    CandidateShape shape{"z_hw", 2, 1, 10};
    EXPECT_EQ(candidateText(shape, {37, 5, 12}), "((37*[-1]z_hw)+(5*[-2]z_hw)+12)%10+1");
    EXPECT_EQ(candidateText({"f_num1", 1, 0, 15}, {0, 99}), "((0*[-1]f_num1)+99)%16+0");
    struct Bad {
        CandidateShape shape;
        const char* error;
    } bad[] = {{{"", 6, 1, 10}, "请选择公式所用指标"},     {{"z hw", 6, 1, 10}, "请选择公式所用指标"},
               {{"z_hw", 0, 1, 10}, "回溯期数应在1到100之间"}, {{"z_hw", 101, 1, 10}, "回溯期数应在1到100之间"},
               {{"z_hw", 6, 5, 4}, "取值范围有误"},             {{"z_hw", 6, -1, 4}, "取值范围有误"}};
    for (const auto& b : bad) EXPECT_EQ(checkCandidateShape(b.shape), b.error) << b.shape.indicator;
}

TEST(CandidateShape, SuccessiveCandidatesOfOneSearchDiffer) {
    // The generator is seeded once per search, so candidates do not repeat step after step.
    CoefficientSource source(7);
    std::set<std::vector<int>> seen;
    for (int i = 0; i < 50; ++i) {
        auto c = source.next(6);
        ASSERT_EQ(c.size(), 7u);
        for (int v : c) ASSERT_TRUE(v >= 0 && v <= 99);
        seen.insert(c);
    }
    EXPECT_EQ(seen.size(), 50u);
    CoefficientSource again(7);
    CoefficientSource other(8);
    CoefficientSource first(7);
    EXPECT_EQ(again.next(6), first.next(6));
    EXPECT_NE(other.next(6), CoefficientSource(7).next(6));
}

class SampleSearch : public ::testing::Test {
protected:
    void SetUp() override { loadDrawsIntoStore(ws.MainStore, testing::sampleSsqDraws()); }
    Workspace ws;
};

TEST_F(SampleSearch, AcceleratedValueEqualsTheEvaluatedCandidate) {
    struct Case {
        CandidateShape shape;
        int firstRow;  // where the range starts: near the first draw the walk back stops there
    } cases[] = {{{"z_hw", 6, 1, 10}, 1}, {{"z_hz", 3, 0, 32}, 2}, {{"f_num1", 2, 1, 16}, 3000},
                 {{"z_ac", 10, 5, 9}, 4}, {{"xyz", 2, 1, 33}, 100}, {{"z_num6", 1, 0, 0}, 50}};
    tgs evaluator(ws);
    CoefficientSource source(11);
    for (const auto& c : cases) {
        SearchDraws draws;
        const int first = ws.MainStore.Row(c.firstRow).fields[0];
        const int last = ws.MainStore.Row(c.firstRow + 30).fields[0];
        ASSERT_EQ(draws.build(ws, KillPage::MainKill, "", c.shape, first, last), "");
        ASSERT_EQ(draws.count(), 31);
        for (int k = 0; k < 5; ++k) {
            const auto coefficients = source.next(c.shape.depth);
            const std::string text = candidateText(c.shape, coefficients);
            for (int i = 0; i < draws.count(); ++i) {
                ws.MainStore.SetRecNo(draws.row(i));
                int32_t expected = 0;
                ASSERT_TRUE(evaluator.evaluate(text, expected)) << text;
                const int32_t v = draws.acceleratedValue(i, coefficients);
                ASSERT_EQ(v, expected) << text << " at row " << draws.row(i);
                if (c.shape.indicator != "xyz") {
                    ASSERT_TRUE(v >= c.shape.lo && v <= c.shape.hi) << v;
                }
            }
        }
    }
}

TEST_F(SampleSearch, TheFullRateRangeAcceptsTheFirstCandidate) {
    for (bool accelerated : {true, false}) {
        FormulaSearchSettings s;
        s.rateFrom = 0;
        s.accelerated = accelerated;
        s.seed = 3;
        defaultSearchRange(ws.MainStore, s.firstIssue, s.lastIssue);
        FormulaSearch search;
        ASSERT_EQ(search.start(ws, s), "");
        EXPECT_EQ(search.drawsInRange(), 51);
        ws.MainStore.SetRecNo(17);
        const auto step = search.step(kNoBudget);
        EXPECT_TRUE(step.accepted);
        EXPECT_EQ(search.candidatesTested(), 1);
        EXPECT_EQ(ws.MainStore.RecNo(), 17);
        EXPECT_EQ(search.formula().rfind("((", 0), 0u);
    }
}

TEST_F(SampleSearch, BothModesAcceptTheSameCandidate) {
    std::string formulas[2];
    double rates[2];
    for (int mode = 0; mode < 2; ++mode) {
        FormulaSearchSettings s;
        s.page = KillPage::MainBanker;
        s.shape = {"z_num1", 4, 1, 33};
        s.rateFrom = 30;
        s.accelerated = mode == 0;
        s.seed = 99;
        defaultSearchRange(ws.MainStore, s.firstIssue, s.lastIssue);
        FormulaSearch search;
        ASSERT_EQ(search.start(ws, s), "");
        while (!search.accepted() && search.candidatesTested() < 200000) search.step(kSearchStepBudget);
        ASSERT_TRUE(search.accepted());
        formulas[mode] = search.formula();
        rates[mode] = search.rate();
        EXPECT_GE(search.rate(), 30);
    }
    EXPECT_EQ(formulas[0], formulas[1]);
    EXPECT_EQ(rates[0], rates[1]);
}

class SmallSearch : public ::testing::Test {
protected:
    void SetUp() override { fillStore(ws.MainStore, kSixDraws); }
    FormulaSearchSettings constantOne(int first, int last) {
        // lo = hi = 1: every candidate's value is 1, wrong on the main kill page wherever 01 was drawn.
        FormulaSearchSettings s;
        s.shape = {"z_hw", 2, 1, 1};
        s.rateFrom = 0;
        s.firstIssue = first;
        s.lastIssue = last;
        return s;
    }
    Workspace ws;
};

TEST_F(SmallSearch, WrongRunLimitAbandonsACandidateAtOnce) {
    struct Case {
        int first, last, limit;
        bool accepted;
        int longest;
    } cases[] = {{2021001, 2021006, 2, false, 0}, {2021001, 2021006, 3, true, 3}, {2021003, 2021006, 1, true, 1},
                 {2021002, 2021003, 1, false, 0}};
    for (const auto& c : cases) {
        FormulaSearchSettings s = constantOne(c.first, c.last);
        s.limitWrongRun = true;
        s.maxWrongRun = c.limit;
        FormulaSearch search;
        ASSERT_EQ(search.start(ws, s), "");
        search.step(kNoBudget, 5);
        EXPECT_EQ(search.accepted(), c.accepted) << c.first << " limit " << c.limit;
        if (c.accepted) {
            EXPECT_EQ(search.longestWrongRun(), c.longest);
            EXPECT_EQ(search.longestWrongText(), "实际最大连错：" + std::to_string(c.longest));
        }
    }
}

TEST_F(SmallSearch, RateRangeAndRightnessPerPage) {
    struct Case {
        KillPage page;
        double from, to;
        bool accepted;
        double rate;
    } cases[] = {{KillPage::MainKill, 33, 34, true, 100.0 / 3}, {KillPage::MainKill, 34, 100, false, 0},
                 {KillPage::MainBanker, 66, 67, true, 200.0 / 3}, {KillPage::SpecialKill, 83, 84, true, 500.0 / 6}};
    for (const auto& c : cases) {
        FormulaSearchSettings s = constantOne(2021001, 2021006);
        s.page = c.page;
        s.rateFrom = c.from;
        s.rateTo = c.to;
        FormulaSearch search;
        ASSERT_EQ(search.start(ws, s), "");
        search.step(kNoBudget, 3);
        EXPECT_EQ(search.accepted(), c.accepted);
        if (c.accepted) {
            EXPECT_DOUBLE_EQ(search.rate(), c.rate);
        }
    }
    EXPECT_EQ(searchRateText(100.0 / 3), "33.33");
    EXPECT_EQ(searchRateText(100), "100");
    EXPECT_EQ(searchRateText(12.5), "12.5");
}

TEST_F(SmallSearch, CustomPageComparesWithTheTarget) {
    // Target z_num1 is 1 on four draws of six: the constant 1 is right on two.
    FormulaSearchSettings s = constantOne(2021001, 2021006);
    s.page = KillPage::CustomKill;
    s.target = "z_num1";
    s.rateFrom = 33;
    s.rateTo = 34;
    FormulaSearch search;
    ASSERT_EQ(search.start(ws, s), "");
    search.step(kNoBudget, 1);
    EXPECT_TRUE(search.accepted());
}

TEST_F(SmallSearch, EmptyOrMissingRangeNeverAccepts) {
    FormulaSearch search;
    EXPECT_EQ(search.start(ws, constantOne(2019001, 2021006)), "搜索范围的起始期不存在: 2019001");
    ASSERT_EQ(search.start(ws, constantOne(2021004, 2021002)), "");
    EXPECT_EQ(search.drawsInRange(), 0);
    search.step(kNoBudget, 20);
    EXPECT_FALSE(search.accepted());
    EXPECT_EQ(search.candidatesTested(), 20);
}

TEST_F(SmallSearch, EvaluatorFailureSkipsTheCandidate) {
    FormulaSearchSettings s = constantOne(2021001, 2021006);
    s.shape.indicator = "xyz(";
    s.accelerated = false;
    FormulaSearch search;
    ASSERT_EQ(search.start(ws, s), "");
    const auto step = search.step(kNoBudget, 4);
    EXPECT_EQ(step.error, "公式有误:xyz函数不存在");
    EXPECT_EQ(step.candidates, 4);
    EXPECT_FALSE(search.accepted());
}

class Generator : public SmallSearch {
protected:
    GeneratorSettings settings(int count) {
        GeneratorSettings g;
        g.shape = {"z_hw", 2, 1, 1};  // every candidate is the constant 1 (see SmallSearch)
        g.firstIssue = 2021001;
        g.lastIssue = 2021006;
        g.rateFrom = 0;
        g.formulaCount = count;
        g.seed = 5;
        return g;
    }
    SchemeGenerator gen;
};

TEST_F(Generator, RandomModeStoresCandidatesWithoutTesting) {
    GeneratorSettings g = settings(5);
    g.randomOnly = true;
    g.rateFrom = 101;  // ignored in this mode
    ASSERT_EQ(gen.start(ws, g), "");
    const auto step = gen.step(kNoBudget);
    EXPECT_TRUE(step.finished);
    EXPECT_EQ(gen.candidatesMade(), 5);
    EXPECT_EQ(gen.acceptedCount(), 5);
    for (int first : gen.firstWrong()) EXPECT_EQ(first, kNoWrongFormula);
    // One generator seeded once for the run: the five candidates differ.
    const std::set<std::string> distinct(gen.formulas().begin(), gen.formulas().end());
    EXPECT_EQ(distinct.size(), 5u);
}

TEST_F(Generator, FullRateRangeAcceptsTheFirstCandidate) {
    ASSERT_EQ(gen.start(ws, settings(1)), "");
    gen.step(kNoBudget);
    EXPECT_TRUE(gen.finished());
    EXPECT_EQ(gen.candidatesMade(), 1);
    EXPECT_EQ(gen.firstWrong(), (std::vector<int>{1, 1, 1, 9999, 9999, 1}));
    EXPECT_EQ(gen.wrongCounts(), (std::vector<int>{1, 1, 1, 0, 0, 1}));
    EXPECT_EQ(gen.resultText(), "");
}

TEST_F(Generator, WrongPerDrawLimitRejectsAndUndoes) {
    GeneratorSettings g = settings(3);
    g.wrongPerDraw = {true, 1, 5};
    ASSERT_EQ(gen.start(ws, g), "");
    gen.step(kNoBudget, 10);
    // The first constant is accepted; every later one is wrong on the same draws and rejected, leaving
    // the per-draw state as the first one left it.
    EXPECT_EQ(gen.acceptedCount(), 1);
    EXPECT_FALSE(gen.finished());
    EXPECT_EQ(gen.firstWrong(), (std::vector<int>{1, 1, 1, 9999, 9999, 1}));
    EXPECT_EQ(gen.wrongCounts(), (std::vector<int>{1, 1, 1, 0, 0, 1}));
    // Once as many formulas are accepted as the constraint applies to, it no longer holds back.
    g.wrongPerDraw = {true, 1, 1};
    ASSERT_EQ(gen.start(ws, g), "");
    gen.step(kNoBudget, 10);
    EXPECT_TRUE(gen.finished());
    EXPECT_EQ(gen.wrongCounts(), (std::vector<int>{3, 3, 3, 0, 0, 3}));
    EXPECT_EQ(gen.firstWrong(), (std::vector<int>{1, 1, 1, 9999, 9999, 1}));
}

TEST_F(Generator, SchemeLevelConstraints) {
    struct Case {
        const char* name;
        void (*set)(GeneratorSettings&);
        int accepted;  // after ten candidates, two wanted
    } cases[] = {
        {"scheme run 3 allowed", [](GeneratorSettings& g) { g.schemeWrongRun = {true, 3, 5}; }, 2},
        {"scheme run 2 exceeded", [](GeneratorSettings& g) { g.schemeWrongRun = {true, 2, 5}; }, 0},
        {"formula run 2 exceeded", [](GeneratorSettings& g) { g.limitFormulaWrongRun = true; g.maxFormulaWrongRun = 2; }, 0},
        {"last run 1 met", [](GeneratorSettings& g) { g.lastWrongRun = {true, 1, 5}; }, 2},
        {"last run 2 not met", [](GeneratorSettings& g) { g.lastWrongRun = {true, 2, 5}; }, 0},
        {"rate above target", [](GeneratorSettings& g) { g.rateFrom = 34; }, 0},
    };
    for (const auto& c : cases) {
        GeneratorSettings g = settings(2);
        c.set(g);
        ASSERT_EQ(gen.start(ws, g), "") << c.name;
        gen.step(kNoBudget, 10);
        EXPECT_EQ(gen.acceptedCount(), c.accepted) << c.name;
        if (c.accepted == 0) {
            for (int first : gen.firstWrong()) EXPECT_EQ(first, kNoWrongFormula) << c.name;
        }
    }
}

TEST_F(Generator, LastWrongRunNeedsTheLastDrawWrong) {
    GeneratorSettings g = settings(1);
    g.lastIssue = 2021005;  // the last tested draw lacks 01, so the constant 1 is right there
    g.lastWrongRun = {true, 1, 5};
    ASSERT_EQ(gen.start(ws, g), "");
    gen.step(kNoBudget, 5);
    EXPECT_EQ(gen.acceptedCount(), 0);
}

TEST_F(Generator, FinishingReportsTheLongestWrongRun) {
    GeneratorSettings g = settings(2);
    g.limitFormulaWrongRun = true;
    g.maxFormulaWrongRun = 3;
    ASSERT_EQ(gen.start(ws, g), "");
    gen.step(kNoBudget);
    EXPECT_TRUE(gen.finished());
    EXPECT_EQ(gen.formulas().size(), 2u);
    EXPECT_EQ(gen.resultText(), "实际最大连错：3");
}

TEST_F(Generator, EvaluatorFailureStopsTheRun) {
    GeneratorSettings g = settings(2);
    g.shape.indicator = "xyz(";
    g.accelerated = false;
    ASSERT_EQ(gen.start(ws, g), "");
    const auto step = gen.step(kNoBudget);
    EXPECT_EQ(step.error, "公式有误:xyz函数不存在");
    EXPECT_TRUE(gen.stopped());
    EXPECT_FALSE(gen.finished());
    EXPECT_EQ(gen.candidatesMade(), 1);
    EXPECT_EQ(gen.step(kNoBudget).candidates, 0);
}

}  // namespace
}  // namespace qorvel
