// The pattern table: its columns and captions with and without tail analysis, the drawn numbers and gap
// texts of a draw, the class digit of a value for every class choice, and the hidden gap column.
#include "views/pattern_table.h"

#include <gtest/gtest.h>

#include "engine/engine_test_support.h"

namespace qorvel {
namespace {

using Kind = PatternClassKind;
using Strings = std::vector<std::string>;

class PatternTableTest : public ::testing::Test {
protected:
    void SetUp() override { ws = workspace({}); }
    std::unique_ptr<Workspace> workspace(TypeParams params) {
        auto w = testing::workspaceWith({{2020001, 1, 5, 6, 12, 20, 33, 7, 8},
                                         {2020002, 2, 9, 16, 17, 24, 30, 16, 3},
                                         {2020003, 3, 4, 10, 19, 27, 31, 11, 14}},
                                        params);
        w->types.slots[0].MainLabel = "红号";
        w->types.slots[0].SpecialLabel = "蓝号";
        return w;
    }
    static PatternTableOptions options(Kind kind, bool tails, int divisor = kPatternDivisorFrom) {
        PatternTableOptions o;
        o.kind = kind;
        o.tails = tails;
        o.divisor = divisor;
        return o;
    }
    std::unique_ptr<Workspace> ws;
};

TEST_F(PatternTableTest, ColumnsAndCaptions) {
    TypeParams twoSpecials;
    twoSpecials.SpecialCount = 2;
    const auto wsTwo = workspace(twoSpecials);
    struct Case {
        const char* what;
        const Workspace* ws;
        bool tails;
        Strings header;
    } cases[] = {
        {"without tails: the main numbers and their gaps", ws.get(), false,
         {"期号", "开奖号码", "红号1", "红号2", "红号3", "红号4", "红号5", "红号6", "间隔数", "红号间1", "红号间2",
          "红号间3", "红号间4", "红号间5", "红号间6"}},
        {"with tails the single special number gets a column", ws.get(), true,
         {"期号", "开奖号码", "红号1尾", "红号2尾", "红号3尾", "红号4尾", "红号5尾", "红号6尾", "蓝号尾", "间隔数的尾",
          "红号间1尾", "红号间2尾", "红号间3尾", "红号间4尾", "红号间5尾", "红号间6尾"}},
        {"two special numbers are numbered", wsTwo.get(), true,
         {"期号", "开奖号码", "红号1尾", "红号2尾", "红号3尾", "红号4尾", "红号5尾", "红号6尾", "蓝号1尾", "蓝号2尾",
          "间隔数的尾", "红号间1尾", "红号间2尾", "红号间3尾", "红号间4尾", "红号间5尾", "红号间6尾"}},
        {"two special numbers without tails: no columns of their own", wsTwo.get(), false,
         {"期号", "开奖号码", "红号1", "红号2", "红号3", "红号4", "红号5", "红号6", "间隔数", "红号间1", "红号间2",
          "红号间3", "红号间4", "红号间5", "红号间6"}},
    };
    for (const Case& c : cases) {
        const PatternTable t = buildPatternTable(*c.ws, options(Kind::BigSmall, c.tails));
        EXPECT_EQ(t.header, c.header) << c.what;
        const int n = c.ws->params.MainCount, p = n + (c.tails ? c.ws->params.SpecialCount : 0);
        EXPECT_EQ(t.columnCount(), p + n + 3) << c.what;
        EXPECT_EQ(t.header[static_cast<std::size_t>(t.gapColumn())].substr(0, 9), "间隔数") << c.what;
        ASSERT_EQ(t.rows.size(), 3u) << c.what;
        for (const Strings& row : t.rows) EXPECT_EQ(static_cast<int>(row.size()), t.columnCount()) << c.what;
        EXPECT_FALSE(t.isClassColumn(1));
        EXPECT_TRUE(t.isClassColumn(2));
        EXPECT_FALSE(t.isClassColumn(t.gapColumn()));
        EXPECT_TRUE(t.isClassColumn(t.columnCount() - 1));
        EXPECT_FALSE(t.isClassColumn(t.columnCount()));
    }
    const PatternTable t = buildPatternTable(*wsTwo, options(Kind::BigSmall, true));
    EXPECT_EQ(t.cell(0, 1), "01 05 06 12 20 33 -07 08 ");
}

TEST_F(PatternTableTest, RowsOfTheDrawsOldestFirst) {
    ws->MainStore.SetRecNo(2);
    const PatternTable plain = buildPatternTable(*ws, options(Kind::BigSmall, false));
    EXPECT_EQ(plain.rows[0], (Strings{"2020001", "01 05 06 12 20 33 -07 ", "0", "0", "0", "0", "1", "1",
                                      "03 00 05 07 12 00 ", "0", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(plain.cell(1, 0), "2020002");
    EXPECT_EQ(plain.cell(2, 0), "2020003");
    EXPECT_EQ(plain.cell(2, 8), "00 05 08 07 03 04 ");
    const PatternTable tails = buildPatternTable(*ws, options(Kind::BigSmall, true));
    // The special number's class column, then the gaps' tails: 3 0 5 7 2 0.
    EXPECT_EQ(tails.rows[0], (Strings{"2020001", "01 05 06 12 20 33 -07 ", "0", "1", "1", "0", "0", "0", "1",
                                      "3  0  5  7  2  0  ", "0", "0", "1", "1", "0", "0"}));
    EXPECT_EQ(tails.cell(1, 8), "1");  // special number 16, tail 6
    EXPECT_EQ(tails.cell(3, 0), "");
    // Reading the history leaves the cursor where it was.
    EXPECT_EQ(ws->MainStore.RecNo(), 2);
}

TEST_F(PatternTableTest, HiddenGapsEmptyOnlyTheGapColumn) {
    for (bool tails : {false, true}) {
        PatternTableOptions o = options(Kind::OddEven, tails);
        const PatternTable shown = buildPatternTable(*ws, o);
        o.hideGaps = true;
        const PatternTable hidden = buildPatternTable(*ws, o);
        ASSERT_EQ(hidden.header, shown.header);
        for (std::size_t r = 0; r < shown.rows.size(); ++r)
            for (int c = 0; c < shown.columnCount(); ++c)
                EXPECT_EQ(hidden.cell(static_cast<int>(r), c), c == shown.gapColumn() ? "" : shown.cell(static_cast<int>(r), c))
                    << "tails " << tails << " row " << r << " column " << c;
    }
}

TEST_F(PatternTableTest, GapsOfTheMainNumbers) {
    struct Case {
        const char* what;
        std::vector<int> numbers;
        int from, to;
        std::vector<int> gaps;
    } cases[] = {
        {"the wrap-around gap of 01 … 33 is 33 + 1 − 33 − 1", {1, 5, 6, 12, 20, 33}, 1, 33, {3, 0, 5, 7, 12, 0}},
        {"the wrap-around gap runs over the ends", {3, 4, 10, 19, 27, 31}, 1, 33, {0, 5, 8, 7, 3, 4}},
        {"a range starting at 0", {1, 2, 3}, 0, 9, {0, 0, 7}},
        {"numbers out of order are taken in ascending order", {12, 1, 6, 33, 20, 5}, 1, 33, {3, 0, 5, 7, 12, 0}},
        {"one number: only the wrap-around gap", {7}, 1, 33, {32}},
        {"no number: no gap", {}, 1, 33, {}},
    };
    for (const Case& c : cases) EXPECT_EQ(patternGaps(c.numbers, c.from, c.to), c.gaps) << c.what;
}

TEST_F(PatternTableTest, ClassOfAValue) {
    // 1 … 33: B2 = 16, B31 = 11, B32 = 22.
    const Thresholds bounds = indicatorThresholds(ws->params, ws->zones);
    ASSERT_EQ(bounds.B2, 16);
    struct Case {
        Kind kind;
        int divisor;
        bool tails;
        std::vector<std::pair<int, int>> valueClass;
    } cases[] = {
        {Kind::BigSmall, 6, false, {{16, 0}, {17, 1}, {1, 0}, {33, 1}}},
        {Kind::BigSmall, 6, true, {{16, 1}, {20, 0}, {14, 0}, {15, 1}}},
        {Kind::ThreeZones, 6, false, {{11, 0}, {12, 1}, {22, 1}, {23, 2}}},
        {Kind::ThreeZones, 6, true, {{12, 0}, {13, 1}, {25, 1}, {26, 2}, {30, 0}}},
        {Kind::OddEven, 6, false, {{7, 0}, {8, 1}}},
        {Kind::OddEven, 6, true, {{17, 0}, {20, 1}}},
        {Kind::PrimeComposite, 6, false, {{2, 0}, {9, 1}, {13, 0}, {12, 1}}},
        {Kind::PrimeComposite, 6, true, {{12, 0}, {19, 1}, {10, 1}, {23, 0}}},
        {Kind::Remainder3, 6, false, {{14, 2}, {0, 0}}},
        {Kind::Remainder3, 6, true, {{14, 1}, {29, 0}}},
        {Kind::Remainder4, 6, false, {{14, 2}, {27, 3}}},
        {Kind::Remainder4, 6, true, {{14, 0}, {27, 3}}},
        {Kind::Remainder5, 6, false, {{14, 4}, {30, 0}}},
        {Kind::Remainder5, 6, true, {{14, 4}, {31, 1}}},
        {Kind::RemainderBy, 7, false, {{30, 2}, {6, 6}}},
        {Kind::RemainderBy, 7, true, {{30, 0}, {29, 2}}},
        {Kind::RemainderBy, 9, false, {{28, 1}}},
        {Kind::RemainderBy, 9, true, {{28, 8}}},
        {Kind::RemainderBy, 10, false, {{33, 3}}},
        {Kind::RemainderBy, 6, false, {{33, 3}, {-1, 5}}},  // a damaged negative value still gives one digit
    };
    for (const Case& c : cases)
        for (const auto& [value, expected] : c.valueClass)
            EXPECT_EQ(patternClass(value, options(c.kind, c.tails, c.divisor), bounds), expected)
                << "kind " << static_cast<int>(c.kind) << " divisor " << c.divisor << " tails " << c.tails
                << " value " << value;
}

TEST_F(PatternTableTest, TheDivisorCountsOnlyWithRemainderBy) {
    const PatternTable by3 = buildPatternTable(*ws, options(Kind::Remainder3, false, 9));
    EXPECT_EQ(by3.cell(0, 7), "0");  // 33 mod 3
    const PatternTable by9 = buildPatternTable(*ws, options(Kind::RemainderBy, false, 9));
    EXPECT_EQ(by9.cell(0, 7), "6");  // 33 mod 9
}

TEST_F(PatternTableTest, AnEmptyHistoryHasTheCaptionsOnly) {
    auto empty = testing::workspaceWith({});
    const PatternTable t = buildPatternTable(*empty, options(Kind::BigSmall, true));
    EXPECT_TRUE(t.rows.empty());
    EXPECT_EQ(static_cast<int>(t.header.size()), t.columnCount());
    EXPECT_EQ(t.cell(0, 0), "");
}

}  // namespace
}  // namespace qorvel
