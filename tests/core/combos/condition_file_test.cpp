#include "combos/condition_file.h"

#include <gtest/gtest.h>

#include <random>

#include "combos/combo_filter.h"
#include "test_support.h"
#include "text/file_io.h"

namespace qorvel {
namespace {

using testing::TempDir;

int32_t intAt(const std::string& bytes, int id, int offset) {
    const std::size_t p = static_cast<std::size_t>(id - 1) * kConditionRecordBytes + offset;
    uint32_t v = 0;
    for (int b = 3; b >= 0; --b) v = (v << 8) | static_cast<unsigned char>(bytes[p + b]);
    return static_cast<int32_t>(v);
}

// Every kind of condition set to something other than its reset value.
ConditionSet richConditions() {
    ConditionSet c;
    c.reset(33);
    c.setEnabled(1, true);
    c.lists[1].values = {2, 3, 4};
    c.lists[1].tolerant = true;
    c.setEnabled(94, true);  // a hidden row
    c.lists[94].values = {};
    c.setEnabled(131, true);
    for (int v = 0; v <= 700; v += 3) c.lists[131].values.push_back(v);
    c.standardDeviation = {true, 5, 12, true};
    c.variationCoefficient = {true, 20, std::nullopt, false};
    c.notHistory = true;
    c.notEqualDistance = false;
    c.noSpecialRuns = false;
    c.totalTolerance = {true, 1, 2};
    c.candidates[7] = c.candidates[33] = false;
    c.bankers[3] = c.bankers[30] = true;
    c.selfSetOn = true;
    c.addSelfSet({{1, 2, 3, 11}, {0, 1}, true});
    c.addSelfSet({{20, 30}, {2}, false});
    c.tailSetOn = false;  // switched off, the list is kept
    c.addTailSet({{0, 5}, {0, 1, 2}, false, true});
    c.addTailSet({{9}, {1}, true, false});
    c.customOn = true;
    c.addCustom({"z_hz%3", {0, 1}, false});
    c.addCustom({"  max(z_num1,z_num2)+[-1]z_hz ", {5, 1000}, true});
    return c;
}

void expectSame(const ConditionSet& a, const ConditionSet& b) {
    for (int id = 1; id <= kMaxListConditionId; ++id) EXPECT_TRUE(a.lists[id] == b.lists[id]) << id;
    for (int id : {kStandardDeviationId, kVariationCoefficientId}) EXPECT_TRUE(*a.range(id) == *b.range(id)) << id;
    EXPECT_EQ(a.notHistory, b.notHistory);
    EXPECT_EQ(a.notEqualDistance, b.notEqualDistance);
    EXPECT_EQ(a.noSpecialRuns, b.noSpecialRuns);
    EXPECT_TRUE(a.totalTolerance == b.totalTolerance);
    EXPECT_EQ(a.candidates, b.candidates);
    EXPECT_EQ(a.bankers, b.bankers);
    EXPECT_EQ(a.selfSetOn, b.selfSetOn);
    EXPECT_TRUE(a.selfSets == b.selfSets);
    EXPECT_EQ(a.tailSetOn, b.tailSetOn);
    EXPECT_TRUE(a.tailSets == b.tailSets);
    EXPECT_EQ(a.customOn, b.customOn);
    EXPECT_TRUE(a.customs == b.customs);
}

TEST(ConditionFile, AllOffIsExactly1402RecordsWithEveryEnabledFieldZero) {
    TempDir dir;
    ConditionSet c;
    c.reset(33);
    c.notEqualDistance = c.noSpecialRuns = false;
    ConditionRecordImage image;
    ASSERT_EQ(SaveConditions(dir / "off", c, image, 33), "");
    const auto bytes = readFileBytes(dir / "off.zh");
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->size(), 11828674u);
    for (int id = 1; id <= kMainConditionRecords; ++id) EXPECT_EQ(intAt(*bytes, id, kEnabledOffset), 0) << id;
    for (int j = 1; j <= 33; ++j) EXPECT_EQ(intAt(*bytes, kCandidateNumbersId, kElementsOffset + 4 * (j - 1)), j);
}

TEST(ConditionFile, SpecialFilesHave200Records) {
    TempDir dir;
    ConditionRecordImage image(kSpecialConditionRecords);
    image.setValues(2, {3, 7, 11});
    image.setFlag(2, kEnabledOffset, true);
    for (const char* ext : {".lzh", ".fzh"}) {
        ASSERT_EQ(writeConditionRecords(dir / "special", image, ext), "");
        EXPECT_EQ(std::filesystem::file_size(dir / ("special" + std::string(ext))), 1687400u);
        ConditionRecordImage back(kSpecialConditionRecords);
        const ConditionLoad load = readConditionRecords(dir / ("special" + std::string(ext)), back);
        EXPECT_EQ(load.records, kSpecialConditionRecords);
        EXPECT_EQ(back.values(2), (std::vector<int32_t>{3, 7, 11}));
        EXPECT_TRUE(back.flagAt(2, kEnabledOffset));
    }
}

TEST(ConditionFile, FieldsSitAtTheirOffsets) {
    TempDir dir;
    ConditionSet c = richConditions();
    ConditionRecordImage image;
    ASSERT_EQ(SaveConditions(dir / "rich.zh", c, image, 33), "");
    const std::string bytes = *readFileBytes(dir / "rich.zh");
    struct Field {
        int id, offset, value;
    };
    const Field fields[] = {
        {1, kEnabledOffset, -1}, {1, kValueCountOffset, 3}, {1, kValuesOffset, 2}, {1, kValuesOffset + 8, 4},
        {1, kTolerantOffset, -1}, {2, kEnabledOffset, 0}, {94, kEnabledOffset, -1}, {94, kValueCountOffset, 0},
        {kStandardDeviationId, kTolerantOffset, -1}, {kCustomSwitchId, kEnabledOffset, -1},
        {kCustomSwitchId, kCustomCountOffset, 2}, {kFirstCustomId, kValueCountOffset, 2},
        {kFirstCustomId + 1, kValuesOffset + 4, 1000}, {kFirstCustomId + 1, kTolerantOffset, -1},
        {kCandidateNumbersId, kElementsOffset + 4 * 6, 0}, {kCandidateNumbersId, kElementsOffset + 4 * 7, 8},
        {kBankerNumbersId, kElementsOffset + 4 * 2, 3}, {kBankerNumbersId, kElementsOffset, 0},
        {kNotHistoryId, kEnabledOffset, -1}, {kNotEqualDistanceId, kEnabledOffset, 0},
        {kTotalToleranceId, kEnabledOffset, -1}, {kTotalToleranceId, kElementsOffset, 1},
        {kTotalToleranceId, kElementsOffset + 4, 2}, {kFirstSelfSetId, kEnabledOffset, -1},
        {kFirstSelfSetId, kGroupSizeOffset, 4}, {kFirstSelfSetId, kElementsOffset + 12, 11},
        {kFirstSelfSetId + 1, kValuesOffset, 2}, {kFirstTailSetId, kEnabledOffset, 0},
        {kFirstTailSetId + 1, kElementsOffset, 9},
    };
    for (const auto& f : fields) EXPECT_EQ(intAt(bytes, f.id, f.offset), f.value) << f.id << "@" << f.offset;
    EXPECT_EQ(bytes.substr(static_cast<std::size_t>(kFirstCustomId - 1) * kConditionRecordBytes, 7),
              std::string("z_hz%3\0", 7));
    EXPECT_EQ(image.doubleAt(kStandardDeviationId, kLowerBoundOffset), 5.0);
    EXPECT_EQ(image.doubleAt(kStandardDeviationId, kUpperBoundOffset), 12.0);
    EXPECT_EQ(image.doubleAt(kFirstSelfSetId, kLowerBoundOffset), 2.0);
    EXPECT_EQ(image.doubleAt(kFirstTailSetId, kLowerBoundOffset), 2.0);
    EXPECT_EQ(image.doubleAt(kFirstTailSetId, kUpperBoundOffset), 1.0);
    EXPECT_EQ(image.doubleAt(kFirstTailSetId + 1, kUpperBoundOffset), 0.0);
}

TEST(ConditionFile, SaveThenLoadRestoresEverything) {
    TempDir dir;
    const ConditionSet saved = richConditions();
    ConditionRecordImage image;
    ASSERT_EQ(SaveConditions(dir / "rich", saved, image, 33), "");
    ConditionSet loaded;
    ConditionRecordImage other;
    const ConditionLoad load = LoadConditions(dir / "rich.zh", loaded, other, 33);
    ASSERT_TRUE(load.found);
    EXPECT_EQ(load.records, kMainConditionRecords);
    EXPECT_TRUE(load.warning.empty());
    expectSame(saved, loaded);
    EXPECT_EQ(loaded.customs[1].formula, "max(z_num1,z_num2)+[-1]z_hz");
    EXPECT_EQ(other.bytes(), image.bytes());
}

TEST(ConditionFile, ExtensionRule) {
    struct Case {
        const char* chosen;
        const char* written;
    };
    const Case cases[] = {{"plain", "plain.zh"}, {"a.zh", "a.zh"}, {"a.zh.bak", "a.zh.bak"},
                          {"my.zhset", "my.zhset"}, {"a.txt", "a.txt.zh"}, {"a.ZH", "a.ZH.zh"}};
    for (const auto& c : cases) EXPECT_EQ(withExtension(c.chosen, ".zh"), c.written) << c.chosen;
}

TEST(ConditionFile, ShortTruncatedAndForeignFilesLoadWhatTheyHold) {
    TempDir dir;
    ConditionSet full = richConditions();
    ConditionRecordImage image;
    ASSERT_EQ(SaveConditions(dir / "rich.zh", full, image, 33), "");
    const std::string bytes = *readFileBytes(dir / "rich.zh");

    // Records 1..200 and half of record 201: list conditions up to 133 load, the rest keeps the reset.
    ASSERT_EQ(writeFileAtomically(dir / "short.zh", bytes.substr(0, 200 * kConditionRecordBytes + 4000)), "");
    ConditionSet shortSet;
    ConditionRecordImage shortImage;
    const ConditionLoad load = LoadConditions(dir / "short.zh", shortSet, shortImage, 33);
    EXPECT_EQ(load.records, 200);
    EXPECT_FALSE(load.warning.empty());
    EXPECT_EQ(shortSet.lists[131].values, full.lists[131].values);
    EXPECT_TRUE(shortSet.standardDeviation.enabled);
    EXPECT_FALSE(shortSet.customOn);
    EXPECT_TRUE(shortSet.customs.empty());
    EXPECT_TRUE(shortSet.candidates[7]);
    EXPECT_TRUE(shortSet.notEqualDistance);

    // Random bytes: counts and sizes are clipped, nothing crashes.
    std::mt19937 random(5);
    std::string noise(static_cast<std::size_t>(kMainConditionRecords) * kConditionRecordBytes, '\0');
    for (char& ch : noise) ch = static_cast<char>(random());
    ASSERT_EQ(writeFileAtomically(dir / "noise.zh", noise), "");
    ConditionSet foreign;
    ConditionRecordImage foreignImage;
    ASSERT_TRUE(LoadConditions(dir / "noise.zh", foreign, foreignImage, 33).found);
    EXPECT_LE(foreign.customs.size(), static_cast<std::size_t>(kMaxCustomConditions));
    EXPECT_LE(foreign.selfSets.size(), static_cast<std::size_t>(kMaxSelfSetConditions));
    EXPECT_LE(foreign.tailSets.size(), static_cast<std::size_t>(kMaxTailSetConditions));
    for (const auto& l : foreign.lists) EXPECT_LE(l.values.size(), static_cast<std::size_t>(kMaxAllowedValues));
    EXPECT_GE(foreign.totalTolerance.from, 0);
    EXPECT_LE(foreign.totalTolerance.to, kToleranceChoiceMax);

    // An empty file changes nothing but the reset; a missing one is reported and changes nothing.
    ASSERT_EQ(writeFileAtomically(dir / "empty.zh", ""), "");
    ConditionSet emptySet = richConditions();
    ConditionRecordImage emptyImage;
    EXPECT_EQ(LoadConditions(dir / "empty.zh", emptySet, emptyImage, 33).records, 0);
    EXPECT_FALSE(emptySet.lists[1].enabled);
    ConditionSet untouched = richConditions();
    EXPECT_FALSE(LoadConditions(dir / "none.zh", untouched, emptyImage, 33).found);
    EXPECT_TRUE(untouched.lists[1].enabled);
}

// Fields a condition does not use keep what the image held: a disabled list keeps its old values in
// the file, and loading it back does not enable them.
TEST(ConditionFile, UnusedFieldsKeepTheImage) {
    TempDir dir;
    ConditionSet c;
    c.reset(33);
    c.setEnabled(5, true);
    c.lists[5].values = {0, 1};
    ConditionRecordImage image;
    ASSERT_EQ(SaveConditions(dir / "a.zh", c, image, 33), "");
    c.setEnabled(5, false);
    ASSERT_EQ(SaveConditions(dir / "b.zh", c, image, 33), "");
    const std::string bytes = *readFileBytes(dir / "b.zh");
    EXPECT_EQ(intAt(bytes, 5, kEnabledOffset), 0);
    EXPECT_EQ(intAt(bytes, 5, kValueCountOffset), 2);
    ConditionSet back;
    ConditionRecordImage backImage;
    LoadConditions(dir / "b.zh", back, backImage, 33);
    EXPECT_FALSE(back.lists[5].enabled);
    EXPECT_TRUE(back.lists[5].values.empty());
}

TEST(ConditionLimits, AddingPastALimitIsRefused) {
    ConditionSet c;
    for (int k = 0; k < kMaxSelfSetConditions; ++k) ASSERT_TRUE(c.addSelfSet({{1}, {1}, false}).added);
    const AddResult self = c.addSelfSet({{1}, {1}, false});
    EXPECT_FALSE(self.added);
    EXPECT_EQ(self.message, kSelfSetLimitMessage);
    for (int k = 0; k < kMaxTailSetConditions; ++k) ASSERT_TRUE(c.addTailSet({{1}, {1}, false, true}).added);
    EXPECT_EQ(c.addTailSet({{1}, {1}, false, true}).message, kTailSetLimitMessage);
    for (int k = 0; k < kMaxCustomConditions; ++k) ASSERT_TRUE(c.addCustom({"z_hz", {1}, false}).added);
    EXPECT_EQ(c.addCustom({"z_hz", {1}, false}).message, kCustomLimitMessage);

    std::string chinese;  // 100 characters, 200 GBK bytes
    for (int k = 0; k < 100; ++k) chinese += "和";
    struct FormulaCase {
        std::string formula;
        bool added;
        std::string message;
    };
    const FormulaCase formulas[] = {
        {std::string(200, 'a'), true, ""},
        {std::string(201, 'a'), false, kFormulaTooLongMessage},
        {chinese, true, ""},
        {chinese + "a", false, kFormulaTooLongMessage},
        {"   ", false, ""},  // an empty formula is neither added nor reported
    };
    for (const auto& k : formulas) {
        ConditionSet f;
        const AddResult r = f.addCustom({k.formula, {1}, false});
        EXPECT_EQ(r.added, k.added) << k.formula;
        EXPECT_EQ(r.message, k.message) << k.formula;
        EXPECT_EQ(f.customs.size(), k.added ? 1u : 0u);
    }
}

}  // namespace
}  // namespace qorvel
