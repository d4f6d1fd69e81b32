// Scheme editing in a formula set, the formula files of import and save, and the custom kill file.
#include <gtest/gtest.h>

#include "killbanker/formula_set_files.h"
#include "test_support.h"
#include "text/file_io.h"
#include "text/gbk.h"

namespace qorvel {
namespace {

using testing::TempDir;

TEST(SchemeEditing, ImportFillsTheSchemeFromIndexOneUpToItsCapacity) {
    TempDir dir;
    FormulaSet set;
    ASSERT_EQ(loadFormulaSet(dir.path(), *findFormulaSetKind("fqtd"), 1, set), "");
    std::vector<std::string> lines;
    for (int i = 1; i <= 12; ++i) lines.push_back("f_num1+" + std::to_string(i));
    EXPECT_EQ(set.importIntoScheme(3, lines), 10);
    EXPECT_EQ(set.formula(3, 10), "f_num1+10");
    EXPECT_EQ(set.formula(2, 10), "[-1]z_hw");
    EXPECT_EQ(set.formula(4, 1), "[-1]z_hw");
    set.setFormula(3, 2, "z_hz");
    EXPECT_EQ(set.schemeFormulas(3, 3), (std::vector<std::string>{"f_num1+1", "z_hz", "f_num1+3"}));
    EXPECT_EQ(findFormulaSetKind("selfsh"), nullptr);
    EXPECT_EQ(formulaSetKindIndex("lmsh"), 2);
    EXPECT_EQ(formulaSetKindIndex("selfsh"), -1);
    // Indices outside the set change nothing.
    const auto before = set.formulas;
    EXPECT_FALSE(set.setFormula(11, 1, "x"));
    EXPECT_FALSE(set.setFormula(1, 11, "x"));
    EXPECT_FALSE(set.setFormula(0, 1, "x"));
    EXPECT_EQ(set.importIntoScheme(0, lines), 0);
    EXPECT_TRUE(set.schemeFormulas(11, 3).empty());
    EXPECT_EQ(set.formulas, before);
}

TEST(FormulaFile, SavedGroupIsReadBackAndGetsItsExtension) {
    TempDir dir;
    const std::vector<std::string> three{"[-1]z_hw", "和值+1", "z_num1"};
    ASSERT_EQ(writeFormulaFile((dir / "group").string(), three), "");
    const auto lines = readFormulaFile(dir / "group.txt");
    ASSERT_TRUE(lines);
    EXPECT_EQ(*lines, three);
    EXPECT_EQ(readFileBytes(dir / "group.txt")->substr(0, 10), "[-1]z_hw\r\n");
    ASSERT_EQ(writeFormulaFile((dir / "a.txt.bak").string(), three), "");
    EXPECT_TRUE(std::filesystem::exists(dir / "a.txt.bak"));
    EXPECT_FALSE(readFormulaFile(dir / "missing.txt"));
}

TEST(FormulaFile, LinesAreUtf8WhenValidElseGbk) {
    const std::string utf8 = "和值\r\nz_hz\nz_hw";
    EXPECT_EQ(formulaLinesFromBytes(utf8), (std::vector<std::string>{"和值", "z_hz", "z_hw"}));
    EXPECT_EQ(formulaLinesFromBytes("\xEF\xBB\xBFz_hz\n"), (std::vector<std::string>{"z_hz"}));
    EXPECT_EQ(formulaLinesFromBytes(utf8ToGbk("和值\r\nz_hz\r\n")), (std::vector<std::string>{"和值", "z_hz"}));
}

TEST(CustomKillFile, RoundTripAndTheLastRecordWins) {
    TempDir dir;
    CustomKillSet set;
    set.target = "z_hz%10";
    set.from = 0;
    set.to = 9;
    set.set.setFormula(1, 1, "[-1]z_hw");
    set.set.setFormula(10, 100, "[-2]z_hz%10");
    ASSERT_EQ(saveCustomKillSet((dir / "mine").string(), set), "");
    CustomKillSet loaded;
    ASSERT_EQ(loadCustomKillSet(dir / "mine.scs", loaded), "");
    EXPECT_EQ(loaded.target, "z_hz%10");
    EXPECT_EQ(loaded.to, 9);
    EXPECT_EQ(loaded.set.formulas, set.set.formulas);

    // Two records, the second cut short: its header and formulas win, the rest are defaults.
    auto lines = readGbkLines(*readFileBytes(dir / "mine.scs"));
    lines.insert(lines.end(), {"z_num1", " 1 ", "33", "z_num2"});
    ASSERT_EQ(writeFileAtomically(dir / "two.scs", joinGbkLines(lines)), "");
    ASSERT_EQ(loadCustomKillSet(dir / "two.scs", loaded), "");
    EXPECT_EQ(loaded.target, "z_num1");
    EXPECT_EQ(loaded.from, 1);
    EXPECT_EQ(loaded.to, 33);
    EXPECT_EQ(loaded.set.formula(1, 1), "z_num2");
    EXPECT_EQ(loaded.set.formula(10, 100), "[-1]z_hw");
}

TEST(CustomKillFile, DamagedFilesAreRefusedAndTheSetKept) {
    TempDir dir;
    struct Case {
        const char* name;
        std::vector<std::string> lines;
        const char* errorStart;
    } cases[] = {{"header cut", {"z_hz", "0"}, "自定义杀号文件内容不完整"},
                 {"range not numbers", {"z_hz", "low", "9"}, "自定义杀号文件的取值范围有误"}};
    for (const auto& c : cases) {
        ASSERT_EQ(writeFileAtomically(dir / "bad.scs", joinGbkLines(c.lines)), "");
        CustomKillSet set;
        set.target = "keep";
        const std::string error = loadCustomKillSet(dir / "bad.scs", set);
        EXPECT_EQ(error.rfind(c.errorStart, 0), 0u) << c.name << ": " << error;
        EXPECT_EQ(set.target, "keep") << c.name;
    }
    CustomKillSet set;
    EXPECT_NE(loadCustomKillSet(dir / "none.scs", set), "");
}

}  // namespace
}  // namespace qorvel
