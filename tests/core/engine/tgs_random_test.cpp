// Random formulas built from the language's pieces and from stray bytes: evaluation always ends, leaves
// the cursor on its draw and the history unchanged, gives the same result twice, and fails only with one
// of the evaluator's own texts.
#include <gtest/gtest.h>

#include <random>
#include <string_view>

#include "draws/draw_text.h"
#include "tgs_test_support.h"

namespace qorvel::testing {
namespace {

constexpr int kRandomFormulas = 1000000;
constexpr int kMaxPieces = 24;
constexpr int kHistoryDraws = 40;

const char* const kPieces[] = {
    "z_hz", "z_num1", "z_num7", "test", "xyz", "c_cz_1", "max(", "min(", "mid(", "abs(", "if(", "getzf(",
    "getylz(", "getylzzf(", "getzfylz(", "getzb(", "nope(", "(", "(", ")", ")", "[", "]", "[-1]", "[1]",
    "[-3]", "[+2]", "[-99]", ",", ",", "+", "-", "*", "/", "%", "!", "&", "#", ">", "<", "=", "0", "1",
    "7", "42", "2147483647", "99999999999", " ", "a", "_", "|", ":", "\x80", "\xff", "\t", "中",
};

bool isEvaluatorText(const std::string& e) {
    namespace fe = formula_error;
    for (const char* t : {fe::kEmpty, fe::kNumberThenCharacter, fe::kAfterOperator, fe::kAfterOpenGroup,
                          fe::kUnmatchedClose, fe::kOffsetUnclosed, fe::kOffsetNotInteger, fe::kFunctionBody,
                          fe::kAfterFunction, fe::kDivisionByZero, fe::kTruncationRight, fe::kOutOfRange,
                          fe::kBadStart, fe::kTooDeep})
        if (e == t) return true;
    const std::string_view suffix = fe::kUnknownFunctionSuffix;
    return e.size() > suffix.size() && e.compare(e.size() - suffix.size(), suffix.size(), suffix) == 0;
}

TEST(RandomFormulas, EndCleanlyAndLeaveTheHistoryAsItWas) {
    Workspace ws;
    auto draws = sampleSsqDraws();
    ASSERT_GE(draws.size(), static_cast<std::size_t>(kHistoryDraws));
    draws.resize(kHistoryDraws);
    loadDrawsIntoStore(ws.MainStore, draws);
    const std::string before = ws.MainStore.fileBytes();

    std::mt19937 rng(20240601);
    std::uniform_int_distribution<int> pieceCount(0, kMaxPieces);
    std::uniform_int_distribution<std::size_t> piece(0, std::size(kPieces) - 1);
    std::uniform_int_distribution<int> row(1, kHistoryDraws);
    for (int i = 0; i < kRandomFormulas; ++i) {
        std::string formula;
        for (int n = pieceCount(rng); n > 0; --n) formula += kPieces[piece(rng)];
        const int r = row(rng);
        ws.MainStore.SetRecNo(r);
        auto first = evaluateAt(ws, formula);
        ASSERT_EQ(ws.MainStore.RecNo(), r) << formula;
        auto second = evaluateAt(ws, formula);
        ASSERT_EQ(first.ok, second.ok) << formula;
        ASSERT_EQ(first.value, second.value) << formula;
        ASSERT_EQ(first.error, second.error) << formula;
        if (!first.ok) {
            ASSERT_TRUE(isEvaluatorText(first.error)) << formula << " -> " << first.error;
        }
    }
    EXPECT_EQ(ws.MainStore.fileBytes(), before);
    EXPECT_EQ(ws.MainStore.Count(), kHistoryDraws);
}

}  // namespace
}  // namespace qorvel::testing
