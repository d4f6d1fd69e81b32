// The distribution chart's association codes, single patterns, tiles and rows.
#include "views/distribution_marks.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace qorvel {
namespace {

using testing::fillStore;

// A matrix of `rows` draws over 1..20 with the listed numbers drawn in each row.
DrawnMatrix matrixOf(const std::vector<std::vector<int>>& rows) {
    DrawnMatrix m(static_cast<int>(rows.size()), 20);
    for (int r = 0; r < static_cast<int>(rows.size()); ++r)
        for (int n : rows[r]) m.set(r, n);
    return m;
}

struct CodeCase {
    const char* name;
    std::vector<std::vector<int>> rows;
    std::vector<std::tuple<int, int, int>> codes;  // (row, number, code)
};

TEST(AssociationCodes, PairsAndRunsInEveryDirection) {
    const CodeCase cases[] = {
        {"across pair", {{7, 8}}, {{0, 7, 1}, {0, 8, 1}}},
        {"across run", {{7, 8, 9}}, {{0, 7, 4}, {0, 8, 4}, {0, 9, 4}}},
        {"across run of four", {{7, 8, 9, 10}}, {{0, 7, 4}, {0, 10, 4}}},
        {"down pair", {{3}, {3}}, {{0, 3, 2}, {1, 3, 2}}},
        {"down run", {{3}, {3}, {3}}, {{0, 3, 5}, {1, 3, 5}, {2, 3, 5}}},
        {"left diagonal pair", {{7}, {6}}, {{0, 7, 3}, {1, 6, 3}}},
        {"left diagonal run", {{7}, {6}, {5}}, {{0, 7, 6}, {1, 6, 6}, {2, 5, 6}}},
        {"right diagonal run", {{5}, {6}, {7}}, {{0, 5, 6}, {1, 6, 6}, {2, 7, 6}}},
        {"isolated", {{3}, {9}}, {{0, 3, 0}, {1, 9, 0}}},
        // A pair across keeps its code against a pair down; a run down overwrites it.
        {"pair across, pair down", {{7, 8}, {7}}, {{0, 7, 1}, {1, 7, 2}}},
        {"pair across, run down", {{7, 8}, {7}, {7}}, {{0, 7, 5}, {0, 8, 1}}},
        // The down merge runs before the diagonals: a diagonal pair only fills cells still 0.
        {"down pair, diagonal pair", {{5}, {5}, {4}}, {{0, 5, 2}, {1, 5, 2}, {2, 4, 3}}},
    };
    for (const auto& c : cases) {
        const CodeMatrix codes = classifyAssociations(matrixOf(c.rows));
        for (auto [r, n, code] : c.codes) EXPECT_EQ(codes[r][n], code) << c.name << " row " << r << " number " << n;
    }
}

TEST(SinglePatterns, EachMarksEveryCellOfItsOccurrences) {
    struct Case {
        int pattern;
        std::vector<std::vector<int>> rows;
        std::vector<std::pair<int, int>> marked;  // every marked (row, number)
    } cases[] = {
        {1, {{4, 5, 9}}, {{0, 4}, {0, 5}}},
        {2, {{4, 9}, {4}}, {{0, 4}, {1, 4}}},
        {3, {{5}, {4}}, {{0, 5}, {1, 4}}},
        {4, {{5}, {6}}, {{0, 5}, {1, 6}}},
        {4, {{5}, {4}}, {}},
        {5, {{5}, {4, 6}}, {{0, 5}, {1, 4}, {1, 6}}},
        {6, {{5, 6}, {5}}, {{0, 5}, {0, 6}, {1, 5}}},
        {7, {{5, 6}, {6}}, {{0, 5}, {0, 6}, {1, 6}}},
        {8, {{5}, {5, 6}}, {{0, 5}, {1, 5}, {1, 6}}},
        {9, {{5}, {4, 5}}, {{0, 5}, {1, 4}, {1, 5}}},
        {10, {{5, 6}, {6}}, {{0, 5}, {0, 6}, {1, 6}}},
        {10, {{5}, {6}}, {}},
    };
    for (const auto& c : cases) {
        const CodeMatrix marks = singlePattern(matrixOf(c.rows), c.pattern);
        std::vector<std::pair<int, int>> marked;
        for (int r = 0; r < static_cast<int>(marks.size()); ++r)
            for (int n = 1; n <= 20; ++n)
                if (marks[r][n]) marked.emplace_back(r, n);
        EXPECT_EQ(marked, c.marked) << markingCaptions()[kFirstSinglePattern + c.pattern - 1];
    }
}

TEST(AssociationTiles, ByMarkingKind) {
    struct Case {
        int marking;
        uint8_t code;
        bool inPattern;
        int tile;
    } cases[] = {
        {0, 4, false, 0}, {0, 6, false, 0}, {0, 1, false, 1}, {0, 3, false, 1}, {0, 0, false, 2},
        {1, 5, false, 0}, {1, 2, false, 2}, {2, 5, false, 2}, {3, 0, true, 0},  {12, 0, false, 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(associationTile(c.marking, c.code, c.inPattern), c.tile) << c.marking << "/" << int(c.code);
}

class DistributionRows : public ::testing::Test {
protected:
    void SetUp() override {
        fillStore(store, {{2020001, 10, 20, 7}, {2020002, 10, 21, 8}, {2020003, 10, 30, 9},
                          {2020004, 1, 2, 3}, {2020005, 3, 4, 5}});
    }
    t_s_dm store;
    TypeParams params{2, 1, 1, 33, 1, 16, true};
};

TEST_F(DistributionRows, RunsStartingAboveTheTopRowStillCount) {
    const auto rows = associationRows(store, params, 3, 2, 0, SelectionFlags{});
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].issueText, "2020003");
    EXPECT_EQ(rows[0].numbersText, "10 30 - 09 ");
    ASSERT_EQ(rows[0].marks.size(), 2u);
    EXPECT_EQ(rows[0].marks[0].number, 10);
    EXPECT_EQ(rows[0].marks[0].tile, 0);  // the third 10 in a row, the first two above the window
    EXPECT_EQ(rows[0].marks[1].tile, 2);
    EXPECT_EQ(rows[1].marks[0].tile, 1);  // 01 02 across
}

TEST_F(DistributionRows, SelectionRowFollowsTheLastDraw) {
    SelectionFlags selection{};
    selection[4] = selection[6] = true;
    const auto rows = associationRows(store, params, 4, 5, 0, selection);
    ASSERT_EQ(rows.size(), 3u);  // two draws, the selection row, nothing after it
    EXPECT_TRUE(rows[2].selection);
    EXPECT_EQ(rows[2].issueText, "选号区");
    ASSERT_EQ(rows[2].marks.size(), 2u);
    EXPECT_EQ(rows[2].marks[0].tile, 0);  // 04 below 04: part of a pattern
    EXPECT_EQ(rows[2].marks[1].tile, 2);
    EXPECT_TRUE(associationRows(store, params, 1, 5, 0, selection).back().selection == false);
}

TEST_F(DistributionRows, StartRowLeavesRoomForTheSelectionRow) {
    EXPECT_EQ(distributionStartRow(30), 1);
    EXPECT_EQ(distributionStartRow(100), 64);
    EXPECT_EQ(distributionStartRow(38), 2);
    EXPECT_EQ(distributionStartRow(0), 1);
}

TEST(DistributionTemperatures, EachRowClassifiedBeforeItsDraw) {
    t_s_dm store;
    fillStore(store, {{2020001, 1, 2}, {2020002, 1, 3}, {2020003, 1, 4}});
    const TypeParams params{2, 0, 1, 5, 1, 16, false};
    const ColdHotSettings settings{2, 0, 2, 20, 1, 5};
    const auto rows = temperatureRows(store, params, settings, 1, 3, SelectionFlags{});
    ASSERT_EQ(rows.size(), 3u);
    auto tiles = [](const DistributionRow& row) {
        std::vector<int> t;
        for (const auto& m : row.marks) t.push_back(m.tile);
        return t;
    };
    EXPECT_EQ(tiles(rows[0]), (std::vector<int>{1, 1}));  // the first draw by itself: 1 and 2 once, warm
    EXPECT_EQ(tiles(rows[1]), (std::vector<int>{1, 2}));  // at draw 1: 1 warm, 3 cold
    EXPECT_EQ(tiles(rows[2]), (std::vector<int>{0, 2}));  // draws 1–2: 1 hot, 4 cold
    EXPECT_EQ(rows[2].temperatures[2], Temperature::Warm);
}

}  // namespace
}  // namespace qorvel

