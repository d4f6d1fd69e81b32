#include "views/settings_listings.h"

#include <gtest/gtest.h>

#include <regex>

namespace qorvel {
namespace {

TEST(ChineseNumber, NumeralsUsedInZoneNames) {
    const std::pair<int, const char*> cases[] = {{1, "一"},    {2, "二"},    {9, "九"},    {10, "十"},
                                                 {11, "十一"}, {15, "十五"}, {20, "二十"}, {37, "三十七"}};
    for (auto [n, text] : cases) EXPECT_EQ(chineseNumber(n), text) << n;
}

TEST(ZoneDivisionListing, ExactLinesForThirtyThreeNumbers) {
    const auto lines = zoneDivisionListing(buildZoneBounds(33));
    ASSERT_EQ(lines.size(), 28u);  // a heading and a zone line for each of 2..15 zones
    const std::pair<std::size_t, std::string> expected[] = {
        {0, "(二区的分区设定)"},
        {1, "小区<1..16>          大区<17..33>"},
        {2, "(三区的分区设定)"},
        {3, "一区<1..11>          二区<12..22>          三区<23..33>"},
        {5, "一区<1..8>          二区<9..16>          三区<17..24>          四区<25..33>"},
        {7,
         "一区<1..6>          二区<7..12>          三区<13..19>          四区<20..26>          五区<27..33>"},
        {9,
         "一区<1..5>          二区<6..10>          三区<11..15>          四区<16..21>          五区<22..27>"
         "         六区<28..33>"},
        {26, "(十五区的分区设定)"},
    };
    for (const auto& [index, line] : expected) EXPECT_EQ(lines[index], line) << "line " << index;
}

TEST(ZoneDivisionListing, EveryZoneCountNamesItsZonesInOrder) {
    const auto zones = buildZoneBounds(22);
    const auto lines = zoneDivisionListing(zones);
    for (int n = 2; n <= 15; ++n) {
        const std::string& heading = lines[2 * (n - 2)];
        const std::string& line = lines[2 * (n - 2) + 1];
        EXPECT_EQ(heading, "(" + chineseNumber(n) + "区的分区设定)");
        // Rebuild the expected zone line from the bounds and the blank rule.
        std::string expected;
        const auto& b = zones.forCount(n);
        for (int k = 1; k <= n; ++k) {
            if (k > 1) expected += std::string(k <= 5 ? 10 : 9, ' ');
            const std::string name = n == 2 ? (k == 1 ? "小区" : "大区") : chineseNumber(k) + "区";
            expected += name + "<" + std::to_string(b[k - 1] + 1) + ".." + std::to_string(b[k]) + ">";
        }
        EXPECT_EQ(line, expected) << n << " zones";
        EXPECT_EQ(line.rfind("一区<1..", 0) == 0 || line.rfind("小区<1..", 0) == 0, true) << n;
    }
    EXPECT_EQ(lines[3], "一区<1..7>          二区<8..14>          三区<15..22>");
}

TEST(PatternLabels, ValuesAndLabelsOfTheClassSets) {
    struct Case {
        PatternClassSet set;
        int indicators;
        bool ordered;
        std::size_t values;
        std::vector<std::pair<std::size_t, std::string>> labels;
    };
    const Case cases[] = {
        {PatternClassSet::OddEven, 2, true, 4, {{0, "偶偶"}, {1, "偶奇"}, {2, "奇偶"}, {3, "奇奇"}}},
        {PatternClassSet::SmallMiddleBig, 2, true, 9, {{0, "小小"}, {5, "中大"}, {8, "大大"}}},
        {PatternClassSet::OddEven, 2, false, 3, {{0, "两偶"}, {1, "一偶一奇"}, {2, "两奇"}}},
        {PatternClassSet::SmallMiddleBig,
         2,
         false,
         6,
         {{0, "两小"}, {1, "一小一中"}, {2, "一小一大"}, {3, "两中"}, {4, "一中一大"}, {5, "两大"}}},
        {PatternClassSet::CompositePrime, 3, true, 8, {{0, "合合合"}, {6, "质质合"}, {7, "质质质"}}},
        {PatternClassSet::SmallMiddleBig, 3, true, 27, {{0, "小小小"}, {1, "小小中"}, {26, "大大大"}}},
        {PatternClassSet::RemainderByThree, 3, true, 27, {{5, "零壹贰"}, {26, "贰贰贰"}}},
        {PatternClassSet::OddEven, 3, false, 4, {{0, "三偶"}, {1, "两偶一奇"}, {2, "一偶两奇"}, {3, "三奇"}}},
        {PatternClassSet::RemainderByThree,
         3,
         false,
         10,
         {{0, "三0路"}, {1, "两0路一1路"}, {4, "一0路一1路一2路"}, {5, "一0路两2路"}, {9, "三2路"}}},
        {PatternClassSet::RepeatGapMiddle, 3, false, 10, {{3, "一复两隔"}, {8, "一隔两中"}}},
        {PatternClassSet::NeighbourIsolatedPassed, 2, true, 9, {{0, "邻邻"}, {7, "传孤"}}},
    };
    for (const auto& c : cases) {
        const auto labels = patternLabels(c.set, c.indicators, c.ordered);
        ASSERT_EQ(labels.size(), c.values)
            << static_cast<int>(c.set) << "/" << c.indicators << "/" << c.ordered;
        for (const auto& [value, label] : c.labels) EXPECT_EQ(labels[value], label) << value;
    }
}

TEST(PatternValueListing, SectionsHeadingsBlanksAndValueCounts) {
    const auto lines = patternValueListing();
    ASSERT_EQ(lines.size(), 4u * 8 + 3);
    EXPECT_EQ(lines[0], "两个指标组合的单选形态");
    EXPECT_EQ(lines[1], "      0=  偶偶      1=  偶奇      2=  奇偶      3=  奇奇");
    EXPECT_EQ(lines[9], "两个指标组合的组选形态");
    EXPECT_EQ(lines[14],
              "      0=  两0路      1=  一0路一1路      2=  一0路一2路      3=  两1路      4=  一1路一2路"
              "      5=  两2路");
    EXPECT_EQ(lines[18], "三个指标组合的单选形态");
    EXPECT_EQ(lines[27], "三个指标组合的组选形态");
    for (std::size_t blank : {8u, 17u, 26u}) EXPECT_EQ(lines[blank], "") << blank;

    // Two classes come first in each section (odd/even, prime, small/big), then four three-class sets.
    const std::size_t twoClass[] = {4, 3, 8, 4};
    const std::size_t threeClass[] = {9, 6, 27, 10};
    const std::regex entry("      (\\d+)=  ");
    for (int section = 0; section < 4; ++section) {
        for (int set = 0; set < 7; ++set) {
            const std::string& line = lines[section * 9 + 1 + set];
            std::vector<int> values;
            for (auto it = std::sregex_iterator(line.begin(), line.end(), entry);
                 it != std::sregex_iterator(); ++it)
                values.push_back(std::stoi((*it)[1]));
            const std::size_t expected = set < 3 ? twoClass[section] : threeClass[section];
            ASSERT_EQ(values.size(), expected) << "section " << section << " set " << set;
            for (std::size_t v = 0; v < values.size(); ++v) EXPECT_EQ(values[v], static_cast<int>(v));
        }
    }
}

}  // namespace
}  // namespace qorvel
