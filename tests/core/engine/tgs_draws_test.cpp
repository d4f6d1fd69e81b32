// Formulas over a history: indicator names, offsets and the draw the cursor returns to, functions at a
// moved position, and the derived series of formulas at the first, second and later draws.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>

#include "draws/draw_text.h"
#include "engine/derived_series.h"
#include "tgs_test_support.h"

namespace qorvel::testing {
namespace {

// Row of kFiveDraws:        1    2    3    4    5
// main sum z_hz:           21   42   21  105   33
// first number z_num1:      1    2    1    5    3
// value column test:       10   20   30   40   50
struct DrawCase {
    int row;
    const char* formula;
    int32_t value;
};

class FormulaAtDraw : public ::testing::TestWithParam<DrawCase> {
protected:
    void SetUp() override { loadHistory(ws, kFiveDraws); }
    Workspace ws;
};

TEST_P(FormulaAtDraw, HasItsValueAndLeavesTheCursorOnTheDraw) {
    ws.MainStore.SetRecNo(GetParam().row);
    auto o = evaluateAt(ws, GetParam().formula);
    EXPECT_TRUE(o.ok) << o.error;
    EXPECT_EQ(o.value, GetParam().value);
    EXPECT_EQ(ws.MainStore.RecNo(), GetParam().row);
}

INSTANTIATE_TEST_SUITE_P(Names, FormulaAtDraw, ::testing::Values(
    DrawCase{3, "z_hz", 21},
    DrawCase{3, "z_hz+z_num1", 22},
    DrawCase{3, "z_num1+z_hz*2", 44},
    DrawCase{3, "z_hz 5", 21},         // the space ends the formula
    DrawCase{3, "(z_hz)+1", 22},
    DrawCase{3, "(z_hz)z_num1", 21},   // stops after the group
    DrawCase{2, "test*2", 40},         // the value column
    DrawCase{3, "xyz", -999},          // an unknown name is no error
    DrawCase{3, "xyz+1000", 1},
    DrawCase{3, "z_hz,3", -999},       // the comma belongs to the name
    DrawCase{3, "max(z_hz,3)", 21},
    DrawCase{3, "getzb(z_hz)", 21},
    DrawCase{3, "getzb(z_hz)+getzb(xyz)", -978},
    DrawCase{3, "getzb()", -999}));

INSTANTIATE_TEST_SUITE_P(Offsets, FormulaAtDraw, ::testing::Values(
    DrawCase{3, "[-1]z_hz", 42},
    DrawCase{3, "[-1]z_hz+z_hz", 63},      // the cursor is back on draw 3 for the second term
    DrawCase{3, "z_hz-[-1]z_hz", -21},
    DrawCase{3, "[1]z_hz", 105},
    DrawCase{3, "[+1]z_hz", 105},
    DrawCase{3, "[0]z_hz", 21},
    DrawCase{3, "[-2]z_hz*[1]z_num1", 105},
    DrawCase{3, "[-10]z_num1", 1},         // stops at the first draw
    DrawCase{3, "[10]z_num1", 3},          // and at the last
    DrawCase{1, "[-1]z_hz", 21},           // the first draw reads itself
    DrawCase{3, "([-1]z_hz)*2", 84},
    DrawCase{3, "[-1]xyz", -999},
    DrawCase{3, "[-1]", -999},             // nothing after the offset: an empty name
    DrawCase{3, "max(z_num1,[-1]z_num1,[-2]z_num1)", 2},
    DrawCase{1, "max(z_num1,[-1]z_num1,[-2]z_num1)", 1},
    // An offset in front of a function applies to the whole call and the cursor comes back after it.
    DrawCase{5, "[-1]getzf(z_hz)+z_hz", 84 + 33},
    DrawCase{4, "[-1]max(z_num1,0)+z_num1", 1 + 5},
    DrawCase{4, "[-3]getzb(z_hz)+z_hz", 21 + 105}));

struct SeriesCase {
    const char* formula;
    std::vector<int32_t> values;  // at rows 1..5
};

class DerivedSeries : public ::testing::TestWithParam<SeriesCase> {
protected:
    void SetUp() override { loadHistory(ws, kFiveDraws); }
    Workspace ws;
};

TEST_P(DerivedSeries, AtEveryDraw) {
    const auto& c = GetParam();
    for (int row = 1; row <= 5; ++row) {
        ws.MainStore.SetRecNo(row);
        auto o = evaluateAt(ws, c.formula);
        EXPECT_TRUE(o.ok) << o.error;
        EXPECT_EQ(o.value, c.values[row - 1]) << c.formula << " at row " << row;
        EXPECT_EQ(ws.MainStore.RecNo(), row);
    }
}

INSTANTIATE_TEST_SUITE_P(Formulas, DerivedSeries, ::testing::Values(
    // Amplitude: at the first draw the previous value counts as 0.
    SeriesCase{"getzf(z_hz)", {21, 21, 21, 84, 72}},
    SeriesCase{"getzf(z_num1)", {1, 1, 1, 4, 2}},
    SeriesCase{"getzf(test)", {10, 10, 10, 10, 10}},
    SeriesCase{"getzf(3)", {3, 0, 0, 0, 0}},
    SeriesCase{"getzf()", {0, 0, 0, 0, 0}},
    SeriesCase{"getzf([-1]z_hz)", {21, 0, 21, 21, 84}},  // [-1]z_hz: 21 21 42 21 105
    SeriesCase{"getzf(getzf(z_hz))", {21, 0, 0, 63, 12}},
    SeriesCase{"getzf(z_num1,z_hz)", {21, 21, 21, 84, 72}},  // the last argument counts
    // Omission: draws back to the previous equal value, or all earlier draws.
    SeriesCase{"getylz(z_hz)", {0, 1, 1, 3, 4}},
    SeriesCase{"getylz(z_num1)", {0, 1, 1, 3, 4}},
    SeriesCase{"getylz(test)", {0, 1, 2, 3, 4}},
    SeriesCase{"getylz(xyz)", {0, 0, 0, 0, 0}},
    // Omission amplitude: |omission(t) − omission(t−1)|, 0 before the first draw.
    SeriesCase{"getylzzf(z_hz)", {0, 1, 0, 2, 1}},
    SeriesCase{"getylzzf(test)", {0, 1, 1, 1, 1}},
    // Amplitude omission: the omission of 21 21 21 84 72.
    SeriesCase{"getzfylz(z_hz)", {0, 0, 0, 3, 4}},
    SeriesCase{"getylz(getzf(z_hz))", {0, 0, 0, 3, 4}},
    SeriesCase{"getzf(z_hz)+getylz(z_hz)*2", {42, 44, 44, 174, 152}}));

TEST(FormulaCursor, ReturnsAfterAFailureBehindAnOffset) {
    Workspace ws;
    loadHistory(ws, kFiveDraws);
    ws.MainStore.SetRecNo(4);
    auto o = evaluateAt(ws, "[-2]xyz(1)");
    EXPECT_FALSE(o.ok);
    EXPECT_EQ(o.error, std::string("xyz") + formula_error::kUnknownFunctionSuffix);
    EXPECT_EQ(ws.MainStore.RecNo(), 4);
}

// With no draw at all nothing moves and nothing is read out of range.
TEST(FormulaCursor, EmptyHistory) {
    Workspace ws;
    struct Case {
        const char* formula;
        int32_t value;
    };
    const Case cases[] = {{"[-1]z_num1+1", 1}, {"getzf(5)", 5}, {"getylz(5)", 0}, {"getylzzf(5)", 0},
                          {"getzfylz(5)", 0}, {"[3]getzf(2)", 2}};
    for (const auto& c : cases) {
        auto o = evaluateAt(ws, c.formula);
        EXPECT_TRUE(o.ok) << c.formula << ": " << o.error;
        EXPECT_EQ(o.value, c.value) << c.formula;
    }
}

// The series functions called directly, as the indicator engine and pages do.
TEST(FormulaSeriesFunctions, AtTheFirstAndSecondDraw) {
    Workspace ws;
    loadHistory(ws, kFiveDraws);
    struct Case {
        int row;
        int32_t (*series)(Workspace&, std::string_view);
        int32_t value;
    };
    const Case cases[] = {
        {1, amplitudeOf, 21},         {2, amplitudeOf, 21},         {1, omissionOf, 0},
        {2, omissionOf, 1},           {1, omissionAmplitudeOf, 0},  {2, omissionAmplitudeOf, 1},
        {1, amplitudeOmissionOf, 0},  {2, amplitudeOmissionOf, 0},  {4, amplitudeOmissionOf, 3},
    };
    for (const auto& c : cases) {
        ws.MainStore.SetRecNo(c.row);
        EXPECT_EQ(c.series(ws, "z_hz"), c.value) << "row " << c.row;
        EXPECT_EQ(ws.MainStore.RecNo(), c.row);
    }
}

// On the whole sample history, nested series against the rows read directly: amplitude of amplitude
// many levels deep (each level needs the level below at two draws, which doubles per level unless values
// are reused) and the omission of the amplitude of the main sum.
class SampleHistory : public ::testing::Test {
protected:
    void SetUp() override {
        loadDrawsIntoStore(ws.MainStore, sampleSsqDraws());
        for (int r = 1; r <= ws.MainStore.Count(); ++r) {
            const auto& f = ws.MainStore.Row(r).fields;
            sums.push_back(f[1] + f[2] + f[3] + f[4] + f[5] + f[6]);
        }
    }
    static std::vector<int32_t> amplitudes(const std::vector<int32_t>& x) {
        std::vector<int32_t> a(x.size());
        for (std::size_t i = 0; i < x.size(); ++i) a[i] = std::abs(x[i] - (i > 0 ? x[i - 1] : 0));
        return a;
    }
    Workspace ws;
    std::vector<int32_t> sums;  // index 0 is row 1
};

TEST_F(SampleHistory, DeeplyNestedAmplitudeAtTheLastDraw) {
    constexpr int kLevels = 30;  // recomputing instead of reusing would take 2^30 evaluations
    std::string formula = "z_hz";
    std::vector<int32_t> expected = sums;
    for (int k = 0; k < kLevels; ++k) {
        formula = "getzf(" + formula + ")";
        expected = amplitudes(expected);
    }
    const int last = ws.MainStore.Count();
    ws.MainStore.SetRecNo(last);
    const auto start = std::chrono::steady_clock::now();
    auto o = evaluateAt(ws, formula);
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_TRUE(o.ok) << o.error;
    EXPECT_EQ(o.value, expected.back());
    EXPECT_LT(seconds, 10.0);
    EXPECT_EQ(ws.MainStore.RecNo(), last);
}

TEST_F(SampleHistory, OmissionOfTheAmplitudeAtDrawsAcrossTheHistory) {
    const std::vector<int32_t> amp = amplitudes(sums);
    for (int row : {1, 2, 3, 100, 1000, 2500, ws.MainStore.Count()}) {
        int32_t expected = 0;
        for (int j = row - 1; j >= 1 && amp[j - 1] != amp[row - 1]; --j) ++expected;
        ws.MainStore.SetRecNo(row);
        auto o = evaluateAt(ws, "getylz(getzf(z_hz))");
        EXPECT_EQ(o.value, expected) << "row " << row;
        EXPECT_EQ(evaluateAt(ws, "getzfylz(z_hz)").value, expected) << "row " << row;
    }
}

}  // namespace
}  // namespace qorvel::testing
