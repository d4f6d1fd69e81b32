#include "draws/t_s_dm.h"

#include <gtest/gtest.h>

#include <fstream>

#include "test_support.h"
#include "text/file_io.h"

namespace qorvel {
namespace {

using testing::fillStore;
using testing::TempDir;

// A store of n draws with issues 2020001.. and numbers derived from the row.
t_s_dm makeStore(int n) {
    t_s_dm store;
    std::vector<std::vector<int>> draws;
    for (int r = 1; r <= n; ++r) draws.push_back({2020000 + r, r, r + 1, r + 2, r + 3, r + 4, r + 5, 1});
    fillStore(store, draws);
    return store;
}

TEST(DrawStore, NewStoreIsEmptyInBrowseModeWithBothFlags) {
    t_s_dm store;
    EXPECT_EQ(store.Count(), 0);
    EXPECT_EQ(store.RecNo(), 0);
    EXPECT_EQ(store.Capacity(), 0);
    EXPECT_EQ(store.GetMode(), t_s_dm::BrowseMode);
    EXPECT_TRUE(store.Bof());
    EXPECT_TRUE(store.Eof());
}

TEST(DrawStore, OpenMissingFileCreatesTheDefaultDraw) {
    TempDir dir;
    t_s_dm store;
    store.SetFileName(dir / "database/basedata0.rec");
    ASSERT_TRUE(store.Open());
    ASSERT_EQ(store.Count(), 1);
    EXPECT_EQ(store.RecNo(), 1);
    EXPECT_EQ(store.GetField(0), 2008001);
    for (int f = 1; f <= 10; ++f) EXPECT_EQ(store.GetField(f), f);
    for (int f = 11; f < kDrawFields; ++f) EXPECT_EQ(store.GetField(f), 0);
    EXPECT_EQ(std::filesystem::file_size(dir / "database/basedata0.rec"), 204u);
}

TEST(DrawStore, FileRoundTripIsLittleEndian204ByteRecords) {
    TempDir dir;
    t_s_dm store;
    store.SetFileName(dir / "d.rec");
    fillStore(store, {{2020002, 3, 4, 5, 6, 7, 8, 9}, {2020001, 1, 2, 3, 4, 5, 33, -2}});
    store.MutableRow(1).fields[50] = 0x01020304;
    ASSERT_TRUE(store.SortAndSave());
    auto bytes = readFileBytes(dir / "d.rec");
    ASSERT_TRUE(bytes);
    ASSERT_EQ(bytes->size(), 408u);
    // Sorted: 2020001 first; 2020001 = 0x001ED2A1.
    EXPECT_EQ(static_cast<unsigned char>((*bytes)[0]), 0xA1);
    EXPECT_EQ(static_cast<unsigned char>((*bytes)[1]), 0xD2);
    EXPECT_EQ(static_cast<unsigned char>((*bytes)[2]), 0x1E);
    // Field 7 of the first record is -2.
    EXPECT_EQ(static_cast<unsigned char>((*bytes)[28]), 0xFE);
    EXPECT_EQ(static_cast<unsigned char>((*bytes)[31]), 0xFF);
    // Field 50 of the second record (the one that was row 1 before sorting).
    EXPECT_EQ(static_cast<unsigned char>((*bytes)[204 + 200]), 0x04);
    EXPECT_EQ(static_cast<unsigned char>((*bytes)[204 + 203]), 0x01);

    t_s_dm reread;
    reread.SetFileName(dir / "d.rec");
    ASSERT_TRUE(reread.Open());
    ASSERT_EQ(reread.Count(), 2);
    EXPECT_EQ(reread.RecNo(), 2);
    EXPECT_EQ(reread.Row(1).fields[7], -2);
    EXPECT_EQ(reread.Row(2).fields[50], 0x01020304);
}

TEST(DrawStore, PartialTrailingRecordLoadsWholeRecordsAndWarns) {
    TempDir dir;
    t_s_dm store;
    store.SetFileName(dir / "d.rec");
    fillStore(store, {{2020001, 1, 2, 3, 4, 5, 6, 7}, {2020002, 2, 3, 4, 5, 6, 7, 8}});
    ASSERT_TRUE(store.SortAndSave());
    {
        std::ofstream out(dir / "d.rec", std::ios::binary | std::ios::app);
        out << "xyz";
    }
    t_s_dm reread;
    reread.SetFileName(dir / "d.rec");
    ASSERT_TRUE(reread.Open());
    EXPECT_EQ(reread.Count(), 2);
    EXPECT_FALSE(reread.loadWarning().empty());
    // Opening never rewrites the file: the stray bytes stay until the user saves.
    EXPECT_EQ(std::filesystem::file_size(dir / "d.rec"), 411u);
}

TEST(DrawStore, FailedWriteLeavesTheOldFileAndReportsAnError) {
    TempDir dir;
    t_s_dm store;
    store.SetFileName(dir / "d.rec");
    fillStore(store, {{2020001, 1, 2, 3, 4, 5, 6, 7}});
    ASSERT_TRUE(store.SortAndSave());
    // A folder in place of the file cannot be replaced by a rename.
    store.SetFileName(dir / "sub");
    std::filesystem::create_directories(dir / "sub/inner");
    EXPECT_FALSE(store.SortAndSave());
    EXPECT_FALSE(store.lastError().empty());
    EXPECT_TRUE(std::filesystem::is_directory(dir / "sub/inner"));
}

TEST(DrawStore, ForwardWalkVisitsEveryRowOnce) {
    auto store = makeStore(5);
    std::vector<int> seen;
    store.First();
    EXPECT_TRUE(store.Bof());
    while (!store.Eof()) {
        seen.push_back(store.GetField(0));
        store.Next();
    }
    EXPECT_EQ(seen, (std::vector<int>{2020001, 2020002, 2020003, 2020004, 2020005}));
    store.Last();
    EXPECT_TRUE(store.Eof());
    EXPECT_FALSE(store.Bof());
    EXPECT_EQ(store.RecNo(), 5);
}

TEST(DrawStore, BackwardWalkAndPriorAtFirstRow) {
    auto store = makeStore(3);
    std::vector<int> seen;
    store.Last();
    while (!store.Bof()) {
        seen.push_back(store.RecNo());
        store.Prior();
    }
    EXPECT_EQ(seen, (std::vector<int>{3, 2, 1}));
    EXPECT_EQ(store.RecNo(), 1);
    store.Prior();
    EXPECT_TRUE(store.Bof());
    EXPECT_FALSE(store.Eof());
    EXPECT_EQ(store.RecNo(), 1);
}

struct MoveCase {
    int rows, start, delta, expectedRow, expectedResult;
    bool bof, eof;
};

class DrawStoreMoveBy : public ::testing::TestWithParam<MoveCase> {};

TEST_P(DrawStoreMoveBy, MovesClampsAndReportsRowsMoved) {
    const auto& c = GetParam();
    auto store = makeStore(c.rows);
    store.SetRecNo(c.start);
    EXPECT_EQ(store.MoveBy(c.delta), c.expectedResult);
    EXPECT_EQ(store.RecNo(), c.expectedRow);
    EXPECT_EQ(store.Bof(), c.bof);
    EXPECT_EQ(store.Eof(), c.eof);
}

INSTANTIATE_TEST_SUITE_P(Cases, DrawStoreMoveBy,
                         ::testing::Values(MoveCase{5, 5, -12, 1, -4, true, false},
                                           MoveCase{5, 2, 2, 4, 2, false, false},
                                           MoveCase{5, 2, 10, 5, 3, false, true},
                                           MoveCase{5, 3, 0, 3, 0, false, false},
                                           MoveCase{20, 20, -12, 8, -12, false, false}));

TEST(DrawStore, SetRecNoOutsideTheRowsChangesNothing) {
    auto store = makeStore(4);
    store.SetRecNo(2);
    for (int n : {0, -1, 5}) {
        store.SetRecNo(n);
        EXPECT_EQ(store.RecNo(), 2);
    }
}

TEST(DrawStore, GotoKeyFindsAnyFieldAndLeavesCursorWhenAbsent) {
    auto store = makeStore(9);
    store.SetRecNo(3);
    store.SetKey();
    store.SetField(0, 2020007);
    EXPECT_TRUE(store.GotoKey());
    EXPECT_EQ(store.RecNo(), 7);
    EXPECT_EQ(store.GetMode(), t_s_dm::KeyMode);

    store.SetField(0, 2020099);
    EXPECT_FALSE(store.GotoKey());
    EXPECT_EQ(store.RecNo(), 7);

    store.SetField(1, 4);  // field 1 ascends too
    EXPECT_TRUE(store.GotoKey());
    EXPECT_EQ(store.RecNo(), 4);
}

TEST(DrawStore, SetFieldInBrowseModeReportsAndWritesNothing) {
    TempDir dir;
    auto store = makeStore(2);
    store.SetFileName(dir / "d.rec");
    std::vector<std::string> messages;
    store.setMessageHandler([&](const std::string& m) { messages.push_back(m); });
    ASSERT_TRUE(store.SortAndSave());
    store.SetField(1, 99);
    EXPECT_NE(store.GetField(1), 99);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "现在不是修改状态，不能修改字段值");
    store.Edit();
    store.SetField(1, 99);
    EXPECT_EQ(store.GetField(1), 99);
}

struct DeleteCase {
    int rows, at, expectedCount, expectedRow, expectedIssueAtCursor;
};

class DrawStoreDelete : public ::testing::TestWithParam<DeleteCase> {};

TEST_P(DrawStoreDelete, LeavesCursorOnTheExpectedRow) {
    const auto& c = GetParam();
    auto store = makeStore(c.rows);
    store.SetRecNo(c.at);
    store.Delete(false);
    EXPECT_EQ(store.Count(), c.expectedCount);
    EXPECT_EQ(store.RecNo(), c.expectedRow);
    if (c.expectedCount > 0) {
        EXPECT_EQ(store.GetField(0), c.expectedIssueAtCursor);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, DrawStoreDelete,
                         ::testing::Values(DeleteCase{10, 10, 9, 8, 2020008},  // last row
                                           DeleteCase{10, 4, 9, 4, 2020005},   // middle row
                                           DeleteCase{10, 1, 9, 1, 2020002},   // first row
                                           DeleteCase{2, 2, 1, 1, 2020001},    // last of two
                                           DeleteCase{1, 1, 0, 0, 0}));        // only row

TEST(DrawStore, DeletingTheOnlyRowSetsBothFlags) {
    auto store = makeStore(1);
    store.Delete(false);
    EXPECT_TRUE(store.IsEmpty());
    EXPECT_TRUE(store.Bof());
    EXPECT_TRUE(store.Eof());
}

TEST(DrawStore, AppendAfterDeleteShowsTheOldSlotValues) {
    auto store = makeStore(3);
    store.Last();
    store.Delete(false);
    store.Append();
    EXPECT_EQ(store.RecNo(), 3);
    EXPECT_EQ(store.GetMode(), t_s_dm::EditMode);
    EXPECT_EQ(store.GetField(0), 2020003);
    EXPECT_EQ(store.GetField(1), 3);
}

TEST(DrawStore, SortAndSaveIsStableByIssueAndKeepsTheRowNumber) {
    TempDir dir;
    t_s_dm store;
    store.SetFileName(dir / "d.rec");
    fillStore(store, {{2020003, 1}, {2020001, 2}, {2020003, 3}, {2020002, 4}, {2020001, 5}});
    store.SetRecNo(2);
    ASSERT_TRUE(store.SortAndSave());
    EXPECT_EQ(store.GetMode(), t_s_dm::BrowseMode);
    EXPECT_EQ(store.RecNo(), 2);
    std::vector<std::pair<int, int>> order;
    for (int r = 1; r <= store.Count(); ++r) order.push_back({store.Row(r).fields[0], store.Row(r).fields[1]});
    EXPECT_EQ(order, (std::vector<std::pair<int, int>>{
                         {2020001, 2}, {2020001, 5}, {2020002, 4}, {2020003, 1}, {2020003, 3}}));
}

TEST(DrawStore, ForecastRowIsWrittenLastBySortAndSave) {
    TempDir dir;
    auto store = makeStore(3);
    store.SetFileName(dir / "d.rec");
    store.Append();
    store.SetField(0, kForecastIssue);
    ASSERT_TRUE(store.SortAndSave());
    t_s_dm reread;
    reread.SetFileName(dir / "d.rec");
    ASSERT_TRUE(reread.Open());
    ASSERT_EQ(reread.Count(), 4);
    EXPECT_EQ(reread.Row(4).fields[0], kForecastIssue);
}

TEST(DrawStore, CapacityGrowsAndShrinksInSteps) {
    t_s_dm store;
    store.SetCount(1);
    EXPECT_EQ(store.Capacity(), 1000);
    store.SetCount(999);
    EXPECT_EQ(store.Capacity(), 1000);
    store.SetCount(1000);
    EXPECT_EQ(store.Capacity(), 2000);
    store.SetCount(5500);
    EXPECT_GT(store.Capacity(), 5500);
    const int big = store.Capacity();
    store.SetCount(10);
    EXPECT_EQ(store.Capacity(), big - 1000);  // one shrink step per call
    EXPECT_EQ(store.Count(), 10);
}

TEST(DrawStore, SetCountBelowTheCursorMovesItToTheNewLastRow) {
    auto store = makeStore(8);
    store.SetRecNo(7);
    store.SetCount(3);
    EXPECT_EQ(store.RecNo(), 3);
    store.SetCount(0);
    EXPECT_TRUE(store.IsEmpty());
}

TEST(DrawStore, ClearWithSaveWritesAnEmptyFile) {
    TempDir dir;
    auto store = makeStore(4);
    store.SetFileName(dir / "d.rec");
    store.Clear(true);
    EXPECT_EQ(store.Count(), 0);
    EXPECT_EQ(std::filesystem::file_size(dir / "d.rec"), 0u);
}

TEST(DrawStore, ValueColumnTravelsWithItsRowButIsNotStored) {
    TempDir dir;
    t_s_dm store;
    store.SetFileName(dir / "d.rec");
    fillStore(store, {{2020002, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {2020001, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11}});
    store.SetRecNo(1);
    store.SetValue(77);
    EXPECT_EQ(store.GetField(10), 10);  // the number slot is untouched
    ASSERT_TRUE(store.SortAndSave());
    EXPECT_EQ(store.Row(2).value, 77);
}

}  // namespace
}  // namespace qorvel
