#include "engine/indicator_menu.h"

#include <gtest/gtest.h>

#include "engine/indicator_catalogue.h"

namespace qorvel {
namespace {

struct PageCase {
    const char* title;
    std::size_t items;
    const char* first;
    const char* last;
};

// Page sizes and the first and last expression of every page, in page order.
constexpr PageCase kPages[] = {
    {"常规系列", 58, "z_num1", "z_num5%5"},
    {"和值系列", 27, "z_hz", "z_dhhe"},
    {"振幅系列", 91, "z_num1zf", "getzf(z_2lhe)"},
    {"遗漏系列", 97, "z_num1yl", "getylz(z_2lhe)"},
    {"遗漏振幅", 97, "z_num1ylzf", "getylzzf(z_2lhe)"},
    {"振幅遗漏", 91, "getzfylz(z_num1)", "getzfylz(z_2lhe)"},
    {"线和线差", 20, "xh21", "xc51"},
    {"尾数系列", 68, "z_num1_w", "z_2lhe%10"},
};

TEST(IndicatorMenu, PagesHoldTheirItemsInOrder) {
    const auto& pages = indicatorMenuPages();
    ASSERT_EQ(pages.size(), std::size(kPages));
    for (std::size_t p = 0; p < pages.size(); ++p) {
        SCOPED_TRACE(kPages[p].title);
        EXPECT_EQ(pages[p].title, kPages[p].title);
        ASSERT_EQ(pages[p].items.size(), kPages[p].items);
        EXPECT_EQ(pages[p].items.front().expression, kPages[p].first);
        EXPECT_EQ(pages[p].items.back().expression, kPages[p].last);
    }
}

struct ItemCase {
    int page;
    std::size_t index;  // 0-based position on the page
    const char* expression;
    const char* name;
};

class MenuItem : public ::testing::TestWithParam<ItemCase> {};

TEST_P(MenuItem, HasItsExpressionAndName) {
    const auto& item = indicatorMenuPages()[GetParam().page].items.at(GetParam().index);
    EXPECT_EQ(item.expression, GetParam().expression);
    EXPECT_EQ(item.name, GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(
    Items, MenuItem,
    ::testing::Values(
        ItemCase{0, 0, "z_num1", "主号一"}, ItemCase{0, 5, "z_pd", "主区偏度"},
        ItemCase{0, 31, "z_c3y0", "除3余0的号码个数"}, ItemCase{0, 43, "z_num1%3", "主号一除3余数"},
        ItemCase{0, 48, "z_num1%4", "主号一除4余数"}, ItemCase{1, 3, "z_jshe", "主区奇数和值"},
        ItemCase{1, 12, "z_c3yshe", "主区除3余数和值"}, ItemCase{1, 15, "z_0lhe", "主区0路和值"},
        ItemCase{1, 0, "z_hz", "主区和值"}, ItemCase{2, 5, "getzf(z_dsgs)", "主区大数个数的振幅"},
        ItemCase{2, 19, "z_pdzf", "主区偏度振幅"}, ItemCase{2, 22, "getzf(z_gwgs)", "高尾个数的振幅"},
        ItemCase{2, 35, "getzf(z_num1%3)", "主号一除3余数的振幅"},
        ItemCase{2, 50, "getzf(xh21)", "线和2_1振幅"}, ItemCase{2, 70, "getzf(z_num1_w)", "主号一尾数振幅"},
        ItemCase{2, 75, "z_hzzf", "主区和值振幅"}, ItemCase{3, 5, "z_num1yl_toall", "主号一不定位遗漏"},
        ItemCase{3, 10, "getylz(z_dsgs)", "主区大数个数遗漏值"}, ItemCase{3, 24, "z_pdyl", "主区偏度遗漏"},
        ItemCase{3, 27, "getylz(z_zdjj)", "主区最大间距遗漏值"}, ItemCase{3, 84, "z_ylhz", "主区遗漏和值"},
        ItemCase{4, 0, "z_num1ylzf", "主号一遗漏振幅"},
        ItemCase{4, 5, "getzf(z_num1yl_toall)", "主号一不定位遗漏振幅"},
        ItemCase{4, 10, "getylzzf(z_dsgs)", "主区大数个数遗漏振幅"},
        ItemCase{4, 81, "z_hzylzf", "主区和值遗漏振幅"}, ItemCase{5, 0, "getzfylz(z_num1)", "主号一振幅遗漏"},
        ItemCase{5, 22, "getzfylz(z_zdjj)", "主区最大间距振幅遗漏"}, ItemCase{6, 10, "xc21", "线差2_1"},
        ItemCase{7, 5, "z_num1zf%10", "主号一振幅的尾数"},
        ItemCase{7, 20, "getylzzf(z_num1)%10", "主号一遗漏振幅的尾数"},
        ItemCase{7, 35, "z_zdjj%10", "主区最大邻位间距的尾数"}, ItemCase{7, 59, "z_hw", "主区和尾"},
        ItemCase{7, 62, "z_c3yshe%10", "主区除3余数和值的尾数"}));

// Every code an item reads (inside a function call or before "%") is a catalogue code.
TEST(IndicatorMenu, EveryExpressionReadsCatalogueCodes) {
    for (const auto& page : indicatorMenuPages())
        for (const auto& item : page.items) {
            std::string code = item.expression;
            if (auto open = code.find('('); open != std::string::npos)
                code = code.substr(open + 1, code.find(')') - open - 1);
            code = code.substr(0, code.find('%'));
            EXPECT_NE(findCatalogueEntry(code), nullptr) << page.title << ": " << item.expression;
        }
}

// Picking an item line gives back the item's expression and name.
TEST(IndicatorMenu, ItemLinesParseBackIntoTheirParts) {
    for (const auto& page : indicatorMenuPages())
        for (const auto& item : page.items) {
            const IndicatorMenuItem picked = parseMenuLine(item.text());
            EXPECT_EQ(picked.expression, item.expression) << item.text();
            EXPECT_EQ(picked.name, item.name) << item.text();
        }
}

TEST(IndicatorMenu, PickingTrimsTheName) {
    const IndicatorMenuItem picked = parseMenuLine("z_hz     主区和值  ");
    EXPECT_EQ(picked.expression, "z_hz");
    EXPECT_EQ(picked.name, "主区和值");
}

}  // namespace
}  // namespace qorvel
