// The sub-page state and its buttons: editing rewrites the set file and runs, importing sets the count,
// saving a group writes the whole scheme or the formulas in use, and the custom page's set files.
#include "killbanker/kill_page_model.h"

#include <gtest/gtest.h>

#include "test_support.h"
#include "text/file_io.h"

namespace qorvel {
namespace {

class PageModel : public ::testing::Test {
protected:
    void SetUp() override {
        ws.ProgramFolder = dir.path();
        ws.CurrentType = 2;
        testing::fillStore(ws.MainStore, {{2020001, 1, 2, 3, 4, 5, 6, 7}, {2020002, 2, 4, 6, 8, 10, 12, 3}});
        ASSERT_EQ(loadFormulaSet(dir.path(), *findFormulaSetKind("hmtd"), 2, set), "");
    }
    testing::TempDir dir;
    Workspace ws;
    FormulaSet set;
};

TEST_F(PageModel, ConfirmEditRewritesTheSetFileAndRuns) {
    KillPageModel model(ws, KillPage::MainBanker, &set);
    std::vector<int> progressRows;
    model.setProgress([&](int row, int) {
        progressRows.push_back(row);
        return true;
    });
    EXPECT_EQ(model.formulaCount(), 5);
    model.setScheme(3);
    model.setIndex(2);
    EXPECT_EQ(model.currentFormula(), "[-1]z_hw");
    const KillRunResult r = model.confirmEdit("z_num1");
    ASSERT_EQ(r.error, "");
    EXPECT_EQ(r.grid.formulaCount, 5);
    EXPECT_EQ(r.grid.at(1, 4).text, "01    正确");
    EXPECT_EQ(model.lastRun().rows, r.grid.rows);
    EXPECT_EQ(progressRows, (std::vector<int>{1, 2, 3}));  // two draws and the forecast row
    FormulaSet again;
    ASSERT_EQ(loadFormulaSet(dir.path(), *findFormulaSetKind("hmtd"), 2, again), "");
    EXPECT_EQ(again.formula(3, 2), "z_num1");
    EXPECT_EQ(model.startIssues(), (std::vector<int>{2020001, 2020002}));
    // Choosing the count resets the index.
    model.setFormulaCount(3);
    EXPECT_EQ(model.index(), 1);
    model.setIndex(7);
    EXPECT_EQ(model.index(), 3);
}

TEST_F(PageModel, ImportSetsTheCountAndSaveGroupWritesWholeOrInUse) {
    KillPageModel model(ws, KillPage::MainBanker, &set);
    ASSERT_EQ(writeFileAtomically(dir / "in.txt", joinGbkLines({"1", "2", "3"})), "");
    const KillRunResult r = model.importFormulas(dir / "in.txt");
    ASSERT_EQ(r.error, "");
    EXPECT_EQ(model.formulaCount(), 3);
    EXPECT_EQ(r.grid.formulaCount, 3);
    ASSERT_EQ(model.saveGroup((dir / "few").string(), false), "");
    EXPECT_EQ(readGbkLines(*readFileBytes(dir / "few.txt")), (std::vector<std::string>{"1", "2", "3"}));
    ASSERT_EQ(model.saveGroup((dir / "all").string(), true), "");
    EXPECT_EQ(readGbkLines(*readFileBytes(dir / "all.txt")).size(), 15u);
    EXPECT_NE(model.importFormulas(dir / "missing.txt").error, "");
    EXPECT_EQ(model.formulaCount(), 3);
}

TEST_F(PageModel, CustomPageNeedsItsSetAndWritesNewOnes) {
    KillPageModel model(ws, KillPage::CustomKill);
    EXPECT_EQ(model.run().error, "请先载入自定义杀号");
    EXPECT_EQ(model.confirmEdit("1").error, "请先载入自定义杀号");
    ASSERT_EQ(model.createCustomSet((dir / "new").string(), "z_hw", 0, 9), "");
    EXPECT_EQ(model.customSetPath(), (dir / "new.scs").string());
    const KillRunResult edited = model.confirmEdit("7");
    ASSERT_EQ(edited.error, "");
    EXPECT_EQ(edited.grid.at(0, 3).text, "指标z_hw");
    EXPECT_EQ(edited.grid.at(1, 4).text, "7    正确");

    KillPageModel other(ws, KillPage::CustomKill);
    const KillRunResult loaded = other.loadCustomSet(dir / "new.scs");
    ASSERT_EQ(loaded.error, "");
    EXPECT_EQ(other.currentFormula(), "7");
    EXPECT_EQ(other.customSet().to, 9);
    EXPECT_NE(other.loadCustomSet(dir / "none.scs").error, "");
    EXPECT_TRUE(other.hasCustomSet());
}

TEST_F(PageModel, ReplaceFormulasTakesTheLeadingPlacesRewritesAndRuns) {
    KillPageModel model(ws, KillPage::MainBanker, &set);
    model.setScheme(2);
    model.setFormulaCount(3);
    const KillRunResult r = model.replaceFormulas({"z_num1", "z_num2"});
    ASSERT_EQ(r.error, "");
    EXPECT_EQ(r.grid.formulaCount, 3);
    EXPECT_EQ(r.grid.at(1, 3).text, "01    正确");
    EXPECT_EQ(r.grid.at(1, 4).text, "02    正确");
    FormulaSet again;
    ASSERT_EQ(loadFormulaSet(dir.path(), *findFormulaSetKind("hmtd"), 2, again), "");
    EXPECT_EQ(again.schemeFormulas(2, 3), (std::vector<std::string>{"z_num1", "z_num2", "[-1]z_hw"}));
    EXPECT_EQ(again.formula(1, 1), "[-1]z_hw");
    // More formulas than the scheme holds: only its capacity is taken; none at all is refused.
    const std::vector<std::string> many(20, "z_num3");
    ASSERT_EQ(model.replaceFormulas(many).error, "");
    EXPECT_EQ(set.schemeFormulas(2, 15), std::vector<std::string>(15, "z_num3"));
    EXPECT_NE(model.replaceFormulas({}).error, "");
}

TEST_F(PageModel, FailedWriteIsReportedAndNothingRuns) {
    // A plain file where the "save" folder should be.
    std::filesystem::remove_all(dir / "save");
    ASSERT_EQ(writeFileAtomically(dir / "save", "x"), "");
    KillPageModel model(ws, KillPage::MainBanker, &set);
    const KillRunResult r = model.confirmEdit("z_num1");
    EXPECT_NE(r.error, "");
    EXPECT_EQ(r.grid.rows, 0);
    EXPECT_EQ(model.lastRun().rows, 0);
}

}  // namespace
}  // namespace qorvel
