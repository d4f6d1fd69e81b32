#include "combos/special_conditions.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "test_support.h"
#include "text/file_io.h"

namespace qorvel {
namespace {

TypeParams twoOf12() {
    TypeParams p;
    p.MainCount = 5;
    p.MainTo = 35;
    p.SpecialCount = 2;
    p.SpecialTo = 12;
    return p;
}

// Little-endian int32 and float64 at a record's field.
int32_t intAt(const std::string& bytes, int id, int offset) {
    uint32_t v = 0;
    for (int b = 3; b >= 0; --b)
        v = (v << 8) | static_cast<unsigned char>(bytes[static_cast<std::size_t>((id - 1) * kConditionRecordBytes + offset + b)]);
    return static_cast<int32_t>(v);
}

double doubleAt(const std::string& bytes, int id, int offset) {
    double d;
    std::memcpy(&d, bytes.data() + (id - 1) * kConditionRecordBytes + offset, sizeof d);
    return d;
}

BlueConditionSet sampleBlue() {
    BlueConditionSet b;
    b.reset();
    *b.condition(2) = {true, 1, {}, {}, {}, true};          // 合数, tolerant
    *b.condition(5) = {true, -1, {0, 3}, {}, {}, false};     // 除四余数 0, 3
    *b.condition(8) = {true, -1, {2, 9, 30}, {}, {}, true};  // 遗漏值
    *b.condition(12) = {true, -1, {}, 6.5, 9.25, false};     // 五期均值
    b.totalTolerance = {true, 1, 2};
    b.customOn = true;
    b.customs = {{"f_num1%3", {0, 2}, true}, {"f_num1zf", {1}, false}};
    return b;
}

ZoneConditionSet sampleZone(const TypeParams& p) {
    ZoneConditionSet z;
    z.reset(p);
    z.lists[2] = {2, "f_num2", true, {4, 7, 11}, true};
    z.lists[7] = {7, "f_num1yl", true, {0, 1}, false};
    z.lists[4] = {4, "f_pd", true, {3}, false};  // hidden on the page, still kept by the file
    z.totalTolerance = {true, 0, 1};
    z.candidates[12] = false;
    z.bankers[3] = true;
    z.customs = {{"f_hz%2", {1}, false}};  // switch off: the list is still stored
    return z;
}

void expectSameBlue(const BlueConditionSet& a, const BlueConditionSet& b) {
    for (int id = 1; id <= kLastBlueConditionId; ++id) EXPECT_TRUE(*a.condition(id) == *b.condition(id)) << id;
    EXPECT_TRUE(a.totalTolerance == b.totalTolerance);
    EXPECT_EQ(a.customOn, b.customOn);
    EXPECT_TRUE(a.customs == b.customs);
}

void expectSameZone(const ZoneConditionSet& a, const ZoneConditionSet& b) {
    for (int id = 1; id <= kLastZoneConditionId; ++id) EXPECT_TRUE(a.lists[id] == b.lists[id]) << id;
    EXPECT_TRUE(a.totalTolerance == b.totalTolerance);
    EXPECT_EQ(a.candidates, b.candidates);
    EXPECT_EQ(a.bankers, b.bankers);
    EXPECT_EQ(a.customOn, b.customOn);
    EXPECT_TRUE(a.customs == b.customs);
}

TEST(SpecialConditionFile, BlueRoundTripAndFieldOffsets) {
    testing::TempDir dir;
    const TypeParams p = twoOf12();
    SpecialConditionFiles files;
    files.blue = sampleBlue();
    ASSERT_EQ(SaveSpecialConditions(files, SpecialFileKind::Blue, dir / "blue", p), "");
    const std::string bytes = readFileBytes(dir / "blue.lzh").value_or("");
    ASSERT_EQ(bytes.size(), 1687400u);
    EXPECT_EQ(intAt(bytes, 2, kEnabledOffset), -1);
    EXPECT_EQ(intAt(bytes, 2, kElementsOffset), 1) << "choice index of 合数";
    EXPECT_EQ(intAt(bytes, 2, kTolerantOffset), -1);
    EXPECT_EQ(intAt(bytes, 1, kEnabledOffset), 0);
    EXPECT_EQ(intAt(bytes, 8, kValueCountOffset), 3);
    EXPECT_EQ(intAt(bytes, 8, kValuesOffset + 8), 30);
    EXPECT_EQ(doubleAt(bytes, 12, kLowerBoundOffset), 6.5);
    EXPECT_EQ(doubleAt(bytes, 12, kUpperBoundOffset), 9.25);
    EXPECT_EQ(intAt(bytes, kBlueToleranceId, kElementsOffset + 4), 2);
    EXPECT_EQ(intAt(bytes, 150, kCustomCountOffset), 2);
    EXPECT_EQ(bytes.substr(151 * static_cast<std::size_t>(kConditionRecordBytes), 9), std::string("f_num1zf\0", 9));

    SpecialConditionFiles other;
    other.blue.reset();
    *other.blue.condition(1) = {true, 0, {}, {}, {}, false};  // replaced by the load
    const ConditionLoad load = LoadSpecialConditions(other, SpecialFileKind::Blue, dir / "blue.lzh", p);
    EXPECT_TRUE(load.found);
    EXPECT_EQ(load.records, 200);
    expectSameBlue(other.blue, files.blue);
}

TEST(SpecialConditionFile, ZoneRoundTripKeepsExactlyTheStoredValues) {
    testing::TempDir dir;
    const TypeParams p = twoOf12();
    SpecialConditionFiles files;
    files.zone = sampleZone(p);
    ASSERT_EQ(SaveSpecialConditions(files, SpecialFileKind::Zone, dir / "zone.fzh", p), "");
    const std::string bytes = readFileBytes(dir / "zone.fzh").value_or("");
    ASSERT_EQ(bytes.size(), 1687400u);
    EXPECT_EQ(intAt(bytes, 2, kValueCountOffset), 3);
    EXPECT_EQ(intAt(bytes, 2, kValuesOffset + 4), 7);
    EXPECT_EQ(intAt(bytes, kZoneCandidatesId, kElementsOffset + 4 * 10), 11);
    EXPECT_EQ(intAt(bytes, kZoneCandidatesId, kElementsOffset + 4 * 11), 0) << "12 is not a candidate";
    EXPECT_EQ(intAt(bytes, kZoneBankersId, kElementsOffset + 4 * 2), 3);

    SpecialConditionFiles other;
    other.zone.reset(p);
    other.zone.lists[1] = {1, "f_num1", true, {1}, false};
    LoadSpecialConditions(other, SpecialFileKind::Zone, dir / "zone.fzh", p);
    expectSameZone(other.zone, files.zone);
    EXPECT_FALSE(other.zone.lists[1].enabled);
}

TEST(SpecialConditionFile, ExtensionRuleAndMissingFile) {
    testing::TempDir dir;
    const TypeParams p = twoOf12();
    SpecialConditionFiles files;
    files.blue = sampleBlue();
    ASSERT_EQ(SaveSpecialConditions(files, SpecialFileKind::Blue, dir / "a.lzh.old", p), "");
    EXPECT_TRUE(std::filesystem::exists(dir / "a.lzh.old"));
    ASSERT_EQ(SaveSpecialConditions(files, SpecialFileKind::Zone, dir / "b.lzh", p), "");
    EXPECT_TRUE(std::filesystem::exists(dir / "b.lzh.fzh"));

    const ConditionLoad load = LoadSpecialConditions(files, SpecialFileKind::Blue, dir / "none.lzh", p);
    EXPECT_FALSE(load.found);
    expectSameBlue(files.blue, sampleBlue());
}

TEST(SpecialConditionFile, TruncatedFileLoadsTheRecordsItHolds) {
    testing::TempDir dir;
    const TypeParams p = twoOf12();
    SpecialConditionFiles files;
    files.blue = sampleBlue();
    ASSERT_EQ(SaveSpecialConditions(files, SpecialFileKind::Blue, dir / "full.lzh", p), "");
    const std::string bytes = readFileBytes(dir / "full.lzh").value_or("");
    // Eight whole records and part of the ninth: ids 1..8 load, the rest keep the reset.
    ASSERT_EQ(writeFileAtomically(dir / "cut.lzh", bytes.substr(0, 8 * kConditionRecordBytes + 100)), "");

    SpecialConditionFiles other;
    other.blue = sampleBlue();
    const ConditionLoad load = LoadSpecialConditions(other, SpecialFileKind::Blue, dir / "cut.lzh", p);
    EXPECT_EQ(load.records, 8);
    EXPECT_FALSE(load.warning.empty());
    EXPECT_TRUE(other.blue.condition(2)->enabled);
    EXPECT_EQ(other.blue.condition(8)->values, (std::vector<int32_t>{2, 9, 30}));
    EXPECT_FALSE(other.blue.condition(12)->enabled);
    EXPECT_FALSE(other.blue.totalTolerance.enabled);
    EXPECT_TRUE(other.blue.customs.empty());
}

TEST(SpecialConditionFile, ForeignBytesNeverCrashAndAreClipped) {
    testing::TempDir dir;
    const TypeParams p = twoOf12();
    std::mt19937 random(5);
    std::string junk(kSpecialConditionRecords * static_cast<std::size_t>(kConditionRecordBytes), '\0');
    for (char& c : junk) c = static_cast<char>(random() & 0xFF);
    ASSERT_EQ(writeFileAtomically(dir / "junk.lzh", junk), "");
    SpecialConditionFiles files;
    for (const SpecialFileKind kind : {SpecialFileKind::Blue, SpecialFileKind::Zone}) {
        const ConditionLoad load = LoadSpecialConditions(files, kind, dir / "junk.lzh", p);
        EXPECT_EQ(load.records, 200);
    }
    for (int id = 1; id <= 3; ++id) EXPECT_GE(files.blue.condition(id)->choice, -1);
    for (int id = 1; id <= 3; ++id) EXPECT_LE(files.blue.condition(id)->choice, 1);
    EXPECT_LE(files.blue.customs.size(), static_cast<std::size_t>(kMaxSpecialCustomConditions));
    EXPECT_LE(files.blue.totalTolerance.to, kBlueToleranceMax);
    for (int n = 13; n <= kMaxSpecialNumber; ++n) EXPECT_FALSE(files.zone.candidates[n]) << "outside the range";
}

TEST(SpecialConditionSets, LimitsResetsAndMessages) {
    BlueConditionSet blue;
    blue.reset();
    for (int k = 0; k < kMaxSpecialCustomConditions; ++k) ASSERT_TRUE(blue.addCustom({" f_num1 ", {1}, false}).added);
    EXPECT_EQ(blue.customs.front().formula, "f_num1");
    const AddResult over = blue.addCustom({"f_num1", {1}, false});
    EXPECT_FALSE(over.added);
    EXPECT_EQ(over.message, kSpecialCustomLimitMessage);
    EXPECT_FALSE(blue.addCustom({"   ", {1}, false}).added);

    *blue.condition(9) = {true, -1, {}, 1.0, 2.0, true};
    blue.setEnabled(9, false);
    EXPECT_FALSE(blue.condition(9)->lower.has_value());
    EXPECT_FALSE(blue.condition(9)->tolerant);
    blue.setEnabled(10, true);
    blue.condition(10)->lower = 4.0;
    EXPECT_EQ(missingMeanBound(blue), "三期均值还未确定范围");

    const TypeParams p = twoOf12();
    ZoneConditionSet zone;
    zone.reset(p);
    for (int n = 0; n <= kMaxSpecialNumber; ++n) EXPECT_EQ(zone.candidates[n], n >= 1 && n <= 12) << n;
    EXPECT_EQ(zone.lists[5].IndicatorCode, "f_hz");

    // Picker ranges of the special-zone conditions for 1..12.
    struct Range {
        int id, from, to;
    };
    for (const Range r : {Range{1, 1, 11}, Range{2, 2, 12}, Range{3, 1, 12}, Range{5, 3, 23}, Range{6, 1, 11},
                          Range{7, 0, 145}}) {
        const ZoneConditionInfo* info = findZoneCondition(r.id);
        ASSERT_NE(info, nullptr);
        EXPECT_EQ(info->from.at(p), r.from) << r.id;
        EXPECT_EQ(info->to.at(p), r.to) << r.id;
    }
    EXPECT_EQ(findBlueCondition(7)->to.at(p), 12);
}

}  // namespace
}  // namespace qorvel
