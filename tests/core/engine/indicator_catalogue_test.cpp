#include "engine/indicator_catalogue.h"

#include <gtest/gtest.h>

#include "engine_test_support.h"

namespace qorvel {
namespace {

TypeParams sixOf33() {
    return TypeParams{};
}

TypeParams fiveOf35PlusTwoOf12() {
    TypeParams p;
    p.MainCount = 5;
    p.MainTo = 35;
    p.SpecialCount = 2;
    p.SpecialTo = 12;
    return p;
}

struct RangeCase {
    const char* code;
    TypeParams params;
    int32_t minimum;
    int32_t maximum;
};

class CatalogueRange : public ::testing::TestWithParam<RangeCase> {};

TEST_P(CatalogueRange, FollowsTheLotteryType) {
    IndicatorInfo info;
    ASSERT_TRUE(lookupIndicator(info, GetParam().code, GetParam().params, "蓝号"));
    EXPECT_EQ(info.minimum, GetParam().minimum);
    EXPECT_EQ(info.maximum, GetParam().maximum);
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, CatalogueRange,
    ::testing::Values(
        // Six of 1..33 plus one of 1..16.
        RangeCase{"z_aver", sixOf33(), 3, 30}, RangeCase{"z_zdjj", sixOf33(), 1, 32},
        RangeCase{"z_dsgs", sixOf33(), 0, 6}, RangeCase{"z_lmzs", sixOf33(), 0, 5},
        RangeCase{"z_xjhe", sixOf33(), 0, 198}, RangeCase{"f_num1", sixOf33(), 1, 16},
        RangeCase{"z_wzgs", sixOf33(), 2, 6}, RangeCase{"z_maxlh", sixOf33(), 1, 6},
        RangeCase{"z_num4zf", sixOf33(), 0, 33}, RangeCase{"f_num1zf", sixOf33(), 0, 16},
        RangeCase{"xh76", sixOf33(), 3, 65}, RangeCase{"xc71", sixOf33(), 1, 32},
        // Five of 1..35 plus two of 1..12: only the N/MAX/SMAX forms move.
        RangeCase{"z_aver", fiveOf35PlusTwoOf12(), 3, 32}, RangeCase{"z_xjhe", fiveOf35PlusTwoOf12(), 0, 175},
        RangeCase{"z_jjgs", fiveOf35PlusTwoOf12(), 1, 4}, RangeCase{"z_lmzszf", fiveOf35PlusTwoOf12(), 0, 4},
        RangeCase{"f_num1", fiveOf35PlusTwoOf12(), 1, 12}, RangeCase{"xh75", fiveOf35PlusTwoOf12(), 3, 69},
        RangeCase{"xc72", fiveOf35PlusTwoOf12(), 1, 34}, RangeCase{"z_num1", fiveOf35PlusTwoOf12(), 1, 35},
        RangeCase{"z_hz", fiveOf35PlusTwoOf12(), 30, 180}, RangeCase{"xh21", fiveOf35PlusTwoOf12(), 3, 65},
        RangeCase{"z_hzylzf", fiveOf35PlusTwoOf12(), 0, 500},
        RangeCase{"z_averzf", fiveOf35PlusTwoOf12(), 0, 33},
        RangeCase{"f_num2", fiveOf35PlusTwoOf12(), 2, 12}, RangeCase{"z_aczf", fiveOf35PlusTwoOf12(), 0, 6}));

struct NameCase {
    const char* code;
    const char* name;
};

class CatalogueName : public ::testing::TestWithParam<NameCase> {};

TEST_P(CatalogueName, IsTheDisplayNameOfTheCode) {
    IndicatorInfo info;
    ASSERT_TRUE(lookupIndicator(info, GetParam().code, TypeParams{}, "蓝号"));
    EXPECT_EQ(info.name, GetParam().name);
    EXPECT_EQ(info.code, GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(
    Names, CatalogueName,
    ::testing::Values(NameCase{"xh21", "线和2_1"}, NameCase{"xc64", "线差6_4"}, NameCase{"xh73", "线和7_3"},
                      NameCase{"xh61zf", "线和6_1(极和)振幅"}, NameCase{"xc61zf", "线差6_1(极差)振幅"},
                      NameCase{"xc52zf", "线差5_2振幅"}, NameCase{"z_num7", "红号七"},
                      NameCase{"z_num3_w", "红号三尾数"}, NameCase{"z_c5y4", "除5余4个数"},
                      NameCase{"z_num1yl_toall", "红号一全局遗漏"}, NameCase{"z_ylhzzf", "遗漏和值振幅"},
                      NameCase{"z_dzxqzshezf", "主区大中小区中数和振幅"}, NameCase{"f_num1zf", "蓝号振幅"},
                      NameCase{"f_num2", "副号二"}, NameCase{"z_3fq_2qgs", "三分区的二区个数"},
                      NameCase{"z_averylzf", "主区均值遗漏振幅"}, NameCase{"z_gwhe", "高尾和"}));

struct LabelCase {
    const char* specialLabel;
    const char* name;
};

class SpecialNumberName : public ::testing::TestWithParam<LabelCase> {};

TEST_P(SpecialNumberName, FollowsTheSpecialLabel) {
    IndicatorInfo info;
    ASSERT_TRUE(lookupIndicator(info, "f_num1", TypeParams{}, GetParam().specialLabel));
    EXPECT_EQ(info.name, GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(Labels, SpecialNumberName,
                         ::testing::Values(LabelCase{"副号", "副号一"}, LabelCase{"蓝号", "蓝号"},
                                           LabelCase{"特别号", "特别号"}));

TEST(CatalogueLookup, UnknownCodeKeepsThePreviousNameAndRange) {
    IndicatorInfo info;
    ASSERT_TRUE(lookupIndicator(info, "z_hz", TypeParams{}, "蓝号"));
    for (const char* unknown : {"nope", " z_hz", "z_hz ", "Z_HZ", "", "test", "c_cz_1"}) {
        EXPECT_FALSE(lookupIndicator(info, unknown, TypeParams{}, "蓝号")) << unknown;
        EXPECT_EQ(info.code, unknown);
        EXPECT_EQ(info.name, "主区和值");
        EXPECT_EQ(info.minimum, 30);
        EXPECT_EQ(info.maximum, 180);
    }
}

TEST(CatalogueLookup, WorkspaceLookupWritesTheSharedRecord) {
    auto ws = testing::workspaceWith({{2009001, 1, 2, 3, 4, 5, 6, 7}});
    ws->types.slots[0].SpecialLabel = "副号";
    ASSERT_TRUE(lookupIndicator(*ws, "f_num1"));
    EXPECT_EQ(ws->indicatorInfo.name, "副号一");
    EXPECT_EQ(ws->indicatorInfo.maximum, 16);
    EXPECT_FALSE(lookupIndicator(*ws, "xyz"));
    EXPECT_EQ(ws->indicatorInfo.code, "xyz");
    EXPECT_EQ(ws->indicatorInfo.name, "副号一");
}

// Every code is found again as its own entry: codes are unique and the index reaches all of them.
TEST(CatalogueLookup, EveryCodeFindsItsOwnEntry) {
    for (const CatalogueEntry& entry : indicatorCatalogue()) {
        EXPECT_EQ(findCatalogueEntry(entry.code), &entry) << entry.code;
        EXPECT_FALSE(entry.name.empty()) << entry.code;
    }
}

}  // namespace
}  // namespace qorvel
