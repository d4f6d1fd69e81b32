#include "draws/draw_entry.h"

#include <gtest/gtest.h>

#include "draws/graphical_entry.h"
#include "draws/history_edit.h"
#include "draws/history_fixture.h"

namespace qorvel {
namespace {

using testing::HistoryFixture;

const std::vector<std::vector<int>> kThreeDraws = {
    {2020001, 1, 2, 3, 4, 5, 6, 7},
    {2020002, 8, 9, 10, 11, 12, 13, 14},
    {2020005, 20, 21, 22, 23, 24, 25, 16},
};

struct MaskCase {
    int count;
    const char* mask;
};

TEST(NumberMask, TwoDigitPlacesPerNumberSeparatedByDashes) {
    const MaskCase cases[] = {
        {6, "!99-99-99-99-99-99;1;_"},
        {1, "!99;1;_"},
        {2, "!99-99;1;_"},
    };
    for (const auto& c : cases) EXPECT_EQ(numberMask(c.count), c.mask) << c.count;
}

struct ParseCase {
    const char* text;
    int count;
    std::vector<int> numbers;
    const char* error;
};

TEST(NumberList, ReadsPiecesBeforeEachDashAndTheTrimmedRest) {
    const ParseCase cases[] = {
        {"01-02-03", 3, {1, 2, 3}, ""},
        {" 1- 2 -3 ", 3, {1, 2, 3}, ""},
        {"07", 1, {7}, ""},
        {" 16 ", 1, {16}, ""},
        {"01-  -03", 3, {}, "'' 不是有效的整数"},  // an untyped place reads as blanks
        {"01-0x-03", 3, {}, "'0x' 不是有效的整数"},
        {"01-02", 3, {}, "'' 不是有效的整数"},
        {"1-2-3-4", 3, {}, "'3-4' 不是有效的整数"},
        {"", 1, {}, "'' 不是有效的整数"},
    };
    for (const auto& c : cases) {
        NumberListResult r = parseNumberList(c.text, c.count);
        EXPECT_EQ(r.numbers, c.numbers) << c.text;
        EXPECT_EQ(r.error, c.error) << c.text;
    }
}

struct RefusedAddCase {
    DrawEditorTexts texts;
    const char* message;
    bool clearsEditors;
};

TEST(KeyboardEntry, RefusedDrawsLeaveHistoryAndFileUnchanged) {
    const RefusedAddCase cases[] = {
        {{"202001", "01-02-03-04-05-06", "07"}, "期数必须是七位比如2009001", false},
        {{"20200011", "01-02-03-04-05-06", "07"}, "期数必须是七位比如2009001", false},
        {{" 2020010 ", "01-02-03-04-05-06", "  "}, "请输入蓝号", false},
        {{"2020010", "01-02-03-04-05-x6", "07"}, "'x6' 不是有效的整数", false},
        {{"2020 10", "01-02-03-04-05-06", "07"}, "'2020 10' 不是有效的整数", false},
        {{"2020010", "01-02-03-04-05-06", "1a"}, "'1a' 不是有效的整数", false},
        {{"2020010", "01-02-03-04-05-34", "07"}, "红号必须在1到33之间", false},
        {{"2020010", "00-02-03-04-05-06", "07"}, "红号必须在1到33之间", false},
        {{"2020010", "01-02-03-04-05-06", "17"}, "蓝号必须在1到16之间", false},
        {{"2020002", "01-02-03-04-05-06", "07"}, "数据库中已经存在此期的记录", true},
        {{"2020010", "01-01-02-03-04-05", "07"}, "同一组号中的号码不能重复", false},
        {{"9999999", "01-02-03-04-05-06", "07"}, "期号必须在1到9999997之间", false},
        {{"9999998", "01-02-03-04-05-06", "07"}, "期号必须在1到9999997之间", false},
    };
    for (const auto& c : cases) {
        HistoryFixture h(kThreeDraws);
        const std::string before = h.fileBytes();
        EntryOutcome outcome = addDrawFromEditors(h.ws, c.texts);
        EXPECT_EQ(outcome.message, c.message) << c.texts.issue << " " << c.texts.mains;
        EXPECT_EQ(outcome.clearEditors, c.clearsEditors) << c.message;
        EXPECT_FALSE(outcome.stored);
        EXPECT_EQ(h.draws(7), kThreeDraws) << c.message;
        EXPECT_EQ(h.fileBytes(), before) << c.message;
    }
}

TEST(KeyboardEntry, NewDrawIsSortedInAndWrittenAtOnce) {
    HistoryFixture h(kThreeDraws);
    EntryOutcome outcome = addDrawFromEditors(h.ws, {"2020003", "03-09-15-21-27-33", " 9"});
    EXPECT_TRUE(outcome.stored);
    EXPECT_TRUE(outcome.clearEditors);
    EXPECT_EQ(outcome.message, "");
    const std::vector<int> added{2020003, 3, 9, 15, 21, 27, 33, 9};
    ASSERT_EQ(h.fileDraws(7).size(), 4u);
    EXPECT_EQ(h.fileDraws(7)[2], added);
    EXPECT_EQ(h.draws(7)[2], added);
}

TEST(KeyboardEntry, TwoSpecialNumbersAreSplitAndNoneAreReadWithoutASpecialZone) {
    TypeParams twoSpecials;
    twoSpecials.MainCount = 5;
    twoSpecials.MainTo = 35;
    twoSpecials.SpecialCount = 2;
    twoSpecials.SpecialTo = 12;
    HistoryFixture dlt({{2020001, 1, 2, 3, 4, 5, 1, 2}}, twoSpecials);
    ASSERT_TRUE(addDrawFromEditors(dlt.ws, {"2020002", "31-32-33-34-35", "03-11"}).stored);
    EXPECT_EQ(dlt.fileDraws(7)[1], (std::vector<int>{2020002, 31, 32, 33, 34, 35, 3, 11}));

    HistoryFixture plain({{2020001, 1, 2, 3, 4, 5}}, testing::fiveOf22());
    ASSERT_TRUE(addDrawFromEditors(plain.ws, {"2020002", "18-19-20-21-22", ""}).stored);
    EXPECT_EQ(plain.fileDraws(5)[1], (std::vector<int>{2020002, 18, 19, 20, 21, 22}));
}

TEST(KeyboardEntry, FailedWriteKeepsMemoryMatchingTheFile) {
    HistoryFixture h(kThreeDraws);
    // A folder in place of the draw file makes the rename of the written file fail.
    std::filesystem::create_directories(h.folder() / "occupied");
    h.ws.MainStore.SetFileName(h.folder() / "occupied");
    EntryOutcome outcome = addDrawFromEditors(h.ws, {"2020009", "01-02-03-04-05-06", "07"});
    EXPECT_FALSE(outcome.stored);
    EXPECT_FALSE(outcome.clearEditors);
    EXPECT_NE(outcome.message, "");
    EXPECT_EQ(h.draws(7), kThreeDraws);
}

TEST(KeyboardEntry, NothingIsWrittenWhileTheDataIsTransformed) {
    HistoryFixture h(kThreeDraws);
    h.ws.dataTransformed = true;
    const std::string before = h.fileBytes();
    EXPECT_EQ(addDrawFromEditors(h.ws, {"2020009", "01-02-03-04-05-06", "07"}).message, kTransformedHistoryMessage);
    EXPECT_EQ(deleteDrawAtRow(h.ws, 1), kTransformedHistoryMessage);
    EXPECT_EQ(clearHistory(h.ws), kTransformedHistoryMessage);
    EXPECT_EQ(h.fileBytes(), before);
    EXPECT_EQ(h.draws(7), kThreeDraws);
}

TEST(ModifyDraw, DialogStartsFromTheSelectedDrawAsTwoDigitTexts) {
    HistoryFixture h(kThreeDraws);
    auto texts = editorTextsForRow(h.ws, 1);
    ASSERT_TRUE(texts);
    EXPECT_EQ(texts->issue, "2020001");
    EXPECT_EQ(texts->mains, "01-02-03-04-05-06");
    EXPECT_EQ(texts->specials, "07");
    EXPECT_FALSE(editorTextsForRow(h.ws, 0));
    EXPECT_FALSE(editorTextsForRow(h.ws, 4));
}

TEST(ModifyDraw, ALaterIssueMovesTheDrawToItsSortedPlace) {
    HistoryFixture h(kThreeDraws);
    EntryOutcome outcome = modifyDrawFromEditors(h.ws, 1, {"2020006", "02-04-06-08-10-12", "05"});
    ASSERT_TRUE(outcome.stored) << outcome.message;
    const std::vector<std::vector<int>> expected = {
        kThreeDraws[1], kThreeDraws[2], {2020006, 2, 4, 6, 8, 10, 12, 5}};
    EXPECT_EQ(h.draws(7), expected);
    EXPECT_EQ(h.fileDraws(7), expected);
    EXPECT_EQ(maintenanceGridRow(h.ws, 3),
              (std::vector<std::string>{"2020006", "02", "04", "06", "08", "10", "12", "05"}));
}

TEST(ModifyDraw, RefusalsChangeNothing) {
    struct Case {
        int row;
        DrawEditorTexts texts;
        const char* message;
    };
    const Case cases[] = {
        {0, {"2020001", "01-02-03-04-05-06", "07"}, "请先在上边的列表中选择一期需要修改的号码"},
        {2, {"2020005", "01-02-03-04-05-06", "07"}, "数据库中已经存在此期的记录"},
        {2, {"202000", "01-02-03-04-05-06", "07"}, "期数必须是七位比如2009001"},
        {2, {"2020002", "01-02-03-04-05", "07"}, "'' 不是有效的整数"},
        {2, {"2020002", "01-02-03-04-06-06", "07"}, "同一组号中的号码不能重复"},
    };
    for (const auto& c : cases) {
        HistoryFixture h(kThreeDraws);
        const std::string before = h.fileBytes();
        EntryOutcome outcome = modifyDrawFromEditors(h.ws, c.row, c.texts);
        EXPECT_EQ(outcome.message, c.message);
        EXPECT_FALSE(outcome.stored);
        EXPECT_EQ(h.draws(7), kThreeDraws) << c.message;
        EXPECT_EQ(h.fileBytes(), before) << c.message;
    }
}

TEST(DeleteAndClear, DeletingTheOnlyDrawLeavesAnEmptyHistoryAndFile) {
    HistoryFixture h({{2020001, 1, 2, 3, 4, 5, 6, 7}});
    EXPECT_EQ(deleteDrawAtRow(h.ws, 2), kSelectDrawToDeleteMessage);
    EXPECT_EQ(h.ws.MainStore.Count(), 1);
    EXPECT_EQ(deleteDrawAtRow(h.ws, 1), "");
    EXPECT_EQ(h.ws.MainStore.Count(), 0);
    EXPECT_EQ(h.fileBytes(), "");
    EXPECT_TRUE(maintenanceGridRow(h.ws, 1).empty());
}

TEST(DeleteAndClear, DeleteRemovesTheSelectedDrawAndClearEmptiesTheFile) {
    HistoryFixture h(kThreeDraws);
    EXPECT_EQ(deleteDrawAtRow(h.ws, 2), "");
    EXPECT_EQ(h.fileDraws(7), (std::vector<std::vector<int>>{kThreeDraws[0], kThreeDraws[2]}));
    EXPECT_EQ(clearHistory(h.ws), "");
    EXPECT_EQ(h.ws.MainStore.Count(), 0);
    EXPECT_EQ(h.fileBytes(), "");
}

TEST(MaintenanceGrid, HeaderNamesZonesAndForecastRowReadsAsForecastArea) {
    HistoryFixture h(kThreeDraws);
    EXPECT_EQ(maintenanceGridHeader(h.ws),
              (std::vector<std::string>{"期数", "红号1", "红号2", "红号3", "红号4", "红号5", "红号6", "蓝号"}));
    h.ws.params.SpecialCount = 2;
    EXPECT_EQ(maintenanceGridHeader(h.ws).back(), "蓝号2");
    h.ws.params.SpecialCount = 1;

    h.ws.MainStore.Append();
    h.ws.MainStore.SetField(0, kForecastIssue);
    for (int f = 1; f <= 7; ++f) h.ws.MainStore.SetField(f, f + 1);
    EXPECT_EQ(maintenanceGridRow(h.ws, 4),
              (std::vector<std::string>{"预测区", "02", "03", "04", "05", "06", "07", "08"}));
    EXPECT_EQ(issueChoices(h.ws.MainStore),
              (std::vector<std::string>{"2020001", "2020002", "2020005", "9999999"}));
}

TEST(GraphicalEntry, PicksFillCellsInAscendingOrderWithinTheRange) {
    GraphicalEntry entry(testing::fiveOf22());
    EXPECT_FALSE(entry.click(30));
    EXPECT_EQ(entry.cell(1), 0);
    EXPECT_FALSE(entry.buttonSelected(30));
    for (int n : {7, 3, 15, 1, 22}) EXPECT_TRUE(entry.click(n)) << n;
    const int expected[] = {1, 3, 7, 15, 22};
    for (int i = 1; i <= 5; ++i) EXPECT_EQ(entry.cell(i), expected[i - 1]);
    EXPECT_EQ(entry.nextCell(), 6);
    EXPECT_FALSE(entry.click(9));  // every cell filled
    EXPECT_FALSE(entry.buttonSelected(9));
    entry.reset();
    EXPECT_EQ(entry.nextCell(), 1);
    EXPECT_EQ(entry.cell(1), 0);
    EXPECT_FALSE(entry.buttonSelected(7));
}

TEST(GraphicalEntry, AfterTheMainNumbersAClickPicksASpecialNumber) {
    GraphicalEntry entry(testing::sixOf33());
    for (int n : {33, 7, 2, 7, 19, 25, 11}) entry.click(n);  // 7 twice: still one main pick
    EXPECT_EQ(entry.nextCell(), 7);
    EXPECT_FALSE(entry.click(17));  // beyond the special range
    EXPECT_TRUE(entry.click(7));    // the same number may be the special one
    const int expected[] = {2, 7, 11, 19, 25, 33, 7};
    for (int i = 1; i <= 7; ++i) EXPECT_EQ(entry.cell(i), expected[i - 1]);
    EXPECT_EQ(entry.nextCell(), 8);
}

TEST(GraphicalEntry, AddChecksIssueCountAndDuplicates) {
    HistoryFixture h(kThreeDraws);
    GraphicalEntry entry(h.ws.params);
    for (int n : {1, 2, 3, 4, 5, 6}) entry.click(n);
    EXPECT_EQ(entry.add(h.ws, "2020009").message, "本彩票中，添加的开奖数据不能少于7个");
    entry.click(16);
    struct Case {
        const char* issue;
        const char* message;
    };
    const Case refused[] = {
        {"202009", "期数必须是七位比如2009001"},
        {"2020002", "数据库中已经存在此期的记录"},
    };
    for (const auto& c : refused) {
        EntryOutcome outcome = entry.add(h.ws, c.issue);
        EXPECT_EQ(outcome.message, c.message);
        EXPECT_FALSE(outcome.stored);
        EXPECT_EQ(h.draws(7), kThreeDraws);
    }
    EntryOutcome outcome = entry.add(h.ws, " 2020003 ");
    EXPECT_TRUE(outcome.stored) << outcome.message;
    EXPECT_EQ(h.fileDraws(7)[2], (std::vector<int>{2020003, 1, 2, 3, 4, 5, 6, 16}));
}

}  // namespace
}  // namespace qorvel