namespace qorvel {
namespace {

TEST(DistributionSelection, AtMostTheMainCountNumbers) {
    SelectionFlags selection{};
    for (int n = 1; n <= 6; ++n) EXPECT_TRUE(toggleDistributionSelection(selection, n, 6));
    EXPECT_FALSE(toggleDistributionSelection(selection, 7, 6));  // a seventh number changes nothing
    EXPECT_FALSE(selection[7]);
    EXPECT_TRUE(toggleDistributionSelection(selection, 3, 6));   // releasing is always allowed
    EXPECT_FALSE(selection[3]);
    EXPECT_TRUE(toggleDistributionSelection(selection, 7, 6));
    EXPECT_FALSE(toggleDistributionSelection(selection, 50, 6));
    EXPECT_EQ(nextTailSelectionState(3), 0);
    EXPECT_EQ(nextTailSelectionState(1), 2);
}

}  // namespace
}  // namespace qorvel

namespace qorvel {
namespace {

// Over windows of the sample history: a drawn cell has an association code exactly when it belongs to a
// consecutive pair, a repeat or a diagonal pair.
TEST(AssociationCodes, AgreeWithTheSinglePatternsOnTheSample) {
    const auto draws = testing::sampleSsqDraws();
    ASSERT_GT(draws.size(), 200u);
    for (int start : {0, 57, 150}) {
        DrawnMatrix m(44, 33);
        for (int r = 0; r < 44; ++r)
            for (int f = 1; f <= 6; ++f) m.set(r, draws[start + r][f]);
        const CodeMatrix codes = classifyAssociations(m);
        const CodeMatrix across = singlePattern(m, 1), down = singlePattern(m, 2), diagonal = singlePattern(m, 5);
        for (int r = 0; r < 44; ++r)
            for (int n = 1; n <= 33; ++n) {
                if (!m.drawn(r, n)) continue;
                const bool inPattern = across[r][n] || down[r][n] || diagonal[r][n];
                EXPECT_EQ(codes[r][n] != 0, inPattern) << start << ": row " << r << " number " << n;
                if (across[r][n]) EXPECT_TRUE(codes[r][n] == 1 || codes[r][n] >= 4) << r << "," << n;
            }
    }
}

}  // namespace
}  // namespace qorvel
