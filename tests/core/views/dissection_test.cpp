// The dissection page's computations: shown series, signals and their columns, moving averages, the values
// an export allows and the field chart's style files.
#include <gtest/gtest.h>

#include "engine/derived_series.h"
#include "test_support.h"
#include "text/file_io.h"
#include "views/dissection_export.h"
#include "views/dissection_field.h"
#include "views/dissection_series.h"
#include "views/dissection_signal_grid.h"
#include "views/dissection_average_chart.h"
#include "recording_surface.h"

namespace qorvel {
namespace {

using Values = std::vector<int32_t>;

TEST(DissectionShownSeries, EachChartKindTransformsTheSeries) {
    const Values series{5, 17, 17, -3, 28, 5};
    struct Case {
        ChartKind kind;
        int divisor;
        Values shown;
    };
    const Case cases[] = {
        {ChartKind::Regular, 2, series},
        {ChartKind::Tail, 2, {5, 7, 7, -3, 8, 5}},
        {ChartKind::Remainder, 3, {2, 2, 2, 0, 1, 2}},
        {ChartKind::Remainder, 99, {5, 17, 17, -3, 8, 5}},  // the divisor is kept within 2…20
        {ChartKind::Amplitude, 2, {5, 12, 0, 20, 31, 23}},
        {ChartKind::Omission, 2, {0, 1, 0, 3, 4, 4}},
        {ChartKind::OmissionAmplitude, 2, {0, 1, 1, 3, 1, 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(shownSeries(series, c.kind, c.divisor), c.shown) << static_cast<int>(c.kind) << " k=" << c.divisor;
}

// The one-pass derived series agree with the rules the formula functions use, so an exported condition
// filters by exactly what the chart showed.
TEST(DissectionShownSeries, DerivedSeriesAgreeWithTheFormulaRules) {
    Values series;
    for (int i = 0; i < 200; ++i) series.push_back((i * 7919) % 13 - 4);
    const auto at = [&](int r) { return series[r - 1]; };
    const Values amp = amplitudeSeries(series), om = omissionSeries(series), omAmp = omissionAmplitudeSeries(series);
    for (int r = 1; r <= 200; ++r) {
        ASSERT_EQ(amp[r - 1], amplitudeAtRow(r, at)) << r;
        ASSERT_EQ(om[r - 1], omissionAtRow(r, at)) << r;
        ASSERT_EQ(omAmp[r - 1], omissionAmplitudeAtRow(r, at)) << r;
    }
}

TEST(DissectionShownSeries, EqualExtremesWidenByTheMainCount) {
    EXPECT_EQ(seriesExtremes({4, 9, -2}, 6), (SeriesRange{-2, 9}));
    EXPECT_EQ(seriesExtremes({3, 3, 3}, 6), (SeriesRange{3, 8}));
    EXPECT_EQ(seriesExtremes({}, 5), (SeriesRange{0, 4}));
    EXPECT_EQ(widenedSeriesRange(7, 7, 6), (SeriesRange{7, 12}));
    EXPECT_EQ(widenedSeriesRange(1, 33, 6), (SeriesRange{1, 33}));
}

TEST(DissectionShownSeries, ChangeAndFeatureSeries) {
    const Values series{7, 2, 2, 11, -3};
    EXPECT_EQ(changeSeries(series), (Values{0, 5, 0, 9, 14}));
    EXPECT_EQ(featureSeries(series, FeatureKind::OddEven, 0), (Values{1, 0, 0, 1, 1}));
    EXPECT_EQ(featureSeries(series, FeatureKind::PrimeComposite, 0), (Values{1, 1, 1, 1, 0}));
    EXPECT_EQ(featureSeries(series, FeatureKind::BigSmall, 7), (Values{1, 0, 0, 1, 0}));
    EXPECT_EQ(featureMiddle({1, 33}), 17);
    EXPECT_EQ(featureMiddle({0, 9}), 5);
    EXPECT_EQ(featureMiddle({-5, -2}), -3);
    EXPECT_TRUE(changeSeries({}).empty());
}

TEST(DissectionSignals, SignalsPerKind) {
    struct Case {
        SignalKind kind;
        Values shown;
        int threshold;
        std::vector<int> signals;
    };
    const Case cases[] = {
        {SignalKind::UpDown, {5, 7, 7, 3, 8}, 0, {0, 1, 0, 0, 1}},
        {SignalKind::OddEven, {1, 2, -3, -4, 0}, 0, {0, 1, 0, 1, 1}},
        {SignalKind::PrimeComposite, {1, 2, 4, 9, 11, 0}, 0, {0, 0, 1, 1, 0, 1}},  // 1 counts as prime
        {SignalKind::BigSmall, {16, 17, 3, 40}, 17, {1, 0, 1, 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(signalSeries(c.shown, c.kind, c.threshold), c.signals) << static_cast<int>(c.kind);
    EXPECT_EQ(signalWord(SignalKind::UpDown, 1), "升");
    EXPECT_EQ(signalWord(SignalKind::BigSmall, 0), "大");
}

TEST(DissectionSignals, ColumnLayout) {
    struct Case {
        const char* what;
        std::vector<int> signals;
        std::vector<SignalColumn> columns;
    };
    const Case cases[] = {
        {"5, 7, 7, 3, 8 up/down", {0, 1, 0, 0, 1}, {{0, {0}}, {1, {1}}, {2, {0, 0}}, {4, {1}}}},
        {"seven odd values", {0, 0, 0, 0, 0, 0, 0}, {{0, {0, 0, 0, 0, 0}}, {5, {0, 0}}}},
        {"a first 1 starts the first column", {1, 1, 0}, {{0, {1, 1}}, {2, {0}}}},
        {"ten equal", std::vector<int>(10, 1), {{0, {1, 1, 1, 1, 1}}, {5, {1, 1, 1, 1, 1}}}},
        {"nothing", {}, {}},
    };
    for (const Case& c : cases) EXPECT_EQ(layoutSignals(c.signals), c.columns) << c.what;
}

TEST(DissectionAverages, MeanOfTheLastSpanDrawsInTenths) {
    struct Case {
        Values series;
        int span;
        std::vector<bool> present;
        Values tenths;  // 0 where absent
    };
    const Case cases[] = {
        {{1, 2, 4, 7}, 2, {false, true, true, true}, {0, 15, 30, 55}},
        {{1, 2, 4, 7}, 3, {false, false, true, true}, {0, 0, 23, 43}},
        {{-1, -2, -4}, 2, {false, true, true}, {0, -15, -30}},
        {{3, 4}, 1, {true, true}, {30, 40}},
        {{3, 4}, 5, {false, false}, {0, 0}},
    };
    for (const Case& c : cases) {
        const AverageSeries a = movingAverage(c.series, c.span);
        EXPECT_EQ(a.present, c.present) << c.span;
        EXPECT_EQ(a.tenths, c.tenths) << c.span;
    }
}

TEST(DissectionExport, FormulaWrappedByChartKind) {
    EXPECT_EQ(exportBaseFormula("  z_hz ", "和值"), "z_hz");
    EXPECT_EQ(exportBaseFormula("", " 和值"), "和值");
    EXPECT_EQ(exportBaseFormula(" ", ""), "");
    const std::pair<ChartKind, const char*> cases[] = {
        {ChartKind::Regular, "z_hz"},          {ChartKind::Tail, "z_hz%10"},
        {ChartKind::Remainder, "z_hz%7"},      {ChartKind::Amplitude, "getzf(z_hz)"},
        {ChartKind::Omission, "getylz(z_hz)"}, {ChartKind::OmissionAmplitude, "getylzzf(z_hz)"},
    };
    for (const auto& [kind, wrapped] : cases) EXPECT_EQ(wrapFormula("z_hz", kind, 7), wrapped);
}

TEST(DissectionExport, BoundsAreCheckedBeforeValues) {
    struct Case {
        const char *lo, *hi;
        std::variant<SeriesRange, std::string> result;
    };
    const Case cases[] = {
        {" 10 ", "15", SeriesRange{10, 15}},
        {"", "15", std::string(kBoundsEmpty)},
        {"3", "  ", std::string(kBoundsEmpty)},
        {"3a", "15", std::string(kBoundsNotNumbers)},
        {"16", "15", std::string(kBoundsReversed)},
        {"-5", "-5", SeriesRange{-5, -5}},
    };
    for (const Case& c : cases) EXPECT_EQ(parseExportBounds(c.lo, c.hi), c.result) << c.lo << ".." << c.hi;
}

TEST(DissectionExport, AllowedValuesPassEveryChosenOption) {
    struct Case {
        const char* what;
        SeriesRange range;
        ExportOptions options;
        int32_t last;
        Values values;
    };
    const Case cases[] = {
        {"odd and up after 12", {10, 15}, {ParityOption::Odd, PrimeOption::Any, TrendOption::Up}, 12, {13, 15}},
        {"down keeps the last value", {10, 15}, {ParityOption::Any, PrimeOption::Any, TrendOption::Down}, 12, {10, 11, 12}},
        {"even", {-3, 3}, {ParityOption::Even, PrimeOption::Any, TrendOption::Any}, 0, {-2, 0, 2}},
        {"prime (1 is prime)", {0, 10}, {ParityOption::Any, PrimeOption::Prime, TrendOption::Any}, 0, {1, 2, 3, 5, 7}},
        {"composite", {0, 10}, {ParityOption::Any, PrimeOption::Composite, TrendOption::Any}, 0, {0, 4, 6, 8, 9, 10}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(allowedExportValues(c.range, c.options, c.last), (std::variant<Values, std::string>(c.values))) << c.what;
    using Result = std::variant<Values, std::string>;
    EXPECT_EQ(allowedExportValues({0, 2000000}, {}, 0), Result(std::string(kTooManyValues)));
    EXPECT_EQ(allowedExportValues({10, 12}, {ParityOption::Any, PrimeOption::Any, TrendOption::Up}, 12),
              Result(std::string(kNoAllowedValue)));
}

TEST(DissectionExport, ListLineAndConfirmations) {
    EXPECT_EQ(exportListLine("z_hz%10", false, {1, 3}), "z_hz%10  取值: 1  3  ");
    EXPECT_EQ(exportListLine("z_hz", true, {7}), "z_hz  容错  取值: 7  ");
    EXPECT_EQ(mainExportConfirmation("红球"),
              "过滤设置成功。该项过滤设置是在超强组号的红球过滤自定义指标中实现的，可在超强组号的红球过滤自定义指标的列表框中查看。");
    EXPECT_EQ(specialExportConfirmation(2),
              "过滤设置成功。该项过滤设置是在超强组号的副区过滤自定义指标中实现的，可在超强组号的副区过滤自定义指标的列表框中查看。");
}

TEST(DissectionField, MissingFileIsCreatedWithNumberedRows) {
    testing::TempDir dir;
    const FieldStylesLoad load = loadFieldStyles(dir.path(), 3);
    EXPECT_TRUE(load.error.empty()) << load.error;
    const auto bytes = readFileBytes(dir / "database/tyzsd3.txt");
    ASSERT_TRUE(bytes.has_value());
    std::vector<std::string> expected;
    for (int s = 0; s < kFieldStyles; ++s) expected.insert(expected.end(), {"01", "02", "03"});
    EXPECT_EQ(readGbkLines(*bytes), expected);
    EXPECT_EQ(load.styles.styles[9], (std::vector<std::string>{"01", "02", "03"}));
}

TEST(DissectionField, EditedStyleIsRewrittenAndReadBack) {
    testing::TempDir dir;
    FieldStyles styles = loadFieldStyles(dir.path(), 2).styles;
    styles.styles[1] = {"01 03 05", "02 04 06"};
    ASSERT_EQ(saveFieldStyles(dir.path(), styles), "");
    const FieldStyles again = loadFieldStyles(dir.path(), 2).styles;
    EXPECT_EQ(again.styles[1], styles.styles[1]);
    EXPECT_EQ(again.styles[0], (std::vector<std::string>{"01", "02"}));
    EXPECT_EQ(readGbkLines(*readFileBytes(dir / "database/tyzsd2.txt")).size(), 20u);
}

TEST(DissectionField, ShortFileKeepsItsLinesAndDefaultsTheRest) {
    testing::TempDir dir;
    ASSERT_EQ(writeFileAtomically(dir / "database/tyzsd2.txt", joinGbkLines({"05 06", "07"})), "");
    const FieldStyles styles = loadFieldStyles(dir.path(), 2).styles;
    EXPECT_EQ(styles.styles[0], (std::vector<std::string>{"05 06", "07"}));
    EXPECT_EQ(styles.styles[1], (std::vector<std::string>{"01", "02"}));
}

TEST(DissectionField, DrawBelongsToTheFirstRowListingItsValue) {
    const std::vector<std::string> rows{"01 10 11", "03 01", "5 x 105"};
    const std::pair<int32_t, int> cases[] = {{1, 1}, {10, 1}, {3, 2}, {5, 3}, {105, 3}, {0, 0}, {2, 0}};
    for (const auto& [value, row] : cases) EXPECT_EQ(fieldRowOf(rows, value), row) << value;
}

// The texts of the grid, in drawing order, without positions and fonts.
std::vector<std::string> gridTexts(const SignalGridView& view, int width) {
    testing::RecordingSurface surface(width, 200);
    drawSignalGrid(surface, width, 200, view);
    std::vector<std::string> out;
    for (const std::string& line : surface.linesStartingWith("text ")) {
        const auto open = line.find('"');
        out.push_back(line.substr(open + 1, line.find('"', open + 1) - open - 1));
    }
    return out;
}

TEST(DissectionField, ChartLabelsRowsAndSkipsDrawsInNoRow) {
    const std::vector<std::string> rows{"01 02", "03", "04 05 06"};
    const std::vector<FieldPoint> points{{2020001, 1}, {2020002, 3}, {2020003, 0}, {2020004, 2}, {2020005, 2}};
    testing::RecordingSurface surface(700, 400);
    tcoordinate axes;
    drawFieldChart(surface, 700, 400, axes, rows, points, 11, "田野走势图");
    EXPECT_EQ(surface.linesStartingWith("ellipse ").size(), 4u);
    const std::string log = surface.logText();
    for (const char* label : {"\"01 02\"", "\"03\"", "\"04 05 06\"", "\"2020004\"", "\"田野走势图\""})
        EXPECT_NE(log.find(label), std::string::npos) << label;
    // Row 3 of the second draw sits two rows above row 1 of the first.
    const Point first = axes.PointPixel(11, 10), second = axes.PointPixel(12, 30);
    EXPECT_NE(log.find("line " + std::to_string(first.x) + "," + std::to_string(first.y) + " " +
                       std::to_string(second.x) + "," + std::to_string(second.y)),
              std::string::npos);
}

TEST(DissectionSignalGrid, IssueOnTopAndSignalsBelowFromTheFirstShownColumn) {
    const std::vector<SignalColumn> columns = layoutSignals({0, 1, 0, 0, 1});
    const Values issues{2020001, 2020002, 2020003, 2020004, 2020005};
    SignalGridView view{&columns, &issues, SignalKind::UpDown, false, 0};
    EXPECT_EQ(gridTexts(view, 1000), (std::vector<std::string>{"2020001", "O", "2020002", "X", "2020003", "O", "O",
                                                               "2020005", "X"}));
    view.words = true;
    view.firstColumn = 2;
    EXPECT_EQ(gridTexts(view, 1000), (std::vector<std::string>{"2020003", "降", "降", "2020005", "升"}));
    // Only whole columns that fit are drawn; the newest window ends at the last column.
    view.firstColumn = 0;
    EXPECT_EQ(gridTexts(view, 2 * kSignalCellWidth + 10).size(), 4u);
    EXPECT_EQ(lastSignalWindow(4, 2 * kSignalCellWidth + 10), 2);
    EXPECT_EQ(lastSignalWindow(1, 1000), 0);
}

TEST(DissectionAverageChart, AverageLinesStartAtTheSpanthDrawInTheirColour) {
    const Values series{10, 20, 30, 40, 50, 60};
    const Values issues{1, 2, 3, 4, 5, 6};
    AverageChartInput in;
    in.series = &series;
    in.issues = &issues;
    in.first = 1;
    in.draws = 6;
    in.yMin = 10;
    in.yMax = 61;
    in.regular = false;
    in.spans = {false, false, false, true, false};  // five draws: one segment, draws 5 to 6
    testing::RecordingSurface surface(600, 400);
    tcoordinate axes;
    drawAverageChart(surface, 600, 400, axes, in);
    // Means 30 and 40, in tenths: the only average segment.
    const Point from = axes.PointPixel(5, 300), to = axes.PointPixel(6, 400);
    const std::string wanted = "line " + std::to_string(from.x) + "," + std::to_string(from.y) + " " +
                               std::to_string(to.x) + "," + std::to_string(to.y);
    int found = 0;
    for (const std::string& line : surface.linesStartingWith("line ")) found += line.rfind(wanted, 0) == 0 ? 1 : 0;
    EXPECT_EQ(found, 1) << surface.logText();
    // Without 常规线 the picture itself holds no point of the series (the scratch bitmap placed the axes).
    for (const std::string& line : surface.log()) EXPECT_NE(line.rfind("ellipse ", 0), 0u) << line;
}

TEST(DissectionExport, IndicatorValueLines) {
    EXPECT_EQ(indicatorValueLines({2020001, 2020002}, {87, -3}), (std::vector<std::string>{"2020001 87", "2020002 -3"}));
}

}  // namespace
}  // namespace qorvel
