// t_s_zsd: the trend chart — one integer value per draw as a polyline with markers over a window of
// draws, issue numbers along the x axis, automatic tick spacing on the y axis, optional text labels for
// categorical values and a dotted red box around the forecast row; plus the window's navigation and the
// run statistics and derived values of the series.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "views/draw_surface.h"

namespace qorvel {

inline constexpr int kTrendLabelCount = 100;       // labels 1..100
inline constexpr int kTrendDefaultPoints = 61;
inline constexpr int kTrendDefaultMarkerSize = 4;
inline constexpr int kTrendZoomStep = 5;
inline constexpr std::int32_t kTrendForecastIssue = 9999999;
inline constexpr Colour kTrendGridColour = rgbColour(230, 230, 230);

// Marker styles.
inline constexpr std::uint8_t kMarkerFilledCircle = 1;
inline constexpr std::uint8_t kMarkerFilledSquare = 2;
inline constexpr std::uint8_t kMarkerHollowCircle = 3;
inline constexpr std::uint8_t kMarkerHollowSquare = 4;

// Display modes of the y range.
inline constexpr std::uint8_t kDisplayNormal = 0;
inline constexpr std::uint8_t kDisplayCompact = 1;
inline constexpr std::uint8_t kDisplayLimited = 2;

struct SeriesPoint {
    std::int32_t issue = 0;
    std::int32_t value = 0;
    bool operator==(const SeriesPoint&) const = default;
};

// Run lengths over a range: the open run at the end, the longest and the shortest.
struct RunStats {
    int current = 0;
    int max = 0;
    int min = 0;
    bool operator==(const RunStats&) const = default;
};

struct ValueRange {
    int max = 0;
    int min = 0;
    bool operator==(const ValueRange&) const = default;
};

class t_s_zsd {
public:
    std::vector<SeriesPoint> series = std::vector<SeriesPoint>(1);  // indexed 1..lastIndex
    std::int32_t lastIndex = 0;
    std::int32_t startIndex = 0;
    std::uint8_t labelMode = 0;
    std::int32_t categoryCount = 0;
    std::array<std::string, kTrendLabelCount + 1> labels;  // [0] unused
    Rect plotRect;   // relative to outerRect's top-left corner
    Rect outerRect;  // on the target surface
    std::int32_t markerSize = kTrendDefaultMarkerSize;
    std::int32_t xLabelStep = 1, yLabelStep = 1;
    std::int32_t xTickStep = 1, yTickStep = 1;
    std::int32_t xTickCount = 0, yTickCount = 0, xLabelCount = 0, yLabelCount = 0;
    float yTickPixels = 0, yScale = 0, xScale = 0;
    std::int32_t yMax = 0, yMin = 0;
    std::int32_t statFrom = 0, statTo = 0;
    std::uint8_t statMode = 0;
    std::int32_t pointCount = kTrendDefaultPoints;
    std::uint8_t showAxes = 1;
    std::uint8_t showGrid = 1;
    std::uint8_t showValues = 1;
    std::uint8_t enabled = 1;
    Colour yLabelColor = kBlack, xLabelColor = kBlack, valueColor = kBlack, lineColor = kBlack, axisColor = kBlack;
    Colour markerColor = kBlue;
    Colour gridColor = kTrendGridColour;
    std::uint8_t markerStyle = kMarkerHollowCircle;
    std::uint8_t xLabelPos = 1;  // 1 issue labels below the x axis, 2 above the plot
    std::string title;
    std::uint8_t displayMode = kDisplayNormal;
    std::int32_t yMaxLimit = 0;

    // Sizes the series to `count` points (indices 1..count), all zero, and sets lastIndex.
    void Resize(int count);
    // Point i, or a zero point for an index outside 1..lastIndex.
    SeriesPoint At(int index) const;
    int ValueAt(int index) const { return At(index).value; }

    void ChooseSteps();
    void Rescale();
    Point MapPoint(int index, int value) const;
    // Renders into outerRect of the surface; nothing when not enabled.
    void Draw(DrawSurface& surface) const;

    // Text labels for categorical values: labelMode 1, categoryCount = the number of names, labels 1..n,
    // and the y range 0 .. n + 1 so every category has a row of its own.
    void SetCategoryLabels(const std::vector<std::string>& names);
    // The y range for displayMode (see the mode constants); `mainCount` raises a flat compact window.
    void ChooseYRange(int mainCount);
    // startIndex 0 becomes the newest window: lastIndex - pointCount + 1, at least 1.
    void PositionNewest();
    // The last visible index: min(lastIndex, startIndex + pointCount - 1).
    int LastVisible() const;
    // Window navigation; each returns false and changes nothing when the step is not possible.
    bool ZoomIn();
    bool ZoomOut();
    bool ExtendTo(int points);

    ValueRange RangeMinMax(int from, int to) const;
    RunStats RepeatRuns(int from, int to) const;
    RunStats RiseRuns(int from, int to) const;
    RunStats FallRuns(int from, int to) const;
    int AmplitudeAt(int index) const;
    int OmissionAt(int index) const;
    int OmissionAmplitudeAt(int index) const;

    // The text under an x tick: "预测区" for the forecast row, the issue, or its last four characters.
    static std::string IssueLabel(std::int32_t issue, bool shortened);

private:
    std::string valueText(int value) const;
    int textLeft(int centreX, int textWidth) const;
    void drawTitle(DrawSurface& s, const Font& font) const;
    void drawGrid(DrawSurface& s) const;
    void drawAxes(DrawSurface& s, const Font& font, bool shortLabels) const;
    void drawFrame(DrawSurface& s) const;
    void drawLine(DrawSurface& s) const;
    void drawMarkers(DrawSurface& s, const Font& font) const;
    void drawForecastBox(DrawSurface& s) const;
};

}  // namespace qorvel
