// The data distribution picture of the dissection page: a window of draws across, the values from the
// chosen minimum (bottom) to the maximum (top) down the side, each draw's value marked in its cell in one
// of the styles "图一" … "图四"; and the check of the minimum and maximum fields.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "views/draw_surface.h"
#include "views/t_s_zsd.h"

namespace qorvel {

inline constexpr int kMaxDistributionSpan = 100;  // maximum − minimum
inline constexpr const char* kDistributionSpanTooWide = "数据分布图中，最大值与最小值之差不能大于100。";
inline constexpr const char* kDistributionBoundsEmpty = "取值范围不能为空";
inline constexpr const char* kDistributionMinAboveMax = "取值最小值不能大于最大值";

// 图一: balls; 图二: squares; 图三: balls joined by a line; 图四: small points joined by a line.
enum class DistributionStyle { Balls, Squares, JoinedBalls, Line };
inline constexpr int kDistributionStyles = 4;
const std::array<const char*, kDistributionStyles>& distributionStyleCaptions();

struct DistributionBounds {
    int32_t min = 0, max = 0;
    bool operator==(const DistributionBounds&) const = default;
};

struct DistributionBoundsCheck {
    DistributionBounds bounds;
    std::string error;  // empty when the bounds can be drawn
};

// The fields' texts as bounds: an empty (or not whole-number) field, a minimum above the maximum, or a
// span above 100 give their message.
DistributionBoundsCheck checkDistributionBounds(const std::string& minText, const std::string& maxText);

// Where the cells of the picture lie: column c (0-based draw of the window) and the value rows, the
// maximum's at the top.
struct DistributionGeometry {
    Rect grid;          // the cells' area
    int columns = 0;    // draws of the window
    DistributionBounds bounds;
    // The cell of draw c with value v; an empty rectangle when v lies outside the bounds or c outside the window.
    Rect cellOf(int column, int32_t value) const;
};

struct DistributionPicture {
    std::string title;
    DistributionBounds bounds;
    DistributionStyle style = DistributionStyle::Balls;
    std::vector<SeriesPoint> points;  // the window's draws in order; issue 9999999 is the forecast row
};

// The cell area of a picture of width x height for `columns` draws and the bounds; `surface` measures the
// labels around it.
DistributionGeometry distributionGeometry(DrawSurface& surface, int width, int height, int columns,
                                          DistributionBounds bounds);

// Draws the whole picture: title, value labels, issue labels, cell lines, the forecast row's box and the
// marks. Values outside the bounds are not marked and break the line of the joined styles.
void drawDistributionPicture(DrawSurface& surface, int width, int height, const DistributionPicture& picture);

// A picture area holding only a message, centred (bounds that cannot be drawn).
void drawDistributionMessage(DrawSurface& surface, int width, int height, const std::string& message);

}  // namespace qorvel
