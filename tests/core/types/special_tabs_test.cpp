#include "types/special_tabs.h"

#include <gtest/gtest.h>

namespace qorvel {
namespace {

struct SpecialTabCase {
    const char* name;
    int specialCount;
    const char* label;
    const char* expected;  // 副区过滤, single filter, 双区匹配, 副区定胆, 副区杀号: 1 shown, 0 hidden, - unchanged
};

constexpr SpecialTabCase kCases[] = {
    {"two specials", 2, "副号", "10111"},
    {"two specials called 特别号", 2, "特别号", "10011"},
    {"one special", 1, "蓝号", "01101"},
    {"one special called 特别号", 1, "特别号", "01001"},
    {"none", 0, "特别号", "00000"},
    {"other counts change nothing", 3, "蓝号", "-----"},
    {"other count called 特别号", 3, "特别号", "--0--"},
};

TEST(SpecialTabs, FollowTheSpecialCountAndLabel) {
    for (const auto& c : kCases) {
        const SpecialTabVisibility tabs = specialTabVisibility(c.specialCount, c.label);
        const std::optional<bool> values[] = {tabs.specialFilter, tabs.singleSpecialFilter, tabs.dualZoneMatch,
                                              tabs.specialBanker, tabs.specialKill};
        std::string seen;
        for (const auto& v : values) seen += v ? (*v ? '1' : '0') : '-';
        EXPECT_EQ(seen, c.expected) << c.name;
    }
}

}  // namespace
}  // namespace qorvel
