#include "combos/dual_match.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "test_support.h"
#include "text/file_io.h"

namespace qorvel {
namespace {

// p main tickets told apart by their first two numbers: ticket i (from 0) holds i % 200 + 1, i / 200 + 1.
ResultSet mainSet(int p) {
    ResultSet set;
    for (int i = 0; i < p; ++i) {
        const int32_t numbers[6] = {i % 200 + 1, i / 200 + 1, 0, 0, 0, 0};
        set.appendNumbers(numbers, 6);
    }
    return set;
}

SpecialResultSet specialSet(int q) {
    SpecialResultSet set;
    for (int j = 1; j <= q; ++j) set.appendNumbers({j});
    return set;
}

std::vector<int> firstSpecials(const DualResultSet& dual) {
    std::vector<int> out;
    for (int k = 1; k <= dual.count(); ++k) out.push_back(dual.at(k).special.at(0));
    return out;
}

struct MatchCase {
    const char* name;
    MatchMode mode;
    int p, q;
    std::string message;  // "" when the match succeeds
    int count;            // tickets afterwards (the 3 kept ones after a refusal)
};

class Matching : public ::testing::TestWithParam<MatchCase> {};

TEST_P(Matching, SizesLimitAndMessages) {
    const MatchCase& c = GetParam();
    const ResultSet mains = mainSet(c.p);
    const SpecialResultSet specials = specialSet(c.q);
    DualResultSet dual;
    for (int k = 0; k < 3; ++k) dual.append({{1, 2, 3, 4, 5, 6}, {1}, 0});
    std::mt19937 random(7);
    const MatchOutcome out = Match(c.mode, mains, 6, specials, 1, "蓝号", random, dual);
    EXPECT_EQ(out.refused, !c.message.empty());
    EXPECT_EQ(out.message, c.message);
    EXPECT_EQ(dual.count(), c.count);
    EXPECT_EQ(out.count, c.count);
    EXPECT_EQ(out.statusText, c.message.empty() ? dualStatusText(c.count) : "");
}

const std::string kNoBlue = "蓝号没有过滤结果，请先得出蓝号过滤结果";

INSTANTIATE_TEST_SUITE_P(
    Cases, Matching,
    ::testing::Values(
        MatchCase{"sequential", MatchMode::Sequential, 5, 2, "", 5},
        MatchCase{"random", MatchMode::Random, 7, 3, "", 7},
        MatchCase{"allPairs", MatchMode::AllPairs, 3, 2, "", 6},
        MatchCase{"allPairsOverLimit", MatchMode::AllPairs, 300, 200, kDualLimitMessage, 3},
        MatchCase{"sequentialSameSets", MatchMode::Sequential, 300, 200, "", 300},
        MatchCase{"allPairsAtLimit", MatchMode::AllPairs, 250, 200, "", 50000},
        MatchCase{"sequentialAtLimit", MatchMode::Sequential, 50000, 1, "", 50000},
        MatchCase{"sequentialOverLimit", MatchMode::Sequential, 50001, 1, kDualLimitMessage, 3},
        MatchCase{"limitBeforeEmptySpecials", MatchMode::Random, 50001, 0, kDualLimitMessage, 3},
        MatchCase{"noMain", MatchMode::AllPairs, 0, 4, kNoMainResultsMessage, 3},
        MatchCase{"noMainBeforeNoSpecial", MatchMode::Sequential, 0, 0, kNoMainResultsMessage, 3},
        MatchCase{"noSpecial", MatchMode::Sequential, 4, 0, kNoBlue, 3}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MatchPairs, EachModePairsAsItSays) {
    const ResultSet mains = mainSet(5);
    const SpecialResultSet specials = specialSet(2);
    DualResultSet dual;
    std::mt19937 random(3);

    Match(MatchMode::Sequential, mains, 6, specials, 1, "蓝号", random, dual);
    EXPECT_EQ(firstSpecials(dual), (std::vector<int>{1, 2, 1, 2, 1}));
    for (int k = 1; k <= 5; ++k) EXPECT_EQ(dual.at(k).main, (std::vector<int32_t>{k, 1, 0, 0, 0, 0}));

    Match(MatchMode::AllPairs, mains, 6, specials, 1, "蓝号", random, dual);
    ASSERT_EQ(dual.count(), 10);
    for (int k = 1; k <= 10; ++k) {
        EXPECT_EQ(dual.at(k).main.front(), (k + 1) / 2) << k;
        EXPECT_EQ(dual.at(k).special, (std::vector<int32_t>{2 - k % 2})) << k;
    }

    const SpecialResultSet many = specialSet(6);
    const ResultSet lots = mainSet(600);
    Match(MatchMode::Random, lots, 6, many, 1, "蓝号", random, dual);
    ASSERT_EQ(dual.count(), 600);
    std::set<int> seen;
    for (int k = 1; k <= 600; ++k) {
        EXPECT_EQ(dual.at(k).main.front(), (k - 1) % 200 + 1) << "main tickets keep their order";
        seen.insert(dual.at(k).special.at(0));
    }
    EXPECT_EQ(seen, (std::set<int>{1, 2, 3, 4, 5, 6})) << "every special is drawn, none outside the set";
}

TEST(MatchPairs, TwoSpecialNumbersAreCopiedTogether) {
    const ResultSet mains = mainSet(2);
    SpecialResultSet specials;
    specials.appendNumbers({3, 9});
    DualResultSet dual;
    std::mt19937 random(1);
    Match(MatchMode::Sequential, mains, 5, specials, 2, "副号", random, dual);
    ASSERT_EQ(dual.count(), 2);
    EXPECT_EQ(dual.at(2).main.size(), 5u);
    EXPECT_EQ(dual.at(2).special, (std::vector<int32_t>{3, 9}));
}

struct RandomCase {
    const char* name;
    TypeParams params;
    std::optional<int> count;
    int expected;
    std::string message;
};

TypeParams typeOf(int n, int from, int to, int m, int sfrom, int sto) {
    TypeParams p;
    p.MainCount = n;
    p.MainFrom = from;
    p.MainTo = to;
    p.SpecialCount = m;
    p.SpecialFrom = sfrom;
    p.SpecialTo = sto;
    return p;
}

class RandomTickets : public ::testing::TestWithParam<RandomCase> {};

TEST_P(RandomTickets, StayInTheRangesWithoutRepeats) {
    const RandomCase& c = GetParam();
    DualResultSet dual;
    dual.append({{1, 2, 3, 4, 5, 6}, {1}, 0});
    std::mt19937 random(11);
    const MatchOutcome out = randomDualTickets(c.count, c.params, random, dual);
    EXPECT_EQ(out.message, c.message);
    ASSERT_EQ(dual.count(), c.expected);
    if (!c.message.empty()) return;
    EXPECT_EQ(out.statusText, dualStatusText(c.expected));
    std::set<std::vector<int32_t>> distinct;
    for (const DualTicket& t : dual.tickets()) {
        ASSERT_EQ(static_cast<int>(t.main.size()), c.params.MainCount);
        ASSERT_EQ(static_cast<int>(t.special.size()), c.params.SpecialCount);
        EXPECT_TRUE(std::adjacent_find(t.main.begin(), t.main.end(), std::greater_equal<>()) == t.main.end())
            << "ascending, no repeats";
        EXPECT_TRUE(std::adjacent_find(t.special.begin(), t.special.end(), std::greater_equal<>()) == t.special.end());
        EXPECT_GE(t.main.front(), c.params.MainFrom);
        EXPECT_LE(t.main.back(), c.params.MainTo);
        if (!t.special.empty()) {
            EXPECT_GE(t.special.front(), c.params.SpecialFrom);
            EXPECT_LE(t.special.back(), c.params.SpecialTo);
        }
        distinct.insert(t.main);
    }
    if (c.expected >= 50 && c.params.MainTo - c.params.MainFrom + 1 > c.params.MainCount) {
        EXPECT_GT(distinct.size(), 1u) << "the tickets are not all the same";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RandomTickets,
    ::testing::Values(RandomCase{"defaultCount", typeOf(6, 1, 33, 1, 1, 16), std::nullopt, 10, ""},
                      RandomCase{"twoSpecials", typeOf(5, 1, 35, 2, 1, 12), 500, 500, ""},
                      RandomCase{"narrowSpecialRange", typeOf(5, 1, 35, 2, 3, 4), 50, 50, ""},
                      RandomCase{"wholeMainRange", typeOf(7, 1, 7, 1, 1, 16), 50, 50, ""},
                      RandomCase{"zero", typeOf(6, 1, 33, 1, 1, 16), 0, 0, ""},
                      RandomCase{"overLimit", typeOf(6, 1, 33, 1, 1, 16), 50001, 1, kDualLimitMessage}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DualGrid, HeadersFollowTheLabelsAndTheLevelColumn) {
    DualResultSet dual;
    dual.append({{1, 2, 3, 4, 5}, {3, 9}, 8});
    DualResultGrid grid = dualResultGrid(dual, 5, 2, "主号", "副号", true);
    EXPECT_EQ(grid.headers, (std::vector<std::string>{"序号", "主号1", "主号2", "主号3", "主号4", "主号5", "副号1",
                                                      "副号2", "中奖情况"}));
    EXPECT_EQ(grid.rows[0], (std::vector<std::string>{"第1条", "01", "02", "03", "04", "05", "03", "09", "八等奖"}));
    grid = dualResultGrid(dual, 5, 1, "红号", "蓝号", false);
    EXPECT_EQ(grid.headers.back(), "蓝号");
    EXPECT_EQ(grid.headers.size(), 7u);
}

TEST(DualResultFiles, RoundTripEditsAndTheLimit) {
    testing::TempDir dir;
    DualResultSet dual;
    dual.append({{1, 2, 3, 4, 5, 6}, {16}, 0});
    dual.append({{7, 8, 9, 10, 11, 33}, {1}, 3});
    EXPECT_EQ(saveDualResults(dir / "dual.txt", dual, 6, 1), "");
    EXPECT_EQ(readFileBytes(dir / "dual.txt").value_or(""),
              "01 02 03 04 05 06 16 \r\n07 08 09 10 11 33 01 \r\n");
    DualResultSet loaded;
    EXPECT_EQ(loadDualResults(dir / "dual.txt", 6, 1, loaded), "");
    ASSERT_EQ(loaded.count(), 2);
    EXPECT_EQ(loaded.at(2).main, dual.at(2).main);
    EXPECT_EQ(loaded.at(2).special, dual.at(2).special);
    EXPECT_EQ(dualPrintLines(loaded).size(), 2u);

    EXPECT_EQ(loaded.remove(3), kSelectRowToDeleteMessage);
    EXPECT_EQ(loaded.replace(1, {{2, 3, 4, 5, 6, 7}, {2}, 0}), "");
    EXPECT_EQ(loaded.remove(2), "");
    EXPECT_EQ(loaded.at(1).special, (std::vector<int32_t>{2}));

    std::string big;
    for (int i = 0; i <= kMaxDualTickets; ++i) big += "01 02 03 04 05 06 07 \n";
    ASSERT_EQ(writeFileAtomically(dir / "big.txt", big), "");
    EXPECT_EQ(loadDualResults(dir / "big.txt", 6, 1, loaded), kDualLimitMessage);
    EXPECT_EQ(loaded.count(), 1) << "a refused load keeps the set";
    for (int i = loaded.count(); i < kMaxDualTickets; ++i) ASSERT_TRUE(loaded.append({{1}, {1}, 0}));
    EXPECT_FALSE(loaded.append({{1}, {1}, 0})) << "the set holds at most 50,000 tickets";
}

}  // namespace
}  // namespace qorvel
