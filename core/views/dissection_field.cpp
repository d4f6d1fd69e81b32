#include "views/dissection_field.h"

#include <algorithm>
#include <charconv>
#include <sstream>

#include "text/file_io.h"
#include "text/number_text.h"

namespace qorvel {

namespace {

int clampedRows(int rows) {
    return std::clamp(rows, kMinFieldRows, kMaxFieldRows);
}

}  // namespace

std::filesystem::path fieldStyleFile(const std::filesystem::path& programFolder, int rows) {
    return programPath(programFolder, "database\\tyzsd" + std::to_string(clampedRows(rows)) + ".txt");
}

FieldStyles defaultFieldStyles(int rows) {
    FieldStyles out;
    out.rows = clampedRows(rows);
    for (auto& style : out.styles)
        for (int j = 1; j <= out.rows; ++j) style.push_back(TwoDigitText(j));
    return out;
}

FieldStylesLoad loadFieldStyles(const std::filesystem::path& programFolder, int rows) {
    FieldStylesLoad out{defaultFieldStyles(rows), {}};
    const std::filesystem::path path = fieldStyleFile(programFolder, rows);
    const auto bytes = readFileBytes(path);
    if (!bytes) {
        out.error = saveFieldStyles(programFolder, out.styles);
        return out;
    }
    const std::vector<std::string> lines = readGbkLines(*bytes);
    const int g = out.styles.rows;
    for (int s = 0; s < kFieldStyles; ++s)
        for (int j = 0; j < g; ++j) {
            const std::size_t line = static_cast<std::size_t>(s * g + j);
            if (line < lines.size()) out.styles.styles[s][j] = lines[line];
        }
    return out;
}

std::string saveFieldStyles(const std::filesystem::path& programFolder, const FieldStyles& styles) {
    std::vector<std::string> lines;
    for (const auto& style : styles.styles)
        for (int j = 0; j < styles.rows; ++j)
            lines.push_back(j < static_cast<int>(style.size()) ? style[j] : std::string());
    return writeFileAtomically(fieldStyleFile(programFolder, styles.rows), joinGbkLines(lines));
}

int fieldRowOf(const std::vector<std::string>& rowTexts, int32_t value) {
    for (std::size_t j = 0; j < rowTexts.size(); ++j) {
        std::istringstream words(rowTexts[j]);
        std::string word;
        while (words >> word) {
            int32_t v = 0;
            const auto [ptr, ec] = std::from_chars(word.data(), word.data() + word.size(), v);
            if (ec == std::errc() && ptr == word.data() + word.size() && v == value)
                return static_cast<int>(j) + 1;
        }
    }
    return 0;
}

}  // namespace qorvel

namespace qorvel {

namespace {

constexpr int kTenths = 10;
constexpr int kFieldMarkerRadius = 1;
constexpr int kFieldIssueStep = 3;
constexpr int kFieldAxisMargin = 60;
constexpr int kFieldOriginGap = 10;
constexpr int kFieldBottomMargin = 40;
constexpr std::size_t kMaxRowLabelBytes = 24;
constexpr int32_t kFieldForecastIssue = 9999999;

}  // namespace

void drawFieldChart(DrawSurface& surface, int width, int height, tcoordinate& axes,
                    const std::vector<std::string>& rowTexts, const std::vector<FieldPoint>& points, int firstIndex,
                    const std::string& title) {
    surface.fill({0, 0, width, height}, kWhite);
    const int g = static_cast<int>(rowTexts.size());
    if (g == 0 || points.empty()) return;
    axes.xMinor = 1;
    axes.xMajor = kFieldIssueStep;
    axes.xFrom = firstIndex;
    axes.xTo = firstIndex + static_cast<int>(points.size());
    axes.yMinor = axes.yMajor = kTenths;
    axes.yFrom = 0;
    axes.yTo = kTenths * (g + 1);
    for (auto& label : axes.labels) label.clear();
    int labelWidth = 0;
    axes.yLabelCount = static_cast<std::uint16_t>(std::min(g, kCoordinateMaxYLabels));
    for (int k = 1; k <= axes.yLabelCount; ++k) {
        std::string text = rowTexts[static_cast<std::size_t>(k - 1)];
        if (text.size() > kMaxRowLabelBytes) text = text.substr(0, kMaxRowLabelBytes) + "…";
        labelWidth = std::max(labelWidth, surface.measureText(text, Font{}).width);
        axes.labels[kCoordinateYLabelBase + k] = text;
    }
    int xLabels = 0;
    for (int k = 1; k <= kCoordinateMaxXLabels && k * kFieldIssueStep < static_cast<int>(points.size()); ++k) {
        axes.labels[k] = std::to_string(points[static_cast<std::size_t>(k * kFieldIssueStep)].issue);
        xLabels = k;
    }
    axes.xLabelCount = static_cast<std::uint16_t>(xLabels);
    axes.originX = labelWidth + kFieldOriginGap;
    axes.originY = height - kFieldBottomMargin;
    axes.height = static_cast<float>(std::max(height - kFieldAxisMargin, 1));
    axes.width = static_cast<float>(std::max(width - kFieldAxisMargin - labelWidth, 1));
    axes.DrawAxes(surface, title);
    const Pen separator{rgbColour(160, 160, 160), 1, PenStyle::Dot};
    for (int k = 1; k < g; ++k) {
        const int y = axes.PointPixel(axes.xFrom, kTenths * k + kTenths / 2).y;
        surface.line({axes.originX, y}, {axes.originX + static_cast<int>(axes.width), y}, separator);
    }
    const Pen linePen{kBlack, 1, PenStyle::Solid};
    for (std::size_t i = 1; i < points.size(); ++i) {
        if (points[i - 1].row == 0 || points[i].row == 0) continue;
        const int index = firstIndex + static_cast<int>(i);
        surface.line(axes.PointPixel(index - 1, kTenths * points[i - 1].row),
                     axes.PointPixel(index, kTenths * points[i].row), linePen);
    }
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (points[i].row == 0) continue;
        const bool forecast = i + 1 == points.size() && points[i].issue == kFieldForecastIssue;
        axes.PlotPoint(surface, firstIndex + static_cast<int>(i), kTenths * points[i].row, kFieldMarkerRadius, forecast);
    }
}

}  // namespace qorvel
