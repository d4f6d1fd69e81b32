// The formula collection's list operations and file, and the range picked for an indicator item.
#include "killbanker/formula_collection.h"

#include <gtest/gtest.h>

#include "test_support.h"
#include "text/file_io.h"

namespace qorvel {
namespace {

TEST(FormulaCollection, EditsTheListAndKeepsTheCaptionCount) {
    FormulaCollection c;
    EXPECT_EQ(c.caption(), "已收集公式0条");
    c.add("  [-1]z_hw ");
    c.add("   ");
    c.add("z_hz%10");
    EXPECT_EQ(c.formulas(), (std::vector<std::string>{"[-1]z_hw", "z_hz%10"}));
    EXPECT_EQ(c.caption(), "已收集公式2条");
    // Without a selected line the edit is refused and nothing changes.
    EXPECT_EQ(c.modify(-1, "x"), "请先选中上面列表要修改的公式项");
    EXPECT_EQ(c.modify(2, "x"), "请先选中上面列表要修改的公式项");
    EXPECT_EQ(c.modify(1, " z_num1 "), "");
    EXPECT_EQ(c.formulas()[1], "z_num1");
    EXPECT_FALSE(c.remove(5));
    EXPECT_TRUE(c.remove(0));
    EXPECT_EQ(c.formulas(), (std::vector<std::string>{"z_num1"}));
}

TEST(FormulaCollection, SavesAndLoadsAFormulaFile) {
    testing::TempDir dir;
    FormulaCollection c;
    c.add("和值+1");
    c.add("z_hw");
    ASSERT_EQ(c.save((dir / "col").string()), "");
    FormulaCollection other;
    other.add("old");
    EXPECT_NE(other.load(dir / "none.txt"), "");
    EXPECT_EQ(other.formulas(), (std::vector<std::string>{"old"}));
    ASSERT_EQ(other.load(dir / "col.txt"), "");
    EXPECT_EQ(other.formulas(), c.formulas());
    other.clear();
    EXPECT_EQ(other.caption(), "已收集公式0条");
}

TEST(CustomKillSettings, AnIndicatorItemBringsItsCatalogueRange) {
    Workspace ws;
    EXPECT_EQ(rangeForIndicatorItem(ws, kCustomKillFirstItem, {}).to, 9);
    const ValueRange sum = rangeForIndicatorItem(ws, "z_hz   主区和值", {});
    EXPECT_EQ(sum.from, 30);
    EXPECT_EQ(sum.to, 180);
    const ValueRange kept = rangeForIndicatorItem(ws, "z_num1+z_num2   自定", {3, 4});
    EXPECT_EQ(kept.from, 3);
    EXPECT_EQ(kept.to, 4);
}

}  // namespace
}  // namespace qorvel
