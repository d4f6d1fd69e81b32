#include "combos/special_pickers.h"

#include <gtest/gtest.h>

#include "combo_test_support.h"
#include "engine/indicators.h"

namespace qorvel {
namespace {

using testing::makeWorkspace;

// Five of 35 with two specials of 1..12; the last draw's specials are 4 and 9, before them 6 and 11.
std::unique_ptr<Workspace> twoSpecialWorkspace() {
    auto ws = makeWorkspace(5, 35, {{2021001, 1, 8, 15, 22, 29, 6, 11}, {2021002, 2, 9, 16, 23, 30, 4, 9}});
    ws->params.SpecialCount = 2;
    ws->params.SpecialTo = 12;
    return ws;
}

TEST(BlueConditionPickerRequest, RangeKindAndCurrentValueFollowTheCondition) {
    // One special of 1..16; the last two draws' specials are 13 and 5.
    auto ws = makeWorkspace(6, 33, {{2020001, 1, 2, 3, 4, 5, 6, 13}, {2020002, 2, 3, 4, 5, 6, 7, 5}});
    BlueConditionSet c;
    c.reset();
    c.condition(5)->values = {1, 3};
    const struct {
        int id;
        int from, to;
        bool criteria, checkList;
        std::optional<int32_t> current;
    } cases[] = {
        {4, 0, 2, false, false, {}},    // 除三余数
        {5, 0, 3, false, false, {}},    // 除四余数, with its chosen values
        {6, 0, 4, false, false, {}},    // 除五余数
        {7, 0, 16, true, false, 8},     // 绝对振幅: tiles to the special maximum, |5 − 13|
        {8, 0, 150, true, true, 1},     // 遗漏值: the check list; 5 never came before the last draw
    };
    for (const auto& k : cases) {
        const ValuePickerRequest r = blueConditionPickerRequest(*ws, c, *findBlueCondition(k.id));
        EXPECT_EQ(r.from, k.from) << k.id;
        EXPECT_EQ(r.to, k.to) << k.id;
        EXPECT_EQ(r.criteria, k.criteria) << k.id;
        EXPECT_EQ(r.checkList, k.checkList) << k.id;
        EXPECT_EQ(r.currentValue, k.current) << k.id;
        EXPECT_EQ(r.preselected, c.condition(k.id)->values) << k.id;
    }
    // Choice and mean conditions have no picker.
    for (int id : {1, 9}) {
        const ValuePickerRequest r = blueConditionPickerRequest(*ws, c, *findBlueCondition(id));
        EXPECT_GT(r.from, r.to) << id;
    }
}

TEST(ZoneConditionPickerRequest, RangesFollowTheSpecialMaximum) {
    auto ws = twoSpecialWorkspace();
    ZoneConditionSet c;
    c.reset(ws->params);
    c.lists[5].values = {7, 8};
    const struct {
        int id;
        int from, to;
        int32_t current;
    } cases[] = {
        {1, 1, 11, 4},   // 副号一
        {2, 2, 12, 9},   // 副号二
        {5, 3, 23, 13},  // 副区和值: 3..2·12 − 1
        {6, 1, 11, 5},   // 副区差值
        {7, 0, 145, 1},  // 副号一遗漏: 4 never came before the last draw
    };
    for (const auto& k : cases) {
        const ValuePickerRequest r = zoneConditionPickerRequest(*ws, c, *findZoneCondition(k.id));
        EXPECT_EQ(r.from, k.from) << k.id;
        EXPECT_EQ(r.to, k.to) << k.id;
        EXPECT_TRUE(r.criteria) << k.id;
        EXPECT_FALSE(r.checkList) << k.id;
        EXPECT_EQ(r.currentValue, k.current) << k.id;
        EXPECT_EQ(r.preselected, c.lists[static_cast<std::size_t>(k.id)].values) << k.id;
    }
}

TEST(SpecialNumberPickerRequest, PreselectsTheFlaggedNumbersOfTheSpecialRange) {
    auto ws = twoSpecialWorkspace();
    ZoneConditionSet c;
    c.reset(ws->params);
    ASSERT_TRUE(c.setBankers({3, 10}, 2).empty());
    const ValuePickerRequest candidates = specialNumberPickerRequest(*ws, c, false);
    EXPECT_EQ(candidates.from, 1);
    EXPECT_EQ(candidates.to, 12);
    EXPECT_EQ(candidates.preselected.size(), 12u);
    EXPECT_FALSE(candidates.currentValue);
    EXPECT_EQ(specialNumberPickerRequest(*ws, c, true).preselected, (std::vector<int32_t>{3, 10}));
}

}  // namespace
}  // namespace qorvel
