#include <gtest/gtest.h>

#include "combos/result_ops.h"
#include "test_support.h"
#include "text/file_io.h"
#include "text/gbk.h"

namespace qorvel {
namespace {

using Rows = std::vector<std::vector<int32_t>>;

ResultSet makeSet(const Rows& rows) {
    ResultSet set;
    for (const auto& r : rows) set.appendNumbers(r.data(), static_cast<int>(r.size()));
    return set;
}

Rows rowsOf(const ResultSet& set, int mainCount) {
    Rows rows;
    for (int k = 1; k <= set.count(); ++k) {
        std::vector<int32_t> r;
        for (int i = 0; i < mainCount; ++i) r.push_back(set.slot(k).bytes[i]);
        rows.push_back(r);
    }
    return rows;
}

const Rows kTickets = {{1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 7}, {2, 3, 4, 5, 6, 7}};

struct RemovalCase {
    const char* name;
    std::vector<std::string> list;
    std::string message;
    Rows left;
};

class Removal : public ::testing::TestWithParam<RemovalCase> {};

TEST_P(Removal, RemovesMatchesOrReportsTheBadLine) {
    const RemovalCase& c = GetParam();
    ResultSet set = makeSet(kTickets);
    set.slot(1).setHits(6, 3);  // a stale hit count must not survive
    const RemovalOutcome out = removeListedCombinations(set, c.list, 6);
    EXPECT_EQ(out.message, c.message);
    EXPECT_EQ(rowsOf(set, 6), c.left);
    for (int k = 1; k <= set.count() && c.message.empty(); ++k) EXPECT_EQ(set.slot(k).hits(6), 0) << k;
}

INSTANTIATE_TEST_SUITE_P(
    Lists, Removal,
    ::testing::Values(
        RemovalCase{"middle", {"01 02 03 04 05 07"}, "", {kTickets[0], kTickets[2]}},
        RemovalCase{"firstAndLastWithTrailingBlank",
                    {" 02 03 04 05 06 07 ", "01 02 03 04 05 06", ""}, "", {kTickets[1]}},
        RemovalCase{"noMatchKeepsAll", {"01 02 03 04 05 08"}, "", kTickets},
        RemovalCase{"shortLine", {"01 02 03 04 05"}, "第1行号码组有误，请正确填入", kTickets},
        RemovalCase{"doubleSpaceOnSecondLine", {"01 02 03 04 05 07", "01  02 03 04 05 06"},
                    "第2行号码组有误，请正确填入", kTickets},
        RemovalCase{"blankLineInside", {"01 02 03 04 05 07", "", "02 03 04 05 06 07"},
                    "第2行号码组有误，请正确填入", kTickets}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MainPrizeCheck, SortsByHitsKeepingOrderAndResortsOnASecondCheck) {
    // Hits against {1,2,3,4,20,21}: 4, 2, 2, 3, 0.
    ResultSet set = makeSet({{1, 2, 3, 4, 5, 6},
                             {1, 2, 14, 15, 16, 17},
                             {1, 2, 7, 8, 9, 10},
                             {1, 2, 3, 11, 12, 13},
                             {7, 8, 9, 10, 11, 12}});
    EXPECT_EQ(mainPrizeCheck(set, 6, {1, 2, 3, 4, 20, 21}), (std::vector<int>{1, 0, 2, 1, 1, 0, 0}));
    EXPECT_EQ(rowsOf(set, 6), (Rows{{1, 2, 3, 4, 5, 6},
                                    {1, 2, 3, 11, 12, 13},
                                    {1, 2, 14, 15, 16, 17},
                                    {1, 2, 7, 8, 9, 10},
                                    {7, 8, 9, 10, 11, 12}}));
    EXPECT_EQ(set.slot(2).hits(6), 3);
    // Against {7..12}: 0, 2, 0, 4, 6.
    EXPECT_EQ(mainPrizeCheck(set, 6, {7, 8, 9, 10, 11, 12}), (std::vector<int>{2, 0, 1, 0, 1, 0, 1}));
    EXPECT_EQ(rowsOf(set, 6), (Rows{{7, 8, 9, 10, 11, 12},
                                    {1, 2, 7, 8, 9, 10},
                                    {1, 2, 3, 11, 12, 13},
                                    {1, 2, 3, 4, 5, 6},
                                    {1, 2, 14, 15, 16, 17}}));
}

TEST(MainPrizeCheck, EmptySetGivesAllZeroCounts) {
    ResultSet set;
    EXPECT_EQ(mainPrizeCheck(set, 5, {1, 2, 3, 4, 5}), (std::vector<int>(6, 0)));
}

struct LevelCase {
    int i, j, level;
};

TEST(DualPrize, LevelTableFirstMatchWins) {
    const LevelCase cases[] = {{5, 2, 1}, {5, 1, 2}, {5, 0, 3}, {4, 2, 4}, {4, 1, 5}, {4, 0, 6},
                               {3, 2, 6}, {3, 1, 7}, {2, 2, 7}, {3, 0, 8}, {2, 1, 8}, {1, 2, 8},
                               {0, 2, 8}, {2, 0, 0}, {1, 1, 0}, {0, 1, 0}, {1, 0, 0}, {0, 0, 0}};
    for (const auto& c : cases) EXPECT_EQ(dualPrizeLevel(c.i, c.j), c.level) << c.i << "+" << c.j;
    EXPECT_EQ(dualLevelText(1), "一等奖");
    EXPECT_EQ(dualLevelText(8), "八等奖");
    EXPECT_EQ(dualLevelText(0), "未中奖");
}

TEST(DualPrize, SetsLevelsSortsByLevelAndSummarises) {
    std::vector<DualTicket> tickets = {{{6, 7, 8, 9, 10}, {3, 4}, 5},       // 0 + 0
                                       {{1, 2, 3, 4, 5}, {1, 2}, 0},        // 5 + 2
                                       {{1, 2, 20, 21, 22}, {5, 6}, 0},     // 2 + 0
                                       {{30, 31, 32, 33, 34}, {2, 1}, 0}};  // 0 + 2
    const auto perLevel = dualPrizeCheck(tickets, {1, 2, 3, 4, 5}, {1, 2});
    std::vector<std::vector<int32_t>> mains;
    std::vector<int> levels;
    for (const auto& t : tickets) {
        mains.push_back(t.main);
        levels.push_back(t.level);
    }
    EXPECT_EQ(levels, (std::vector<int>{1, 8, 0, 0}));
    EXPECT_EQ(mains, (Rows{{1, 2, 3, 4, 5}, {30, 31, 32, 33, 34}, {6, 7, 8, 9, 10}, {1, 2, 20, 21, 22}}));
    EXPECT_EQ(dualPrizeSummary(perLevel),
              "一等奖:1个;二等奖:0个;三等奖:0个;四等奖:0个;五等奖:0个;六等奖:0个;七等奖:0个;八等奖:1个;"
              "未中奖:2个");
}

TEST(DualPrize, MoreThanFiveMainNumbersCountTheirHitsFromTheTop) {
    // Six of 33 with one special: all six and the special rank first among the levels one special allows.
    std::vector<DualTicket> tickets = {{{1, 2, 3, 4, 5, 6}, {9}, 0},      // 6 + 1 ranks as 5 + 1
                                       {{1, 2, 3, 4, 5, 7}, {9}, 0},      // 5 + 1 ranks as 4 + 1
                                       {{1, 2, 3, 4, 5, 6}, {8}, 0},      // 6 + 0 ranks as 5 + 0
                                       {{1, 20, 21, 22, 23, 24}, {9}, 0}};  // 1 + 1 ranks as 0 + 1
    dualPrizeCheck(tickets, {1, 2, 3, 4, 5, 6}, {9});
    std::vector<int> levels;
    for (const auto& t : tickets) levels.push_back(t.level);
    EXPECT_EQ(levels, (std::vector<int>{2, 3, 5, 0}));
}

TEST(DualPrize, SixOf33PlusOneUsesItsOwnTable) {
    TypeParams ssq;
    ssq.MainCount = 6, ssq.MainFrom = 1, ssq.MainTo = 33, ssq.SpecialCount = 1, ssq.SpecialFrom = 1, ssq.SpecialTo = 16;
    ASSERT_EQ(dualPrizeTableFor(ssq), DualPrizeTable::SixOf33PlusOne);
    TypeParams other = ssq;
    other.MainTo = 35;
    EXPECT_EQ(dualPrizeTableFor(other), DualPrizeTable::FivePlusTwo);
    other = ssq;
    other.SpecialCount = 2;
    EXPECT_EQ(dualPrizeTableFor(other), DualPrizeTable::FivePlusTwo);

    const LevelCase cases[] = {{6, 1, 1}, {6, 0, 2}, {5, 1, 3}, {5, 0, 4}, {4, 1, 4}, {4, 0, 5}, {3, 1, 5},
                               {2, 1, 6}, {1, 1, 6}, {0, 1, 6}, {3, 0, 0}, {2, 0, 0}, {0, 0, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(dualPrizeLevel(DualPrizeTable::SixOf33PlusOne, c.i, c.j), c.level) << c.i << "+" << c.j;

    // A 2 + 1 ticket wins the sixth prize; the summary lists the six levels the game pays.
    std::vector<DualTicket> tickets = {{{1, 2, 20, 21, 22, 23}, {9}, 0}, {{1, 2, 3, 4, 5, 6}, {9}, 0}};
    const auto perLevel = dualPrizeCheck(DualPrizeTable::SixOf33PlusOne, tickets, {1, 2, 3, 4, 5, 6}, {9});
    EXPECT_EQ(tickets[0].level, 1);
    EXPECT_EQ(tickets[1].level, 6);
    EXPECT_EQ(dualPrizeSummary(perLevel, DualPrizeTable::SixOf33PlusOne),
              "一等奖:1个;二等奖:0个;三等奖:0个;四等奖:0个;五等奖:0个;六等奖:1个;未中奖:0个");
}

TEST(PrintFile, LabelColumnsNumbersAndGbkFile) {
    const auto lines = printLines({{1, 2, 33}, {4, 5, 6}}, true);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "记录号          红号一  红号二  红号三  红号四  红号五  红号六  红号七");
    EXPECT_EQ(lines[1], "第1条       " "      01      02      33");
    EXPECT_EQ(printLines({{7}}, false), (std::vector<std::string>{"第1条             07"}));

    testing::TempDir dir;
    ASSERT_EQ(writePrintFile(dir.path(), lines), "");
    const auto bytes = readFileBytes(dir.path() / "temppadnote.txt");
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(readGbkLines(*bytes), lines);
}

}  // namespace
}  // namespace qorvel
