// Values of catalogue codes on small hand-made histories; every expected value is worked out by hand from
// the indicator rules (the history's last draw is the draw under the cursor).
#include <gtest/gtest.h>

#include <cstdlib>

#include "engine/indicators.h"
#include "engine_test_support.h"

namespace qorvel {
namespace {

using Draws = std::vector<std::vector<int>>;

TypeParams withSpecials(int mainCount, int mainTo, int specialCount, int specialTo) {
    TypeParams p;
    p.MainCount = mainCount;
    p.MainTo = mainTo;
    p.SpecialCount = specialCount;
    p.SpecialTo = specialTo;
    p.HasSpecial = specialCount > 0;
    return p;
}

// A previous draw and a draw worked through by hand below (six of 1..33 plus one: B2 16, B31 11, B32 22,
// T 16).
const Draws kPair = {{2009001, 2, 8, 14, 19, 26, 33, 12}, {2009002, 3, 8, 13, 17, 25, 32, 7}};

struct ValueCase {
    const char* label;
    Draws draws;
    const char* code;
    int32_t expected;
    TypeParams params = TypeParams{};
};

class IndicatorValue : public ::testing::TestWithParam<ValueCase> {};

TEST_P(IndicatorValue, AtTheLastDraw) {
    auto ws = testing::workspaceWith(GetParam().draws, GetParam().params);
    EXPECT_EQ(indicatorValue(*ws, GetParam().code), GetParam().expected)
        << GetParam().code << " " << GetParam().label;
    EXPECT_EQ(ws->MainStore.RecNo(), ws->MainStore.Count()) << "cursor moved";
}

INSTANTIATE_TEST_SUITE_P(RuleExamples, IndicatorValue,
                         ::testing::Values(
                             // 1 is prime: the primes of 1 2 4 9 15 27 are 1 and 2.
                             ValueCase{"primes", {{1, 1, 2, 4, 9, 15, 27}}, "z_zsgs", 2},
                             ValueCase{"prime pairs", {{1, 1, 2, 4, 9, 15, 27}}, "z_zhlx", 1},
                             ValueCase{"non-prime pairs", {{1, 1, 2, 4, 9, 15, 27}}, "z_hhlx", 3},
                             ValueCase{"AC", {{1, 4, 7, 11, 19, 23, 26}}, "z_ac", 4},
                             ValueCase{"sum", {{1, 4, 7, 11, 19, 23, 26}}, "z_hz", 90},
                             ValueCase{"sum tail", {{1, 4, 7, 11, 19, 23, 26}}, "z_hw", 0},
                             ValueCase{"tail sum", {{1, 4, 7, 11, 19, 23, 26}}, "z_wh", 30},
                             ValueCase{"big count", {{1, 4, 7, 11, 19, 23, 26}}, "z_dsgs", 3},
                             ValueCase{"consecutive", {{1, 4, 7, 11, 19, 23, 26}}, "z_lmzs", 0},
                             ValueCase{"largest gap", {{1, 4, 7, 11, 19, 23, 26}}, "z_zdjj", 8},
                             ValueCase{"smallest gap", {{1, 4, 7, 11, 19, 23, 26}}, "z_zxjj", 3},
                             ValueCase{"gap kinds", {{1, 4, 7, 11, 19, 23, 26}}, "z_jjgs", 3},
                             ValueCase{"spread", {{1, 6, 8, 9, 14, 24, 33}}, "z_sd", 9},
                             ValueCase{
                                 "skew", {{1, 5, 10, 21, 22, 26, 33}, {2, 6, 8, 9, 14, 24, 33}}, "z_pd", 4},
                             ValueCase{"average halves up", {{1, 1, 2, 3, 4, 5, 6}}, "z_aver", 4},
                             ValueCase{"longest run", {{1, 3, 4, 5, 9, 10, 30}}, "z_maxlh", 3}));

INSTANTIATE_TEST_SUITE_P(
    WorkedDraw, IndicatorValue,
    ::testing::Values(ValueCase{"", kPair, "z_hz", 98}, ValueCase{"", kPair, "z_hw", 8},
                      ValueCase{"", kPair, "z_wh", 28}, ValueCase{"", kPair, "z_jshe", 58},
                      ValueCase{"", kPair, "z_oshe", 40}, ValueCase{"", kPair, "z_zshe", 33},
                      ValueCase{"", kPair, "z_hshe", 65}, ValueCase{"", kPair, "z_dxqdshe", 74},
                      ValueCase{"", kPair, "z_dxqxshe", 24}, ValueCase{"", kPair, "z_dzxqxshe", 11},
                      ValueCase{"", kPair, "z_dzxqzshe", 30}, ValueCase{"", kPair, "z_dzxqdshe", 57},
                      ValueCase{"", kPair, "z_c3yshe", 8}, ValueCase{"", kPair, "z_c4yshe", 6},
                      ValueCase{"", kPair, "z_c5yshe", 13}, ValueCase{"", kPair, "z_0lhe", 3},
                      ValueCase{"", kPair, "z_1lhe", 38}, ValueCase{"", kPair, "z_2lhe", 57},
                      ValueCase{"", kPair, "z_gwhe", 20}, ValueCase{"", kPair, "z_xjhe", 16},
                      ValueCase{"", kPair, "z_djhe", 42}, ValueCase{"", kPair, "z_xohe", 8},
                      ValueCase{"", kPair, "z_dohe", 32}, ValueCase{"", kPair, "z_xzhe", 16},
                      ValueCase{"", kPair, "z_dzhe", 17}, ValueCase{"", kPair, "z_xhhe", 8},
                      ValueCase{"", kPair, "z_dhhe", 57}, ValueCase{"", kPair, "z_dsgs", 3},
                      ValueCase{"", kPair, "z_jsgs", 4}, ValueCase{"", kPair, "z_zsgs", 3},
                      ValueCase{"", kPair, "z_wzgs", 5}, ValueCase{"", kPair, "z_lmzs", 0},
                      ValueCase{"", kPair, "z_ac", 9}, ValueCase{"", kPair, "z_zdjj", 8},
                      ValueCase{"", kPair, "z_zxjj", 4}, ValueCase{"", kPair, "z_jjgs", 4},
                      ValueCase{"", kPair, "z_gwgs", 3}, ValueCase{"", kPair, "z_jhlx", 2},
                      ValueCase{"", kPair, "z_ohlx", 0}, ValueCase{"", kPair, "z_zhlx", 1},
                      ValueCase{"", kPair, "z_hhlx", 1}, ValueCase{"", kPair, "z_maxlh", 1},
                      ValueCase{"", kPair, "z_c3y0", 1}, ValueCase{"", kPair, "z_c3y1", 2},
                      ValueCase{"", kPair, "z_c3y2", 3}, ValueCase{"", kPair, "z_c4y0", 2},
                      ValueCase{"", kPair, "z_c4y1", 3}, ValueCase{"", kPair, "z_c4y2", 0},
                      ValueCase{"", kPair, "z_c4y3", 1}, ValueCase{"", kPair, "z_c5y0", 1},
                      ValueCase{"", kPair, "z_c5y2", 2}, ValueCase{"", kPair, "z_c5y3", 3},
                      ValueCase{"", kPair, "z_3fq_1qgs", 2}, ValueCase{"", kPair, "z_3fq_2qgs", 2},
                      ValueCase{"", kPair, "z_3fq_3qgs", 2}, ValueCase{"", kPair, "z_sd", 7},
                      ValueCase{"", kPair, "z_pd", 2}, ValueCase{"", kPair, "z_cmgs", 1},
                      ValueCase{"", kPair, "z_nmzs", 4}, ValueCase{"", kPair, "z_aver", 16},
                      ValueCase{"", kPair, "z_num5", 25}, ValueCase{"", kPair, "z_num5_w", 5},
                      ValueCase{"", kPair, "xh62", 40}, ValueCase{"", kPair, "xc53", 12},
                      // The seventh position of a six-number type reads the slot after the main numbers.
                      ValueCase{"", kPair, "z_num7", 7}, ValueCase{"", kPair, "xh76", 39},
                      ValueCase{"", kPair, "xc71", 4}, ValueCase{"", kPair, "f_num1", 7},
                      ValueCase{"", kPair, "f_hz", 7}, ValueCase{"", kPair, "f_num2", 0},
                      ValueCase{"", kPair, "f_cz", -7}, ValueCase{"", kPair, "f_aver", 7},
                      ValueCase{"", kPair, "f_pd", 5}, ValueCase{"one special number", kPair, "f_sd", 255},
                      ValueCase{"", kPair, "z_hzzf", 4}, ValueCase{"", kPair, "z_num1zf", 1},
                      ValueCase{"", kPair, "f_num1zf", 5}, ValueCase{"", kPair, "z_num2yl", 0},
                      ValueCase{"", kPair, "z_num1yl", 1}, ValueCase{"", kPair, "z_num2yl_toall", 0},
                      ValueCase{"", kPair, "z_num1yl_toall", 1}, ValueCase{"", kPair, "z_ylhz", 5}));

// The big-count threshold depends on the lowest number, unlike the small/big boundary of the sums.
TypeParams from5To33() {
    TypeParams p;
    p.MainFrom = 5;
    return p;
}

INSTANTIATE_TEST_SUITE_P(
    OtherTypes, IndicatorValue,
    ::testing::Values(
        ValueCase{"T follows MIN", {{1, 1, 2, 3, 15, 16, 17}}, "z_dsgs", 3, from5To33()},
        ValueCase{"B2 ignores MIN", {{1, 1, 2, 3, 15, 16, 17}}, "z_dxqdshe", 17, from5To33()},
        // Five of 1..35 plus two of 1..12.
        ValueCase{"",
                  {{1, 3, 11, 19, 27, 35, 2, 9}, {2, 1, 2, 3, 4, 5, 4, 12}},
                  "f_num2",
                  12,
                  withSpecials(5, 35, 2, 12)},
        ValueCase{"",
                  {{1, 3, 11, 19, 27, 35, 2, 9}, {2, 1, 2, 3, 4, 5, 4, 12}},
                  "f_hz",
                  16,
                  withSpecials(5, 35, 2, 12)},
        ValueCase{"",
                  {{1, 3, 11, 19, 27, 35, 2, 9}, {2, 1, 2, 3, 4, 5, 4, 12}},
                  "f_cz",
                  8,
                  withSpecials(5, 35, 2, 12)},
        ValueCase{"",
                  {{1, 3, 11, 19, 27, 35, 2, 9}, {2, 1, 2, 3, 4, 5, 4, 12}},
                  "f_pd",
                  3,
                  withSpecials(5, 35, 2, 12)},
        ValueCase{"",
                  {{1, 3, 11, 19, 27, 35, 2, 9}, {2, 1, 2, 3, 4, 5, 4, 12}},
                  "f_sd",
                  8,
                  withSpecials(5, 35, 2, 12)},
        ValueCase{"",
                  {{1, 3, 11, 19, 27, 35, 2, 9}, {2, 1, 2, 3, 4, 5, 4, 12}},
                  "f_aver",
                  8,
                  withSpecials(5, 35, 2, 12)},
        ValueCase{"special mean halves up",
                  {{1, 3, 11, 19, 27, 35, 2, 9}},
                  "f_aver",
                  6,
                  withSpecials(5, 35, 2, 12)},
        ValueCase{
            "sixth position of five", {{1, 3, 11, 19, 27, 35, 2, 9}}, "xh65", 37, withSpecials(5, 35, 2, 12)},
        ValueCase{
            "c_ys sums mod 256", {{1, 44, 45, 46, 47, 48, 49}}, "c_ys_1_1_0", 23, withSpecials(6, 49, 1, 16)},
        // Without special numbers.
        ValueCase{
            "", {{1, 1, 2, 3, 4, 5, 6}, {2, 1, 2, 3, 4, 5, 7}}, "f_aver", 0, withSpecials(6, 33, 0, 16)},
        ValueCase{"", {{1, 1, 2, 3, 4, 5, 6}, {2, 1, 2, 3, 4, 5, 7}}, "f_sd", 0, withSpecials(6, 33, 0, 16)},
        ValueCase{"", {{1, 1, 2, 3, 4, 5, 6}, {2, 1, 2, 3, 4, 5, 7}}, "f_pd", 0, withSpecials(6, 33, 0, 16)},
        ValueCase{"", {{1, 1, 2, 3, 4, 5, 6}, {2, 1, 2, 3, 4, 5, 7}}, "f_hz", 0, withSpecials(6, 33, 0, 16)},
        ValueCase{"unknown name", kPair, "xyz", kUnknownIndicator},
        ValueCase{"codes are case-sensitive", kPair, "Z_HZ", kUnknownIndicator},
        ValueCase{"no trimming", kPair, " z_hz", kUnknownIndicator},
        ValueCase{"empty name", kPair, "", kUnknownIndicator}));

struct TemperatureCase {
    int period;
    const char* code;
    int32_t expected;
};

class Temperature : public ::testing::TestWithParam<TemperatureCase> {};

// Frequencies among the draws before the current one (cold ≤ 0, hot ≥ 2): with a period of 3 the numbers
// 1 2 3 4 7 20 were drawn 3, 3, 2, 1, 1 and 0 times; with a period of 2, 2, 2, 1, 0, 1 and 0 times.
TEST_P(Temperature, CountsTheDrawsBeforeTheCurrentOne) {
    auto ws = testing::workspaceWith(
        {{1, 1, 2, 3, 4, 5, 6}, {2, 1, 2, 3, 7, 8, 9}, {3, 1, 2, 10, 11, 12, 13}, {4, 1, 2, 3, 4, 7, 20}});
    ws->coldHot.qs = GetParam().period;
    ws->coldHot.coldcs = 0;
    ws->coldHot.hotcs = 2;
    EXPECT_EQ(indicatorValue(*ws, GetParam().code), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Periods, Temperature,
    ::testing::Values(TemperatureCase{3, "z_lwr_lmgs", 1}, TemperatureCase{3, "z_lwr_wmgs", 2},
                      TemperatureCase{3, "z_lwr_rmgs", 3}, TemperatureCase{2, "z_lwr_lmgs", 2},
                      TemperatureCase{2, "z_lwr_wmgs", 2}, TemperatureCase{2, "z_lwr_rmgs", 2},
                      TemperatureCase{0, "z_lwr_lmgs", 6}));

TEST(IndicatorValue, TestReadsTheValueColumnNotField10) {
    auto ws = testing::workspaceWith({{2009001, 1, 2, 3, 4, 5, 6, 7, 8, 9, 77}});
    ws->MainStore.SetValue(5);
    EXPECT_EQ(indicatorValue(*ws, "test"), 5);
}

TEST(IndicatorValue, PrimeRule) {
    const struct {
        int x;
        bool prime;
    } cases[] = {{0, false},  {1, true},   {2, true},  {3, true},   {4, false},        {9, false},
                 {25, false}, {49, false}, {97, true}, {-3, false}, {2147483647, true}};
    for (const auto& c : cases) EXPECT_EQ(isPrime(c.x), c.prime) << c.x;
}

TEST(IndicatorValue, ThresholdsFollowTheZoneRule) {
    const struct {
        int from, to;
        Thresholds expected;
    } cases[] = {{1, 33, {16, 11, 22, 33, 16}},
                 {5, 33, {16, 11, 22, 33, 14}},
                 {1, 35, {17, 11, 23, 35, 17}},
                 {1, 49, {24, 16, 32, 49, 24}}};
    for (const auto& c : cases) {
        TypeParams p;
        p.MainFrom = c.from;
        p.MainTo = c.to;
        // Built and missing zone tables give the same thresholds.
        for (const ZoneBounds& zones : {buildZoneBounds(c.to), ZoneBounds{}}) {
            const Thresholds t = indicatorThresholds(p, zones);
            EXPECT_EQ(t.B2, c.expected.B2) << c.to;
            EXPECT_EQ(t.B31, c.expected.B31) << c.to;
            EXPECT_EQ(t.B32, c.expected.B32) << c.to;
            EXPECT_EQ(t.B33, c.expected.B33) << c.to;
            EXPECT_EQ(t.T, c.expected.T) << c.to;
        }
    }
}

// The first draw has no previous draw: skew and repeats 0, every omission 0, amplitudes the value itself.
TEST(IndicatorValue, FirstDrawOfAHistory) {
    auto ws = testing::sampleWorkspace(5);
    ws->MainStore.SetRecNo(1);
    EXPECT_EQ(indicatorValue(*ws, "z_pd"), 0);
    EXPECT_EQ(indicatorValue(*ws, "z_cmgs"), 0);
    EXPECT_EQ(indicatorValue(*ws, "f_pd"), 0);
    for (const CatalogueEntry& entry : indicatorCatalogue()) {
        SCOPED_TRACE(entry.code);
        if (entry.series == DerivedSeries::Omission || entry.series == DerivedSeries::OmissionAmplitude ||
            entry.kernel == IndicatorKernel::GlobalOmission ||
            entry.kernel == IndicatorKernel::GlobalOmissionSum) {
            EXPECT_EQ(indicatorValue(*ws, entry.code), 0);
        }
        if (entry.series == DerivedSeries::Amplitude) {
            const std::string base(entry.code.substr(0, entry.code.size() - 2));
            EXPECT_EQ(indicatorValue(*ws, entry.code), std::abs(indicatorValue(*ws, base)));
        }
    }
    EXPECT_EQ(ws->MainStore.RecNo(), 1);
}

// Counts from a damaged type record are held to the record, so nothing reads past it.
TEST(IndicatorValue, OversizedCountsStayInsideTheRecord) {
    TypeParams p;
    p.MainCount = 200;
    p.SpecialCount = 100;
    auto ws =
        testing::workspaceWith({{1, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {2, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}}, p);
    EXPECT_EQ(indicatorValue(*ws, "z_hz"), 55);   // the fifty number fields, ten of them set
    EXPECT_EQ(indicatorValue(*ws, "f_num1"), 0);  // past the record
    for (const CatalogueEntry& entry : indicatorCatalogue()) indicatorValue(*ws, entry.code);
    EXPECT_EQ(ws->MainStore.RecNo(), 2);
}

TEST(IndicatorValue, EmptyStoreReadsZeros) {
    auto ws = testing::workspaceWith({});
    EXPECT_EQ(indicatorValue(*ws, "z_hz"), 0);
    EXPECT_EQ(indicatorValue(*ws, "z_hzyl"), 0);
    EXPECT_EQ(ws->MainStore.RecNo(), 0);
}

}  // namespace
}  // namespace qorvel
