#include "types/lottery_type.h"

#include <gtest/gtest.h>

#include "test_support.h"
#include "text/file_io.h"
#include "text/gbk.h"
#include "types/workspace.h"

namespace qorvel {
namespace {

using testing::TempDir;

TEST(LotteryTypes, MissingFileIsCreatedWith21DefaultSlots) {
    TempDir dir;
    LotteryTypeTable table;
    ASSERT_EQ(loadLotteryTypes(dir / "database/cps.typ", table), "");
    auto bytes = readFileBytes(dir / "database/cps.typ");
    ASSERT_TRUE(bytes);
    ASSERT_EQ(bytes->size(), 21u * 162u);
    for (int n = 0; n < kTypeSlots; ++n) {
        const auto& t = table.slots[n];
        EXPECT_EQ(t.Name, "自定义彩种" + std::to_string(n));
        EXPECT_EQ(t.MainCount, 6);
        EXPECT_EQ(t.MainFrom, 1);
        EXPECT_EQ(t.MainTo, 33);
        EXPECT_EQ(t.SpecialCount, 1);
        EXPECT_EQ(t.SpecialFrom, 1);
        EXPECT_EQ(t.SpecialTo, 16);
        EXPECT_EQ(t.HasSpecial, 1);
        EXPECT_EQ(t.TypeKind, 1);
        EXPECT_EQ(t.MainLabel, "");
    }
}

TEST(LotteryTypes, RecordLayoutIsByteExact) {
    LotteryType t;
    t.Name = "双色球";
    t.MainCount = 5;
    t.MainFrom = 2;
    t.MainTo = 35;
    t.SpecialCount = 2;
    t.SpecialFrom = 3;
    t.SpecialTo = 12;
    t.HasSpecial = 1;
    t.TypeKind = 0;
    t.MainLabel = "红号";
    t.SpecialLabel = "蓝号";
    std::string rec = encodeTypeRecord(t, 7);
    ASSERT_EQ(rec.size(), 162u);
    EXPECT_EQ(rec[0], 7);
    const std::string gbkName = utf8ToGbk("双色球");
    ASSERT_EQ(gbkName.size(), 6u);
    EXPECT_EQ(rec[1], 6);
    EXPECT_EQ(rec.substr(2, 6), gbkName);
    const unsigned char numbers[] = {5, 2, 35, 2, 3, 12, 1, 0};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(static_cast<unsigned char>(rec[52 + i]), numbers[i]) << i;
    EXPECT_EQ(rec[60], 4);
    EXPECT_EQ(rec.substr(61, 4), utf8ToGbk("红号"));
    EXPECT_EQ(rec[111], 4);
    EXPECT_EQ(rec.substr(112, 4), utf8ToGbk("蓝号"));
    EXPECT_EQ(decodeTypeRecord(rec), t);
}

TEST(LotteryTypes, SaveWritesStartTypeIntoEveryRecordAndTruncatesNames) {
    TempDir dir;
    auto table = defaultLotteryTypeTable();
    table.StartType = 3;
    table.slots[4].Name = std::string(30, 'a') + "中文名字很长很长很长很长";  // 30 + 24 GBK bytes
    ASSERT_EQ(saveLotteryTypes(dir / "cps.typ", table), "");
    auto bytes = readFileBytes(dir / "cps.typ");
    ASSERT_TRUE(bytes);
    for (int n = 0; n < kTypeSlots; ++n) EXPECT_EQ((*bytes)[n * 162], 3);
    LotteryTypeTable reread;
    ASSERT_EQ(loadLotteryTypes(dir / "cps.typ", reread), "");
    EXPECT_EQ(reread.StartType, 3);
    EXPECT_EQ(utf8ToGbk(reread.slots[4].Name).size(), 50u);  // 30 + 10 whole characters
    EXPECT_EQ(reread.slots[4].Name, std::string(30, 'a') + "中文名字很长很长很长");
}

TEST(LotteryTypes, ShortOrOversizedLengthBytesNeverReadPastTheRecord) {
    TempDir dir;
    std::string bytes = encodeTypeRecord(defaultLotteryType(0), 0);
    bytes[1] = static_cast<char>(0xFF);  // claims 255 bytes of name
    bytes += std::string(100, '\x01');   // and a partial second record
    ASSERT_EQ(writeFileAtomically(dir / "cps.typ", bytes), "");
    LotteryTypeTable table;
    ASSERT_EQ(loadLotteryTypes(dir / "cps.typ", table), "");
    EXPECT_LE(table.slots[0].Name.size(), 150u);
    EXPECT_EQ(table.slots[1].Name, "自定义彩种1");  // missing records keep their defaults
}

struct LabelCase {
    const char* name;
    const char* mainLabel;
    const char* specialLabel;
};

class LabelRule : public ::testing::TestWithParam<LabelCase> {};

TEST_P(LabelRule, FollowsTheGameName) {
    LotteryType t;
    t.Name = GetParam().name;
    applyLabelRule(t);
    EXPECT_EQ(t.MainLabel, GetParam().mainLabel);
    EXPECT_EQ(t.SpecialLabel, GetParam().specialLabel);
}

INSTANTIATE_TEST_SUITE_P(Cases, LabelRule,
                         ::testing::Values(LabelCase{"双色球", "红号", "蓝号"},
                                           LabelCase{"超级大乐透", "主号", "副号"},
                                           LabelCase{"自定义彩种0", "主号", "特别号"},
                                           LabelCase{"双色球 ", "主号", "特别号"}));

TEST(LotteryTypes, TypeParamsDropSpecialCountOnlyAtATypeChange) {
    LotteryType t;
    t.HasSpecial = 0;
    t.SpecialCount = 2;
    auto atStart = typeParamsFrom(t, false);
    EXPECT_EQ(atStart.SpecialCount, 2);
    EXPECT_FALSE(atStart.HasSpecial);
    auto atChange = typeParamsFrom(t, true);
    EXPECT_EQ(atChange.SpecialCount, 0);
    EXPECT_FALSE(atChange.HasSpecial);
}

struct ZoneCase {
    int mainTo, zones;
    std::vector<int> bounds;
};

class ZoneBoundsCases : public ::testing::TestWithParam<ZoneCase> {};

TEST_P(ZoneBoundsCases, LastZonesTakeTheRemainder) {
    const auto& c = GetParam();
    EXPECT_EQ(buildZoneBounds(c.mainTo).forCount(c.zones), c.bounds);
}

INSTANTIATE_TEST_SUITE_P(Cases, ZoneBoundsCases,
                         ::testing::Values(ZoneCase{33, 4, {0, 8, 16, 24, 33}},
                                           ZoneCase{33, 5, {0, 6, 12, 19, 26, 33}},
                                           ZoneCase{22, 3, {0, 7, 14, 22}},
                                           ZoneCase{33, 2, {0, 16, 33}},
                                           ZoneCase{10, 15, {0, 0, 0, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}}));

TEST(LotteryTypes, ZoneOfFindsTheZoneOfANumber) {
    auto z = buildZoneBounds(33);
    EXPECT_EQ(z.zoneOf(3, 11), 1);
    EXPECT_EQ(z.zoneOf(3, 12), 2);
    EXPECT_EQ(z.zoneOf(3, 33), 3);
    EXPECT_EQ(z.zoneOf(3, 34), 0);
}

TEST(Workspace, FirstStartCreatesTypesAndDrawFile) {
    TempDir dir;
    Workspace ws;
    ws.ProgramFolder = dir.path();
    ASSERT_EQ(ws.loadTypes(), "");
    ws.applyCurrentType(false);
    ASSERT_TRUE(ws.openMainStore());
    EXPECT_TRUE(std::filesystem::exists(dir / "database/cps.typ"));
    EXPECT_TRUE(std::filesystem::exists(dir / "database/basedata0.rec"));
    EXPECT_EQ(ws.MainStore.Count(), 1);
    EXPECT_EQ(ws.MainLabel(), "主号");
    EXPECT_EQ(ws.SpecialLabel(), "特别号");
    EXPECT_EQ(ws.zones.forCount(4), (std::vector<int>{0, 8, 16, 24, 33}));
    EXPECT_EQ(ws.numberClasses.entries.size(), 8u);
    EXPECT_EQ(ws.numberClasses.entries[7].name, "除四余数");
    EXPECT_EQ(ws.numberClasses.entries[7].firstClass, 27);
}

TEST(Workspace, DataFilesThatAreFoldersAreReportedAndChangeNothing) {
    TempDir dir;
    std::filesystem::create_directories(dir / "database/cps.typ");
    std::filesystem::create_directories(dir / "database/basedata0.rec");
    Workspace ws;
    ws.ProgramFolder = dir.path();
    EXPECT_NE(ws.loadTypes(), "");
    ws.applyCurrentType(false);
    EXPECT_FALSE(ws.openMainStore());
    EXPECT_NE(ws.MainStore.lastError(), "");
    EXPECT_TRUE(std::filesystem::is_directory(dir / "database/cps.typ"));
    EXPECT_TRUE(std::filesystem::is_directory(dir / "database/basedata0.rec"));
}

TEST(Workspace, PrivateCopyHoldsTheHistoryButCanNeverWriteTheDrawFile) {
    TempDir dir;
    Workspace ws;
    ws.ProgramFolder = dir.path();
    ASSERT_EQ(ws.loadTypes(), "");
    ws.applyCurrentType(false);
    ASSERT_TRUE(ws.openMainStore());
    const auto before = readFileBytes(dir / "database/basedata0.rec");
    auto copy = privateWorkspaceCopy(ws);
    EXPECT_EQ(copy->MainStore.Count(), ws.MainStore.Count());
    EXPECT_EQ(copy->params.MainTo, ws.params.MainTo);
    copy->MainStore.Append();
    copy->MainStore.MutableRow(copy->MainStore.RecNo()).fields[0] = 2030001;
    EXPECT_TRUE(copy->MainStore.SortAndSave());
    EXPECT_EQ(readFileBytes(dir / "database/basedata0.rec"), before);
    EXPECT_EQ(ws.MainStore.Count(), 1);
}

}  // namespace
}  // namespace qorvel
