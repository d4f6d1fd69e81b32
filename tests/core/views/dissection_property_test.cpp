// The dissection page's property table: classes of values under every classification, the zone ends of a
// value range, the component chooser's lists and the table they rebuild, and the zone viewer's memo.
#include <gtest/gtest.h>

#include "types/lottery_type.h"
#include "views/dissection_property.h"

namespace qorvel {
namespace {

using Ends = std::vector<int64_t>;
using Names = std::vector<std::string>;

Component named(const std::string& name) {
    const std::optional<Component> c = componentOf(name);
    EXPECT_TRUE(c.has_value()) << name;
    return c.value_or(Component{});
}

TEST(DissectionProperty, ValuesFallIntoTheirClasses) {
    struct Case {
        const char* component;
        int32_t value;
        SeriesRange range;
        int cls;
    };
    const SeriesRange usual{1, 33};
    const SeriesRange widened = widenedSeriesRange(5, 5, 6);  // 5 … 10
    const Case cases[] = {
        {"尾号", 0, usual, 0},
        {"尾号", 29, usual, 9},
        {"尾号", 30, usual, 0},
        {"尾号", -3, {-5, 5}, 7},     // the non-negative remainder
        {"尾号", -10, {-10, 0}, 0},
        {"奇偶", 7, usual, 0},
        {"奇偶", 0, {0, 9}, 1},
        {"奇偶", -3, {-5, 5}, 0},
        {"质合", 1, usual, 0},        // 1 counts as prime
        {"质合", 2, usual, 0},
        {"质合", 9, usual, 1},
        {"质合", 97, {0, 100}, 0},
        {"质合", 0, {0, 9}, 1},        // neither prime nor composite: shown as 合
        {"质合", -7, {-9, 9}, 1},
        {"小大", 16, usual, 0},       // the two-zone split of 1..33 ends its first half at 16
        {"小大", 17, usual, 1},
        {"小大", 4, {0, 9}, 0},
        {"小大", 5, {0, 9}, 1},
        {"小大", -4, {-5, -1}, 0},    // five values: two small, three large
        {"小大", -3, {-5, -1}, 1},
        {"三区", 11, usual, 0},
        {"三区", 12, usual, 1},
        {"三区", 22, usual, 1},
        {"三区", 23, usual, 2},
        {"四区", 8, usual, 0},
        {"四区", 9, usual, 1},
        {"五区", 19, usual, 2},
        {"五区", 20, usual, 3},
        {"三区", -4, {-10, 10}, 0},
        {"三区", -3, {-10, 10}, 1},
        {"三区", 40, usual, 2},       // outside the range: the nearest zone
        {"三区", 0, usual, 0},
        {"三区", 6, widened, 0},
        {"三区", 7, widened, 1},
        {"十五区", 5, widened, 9},    // six values over fifteen zones: the first nine stay empty
        {"十五区", 10, widened, 14},
        {"十五区", 3, widened, 9},    // below the range, yet never in an empty zone
        {"除三余数", -1, {-5, 5}, 2},
        {"除三余数", -3, {-5, 5}, 0},
        {"除四余数", 27, usual, 3},
        {"除十五余数", 29, usual, 14},
    };
    for (const Case& c : cases)
        EXPECT_EQ(classOfValue(named(c.component), c.value, c.range), c.cls)
            << c.component << " " << c.value << " over " << c.range.min << ".." << c.range.max;
}

TEST(DissectionProperty, RangeZoneEndsFollowTheZoneRule) {
    struct Case {
        int32_t from, to;
        int n;
        Ends ends;
    };
    const Case cases[] = {
        {1, 33, 4, {8, 16, 24, 33}},
        {1, 33, 5, {6, 12, 19, 26, 33}},
        {0, 9, 3, {2, 5, 9}},
        {-10, 10, 3, {-4, 3, 10}},
        {5, 10, 15, {4, 4, 4, 4, 4, 4, 4, 4, 4, 5, 6, 7, 8, 9, 10}},
        {7, 7, 2, {6, 7}},
    };
    for (const Case& c : cases) EXPECT_EQ(rangeZoneEnds(c.from, c.to, c.n), c.ends) << c.from << ".." << c.to;
    // Over 1..MainTo the ends are the type's zone bounds.
    for (int mainTo : {11, 33, 35}) {
        const ZoneBounds bounds = buildZoneBounds(mainTo);
        for (int n = kMinZoneCount; n <= kMaxZoneCount; ++n) {
            const std::vector<int>& b = bounds.forCount(n);
            EXPECT_EQ(rangeZoneEnds(1, mainTo, n), Ends(b.begin() + 1, b.end())) << mainTo << " " << n;
        }
    }
}

TEST(DissectionProperty, CatalogueNamesTheirMeaning) {
    struct Case {
        const char* name;
        std::optional<Component> meaning;
    };
    const Case cases[] = {
        {"尾号", Component{ComponentKind::Tail, 10}},
        {"奇偶", Component{ComponentKind::OddEven, 2}},
        {"质合", Component{ComponentKind::PrimeComposite, 2}},
        {"小大", Component{ComponentKind::SmallLarge, 2}},
        {"十区", Component{ComponentKind::Zones, 10}},
        {"十五区", Component{ComponentKind::Zones, 15}},
        {"除十一余数", Component{ComponentKind::Remainder, 11}},
        {"二区", std::nullopt},
        {"除二余数", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(componentOf(c.name), c.meaning) << c.name;
    const struct {
        Component component;
        Names captions;
    } captions[] = {
        {{ComponentKind::OddEven, 2}, {"奇", "偶"}},
        {{ComponentKind::PrimeComposite, 2}, {"质", "合"}},
        {{ComponentKind::SmallLarge, 2}, {"小", "大"}},
        {{ComponentKind::Zones, 3}, {"1", "2", "3"}},
        {{ComponentKind::Remainder, 3}, {"0", "1", "2"}},
    };
    for (const auto& c : captions)
        for (int k = 0; k < c.component.parts; ++k)
            EXPECT_EQ(classCaption(c.component, k), c.captions[static_cast<std::size_t>(k)]);
}

TEST(DissectionProperty, TableNumbersClassesConsecutively) {
    Names defaults;
    for (const NumberClassEntry& e : defaultNumberClassTable().entries) defaults.push_back(e.name);
    const NumberClassTable rebuilt = buildNumberClassTable(defaults);
    ASSERT_EQ(rebuilt.entries.size(), defaultNumberClassTable().entries.size());
    for (std::size_t i = 0; i < defaults.size(); ++i) {
        EXPECT_EQ(rebuilt.entries[i].classes, defaultNumberClassTable().entries[i].classes) << defaults[i];
        EXPECT_EQ(rebuilt.entries[i].firstClass, defaultNumberClassTable().entries[i].firstClass) << defaults[i];
    }

    const struct {
        Names names;
        Names kept;
        std::vector<int> classes, first;
    } cases[] = {
        {{"三区", "尾号", "除十五余数"}, {"三区", "尾号", "除十五余数"}, {3, 10, 15}, {1, 4, 14}},
        {{"质合", "二区", "质合", "十五区"}, {"质合", "十五区"}, {2, 15}, {1, 3}},
        {{}, {}, {}, {}},
    };
    for (const auto& c : cases) {
        const NumberClassTable t = buildNumberClassTable(c.names);
        ASSERT_EQ(t.entries.size(), c.kept.size());
        for (std::size_t i = 0; i < c.kept.size(); ++i) {
            EXPECT_EQ(t.entries[i].name, c.kept[i]);
            EXPECT_EQ(t.entries[i].classes, c.classes[i]);
            EXPECT_EQ(t.entries[i].firstClass, c.first[i]);
        }
    }

    // Everything twice over keeps one entry per classification, the last class numbers still fitting a byte.
    Names twice = componentCatalogue();
    twice.insert(twice.end(), componentCatalogue().begin(), componentCatalogue().end());
    const NumberClassTable all = buildNumberClassTable(twice);
    ASSERT_EQ(all.entries.size(), static_cast<std::size_t>(kMaxNumberClassEntries));
    EXPECT_EQ(all.entries.back().name, "除十五余数");
    EXPECT_EQ(all.entries.back().firstClass, 236);
}

TEST(DissectionProperty, ChooserMovesComponentsBetweenItsLists) {
    ComponentChoice choice = componentChoiceFor(defaultNumberClassTable());
    const Names initiallyUsed{"尾号", "奇偶", "质合", "小大", "三区", "四区", "除三余数", "除四余数"};
    const Names initiallyAvailable{"五区",     "六区",     "七区",       "八区",       "九区",       "十区",
                                   "十一区",   "十二区",   "十三区",     "十四区",     "十五区",     "除五余数",
                                   "除六余数", "除七余数", "除八余数",   "除九余数",   "除十余数",   "除十一余数",
                                   "除十二余数", "除十三余数", "除十四余数", "除十五余数"};
    EXPECT_EQ(choice.used, initiallyUsed);
    EXPECT_EQ(choice.available, initiallyAvailable);

    // "<<" appends to the used list.
    ASSERT_TRUE(useComponent(choice, 2));
    EXPECT_EQ(choice.used.back(), "七区");
    EXPECT_EQ(choice.available[2], "八区");
    // ">>" puts a component back at its catalogue place.
    ASSERT_TRUE(releaseComponent(choice, 4));  // 三区
    EXPECT_EQ(choice.available[0], "三区");
    ASSERT_TRUE(releaseComponent(choice, 5));  // 除三余数
    const auto at = std::find(choice.available.begin(), choice.available.end(), "除三余数");
    ASSERT_NE(at, choice.available.end());
    EXPECT_EQ(*(at - 1), "十五区");
    EXPECT_EQ(*(at + 1), "除五余数");
    EXPECT_FALSE(useComponent(choice, -1));
    EXPECT_FALSE(useComponent(choice, static_cast<int>(choice.available.size())));
    EXPECT_FALSE(releaseComponent(choice, static_cast<int>(choice.used.size())));

    // The last component in use stays.
    ComponentChoice one = componentChoiceFor(buildNumberClassTable({"小大"}));
    const ComponentChoice before = one;
    EXPECT_FALSE(releaseComponent(one, 0));
    EXPECT_EQ(one, before);

    // The table the lists rebuild follows the used list's order.
    const NumberClassTable rebuilt = buildNumberClassTable(choice.used);
    EXPECT_EQ(rebuilt.entries.back().name, "七区");
    EXPECT_EQ(rebuilt.entries.back().firstClass, 10 + 2 + 2 + 2 + 4 + 4 + 1);
}

TEST(DissectionProperty, RowsCarryClassesAndRunningOmissions) {
    const std::vector<int32_t> series{7, 12, 7, 3, 16};
    const std::vector<int32_t> issues{101, 102, 103, 104, 9999999};
    const SeriesRange range{1, 16};
    const PropertyTable t = buildPropertyTable(series, issues, range, defaultNumberClassTable(), 1, 5);
    ASSERT_EQ(t.rows.size(), 5u);
    EXPECT_EQ(t.rows[0].issueText, "101");
    EXPECT_EQ(t.rows[4].issueText, "预测区");
    EXPECT_TRUE(t.rows[4].forecast);
    EXPECT_FALSE(t.rows[3].forecast);
    // 尾号, 奇偶, 质合, 小大, 三区, 四区, 除三余数, 除四余数
    const std::vector<std::vector<int>> classes{
        {7, 0, 0, 0, 1, 1, 1, 3}, {2, 1, 1, 1, 2, 2, 0, 0}, {7, 0, 0, 0, 1, 1, 1, 3},
        {3, 0, 0, 0, 0, 0, 0, 3}, {6, 1, 1, 1, 2, 3, 1, 0}};
    for (std::size_t r = 0; r < classes.size(); ++r) EXPECT_EQ(t.rows[r].classes, classes[r]) << "row " << r;
    ASSERT_EQ(t.columns.size(), 30u);
    EXPECT_EQ(t.columns[t.columnOf(1, 1)].caption, "偶");
    EXPECT_EQ(t.columns[t.columnOf(4, 2)].caption, "3");
    const struct {
        int component, cls;
        std::vector<int> omissions;
    } columns[] = {{0, 7, {0, 1, 0, 1, 2}}, {1, 0, {0, 1, 0, 0, 1}}, {0, 0, {1, 2, 3, 4, 5}}, {7, 3, {0, 1, 0, 0, 1}}};
    for (const auto& c : columns)
        for (std::size_t r = 0; r < t.rows.size(); ++r) {
            const int col = t.columnOf(c.component, c.cls);
            EXPECT_EQ(t.rows[r].omissions[static_cast<std::size_t>(col)], c.omissions[r]) << col << " row " << r;
            EXPECT_EQ(t.hit(static_cast<int>(r), col), c.omissions[r] == 0);
        }

    // A part of the series counts omissions from its own first row.
    const PropertyTable part = buildPropertyTable(series, issues, range, defaultNumberClassTable(), 2, 4);
    ASSERT_EQ(part.rows.size(), 3u);
    EXPECT_EQ(part.rows[0].draw, 2);
    EXPECT_EQ(part.rows[0].omissions[7], 1);
    EXPECT_EQ(part.rows[1].omissions[7], 0);
    EXPECT_TRUE(buildPropertyTable(series, issues, range, defaultNumberClassTable(), 4, 2).rows.empty());
    EXPECT_EQ(buildPropertyTable(series, issues, range, defaultNumberClassTable(), -3, 99).rows.size(), 5u);
}

TEST(DissectionProperty, ComponentsChooseTheColumns) {
    NumberClassTable classes = buildNumberClassTable({"小大", "十五区"});
    classes.entries.insert(classes.entries.begin(), NumberClassEntry{"不存在", 4, 1});
    const PropertyTable t = buildPropertyTable({3, 40}, {1, 2}, {1, 40}, classes, 1, 2);
    ASSERT_EQ(t.components.size(), 2u);
    EXPECT_EQ(t.components[0].name, "小大");
    Names captions;
    for (const PropertyColumn& c : t.columns) captions.push_back(c.caption);
    EXPECT_EQ(captions, (Names{"小", "大", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13",
                               "14", "15"}));
    EXPECT_EQ(t.rows[0].classes, (std::vector<int>{0, 1}));  // 3 lies in the second zone of 1..40 (ends 2, 4, …)
    EXPECT_EQ(t.rows[1].classes, (std::vector<int>{1, 14}));
}

TEST(DissectionProperty, ZoneViewerListsEveryZone) {
    const std::vector<std::string> common = zoneViewerLines(1, 16, true, kDefaultViewerZones);
    ASSERT_GE(common.size(), 6u);
    EXPECT_EQ(common[0], "(2分区的分区设定)");
    EXPECT_EQ(common[1], "第1分区<1..8>;  第2分区<9..16>;  ");
    EXPECT_EQ(common[2], "");
    EXPECT_EQ(common[3], "(3分区的分区设定)");
    EXPECT_EQ(common[4], "第1分区<1..5>;  第2分区<6..10>;  第3分区<11..16>;  ");
    EXPECT_EQ(common[common.size() - 3], "(15分区的分区设定)");
    EXPECT_EQ(common.back(), "");

    const struct {
        int32_t from, to;
        int zones;
        std::vector<std::string> lines;
    } cases[] = {
        {-3, 4, 4, {"(4分区的分区设定)", "第1分区<-3..-2>;  第2分区<-1..0>;  第3分区<1..2>;  第4分区<3..4>;  ", ""}},
        {1, 3, 5,
         {"(5分区的分区设定)", "第1分区<1..0>;  第2分区<1..0>;  第3分区<1..1>;  第4分区<2..2>;  第5分区<3..3>;  ", ""}},
        {10, 12, 1, {"(2分区的分区设定)", "第1分区<10..10>;  第2分区<11..12>;  ", ""}},
    };
    for (const auto& c : cases) EXPECT_EQ(zoneViewerLines(c.from, c.to, false, c.zones), c.lines);
    const std::vector<std::string> many = zoneViewerLines(1, 3000, false, 5000);
    ASSERT_EQ(many.size(), 3u);
    EXPECT_EQ(many[0], "(1000分区的分区设定)");
    EXPECT_EQ(many[1].rfind("第1000分区<2998..3000>;  "), many[1].size() - std::string("第1000分区<2998..3000>;  ").size());
}

}  // namespace
}  // namespace qorvel
