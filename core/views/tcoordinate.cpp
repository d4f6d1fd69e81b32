#include "views/tcoordinate.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace qorvel {
namespace {

constexpr const char* kForecastLabel = "预测区";
constexpr const char* kForecastIssueText = "9999999";
constexpr const char* kSampleIssue = "2006001";
constexpr int kTitleGapPx = 20;
constexpr int kIssueLabelGapPx = 5;
constexpr int kIssueLabelSpacingPx = 4;  // the least room between two issue labels
constexpr int kYLabelGapPx = 7;
constexpr int kValueLabelGapPx = 5;
constexpr int kAxisPenWidth = 2;
constexpr int kTenths = 10;
constexpr int kMaxYLabelsShown = 10;
constexpr int kFewValues = 10;     // below this range every value is labelled
constexpr int kManyValues = 100;   // above this range minor ticks are as sparse as labelled ones
constexpr int kAxisMarginPx = 60;  // axis length = image size - margin
constexpr int kOriginGapPx = 10;
constexpr Colour kMiddleLineColour = kPurple;

// Half to even, in single precision like the scales themselves.
int roundEven(float v) {
    return static_cast<int>(std::nearbyint(v));
}

float perUnit(float length, int range) {
    return range != 0 ? length / static_cast<float>(std::abs(range)) : 0.0f;
}

int stepsIn(int range, int step) {
    return step > 0 ? std::abs(range) / step : 0;
}

}  // namespace

void tcoordinate::Update() {
    xScale = perUnit(width, xTo - xFrom);
    yScale = perUnit(height, yTo - yFrom);
    xMinorPx = static_cast<float>(xMinor) * xScale;
    xMajorPx = static_cast<float>(xMajor) * xScale;
    yMinorPx = static_cast<float>(yMinor) * yScale;
    yMajorPx = static_cast<float>(yMajor) * yScale;
    xMinorCount = stepsIn(xTo - xFrom, xMinor);
    xMajorCount = stepsIn(xTo - xFrom, xMajor);
    yMinorCount = stepsIn(yTo - yFrom, yMinor);
    yMajorCount = stepsIn(yTo - yFrom, yMajor);
}

void tcoordinate::DrawAxes(DrawSurface& surface, const std::string& title) {
    Update();
    const Font font;
    const Pen tickPen{kBlack, 1, PenStyle::Solid};
    const int top = originY - roundEven(height);
    const int right = originX + roundEven(width);
    if (!title.empty()) {
        const TextSize size = surface.measureText(title, font);
        surface.text({originX + (roundEven(width) - size.width) / 2, top - kTitleGapPx}, title, font);
    }
    for (int k = 1; k <= xMinorCount; ++k) {
        const int x = originX + roundEven(static_cast<float>(k) * xMinorPx);
        surface.line({x, originY}, {x, originY - minorLen}, tickPen);
    }
    // A long window puts the labelled ticks closer than an issue is wide; a label that would run into
    // the one before it is left out (its tick stays).
    int labelsRight = std::numeric_limits<int>::min() / 2;
    for (int k = 1; k <= xMajorCount; ++k) {
        const int x = originX + roundEven(static_cast<float>(k) * xMajorPx);
        surface.line({x, originY}, {x, originY - majorLen}, tickPen);
        if (k > xLabelCount || k > kCoordinateMaxXLabels || labels[k].empty()) continue;
        const std::string label = labels[k] == kForecastIssueText ? std::string(kForecastLabel) : labels[k];
        const TextSize size = surface.measureText(label, font);
        const int left = x - size.width / 2;
        if (left < labelsRight + kIssueLabelSpacingPx) continue;
        surface.text({left, originY + kIssueLabelGapPx}, label, font);
        labelsRight = left + size.width;
    }
    for (int k = 1; k <= yMinorCount; ++k) {
        const int y = originY - roundEven(static_cast<float>(k) * yMinorPx);
        surface.line({originX, y}, {originX + minorLen, y}, tickPen);
    }
    for (int k = 1; k <= yMajorCount; ++k) {
        const int y = originY - roundEven(static_cast<float>(k) * yMajorPx);
        surface.line({originX, y}, {originX + majorLen, y}, tickPen);
        if (k > yLabelCount || k > kCoordinateMaxYLabels) continue;
        const std::string& label = labels[kCoordinateYLabelBase + k];
        const TextSize size = surface.measureText(label, font);
        surface.text({originX - kYLabelGapPx - size.width, y - size.height / 2}, label, font);
    }
    const Pen axisPen{kBlack, kAxisPenWidth, PenStyle::Solid};
    surface.line({originX, originY}, {right, originY}, axisPen);
    surface.line({originX, originY}, {originX, top}, axisPen);
}

Point tcoordinate::PointPixel(int drawIndex, int value) const {
    return {originX + roundEven(static_cast<float>(std::abs(drawIndex - xFrom)) * xScale),
            originY - roundEven(static_cast<float>(std::abs(value - yFrom)) * yScale)};
}

Point tcoordinate::PlotPoint(DrawSurface& surface, int drawIndex, int value, int radius, bool forecastRow) {
    const Point p = PointPixel(drawIndex, value);
    if (forecastRow) DrawForecastBox(surface, p.x);
    surface.ellipse({p.x - radius, p.y - radius, p.x + radius, p.y + radius}, Pen{kBlack, 1, PenStyle::Solid},
                    Brush{kBlue, false});
    return p;
}

