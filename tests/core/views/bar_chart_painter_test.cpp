// Painting the statistics page's bar chart: legend, axes and bars in their colours with their values.
#include "views/bar_chart_painter.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "recording_surface.h"

namespace qorvel {
namespace {

using testing::RecordingSurface;

bool logged(const std::vector<std::string>& lines, const std::string& wanted) {
    return std::find(lines.begin(), lines.end(), wanted) != lines.end();
}

bool anyStartsWith(const std::vector<std::string>& lines, const std::string& prefix) {
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& l) { return l.rfind(prefix, 0) == 0; });
}

// Two numbers: 01 drawn 6 times and last seen 2 draws ago, 02 never drawn.
ZoneStatistics twoNumbers() {
    ZoneStatistics z;
    z.byNumber = {{1, 6, 2}, {2, 0, 0}};
    z.byCount = {{2, 0, 0}, {1, 6, 2}};
    z.byOmission = z.byCount;
    return z;
}

TEST(BarChartPainter, LegendAxesAndBarsInTheirColours) {
    const int w = 260, h = 160;
    const BarChartLayout layout = layoutBarChart(twoNumbers(), BarOrder::ByNumber, true, true, w, h);
    RecordingSurface s(w, h);
    paintBarChart(s, layout, w, h);
    const auto& log = s.log();
    EXPECT_EQ(log.front(), "fill 0,0,260,160 FFFFFF");
    // Legend squares 20 to 10 pixels above the bottom: red at x 10..20, blue from x 60 on (or after the
    // first caption when that is wider).
    const auto rects = s.linesStartingWith("rect ");
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_EQ(rects[0].rfind("rect 10,140,20,150 pen=0000FF", 0), 0u) << rects[0];
    EXPECT_NE(rects[1].find(",140,"), std::string::npos) << rects[1];
    EXPECT_NE(rects[1].find("pen=FF0000"), std::string::npos) << rects[1];
    const auto texts = s.linesStartingWith("text ");
    for (const char* caption : {"\"出现次数\"", "\"遗漏次数\""})
        EXPECT_TRUE(std::any_of(texts.begin(), texts.end(),
                                [&](const std::string& t) { return t.find(caption) != std::string::npos; }))
            << caption;
    // Axes from the origin (30, 120).
    EXPECT_TRUE(logged(log, "line 30,20 30,120 000000/1/solid")) << s.logText();
    EXPECT_TRUE(logged(log, "line 30,120 230,120 000000/1/solid")) << s.logText();
    // Each non-empty bar is filled in its colour; the never-drawn number's bars have no height and
    // leave no fill, but their values are still written.
    for (const ChartBar& bar : layout.bars) {
        const std::string fill = "fill " + testing::describe(Rect{bar.left, bar.top, bar.right, bar.bottom}) +
                                 (bar.appearance ? " 0000FF" : " FF0000");
        EXPECT_EQ(logged(log, fill), bar.value > 0) << fill;
    }
    auto valueTexts = std::count_if(texts.begin(), texts.end(), [](const std::string& t) {
        return t.find("\"6\"") != std::string::npos || t.find("\"0\"") != std::string::npos ||
               t.find("\"2\"") != std::string::npos;
    });
    EXPECT_GE(valueTexts, 4);
}

TEST(BarChartPainter, ValuesSitAboveTheirBarsOnTheInnerEdges) {
    const int w = 260, h = 160;
    const BarChartLayout layout = layoutBarChart(twoNumbers(), BarOrder::ByNumber, true, true, w, h);
    RecordingSurface s(w, h);
    paintBarChart(s, layout, w, h);
    const ChartBar& count = layout.bars[0];     // number 1, 6 appearances
    const ChartBar& omission = layout.bars[1];  // number 1, omission 2
    const TextSize t = RecordingSurface::fixedTextSize("6", 7);
    const std::string countAt = "text " + std::to_string(count.right - t.width) + "," +
                                std::to_string(count.top - t.height - 1) + " \"6\"";
    const std::string omissionAt =
        "text " + std::to_string(omission.left) + "," + std::to_string(omission.top - t.height - 1) + " \"2\"";
    const auto texts = s.linesStartingWith("text ");
    EXPECT_TRUE(anyStartsWith(texts, countAt)) << s.logText();
    EXPECT_TRUE(anyStartsWith(texts, omissionAt)) << s.logText();
}

}  // namespace
}  // namespace qorvel
