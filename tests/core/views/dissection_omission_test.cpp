// The dissection's value omission table (columns = the values of a series) and its data distribution
// picture: cells, statistics, orderings of negative values, the width limit, the bounds check and where the
// picture puts its marks.
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <cstring>
#include <set>
#include <tuple>

#include "recording_surface.h"
#include "text/number_text.h"
#include "views/dissection_distribution.h"
#include "views/number_ordering.h"
#include "views/omission_table.h"

namespace qorvel {
namespace {

// Five draws over the values −2…2: 1 is never drawn, −1 only in the last row, 0 twice.
const std::vector<int32_t> kSeries = {0, -2, 0, 2, -1};
const std::vector<int32_t> kIssues = {2021001, 2021002, 2021003, 2021004, 2021005};

TEST(ValueOmissionTable, CellsAndStatisticsOverNegativeValues) {
    const auto table = buildValueOmissionTable(kSeries, kIssues, -2, 2, 1, 5, 0);
    EXPECT_EQ(table.header(), (std::vector<std::string>{"期号", "-2", "-1", "00", "01", "02", "指标取值"}));
    ASSERT_EQ(table.rows.size(), 5u);
    const char* expected[5][5] = {
        {"1", "1", "00", "1", "1"},
        {"-2", "2", "1", "2", "2"},
        {"1", "3", "00", "3", "3"},
        {"2", "4", "1", "4", "02"},
        {"3", "-1", "2", "5", "1"},
    };
    for (int r = 0; r < 5; ++r) {
        EXPECT_EQ(table.rows[r].issueText, std::to_string(kIssues[r]));
        EXPECT_EQ(table.rows[r].numbersText, TwoDigitText(kSeries[r]));
        for (int s = 0; s < 5; ++s) EXPECT_EQ(table.cellText(table.rows[r].cells[s]), expected[r][s]) << r << "," << s;
    }
    EXPECT_TRUE(table.rows[0].cells[2].drawn);
    EXPECT_FALSE(table.rows[1].cells[3].drawn);  // an omission of 2 is not the drawn value 2
    const std::vector<std::vector<std::string>> statistics = {
        {"出现次数", "1", "1", "2", "0", "1"},
        {"最大遗漏", "1", "4", "1", "9999", "3"},
        {"平均遗漏", "1", "4", "0", "9999", "3"},  // 0: one omission of 1 over two occurrences, halves to even
        {"上次遗漏", "1", "4", "1", "9999", "3"},
        {"本次遗漏", "3", "0", "2", "5", "1"},    // −1 drawn in the last row; 1 never drawn
    };
    EXPECT_EQ(table.statisticsRows(), statistics);
    EXPECT_EQ(table.drawnColumns(), (std::vector<int>{2, 0, 2, 4, 1}));
}

TEST(ValueOmissionTable, RangeEdgesAndValuesOutsideTheColumns) {
    // A range starting inside the history starts every column afresh; the forecast row keeps its caption.
    std::vector<int32_t> issues = kIssues;
    issues.back() = 9999999;
    const auto tail = buildValueOmissionTable(kSeries, issues, -2, 2, 4, 5, 0);
    ASSERT_EQ(tail.rows.size(), 2u);
    EXPECT_EQ(tail.rows[1].issueText, "预测区");
    EXPECT_EQ(tail.cellText(tail.rows[0].cells[0]), "1");
    EXPECT_EQ(tail.statistics[0].occurrences, 0);
    // The columns may be narrower than the series: a value outside them marks no cell and breaks the line.
    const auto narrow = buildValueOmissionTable(kSeries, kIssues, 0, 2, 1, 5, 0);
    EXPECT_EQ(narrow.drawnColumns(), (std::vector<int>{0, -1, 0, 2, -1}));
    EXPECT_EQ(narrow.cellText(narrow.rows[1].cells[0]), "1");
    // Rows past the series or a reversed range give no rows; the columns stay.
    EXPECT_EQ(buildValueOmissionTable(kSeries, kIssues, -2, 2, 4, 99, 0).rows.size(), 2u);
    EXPECT_TRUE(buildValueOmissionTable(kSeries, kIssues, -2, 2, 5, 4, 0).rows.empty());
}

TEST(ValueOmissionTable, OrderingsPlaceNegativeValuesInTheirGroups) {
    struct Case {
        int kind;
        std::vector<int> numbers, groupEnds;
    } cases[] = {
        {0, {-2, -1, 0, 1, 2}, {5}},
        {1, {1, 2, -2, -1, 0}, {2, 5}},         // nothing below 1 is prime
        {2, {-2, 0, 2, -1, 1}, {3, 5}},
        {3, {0, -2, 1, -1, 2}, {1, 3, 5}},      // −2 mod 3 groups with 1, −1 with 2
    };
    for (const auto& c : cases) {
        const auto table = buildValueOmissionTable(kSeries, kIssues, -2, 2, 1, 5, c.kind);
        EXPECT_EQ(table.ordering.numbers, c.numbers) << orderingCaption(c.kind);
        EXPECT_EQ(table.ordering.groupEnds, c.groupEnds) << orderingCaption(c.kind);
    }
    // "显示1路号" and "显示2路号" take negative values by the same remainders.
    std::vector<int> road1, road2;
    for (int v = -2; v <= 2; ++v) {
        if (passesSpecShow(6, v)) road1.push_back(v);
        if (passesSpecShow(7, v)) road2.push_back(v);
    }
    EXPECT_EQ(road1, (std::vector<int>{-2, 1}));
    EXPECT_EQ(road2, (std::vector<int>{-1, 2}));
}

TEST(ValueOmissionTable, TooWideRangesAreNotTabulated) {
    struct Case {
        int32_t min, max;
        bool tooWide;
    } cases[] = {{0, 100, false}, {0, 101, true}, {-50, 50, false}, {-999, 200000, true}, {INT_MIN, INT_MAX, true}};
    for (const auto& c : cases) {
        EXPECT_EQ(valueRangeTooWide(c.min, c.max), c.tooWide) << c.min << ".." << c.max;
        const auto table = buildValueOmissionTable(kSeries, kIssues, c.min, c.max, 1, 5, 0);
        EXPECT_EQ(table.ordering.numbers.empty(), c.tooWide) << c.min << ".." << c.max;
        EXPECT_EQ(table.rows.empty(), c.tooWide) << c.min << ".." << c.max;
    }
}

TEST(DistributionBounds, FieldsAreChecked) {
    struct Case {
        const char *min, *max;
        std::string error;
        DistributionBounds bounds;
    } cases[] = {
        {"", "5", kDistributionBoundsEmpty, {}},
        {"3", "", kDistributionBoundsEmpty, {}},
        {"a", "5", kDistributionBoundsEmpty, {}},
        {"-", "5", kDistributionBoundsEmpty, {}},
        {"5", "3", kDistributionMinAboveMax, {5, 3}},
        {"0", "100", "", {0, 100}},
        {"0", "101", kDistributionSpanTooWide, {0, 101}},
        {"-50", "50", "", {-50, 50}},
        {"-51", "50", kDistributionSpanTooWide, {-51, 50}},
        {"-2147483648", "2147483647", kDistributionSpanTooWide, {INT_MIN, INT_MAX}},
        {" 7 ", "7", "", {7, 7}},
    };
    for (const auto& c : cases) {
        const auto check = checkDistributionBounds(c.min, c.max);
        EXPECT_EQ(check.error, c.error) << c.min << "/" << c.max;
        if (!check.error.empty() && c.error == kDistributionBoundsEmpty) continue;
        EXPECT_EQ(check.bounds, c.bounds) << c.min << "/" << c.max;
    }
    EXPECT_STREQ(kDistributionSpanTooWide, "数据分布图中，最大值与最小值之差不能大于100。");
}

// Which window column and value a point of the picture lies in, {-1, 0} when in no cell.
struct CellHit {
    int column = -1;
    int32_t value = 0;
    bool operator<(const CellHit& o) const { return std::tie(column, value) < std::tie(o.column, o.value); }
    bool operator==(const CellHit&) const = default;
};

CellHit hitOf(const DistributionGeometry& g, Point p) {
    for (int c = 0; c < g.columns; ++c)
        for (int32_t v = g.bounds.min; v <= g.bounds.max; ++v)
            if (g.cellOf(c, v).contains(p)) return {c, v};
    return {};
}

TEST(DistributionPicture, CellsTileTheGridWithTheMaximumOnTop) {
    testing::RecordingSurface surface(400, 300);
    const auto g = distributionGeometry(surface, 400, 300, 4, {-2, 2});
    EXPECT_EQ(g.cellOf(0, 2).top, g.grid.top);
    EXPECT_EQ(g.cellOf(0, 2).left, g.grid.left);
    EXPECT_EQ(g.cellOf(3, -2).bottom, g.grid.bottom);
    EXPECT_EQ(g.cellOf(3, -2).right, g.grid.right);
    EXPECT_EQ(g.cellOf(1, 0).left, g.cellOf(0, 0).right);
    EXPECT_EQ(g.cellOf(1, 0).top, g.cellOf(1, 1).bottom);
    for (auto [c, v] : {std::pair{0, 3}, {0, -3}, {-1, 0}, {4, 0}}) EXPECT_EQ(g.cellOf(c, v), Rect{}) << c << "," << v;
}

// Balls (or points) land in the cells of in-range values only; the joined styles join neighbours that are
// both in range.
TEST(DistributionPicture, MarksAndJoinsPerStyle) {
    const DistributionPicture base{"t", {-2, 2}, DistributionStyle::Balls,
                                   {{2021001, 0}, {2021002, 5}, {2021003, -2}, {2021004, 2}, {2021005, 1}}};
    const std::set<CellHit> marked = {{0, 0}, {2, -2}, {3, 2}, {4, 1}};
    const std::set<std::pair<CellHit, CellHit>> joins = {{{2, -2}, {3, 2}}, {{3, 2}, {4, 1}}};
    struct Case {
        DistributionStyle style;
        const char* mark;  // the log prefix of a mark
        bool joined;
    } cases[] = {
        {DistributionStyle::Balls, "ball 2:0 ", false},
        {DistributionStyle::Squares, "ball 1:0 ", false},
        {DistributionStyle::JoinedBalls, "ball 2:0 ", true},
        {DistributionStyle::Line, "ellipse ", true},
    };
    for (const auto& c : cases) {
        testing::RecordingSurface surface(500, 300);
        DistributionPicture picture = base;
        picture.style = c.style;
        drawDistributionPicture(surface, 500, 300, picture);
        const auto g = distributionGeometry(surface, 500, 300, 5, {-2, 2});
        std::set<CellHit> got;
        std::set<std::pair<CellHit, CellHit>> lines;
        for (const std::string& line : surface.log()) {
            Rect r;
            Point a, b;
            if (line.rfind(c.mark, 0) == 0 &&
                std::sscanf(line.c_str() + std::strlen(c.mark), "%d,%d,%d,%d", &r.left, &r.top, &r.right, &r.bottom) == 4)
                got.insert(hitOf(g, {(r.left + r.right) / 2, (r.top + r.bottom) / 2}));
            if (std::sscanf(line.c_str(), "line %d,%d %d,%d 282828", &a.x, &a.y, &b.x, &b.y) == 4 &&
                line.find(" 282828/") != std::string::npos)
                lines.insert({hitOf(g, a), hitOf(g, b)});
        }
        EXPECT_EQ(got, marked) << distributionStyleCaptions()[static_cast<int>(c.style)];
        EXPECT_EQ(lines, c.joined ? joins : decltype(joins){}) << distributionStyleCaptions()[static_cast<int>(c.style)];
    }
}

TEST(DistributionPicture, ForecastRowIsBoxedAndLabelled) {
    testing::RecordingSurface surface(500, 300);
    drawDistributionPicture(surface, 500, 300, {"t", {0, 9}, DistributionStyle::Balls, {{2021001, 3}, {9999999, 4}}});
    const auto g = distributionGeometry(surface, 500, 300, 2, {0, 9});
    const Rect column = g.cellOf(1, 9);
    bool boxed = false, labelled = false;
    for (const std::string& line : surface.log()) {
        Rect r;
        if (std::sscanf(line.c_str(), "rect %d,%d,%d,%d pen=0000FF/1/dot", &r.left, &r.top, &r.right, &r.bottom) == 4 &&
            line.find("pen=0000FF/1/dot") != std::string::npos)
            boxed = r.left == column.left && r.top == g.grid.top && r.bottom == g.grid.bottom;
        labelled = labelled || line.find("\"预测区\"") != std::string::npos;
    }
    EXPECT_TRUE(boxed);
    EXPECT_TRUE(labelled);
}

}  // namespace
}  // namespace qorvel
