// The field chart's row styles: ten styles of G rows each in "database\tyzsd" + G + ".txt", a row being a
// list of two-digit values; a draw belongs to the first row listing its value.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace qorvel {

inline constexpr int kFieldStyles = 10;
inline constexpr int kMinFieldRows = 2;
inline constexpr int kMaxFieldRows = 10;
inline constexpr int kDefaultFieldRows = 4;

// styles[s][j]: row j (0-based) of style s, G rows per style.
struct FieldStyles {
    int rows = kDefaultFieldRows;
    std::array<std::vector<std::string>, kFieldStyles> styles;
};

std::filesystem::path fieldStyleFile(const std::filesystem::path& programFolder, int rows);
// Every style holding the rows "01", "02", … up to G.
FieldStyles defaultFieldStyles(int rows);

struct FieldStylesLoad {
    FieldStyles styles;
    std::string error;  // set when a missing file could not be created
};

// Reads the file of G rows; a missing file is created with the defaults. A short file keeps what it has and
// takes the default for the lines it lacks.
FieldStylesLoad loadFieldStyles(const std::filesystem::path& programFolder, int rows);
// Rewrites the whole file (10 × G lines, style order) atomically; an error text, empty on success.
std::string saveFieldStyles(const std::filesystem::path& programFolder, const FieldStyles& styles);

// The 1-based row of `rowTexts` whose list holds `value`, 0 when none does.
int fieldRowOf(const std::vector<std::string>& rowTexts, int32_t value);

}  // namespace qorvel

#include "views/tcoordinate.h"

namespace qorvel {

// One draw of the field chart: its issue and the 1-based row holding its value (0: no row does).
struct FieldPoint {
    int32_t issue = 0;
    int row = 0;
};

// The field chart: G rows on the y axis labelled with the row texts (row 1 at the bottom), dotted lines
// between rows, each draw's row marked and joined to the previous draw's; a draw in no row is left out and
// breaks the line. `firstIndex` is the 1-based draw of points[0].
void drawFieldChart(DrawSurface& surface, int width, int height, tcoordinate& axes,
                    const std::vector<std::string>& rowTexts, const std::vector<FieldPoint>& points, int firstIndex,
                    const std::string& title);

}  // namespace qorvel
