#include "views/dissection_distribution.h"

#include <algorithm>

#include "text/number_text.h"
#include "views/ball_picture.h"
#include "views/view_colours.h"

namespace qorvel {

namespace {

constexpr int kMargin = 10;
constexpr int kLabelGap = 6;
constexpr int kBandValues = 5;      // value rows are banded in fives for reading across
constexpr int kPointRadius = 2;
constexpr int kBallStyle = 2;       // the 46-pixel masked strip
constexpr int kSquareStyle = 1;     // the opaque strip
constexpr int kMarkTile = 0;
constexpr const char* kValueAxisCaption = "取值";
constexpr const char* kIssueAxisCaption = "期号";
constexpr const char* kForecastCaption = "预测区";
constexpr const char* kSampleIssue = "2006001";
constexpr Colour kCellLine = rgbColour(205, 214, 226);
constexpr Colour kJoinLine = rgbColour(40, 40, 40);

Colour colourOf(RgbColour c) { return rgbColour(c.r, c.g, c.b); }

int rowsOf(DistributionBounds b) { return std::max(1, b.max - b.min + 1); }

// The smallest of 1, 2, 5, 10, 20, 50, … at least `need`, so labels fall on round steps.
int roundStep(int need) {
    for (int step = 1;; step *= 10)
        for (int f : {1, 2, 5})
            if (f * step >= need) return f * step;
}

int gridX(const DistributionGeometry& g, int c) {
    return g.grid.left + static_cast<int>(static_cast<int64_t>(c) * g.grid.width() / std::max(1, g.columns));
}

int gridY(const DistributionGeometry& g, int k) {
    return g.grid.top + static_cast<int>(static_cast<int64_t>(k) * g.grid.height() / rowsOf(g.bounds));
}

Point centreOf(const Rect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

void drawCells(DrawSurface& s, const DistributionGeometry& g) {
    const int rows = rowsOf(g.bounds);
    for (int k = 0; k < rows; ++k) {
        const int32_t value = g.bounds.max - k;
        const int band = (value - g.bounds.min) / kBandValues;
        s.fill({g.grid.left, gridY(g, k), g.grid.right, gridY(g, k + 1)}, colourOf(zoneBackground(band)));
    }
    const Pen pen{kCellLine, 1, PenStyle::Solid};
    // Lines closer than 3 pixels would grey the picture over; the bands still separate the values then.
    if (g.grid.height() / rows >= 3)
        for (int k = 1; k < rows; ++k) s.line({g.grid.left, gridY(g, k)}, {g.grid.right, gridY(g, k)}, pen);
    if (g.grid.width() / std::max(1, g.columns) >= 3)
        for (int c = 1; c < g.columns; ++c) s.line({gridX(g, c), g.grid.top}, {gridX(g, c), g.grid.bottom}, pen);
}

void drawValueLabels(DrawSurface& s, const DistributionGeometry& g) {
    const Font font;
    const int rows = rowsOf(g.bounds);
    const int textHeight = s.measureText("0", font).height;
    const int rowHeight = std::max(1, g.grid.height() / rows);
    const int step = roundStep((textHeight + rowHeight) / rowHeight);
    for (int32_t v = g.bounds.min; v <= g.bounds.max; ++v) {
        if ((v - g.bounds.min) % step != 0) continue;
        const Rect cell = g.cellOf(0, v);
        const std::string text = std::to_string(v);
        const TextSize size = s.measureText(text, font);
        s.text({g.grid.left - kLabelGap - size.width, (cell.top + cell.bottom - size.height) / 2}, text, font);
    }
    const TextSize caption = s.measureText(kValueAxisCaption, font);
    s.text({std::max(0, g.grid.left - kLabelGap - caption.width), g.grid.top - caption.height - 2}, kValueAxisCaption,
           font);
}

void drawIssueLabels(DrawSurface& s, const DistributionGeometry& g, const std::vector<SeriesPoint>& points) {
    const Font font;
    const int issueWidth = s.measureText(kSampleIssue, font).width;
    const int columnWidth = std::max(1, g.grid.width() / std::max(1, g.columns));
    const int step = std::max(1, (issueWidth + kLabelGap + columnWidth - 1) / columnWidth);
    const int count = static_cast<int>(points.size());
    for (int c = 0; c < count; ++c) {
        const bool forecast = points[static_cast<std::size_t>(c)].issue == kTrendForecastIssue;
        // The newest draw is always labelled; labels before it keep their spacing from it.
        if ((count - 1 - c) % step != 0 && !forecast) continue;
        const std::string text = forecast ? kForecastCaption : std::to_string(points[static_cast<std::size_t>(c)].issue);
        const TextSize size = s.measureText(text, font);
        const int centre = (gridX(g, c) + gridX(g, c + 1)) / 2;
        s.text({std::max(0, centre - size.width / 2), g.grid.bottom + 4}, text, font);
    }
    const TextSize caption = s.measureText(kIssueAxisCaption, font);
    s.text({std::max(0, g.grid.left - kLabelGap - caption.width), g.grid.bottom + 4}, kIssueAxisCaption, font);
}

void drawMarkText(DrawSurface& s, const Rect& cell, int32_t value) {
    Font font;
    font.colour = colourOf(omission_colours::kDrawnNumberText);
    const std::string text = std::to_string(value);
    const TextSize size = s.measureText(text, font);
    // Text is left off marks too small to hold it.
    if (size.width > cell.width() - 2 || size.height > cell.height()) return;
    s.text({cell.left + (cell.width() - size.width) / 2, cell.top + (cell.height() - size.height) / 2}, text, font);
}

}  // namespace

const std::array<const char*, kDistributionStyles>& distributionStyleCaptions() {
    static const std::array<const char*, kDistributionStyles> captions = {"图一", "图二", "图三", "图四"};
    return captions;
}

DistributionBoundsCheck checkDistributionBounds(const std::string& minText, const std::string& maxText) {
    DistributionBoundsCheck out;
    const std::optional<int> min = parseWholeNumber(minText), max = parseWholeNumber(maxText);
    if (!min || !max) {
        out.error = kDistributionBoundsEmpty;
        return out;
    }
    out.bounds = {*min, *max};
    if (*min > *max)
        out.error = kDistributionMinAboveMax;
    else if (static_cast<int64_t>(*max) - *min > kMaxDistributionSpan)
        out.error = kDistributionSpanTooWide;
    return out;
}

Rect DistributionGeometry::cellOf(int column, int32_t value) const {
    if (column < 0 || column >= columns || value < bounds.min || value > bounds.max) return {};
    const int k = bounds.max - value;
    return {gridX(*this, column), gridY(*this, k), gridX(*this, column + 1), gridY(*this, k + 1)};
}

DistributionGeometry distributionGeometry(DrawSurface& surface, int width, int height, int columns,
                                          DistributionBounds bounds) {
    const Font font;
    const int textHeight = surface.measureText(kSampleIssue, font).height;
    int labelWidth = surface.measureText(kValueAxisCaption, font).width;
    labelWidth = std::max(labelWidth, surface.measureText(kIssueAxisCaption, font).width);
    for (int32_t v : {bounds.min, bounds.max}) labelWidth = std::max(labelWidth, surface.measureText(std::to_string(v), font).width);
    // The newest issue is centred under the last column and may reach past the grid by half its width.
    const int issueWidth = surface.measureText(kSampleIssue, font).width;
    DistributionGeometry g;
    g.columns = std::max(0, columns);
    g.bounds = bounds;
    g.grid.left = kMargin + labelWidth + kLabelGap;
    g.grid.top = kMargin + 2 * textHeight + kLabelGap;  // the title, then the value axis caption
    g.grid.right = std::max(g.grid.left + 1, width - kMargin - issueWidth / 2);
    g.grid.bottom = std::max(g.grid.top + 1, height - kMargin - textHeight - kLabelGap);
    return g;
}

void drawDistributionPicture(DrawSurface& surface, int width, int height, const DistributionPicture& picture) {
    surface.fill({0, 0, width, height}, kWhite);
    const int columns = static_cast<int>(picture.points.size());
    if (columns == 0 || picture.bounds.min > picture.bounds.max) return;
    const DistributionGeometry g = distributionGeometry(surface, width, height, columns, picture.bounds);
    const Font font;
    const TextSize title = surface.measureText(picture.title, font);
    surface.text({g.grid.left + (g.grid.width() - title.width) / 2, kMargin}, picture.title, font);
    drawCells(surface, g);
    for (int c = 0; c < columns; ++c)
        if (picture.points[static_cast<std::size_t>(c)].issue == kTrendForecastIssue)
            surface.rectangle({gridX(g, c), g.grid.top, gridX(g, c + 1) + 1, g.grid.bottom}, Pen{kRed, 1, PenStyle::Dot},
                              Brush{kWhite, true});
    surface.rectangle({g.grid.left, g.grid.top, g.grid.right + 1, g.grid.bottom + 1}, Pen{kBlack, 1, PenStyle::Solid},
                      Brush{kWhite, true});
    drawValueLabels(surface, g);
    drawIssueLabels(surface, g, picture.points);

    std::vector<Rect> cells;
    for (int c = 0; c < columns; ++c) cells.push_back(g.cellOf(c, picture.points[static_cast<std::size_t>(c)].value));
    const bool joined = picture.style == DistributionStyle::JoinedBalls || picture.style == DistributionStyle::Line;
    if (joined) {
        const Pen pen{kJoinLine, 1, PenStyle::Solid};
        for (int c = 1; c < columns; ++c) {
            const Rect& a = cells[static_cast<std::size_t>(c - 1)];
            const Rect& b = cells[static_cast<std::size_t>(c)];
            if (a.width() > 0 && b.width() > 0) surface.line(centreOf(a), centreOf(b), pen);
        }
    }
    // Every mark is the same square, the smallest cell's, centred on its cell: cell sizes differ by a
    // pixel where the grid does not divide evenly.
    const int side = std::max(1, std::min(g.grid.width() / columns, g.grid.height() / rowsOf(g.bounds)) - 1);
    for (int c = 0; c < columns; ++c) {
        const Rect& cell = cells[static_cast<std::size_t>(c)];
        if (cell.width() <= 0) continue;
        const int32_t value = picture.points[static_cast<std::size_t>(c)].value;
        const Point centre = centreOf(cell);
        const Rect inner{centre.x - side / 2, centre.y - side / 2, centre.x - side / 2 + side, centre.y - side / 2 + side};
        switch (picture.style) {
            case DistributionStyle::Squares:
                DrawBallPicture(surface, inner, kSquareStyle, kMarkTile);
                drawMarkText(surface, inner, value);
                break;
            case DistributionStyle::Line: {
                const Point p = centreOf(cell);
                surface.ellipse({p.x - kPointRadius, p.y - kPointRadius, p.x + kPointRadius + 1, p.y + kPointRadius + 1},
                                Pen{kBlack, 1, PenStyle::Solid}, Brush{kBlue, false});
                break;
            }
            default:
                DrawBallPicture(surface, inner, kBallStyle, kMarkTile);
                drawMarkText(surface, inner, value);
                break;
        }
    }
}

void drawDistributionMessage(DrawSurface& surface, int width, int height, const std::string& message) {
    surface.fill({0, 0, width, height}, kWhite);
    Font font;
    font.colour = kRed;
    const TextSize size = surface.measureText(message, font);
    surface.text({std::max(0, (width - size.width) / 2), std::max(0, (height - size.height) / 2)}, message, font);
}

}  // namespace qorvel
