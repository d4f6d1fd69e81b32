// The segment statistics and single-value omissions of the dissection page, and the segment chart's labels.
#include <gtest/gtest.h>

#include <limits>
#include <map>
#include <regex>

#include "recording_surface.h"
#include "views/dissection_segments.h"

namespace qorvel {
namespace {

using Values = std::vector<int32_t>;

// Ten draws, issues 1001 … 1010.
const Values kSeries{3, 5, 5, 2, 8, 8, 8, 1, 4, 6};

Values issuesOf(int count, int from = 1001) {
    Values issues;
    for (int i = 0; i < count; ++i) issues.push_back(from + i);
    return issues;
}

// The history with a forecast row after it: its value must never count as drawn.
Values withForecast(Values series, int32_t forecastValue) {
    series.push_back(forecastValue);
    return series;
}

Values forecastIssues(int drawn) {
    Values issues = issuesOf(drawn);
    issues.push_back(kTrendForecastIssue);
    return issues;
}

struct DrawnText {
    int x, y;
    std::string text;
};

std::vector<DrawnText> textsOf(const testing::RecordingSurface& surface) {
    static const std::regex pattern(R"re(text (-?\d+),(-?\d+) "(.*)" .*)re");
    std::vector<DrawnText> texts;
    for (const std::string& line : surface.linesStartingWith("text ")) {
        std::smatch m;
        if (std::regex_match(line, m, pattern)) texts.push_back({std::stoi(m[1]), std::stoi(m[2]), m[3]});
    }
    return texts;
}

const DrawnText* findText(const std::vector<DrawnText>& texts, const std::string& text) {
    for (const DrawnText& t : texts)
        if (t.text == text) return &t;
    return nullptr;
}

struct Cut {
    int first, count;
};

struct SegmentCase {
    const char* name;
    int length, offset;
    SegmentContent content;
    std::vector<Cut> cuts;  // oldest first
    Values values;
};

class SegmentSeriesTest : public ::testing::TestWithParam<SegmentCase> {};

TEST_P(SegmentSeriesTest, CutsAndStatistics) {
    const SegmentCase& c = GetParam();
    const Values issues = issuesOf(static_cast<int>(kSeries.size()));
    const std::vector<Segment> segments = segmentSeries(kSeries, issues, c.length, c.offset, c.content);
    ASSERT_EQ(segments.size(), c.cuts.size());
    for (std::size_t i = 0; i < segments.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(segments[i].first, c.cuts[i].first);
        EXPECT_EQ(segments[i].count, c.cuts[i].count);
        EXPECT_EQ(segments[i].issue, issues[static_cast<std::size_t>(c.cuts[i].first)]);
        EXPECT_EQ(segments[i].value, c.values[i]);
    }
}

// 3 5 | 5 2 8 8 | 8 1 4 6 with length 4 and offset 1; other offsets move the cuts.
INSTANTIATE_TEST_SUITE_P(
    Dissection, SegmentSeriesTest,
    ::testing::Values(
        SegmentCase{"Sum", 4, 1, SegmentContent::Sum, {{0, 2}, {2, 4}, {6, 4}}, {8, 23, 19}},
        SegmentCase{"AverageHalvesAwayFromZero", 4, 1, SegmentContent::Average, {{0, 2}, {2, 4}, {6, 4}}, {40, 58, 48}},
        SegmentCase{"Max", 4, 1, SegmentContent::Max, {{0, 2}, {2, 4}, {6, 4}}, {5, 8, 8}},
        SegmentCase{"Min", 4, 1, SegmentContent::Min, {{0, 2}, {2, 4}, {6, 4}}, {3, 2, 1}},
        SegmentCase{"AmplitudeInsideTheSegment", 4, 1, SegmentContent::AverageAmplitude, {{0, 2}, {2, 4}, {6, 4}},
                    {20, 30, 40}},
        SegmentCase{"Repeats", 4, 1, SegmentContent::Repeats, {{0, 2}, {2, 4}, {6, 4}}, {0, 1, 0}},
        // Offset 2 moves the cuts one draw older: the newest draw stands alone.
        SegmentCase{"OffsetTwo", 4, 2, SegmentContent::Repeats, {{0, 1}, {1, 4}, {5, 4}, {9, 1}}, {0, 1, 1, 0}},
        // Offset 0 moves them one draw newer: the newest segment waits for one more draw.
        SegmentCase{"OffsetZero", 4, 0, SegmentContent::Sum, {{0, 3}, {3, 4}, {7, 3}}, {13, 26, 11}},
        SegmentCase{"OffsetsOneLengthApartCutAlike", 4, -3, SegmentContent::Sum, {{0, 2}, {2, 4}, {6, 4}},
                    {8, 23, 19}},
        SegmentCase{"OffsetBeyondTheLength", 4, 10, SegmentContent::Sum, {{0, 1}, {1, 4}, {5, 4}, {9, 1}},
                    {3, 20, 21, 6}},
        SegmentCase{"OneDrawHasNoAmplitude", 4, 2, SegmentContent::AverageAmplitude,
                    {{0, 1}, {1, 4}, {5, 4}, {9, 1}}, {0, 30, 33, 0}},
        SegmentCase{"LongerThanTheHistory", 20, 1, SegmentContent::Sum, {{0, 10}}, {50}},
        SegmentCase{"OffsetBeyondTheHistory", 50, 10, SegmentContent::Max, {{0, 1}, {1, 9}}, {3, 8}},
        // A length outside 2…50 is kept inside, never divided by.
        SegmentCase{"LengthZeroCutsPairs", 0, 1, SegmentContent::Min, {{0, 2}, {2, 2}, {4, 2}, {6, 2}, {8, 2}},
                    {3, 2, 8, 1, 4}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DissectionSegments, ForecastRowNegativeAndHugeValues) {
    const Values issues = issuesOf(static_cast<int>(kSeries.size()));
    for (SegmentContent content : {SegmentContent::Sum, SegmentContent::Average, SegmentContent::Repeats}) {
        EXPECT_EQ(segmentSeries(withForecast(kSeries, 99), forecastIssues(10), 4, 1, content),
                  segmentSeries(kSeries, issues, 4, 1, content));
    }
    EXPECT_TRUE(segmentSeries({}, {}, 5, 1, SegmentContent::Sum).empty());
    EXPECT_TRUE(segmentSeries({7}, {kTrendForecastIssue}, 5, 1, SegmentContent::Sum).empty());
    // Sums beyond 32 bits stop at the largest value instead of wrapping round, and still chart.
    const std::vector<Segment> huge =
        segmentSeries({2000000000, 2000000000, -2000000000, -2000000000}, issuesOf(4), 2, 1, SegmentContent::Sum);
    ASSERT_EQ(huge.size(), 2u);
    EXPECT_EQ(huge[0].value, std::numeric_limits<int32_t>::max());
    EXPECT_EQ(huge[1].value, std::numeric_limits<int32_t>::min());
    testing::RecordingSurface surface(600, 300);
    tcoordinate axes;
    drawSegmentChart(axes, surface, 600, 300, huge, false, 0, kSegmentChartWindow, "t");
    const auto texts = textsOf(surface);
    const DrawnText* top = findText(texts, "2147483647");
    const DrawnText* bottom = findText(texts, "-2147483648");
    ASSERT_TRUE(top && bottom);
    EXPECT_GE(top->y, 0);
    EXPECT_LT(top->y, bottom->y);
    EXPECT_LT(bottom->y, axes.originY);
    // −1 −2 averages −1.5 → −15 tenths, rounded away from zero like a positive half.
    EXPECT_EQ(segmentSeries({-1, -2}, issuesOf(2), 2, 1, SegmentContent::Average)[0].value, -15);
}

TEST(DissectionSegments, ChoicesLabelsAndTenths) {
    const std::vector<int> lengths = segmentLengthChoices();
    EXPECT_EQ(lengths.front(), kLongestSegment);
    EXPECT_EQ(lengths.back(), kShortestSegment);
    EXPECT_TRUE(std::is_sorted(lengths.rbegin(), lengths.rend()));
    EXPECT_NE(std::find(lengths.begin(), lengths.end(), kDefaultSegmentLength), lengths.end());

    EXPECT_EQ(segmentLabel({0, 5, 2024001, 0}), "2024001(共5期)");
    const std::map<int32_t, std::string> tenths{{124, "12.4"}, {-3, "-0.3"}, {70, "7.0"}, {0, "0.0"}, {-125, "-12.5"}};
    for (const auto& [value, text] : tenths) EXPECT_EQ(tenthsText(value), text) << value;
}

struct OmissionCase {
    const char* name;
    Values series, issues;
    int32_t value;
    std::vector<ValueOmission> entries;
};

class ValueOmissionTest : public ::testing::TestWithParam<OmissionCase> {};

TEST_P(ValueOmissionTest, EntriesOldestFirst) {
    const OmissionCase& c = GetParam();
    EXPECT_EQ(valueOmissionHistory(c.series, c.issues, c.value), c.entries);
}

INSTANTIATE_TEST_SUITE_P(
    Dissection, ValueOmissionTest,
    ::testing::Values(
        OmissionCase{"CurrentOmissionEndsTheList", kSeries, issuesOf(10), 5, {{1002, 1, 1}, {1003, 0, 1}, {1010, 7, 7}}},
        OmissionCase{"RunOfOccurrences", kSeries, issuesOf(10), 8, {{1005, 4, 4}, {1006, 0, 4}, {1007, 0, 0}, {1010, 3, 3}}},
        OmissionCase{"DrawnAtTheFirstDraw", kSeries, issuesOf(10), 3, {{1001, 0, 0}, {1010, 9, 9}}},
        OmissionCase{"NeverDrawn", kSeries, issuesOf(10), 7, {{1010, 10, 10}}},
        OmissionCase{"DrawnOnceAtTheNewestDraw", kSeries, issuesOf(10), 6, {{1010, 9, 9}}},
        OmissionCase{"EmptyHistory", {}, {}, 3, {}},
        // The forecast row's value is not drawn; its entry is the omission the value carries into it.
        OmissionCase{"ForecastValueIsNotAnOccurrence", withForecast(kSeries, 5), forecastIssues(10), 5,
                     {{1002, 1, 1}, {1003, 0, 1}, {kTrendForecastIssue, 7, 7}}},
        OmissionCase{"ForecastAfterAnOccurrence", withForecast(kSeries, 6), forecastIssues(10), 6,
                     {{1010, 9, 9}, {kTrendForecastIssue, 0, 9}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DissectionSegments, ValueChoicesAndTitles) {
    EXPECT_EQ(valueChoices(kSeries, issuesOf(10), 2, 5), (Values{2, 3, 4, 5}));
    EXPECT_EQ(valueChoices(kSeries, issuesOf(10), 5, 2), (Values{2, 3, 4, 5}));
    // A range too wide to list offers the values drawn, the forecast row's left out.
    EXPECT_EQ(valueChoices(withForecast({40, -7, 40, 90000}, 12), forecastIssues(4), -10, 100000),
              (Values{-7, 40, 90000}));
    EXPECT_EQ(valueOmissionTitle("和值", 12), "和值取值12的遗漏走势");
    EXPECT_EQ(valueOmissionChangeTitle("和值", -1), "和值取值-1的遗漏振幅走势");
}

TEST(DissectionSegmentChart, EveryShownSegmentIsLabelledUnderItsPoint) {
    const std::vector<Segment> segments = segmentSeries(kSeries, issuesOf(10), 4, 2, SegmentContent::Average);
    testing::RecordingSurface surface(800, 400);
    tcoordinate axes;
    drawSegmentChart(axes, surface, 800, 400, segments, true, 1, 2, "和值每4期分段的区段平均值");
    const auto texts = textsOf(surface);
    ASSERT_NE(findText(texts, "和值每4期分段的区段平均值"), nullptr);
    // Window: segments 1 and 2 (issues 1002 and 1006, four draws each, means 5.0 and 5.3).
    EXPECT_EQ(findText(texts, "1001"), nullptr);
    EXPECT_EQ(findText(texts, "1010"), nullptr);
    for (const char* label : {"1002", "1006", "(共4期)", "5.0", "5.3"}) EXPECT_NE(findText(texts, label), nullptr) << label;
    // The label sits under the axis, the value above it, both centred on the point.
    const DrawnText* issue = findText(texts, "1006");
    const DrawnText* value = findText(texts, "5.3");
    ASSERT_TRUE(issue && value);
    EXPECT_GT(issue->y, axes.originY);
    EXPECT_LT(value->y, axes.originY);
    const Point point = axes.PointPixel(2, 53);
    EXPECT_NEAR(issue->x + testing::RecordingSurface::fixedTextSize("1006", kDefaultFontSize).width / 2, point.x, 1);
    EXPECT_NEAR(value->x + testing::RecordingSurface::fixedTextSize("5.3", kDefaultFontSize).width / 2, point.x, 1);
}

TEST(DissectionSegmentChart, CrowdedLabelsAlternateBetweenTwoRows) {
    Values series(40, 1), issues = issuesOf(40, 2024001);
    const std::vector<Segment> segments = segmentSeries(series, issues, 2, 1, SegmentContent::Sum);
    std::map<int, std::vector<int>> rowsByWidth;
    for (int width : {1600, 500}) {
        testing::RecordingSurface surface(width, 400);
        tcoordinate axes;
        drawSegmentChart(axes, surface, width, 400, segments, false, 0, kSegmentChartWindow, "t");
        for (const DrawnText& t : textsOf(surface))
            if (t.text.size() == 7 && t.text.rfind("2024", 0) == 0) rowsByWidth[width].push_back(t.y);
        ASSERT_EQ(rowsByWidth[width].size(), std::size_t(kSegmentChartWindow));
    }
    const auto& wide = rowsByWidth[1600];
    const auto& narrow = rowsByWidth[500];
    EXPECT_TRUE(std::all_of(wide.begin(), wide.end(), [&](int y) { return y == wide.front(); }));
    EXPECT_NE(narrow[0], narrow[1]);
    EXPECT_EQ(narrow[0], narrow[2]);
    EXPECT_EQ(narrow[1], narrow[3]);
}

}  // namespace
}  // namespace qorvel