void tcoordinate::DrawForecastBox(DrawSurface& surface, int x) const {
    const int half = static_cast<int>(xMinorPx / 2);
    surface.rectangle({x - half, originY - roundEven(height), x + half, originY}, Pen{kRed, 1, PenStyle::Dot},
                      Brush{kWhite, true});
}

void tcoordinate::placeAxes(int imageHeight, int imageWidth, int layout) {
    const int h = imageHeight;
    switch (layout) {
        case kPairUpperHalf: originY = h / 2 - 30; height = static_cast<float>(h / 2 - 50); break;
        case kPairLowerHalf: originY = h - 30; height = static_cast<float>(h / 2 - 50); break;
        case kPairUpperThird: originY = h / 3 - 30; height = static_cast<float>(h / 3 - 50); break;
        case kPairMiddleThird: originY = 2 * h / 3 - 30; height = static_cast<float>(h / 3 - 50); break;
        case kPairLowerThird: originY = h - 30; height = static_cast<float>(h / 3 - 50); break;
        default: originY = h - 40; height = static_cast<float>(h - 60); break;
    }
    height = std::max(height, 1.0f);
    width = static_cast<float>(std::max(imageWidth - kAxisMarginPx, 1));
    originX = yLabelWidth + kOriginGapPx;
}

void tcoordinate::setYLabels(int yMax, int yMin) {
    const int range = yMax - yMin;
    const int step = range / kFewValues + 1;
    yFrom = kTenths * yMin;
    yTo = kTenths * yMax;
    yMajor = range < kFewValues ? kTenths : kTenths * step;
    yMinor = range > kManyValues ? kTenths * step : kTenths;
    for (int k = 1; k <= kCoordinateMaxYLabels; ++k) labels[kCoordinateYLabelBase + k].clear();
    const int count = range < kFewValues ? std::max(range, 0) : kMaxYLabelsShown;
    const int labelStep = range < kFewValues ? 1 : step;
    for (int k = 1; k <= count; ++k) labels[kCoordinateYLabelBase + k] = std::to_string(yMin + k * labelStep);
    yLabelCount = static_cast<std::uint16_t>(count);
}

void tcoordinate::setIssueLabels(const std::vector<SeriesPoint>& points) {
    for (int k = 1; k <= kCoordinateMaxXLabels; ++k) labels[k].clear();
    int count = 0;
    for (int k = 1; k <= kCoordinateMaxXLabels && k * xMajor < static_cast<int>(points.size()); ++k) {
        labels[k] = std::to_string(points[k * xMajor].issue);
        count = k;
    }
    xLabelCount = static_cast<std::uint16_t>(count);
}

void tcoordinate::ChartPair(DrawSurface& surface, int imageHeight, int imageWidth, int yMax, int yMin,
                            const std::string& title, int layout, const std::vector<SeriesPoint>& points,
                            int firstIndex) {
    if (layout == kPairFull || layout == kPairUpperHalf || layout == kPairUpperThird)
        surface.fill({0, 0, imageWidth, imageHeight}, kWhite);
    const Font font;
    xMinor = 1;
    xMajor = 3;
    xFrom = firstIndex;
    xTo = firstIndex + static_cast<int>(points.size());
    setYLabels(yMax, yMin);
    setIssueLabels(points);
    const TextSize issueSize = surface.measureText(kSampleIssue, font);
    issueLabelWidth = issueSize.width;
    issueLabelHeight = issueSize.height;
    yLabelWidth = 0;
    yLabelHeight = issueSize.height;
    for (int k = 1; k <= yLabelCount; ++k) {
        const TextSize size = surface.measureText(labels[kCoordinateYLabelBase + k], font);
        yLabelWidth = std::max(yLabelWidth, size.width);
        yLabelHeight = size.height;
    }
    placeAxes(imageHeight, imageWidth, layout);
    DrawAxes(surface, title);

    const int middle = (yFrom + yTo) / 2;
    const int middleY = PointPixel(xFrom, middle).y;
    surface.line({originX, middleY}, {originX + roundEven(width), middleY}, Pen{kMiddleLineColour, 1, PenStyle::Dash});
    const Pen linePen{kBlack, 1, PenStyle::Solid};
    for (size_t i = 1; i < points.size(); ++i) {
        const int index = firstIndex + static_cast<int>(i);
        surface.line(PointPixel(index - 1, kTenths * points[i - 1].value), PointPixel(index, kTenths * points[i].value),
                     linePen);
    }
    for (size_t i = 0; i < points.size(); ++i) {
        const bool forecast = i + 1 == points.size() && points[i].issue == kTrendForecastIssue;
        const Point p = PlotPoint(surface, firstIndex + static_cast<int>(i), kTenths * points[i].value,
                                  kCoordinatePointRadius, forecast);
        const std::string text = std::to_string(points[i].value);
        const TextSize size = surface.measureText(text, font);
        surface.text({p.x - size.width / 2, p.y - kCoordinatePointRadius - kValueLabelGapPx - size.height}, text, font);
    }
}

}  // namespace qorvel
