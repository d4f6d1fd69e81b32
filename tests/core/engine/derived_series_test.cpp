// Amplitude, omission and their combinations, for catalogue codes, formulas and plain cursor readers,
// on a five-draw history worked through by hand.
#include <gtest/gtest.h>

#include "engine/indicators.h"
#include "engine_test_support.h"

namespace qorvel {
namespace {

// z_num1: 1 1 2 1 10; z_hz: 21 22 27 21 75; f_num1: 5 5 9 1 5.
const std::vector<std::vector<int>> kHistory = {{2009001, 1, 2, 3, 4, 5, 6, 5},
                                                {2009002, 1, 2, 3, 4, 5, 7, 5},
                                                {2009003, 2, 3, 4, 5, 6, 7, 9},
                                                {2009004, 1, 2, 3, 4, 5, 6, 1},
                                                {2009005, 10, 11, 12, 13, 14, 15, 5}};

struct SeriesCase {
    const char* code;
    std::vector<int32_t> perDraw;  // the value at draws 1..5
};

class DerivedSeriesOfCode : public ::testing::TestWithParam<SeriesCase> {};

TEST_P(DerivedSeriesOfCode, AtEveryDraw) {
    auto ws = testing::workspaceWith(kHistory);
    for (int r = 1; r <= 5; ++r) {
        ws->MainStore.SetRecNo(r);
        EXPECT_EQ(indicatorValue(*ws, GetParam().code), GetParam().perDraw[r - 1]) << "draw " << r;
        EXPECT_EQ(ws->MainStore.RecNo(), r);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Series, DerivedSeriesOfCode,
    ::testing::Values(SeriesCase{"z_num1zf", {1, 0, 1, 1, 9}},  // first draw: the value itself
                      SeriesCase{"z_num1yl", {0, 0, 2, 1, 4}},  // never seen: every earlier draw
                      SeriesCase{"z_num1ylzf", {0, 0, 2, 1, 3}}, SeriesCase{"z_hzzf", {21, 1, 5, 6, 54}},
                      SeriesCase{"z_hzyl", {0, 1, 2, 2, 4}}, SeriesCase{"z_hzylzf", {0, 1, 1, 0, 2}},
                      SeriesCase{"f_num1yl", {0, 0, 2, 3, 2}}, SeriesCase{"f_num1ylzf", {0, 0, 2, 1, 1}},
                      // Any position counts: 2 is in draw 2, 1 in draw 2 (not draw 3), 10 nowhere.
                      SeriesCase{"z_num1yl_toall", {0, 0, 0, 1, 4}}));

// Formula series: the same rules over a formula evaluated at each visited draw.
struct FormulaSeriesCase {
    const char* label;
    int32_t (*series)(Workspace&, std::string_view);
    const char* formula;
    std::vector<int32_t> perDraw;
};

class DerivedSeriesOfFormula : public ::testing::TestWithParam<FormulaSeriesCase> {};

TEST_P(DerivedSeriesOfFormula, AtEveryDrawWithTheCursorReturned) {
    auto ws = testing::workspaceWith(kHistory);
    for (int r = 1; r <= 5; ++r) {
        ws->MainStore.SetRecNo(r);
        EXPECT_EQ(GetParam().series(*ws, GetParam().formula), GetParam().perDraw[r - 1]) << "draw " << r;
        EXPECT_EQ(ws->MainStore.RecNo(), r);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Series, DerivedSeriesOfFormula,
    ::testing::Values(FormulaSeriesCase{"amplitude", amplitudeOf, "z_num1", {1, 0, 1, 1, 9}},
                      FormulaSeriesCase{"omission", omissionOf, "z_num1", {0, 0, 2, 1, 4}},
                      FormulaSeriesCase{"omission amplitude", omissionAmplitudeOf, "z_num1", {0, 0, 2, 1, 3}},
                      // Amplitudes 1 0 1 1 9: the omission of that series.
                      FormulaSeriesCase{"amplitude omission", amplitudeOmissionOf, "z_num1", {0, 1, 1, 0, 4}},
                      // Amplitudes of z_hz 21 1 5 6 54 never repeat.
                      FormulaSeriesCase{"amplitude omission", amplitudeOmissionOf, "z_hz", {0, 1, 2, 3, 4}},
                      FormulaSeriesCase{
                          "omission of a code's amplitude", omissionOf, "z_num1zf", {0, 1, 1, 0, 4}}));

// A cursor reader sees the cursor on every draw it is asked about: issues never repeat, so the omission of
// the issue is the number of earlier draws, and the reader ends where it started.
TEST(DerivedSeries, CursorReadersVisitEarlierDrawsAndReturn) {
    auto ws = testing::workspaceWith(kHistory);
    t_s_dm& store = ws->MainStore;
    for (int r = 1; r <= 5; ++r) {
        store.SetRecNo(r);
        std::vector<int> visited;
        const int32_t omission = omissionAtCursor(store, [&] {
            visited.push_back(store.RecNo());
            return store.GetField(0);
        });
        EXPECT_EQ(omission, r - 1);
        EXPECT_EQ(store.RecNo(), r);
        std::vector<int> expected;
        if (r >= 2)
            for (int j = r; j >= 1; --j) expected.push_back(j);
        EXPECT_EQ(visited, expected) << "draw " << r;
        EXPECT_EQ(amplitudeAtCursor(store, [&] { return store.GetField(1); }),
                  indicatorValue(*ws, "z_num1zf"));
        EXPECT_EQ(store.RecNo(), r);
    }
}

TEST(DerivedSeries, AbsoluteDifferenceWrapsToThirtyTwoBits) {
    EXPECT_EQ(absoluteDifference(5, -3), 8);
    EXPECT_EQ(absoluteDifference(-3, 5), 8);
    EXPECT_EQ(absoluteDifference(INT32_MAX, INT32_MIN), -1);  // 2^32 − 1 wraps
}

}  // namespace
}  // namespace qorvel
