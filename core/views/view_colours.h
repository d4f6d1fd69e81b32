// Colours the analysis views fill their cells with, as RGB triples.
#pragma once

#include <cstdint>

namespace qorvel {

struct RgbColour {
    uint8_t r = 0, g = 0, b = 0;
    bool operator==(const RgbColour&) const = default;
};

namespace omission_colours {
constexpr RgbColour kHeader{255, 203, 179};
constexpr RgbColour kZoneA{231, 239, 255};       // zones 0, 2, 4, …
constexpr RgbColour kZoneB{255, 219, 247};       // zones 1, 3, …
constexpr RgbColour kStatisticsOdd{176, 240, 182};
constexpr RgbColour kStatisticsEven{236, 176, 240};
constexpr RgbColour kDrawnNumberText{252, 254, 216};
constexpr RgbColour kOmissionText{53, 96, 142};
}  // namespace omission_colours

// The background of a number column in zone z (0-based): the two zone colours alternate.
constexpr RgbColour zoneBackground(int zone) {
    return zone % 2 == 0 ? omission_colours::kZoneA : omission_colours::kZoneB;
}

}  // namespace qorvel
