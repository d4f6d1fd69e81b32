#include "killbanker/formula_set_files.h"

#include <gtest/gtest.h>

#include "test_support.h"
#include "text/file_io.h"
#include "text/gbk.h"

namespace qorvel {
namespace {

using testing::TempDir;

std::string fileText(const std::filesystem::path& path) {
    return readFileBytes(path).value_or("<missing>");
}

struct KindCase {
    std::string_view prefix;
    int linesPerScheme;
};

class FormulaSetCreation : public ::testing::TestWithParam<KindCase> {};

TEST_P(FormulaSetCreation, MissingFileIsCreatedWithTheDefaultOnEveryLine) {
    TempDir dir;
    const auto& kind = *std::find_if(kFormulaSetKinds.begin(), kFormulaSetKinds.end(),
                                     [&](const FormulaSetKind& k) { return k.prefix == GetParam().prefix; });
    FormulaSet set;
    ASSERT_EQ(loadFormulaSet(dir.path(), kind, 3, set), "");

    const auto path = dir.path() / "save" / (std::string(GetParam().prefix) + "3.txt");
    std::string expected;
    for (int i = 0; i < 10 * GetParam().linesPerScheme; ++i) expected += "[-1]z_hw\r\n";
    EXPECT_EQ(fileText(path), expected);
    EXPECT_EQ(set.formulas.size(), static_cast<std::size_t>(10 * GetParam().linesPerScheme));
    EXPECT_EQ(set.formula(10, GetParam().linesPerScheme), "[-1]z_hw");
}

INSTANTIATE_TEST_SUITE_P(AllFiveFiles, FormulaSetCreation,
                         ::testing::Values(KindCase{"hmsh", 60}, KindCase{"hmsw", 30}, KindCase{"lmsh", 60},
                                           KindCase{"hmtd", 15}, KindCase{"fqtd", 10}),
                         [](const auto& info) { return std::string(info.param.prefix); });

const FormulaSetKind kBanker{"fqtd", 10};

TEST(FormulaSetFile, ExistingFileIsReadSchemeBySchemeAndLeftUntouched) {
    TempDir dir;
    std::vector<std::string> lines;
    for (int scheme = 1; scheme <= 10; ++scheme)
        for (int i = 1; i <= 10; ++i)
            lines.push_back("[-" + std::to_string(i) + "]f_num" + std::to_string(scheme));
    lines[0] = "和值公式+1";  // GBK text must come back as the same UTF-8
    const auto path = dir.path() / "save" / "fqtd7.txt";
    const std::string bytes = joinGbkLines(lines);
    ASSERT_EQ(writeFileAtomically(path, bytes), "");

    FormulaSet set;
    ASSERT_EQ(loadFormulaSet(dir.path(), kBanker, 7, set), "");
    EXPECT_EQ(set.formula(1, 1), "和值公式+1");
    EXPECT_EQ(set.formula(1, 2), "[-2]f_num1");
    EXPECT_EQ(set.formula(4, 9), "[-9]f_num4");
    EXPECT_EQ(set.formula(10, 10), "[-10]f_num10");
    EXPECT_EQ(fileText(path), bytes);
}

TEST(FormulaSetFile, ShortAndLongFilesAreFittedToTheCapacityWithoutRewriting) {
    struct Case {
        const char* name;
        int lines;
        int firstDefault;  // 1-based position of the first padded formula, 0 = none
    } cases[] = {{"empty", 0, 1}, {"short", 13, 14}, {"exact", 100, 0}, {"long", 130, 0}};
    for (const auto& c : cases) {
        TempDir dir;
        std::vector<std::string> lines;
        for (int i = 1; i <= c.lines; ++i) lines.push_back("x" + std::to_string(i));
        const auto path = dir.path() / "save" / "fqtd0.txt";
        const std::string bytes = joinGbkLines(lines);
        ASSERT_EQ(writeFileAtomically(path, bytes), "");

        FormulaSet set;
        ASSERT_EQ(loadFormulaSet(dir.path(), kBanker, 0, set), "") << c.name;
        ASSERT_EQ(set.formulas.size(), 100u) << c.name;
        for (int i = 1; i <= 100; ++i) {
            const bool padded = c.firstDefault != 0 && i >= c.firstDefault;
            EXPECT_EQ(set.formulas[i - 1], padded ? "[-1]z_hw" : "x" + std::to_string(i))
                << c.name << " line " << i;
        }
        EXPECT_EQ(fileText(path), bytes) << c.name;
    }
}

TEST(FormulaSetFile, SaveRewritesTheWholeFile) {
    TempDir dir;
    FormulaSet set;
    ASSERT_EQ(loadFormulaSet(dir.path(), kBanker, 2, set), "");
    set.formulas[10] = "[-2]z_hw+1";
    ASSERT_EQ(saveFormulaSet(dir.path(), 2, set), "");
    FormulaSet again;
    ASSERT_EQ(loadFormulaSet(dir.path(), kBanker, 2, again), "");
    EXPECT_EQ(again.formulas, set.formulas);
    EXPECT_EQ(again.formula(2, 1), "[-2]z_hw+1");
}

TEST(FormulaSetFile, AllFiveSetsOfATypeAreLoadedAndAFailureIsReported) {
    TempDir dir;
    std::array<FormulaSet, kFormulaSetKinds.size()> sets;
    ASSERT_EQ(loadFormulaSets(dir.path(), 4, sets), "");
    for (std::size_t k = 0; k < sets.size(); ++k) {
        EXPECT_EQ(sets[k].kind.prefix, kFormulaSetKinds[k].prefix);
        EXPECT_TRUE(std::filesystem::exists(formulaSetPath(dir.path(), kFormulaSetKinds[k], 4)));
    }

    // A plain file where the "save" folder should be: nothing can be created, the sets keep the defaults.
    TempDir blocked;
    ASSERT_EQ(writeFileAtomically(blocked.path() / "save", "x"), "");
    EXPECT_NE(loadFormulaSets(blocked.path(), 0, sets), "");
    EXPECT_EQ(sets[0].formula(1, 1), "[-1]z_hw");
    EXPECT_EQ(sets[0].formulas.size(), 600u);
}

}  // namespace
}  // namespace qorvel
