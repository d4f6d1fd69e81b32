// The pair affinity: which pairs count as drawn together over which range, the 相生 and 相克 lists by
// the two limits, and the texts of the sheet.
#include "views/pair_affinity.h"

#include <gtest/gtest.h>

#include "engine/engine_test_support.h"

namespace qorvel {
namespace {

class PairAffinityTest : public ::testing::Test {
protected:
    void SetUp() override {
        // 1 and 2 are drawn together three times, 1 and 3 twice (once in the two newest draws).
        ws = testing::workspaceWith({{2020001, 1, 2, 3, 10, 20, 30, 1},
                                     {2020002, 1, 2, 4, 11, 21, 31, 2},
                                     {2020003, 1, 2, 5, 12, 22, 32, 3},
                                     {2020004, 1, 3, 6, 13, 23, 33, 4},
                                     {2020005, 2, 7, 8, 14, 24, 29, 5}});
    }
    PairAffinity over(PairDrawRange range, int affine = kDefaultAffineLimit, int hostile = kDefaultHostileLimit) {
        return pairAffinity(ws->MainStore, ws->params, range, affine, hostile);
    }
    std::unique_ptr<Workspace> ws;
};

TEST_F(PairAffinityTest, CountsTheDrawsHoldingBothNumbers) {
    const PairAffinity p = over({1, 5});
    EXPECT_EQ(p.draws, 5);
    EXPECT_EQ(p.highest, 33);
    struct Case {
        int a, b, count;
    } cases[] = {{1, 2, 3}, {2, 1, 3}, {1, 3, 2}, {3, 1, 2}, {2, 7, 1}, {7, 8, 1}, {1, 33, 1}, {1, 9, 0}, {9, 19, 0}};
    for (const Case& c : cases) {
        EXPECT_EQ(p.countOf(c.a, c.b), c.count) << c.a << "," << c.b;
        EXPECT_EQ(p.cellText(c.a, c.b), std::to_string(c.count)) << c.a << "," << c.b;
    }
    // A number with itself counts the draws holding it, but its cell stays empty.
    EXPECT_EQ(p.countOf(1, 1), 4);
    EXPECT_EQ(p.cellText(1, 1), "");
    EXPECT_EQ(p.kindOf(9, 9), PairKind::Neutral);
    // Outside the table: no count, no text, no crash.
    for (auto [a, b] : {std::pair{0, 1}, {1, 34}, {-1, 2}, {50, 3}, {1000, 1000}}) {
        EXPECT_EQ(p.cellText(a, b), "") << a << "," << b;
        EXPECT_EQ(p.kindOf(a, b), PairKind::Neutral);
    }
    EXPECT_EQ(p.countOf(-1, 2), 0);
    EXPECT_EQ(p.countOf(2, 50), 0);
}

TEST_F(PairAffinityTest, RangesOfDraws) {
    t_s_dm& store = ws->MainStore;
    struct Case {
        const char* what;
        PairDrawRange range;
        int first, size;
    } cases[] = {
        {"近 2: the two newest", nearDrawsRange(store, "2"), 4, 2},
        {"近 beyond the history: all", nearDrawsRange(store, "300"), 1, 5},
        {"所有", nearDrawsRange(store, "所有"), 1, 5},
        {"typed with blanks", nearDrawsRange(store, " 3 "), 3, 3},
        {"近 0: none", nearDrawsRange(store, "0"), 1, 0},
        {"text that is no choice: none", nearDrawsRange(store, "abc"), 1, 0},
        {"negative: none", nearDrawsRange(store, "-4"), 1, 0},
        {"自定义 from the second to the fourth", customDrawsRange(store, 2020002, 2020004), 2, 3},
        {"自定义 one draw", customDrawsRange(store, 2020005, 2020005), 5, 1},
        {"自定义 to before from: none", customDrawsRange(store, 2020004, 2020002), 1, 0},
        {"自定义 unknown issue: none", customDrawsRange(store, 2020002, 2020009), 1, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.range.size(), c.size) << c.what;
        if (c.size > 0) {
            EXPECT_EQ(c.range.first, c.first) << c.what;
        }
    }
    // The key lookups leave the cursor where it was.
    store.SetRecNo(2);
    customDrawsRange(store, 2020001, 2020005);
    EXPECT_EQ(store.RecNo(), 2);

    // The range decides what is counted: 1 and 2 never meet in the two newest draws.
    EXPECT_EQ(over(nearDrawsRange(store, "2")).countOf(1, 2), 0);
    EXPECT_EQ(over(nearDrawsRange(store, "2")).countOf(1, 3), 1);
    EXPECT_EQ(over(customDrawsRange(store, 2020002, 2020004)).countOf(1, 2), 2);
    const PairAffinity none = over(customDrawsRange(store, 2020004, 2020002));
    EXPECT_EQ(none.draws, 0);
    EXPECT_EQ(none.countOf(1, 2), 0);
    // With nothing counted every pair lies below the 相克 limit 1.
    EXPECT_TRUE(none.affine.empty());
    EXPECT_EQ(none.hostile.size(), std::size_t{33 * 32 / 2});
}

TEST_F(PairAffinityTest, NearChoiceDraws) {
    EXPECT_EQ(nearChoiceDraws("所有", 640), 640);
    EXPECT_EQ(nearChoiceDraws("50", 640), 50);
    EXPECT_EQ(nearChoiceDraws("1000", 40), 1000);
    EXPECT_EQ(nearChoiceDraws("", 40), -1);
    EXPECT_EQ(nearChoiceDraws("5x", 40), -1);
}

TEST_F(PairAffinityTest, ListsByTheLimits) {
    struct Case {
        const char* what;
        int affine, hostile;
        std::vector<std::string> affineLines;  // the first lines of 相生
        std::size_t affineCount, hostileCount;
        std::string firstHostile;
    } cases[] = {
        // 33 numbers give 528 pairs; 72 of them are drawn: 1-2 three times, 1-3 twice, 70 others once.
        {"more than twice", 2, 1, {"01:02==>3次"}, 1, 528 - 72, "03:04==>0次"},
        {"more than once", 1, 1, {"01:02==>3次", "01:03==>2次"}, 2, 528 - 72, "03:04==>0次"},
        {"more than never: every pair drawn", 0, 1, {"01:02==>3次", "01:03==>2次", "02:03==>1次"}, 72, 528 - 72,
         "03:04==>0次"},
        {"below 3 but above 5: hostile except 1-2", 5, 3, {}, 0, 527, "01:03==>2次"},
        // A pair above the 相生 limit is never listed under 相克 too.
        {"limits crossed", 0, 5, {"01:02==>3次"}, 72, 528 - 72, "03:04==>0次"},
        {"nothing hostile below 0", 1000, 0, {}, 0, 0, ""},
    };
    for (const Case& c : cases) {
        const PairAffinity p = over({1, 5}, c.affine, c.hostile);
        ASSERT_GE(p.affine.size(), c.affineLines.size()) << c.what;
        for (std::size_t i = 0; i < c.affineLines.size(); ++i) EXPECT_EQ(p.affine[i], c.affineLines[i]) << c.what;
        EXPECT_EQ(p.affine.size(), c.affineCount) << c.what;
        EXPECT_EQ(p.hostile.size(), c.hostileCount) << c.what;
        if (!c.firstHostile.empty()) {
            ASSERT_FALSE(p.hostile.empty()) << c.what;
            EXPECT_EQ(p.hostile.front(), c.firstHostile) << c.what;
        }
    }
    EXPECT_EQ(affineCountText(72), "相生[72]");
    EXPECT_EQ(hostileCountText(0), "相克[0]");
}

TEST_F(PairAffinityTest, CellKindsFollowTheLimits) {
    const PairAffinity p = over({1, 5}, 2, 1);
    EXPECT_EQ(p.kindOf(1, 2), PairKind::Affine);
    EXPECT_EQ(p.kindOf(2, 1), PairKind::Affine);
    EXPECT_EQ(p.kindOf(1, 3), PairKind::Neutral);
    EXPECT_EQ(p.kindOf(1, 9), PairKind::Hostile);
    EXPECT_EQ(p.kindOf(1, 1), PairKind::Neutral);  // the diagonal
    EXPECT_EQ(pairKind(6, 5, 1), PairKind::Affine);
    EXPECT_EQ(pairKind(5, 5, 1), PairKind::Neutral);
    EXPECT_EQ(pairKind(0, 5, 1), PairKind::Hostile);
    EXPECT_EQ(pairKind(1, 5, 1), PairKind::Neutral);
}

TEST(PairAffinityTexts, LinesAndRangeLength) {
    EXPECT_EQ(pairListLine(3, 17, 12), "03:17==>12次");
    EXPECT_EQ(pairListLine(1, 2, 0), "01:02==>0次");
    EXPECT_EQ(customRangeText(0, 99), "共100期");
    EXPECT_EQ(customRangeText(5, 5), "共1期");
}

// A type whose numbers start at 0 or run past 49: the table is numbered 1 … MainTo (at most 49) and
// nothing outside 0 … 49 is counted.
TEST(PairAffinityNumbering, NumbersOutsideTheTable) {
    TypeParams params;
    params.MainCount = 3;
    params.SpecialCount = 0;
    params.HasSpecial = false;
    params.MainFrom = 0;
    params.MainTo = 60;
    auto ws = testing::workspaceWith({{2021001, 0, 5, 55, 0}, {2021002, 0, 5, 49, 0}, {2021003, -3, 5, 49, 0}}, params);
    const PairAffinity p = pairAffinity(ws->MainStore, ws->params, {1, 3}, 1, 1);
    EXPECT_EQ(p.highest, 49);
    EXPECT_EQ(p.countOf(0, 5), 2);  // counted, not shown
    EXPECT_EQ(p.cellText(0, 5), "");
    EXPECT_EQ(p.countOf(5, 49), 2);
    EXPECT_EQ(p.countOf(5, 55), 0);
    EXPECT_EQ(p.affine, std::vector<std::string>{"05:49==>2次"});
    // A range past the history is cut to it.
    EXPECT_EQ(pairAffinity(ws->MainStore, ws->params, {-5, 900}, 1, 1).draws, 3);
}

}  // namespace
}  // namespace qorvel
