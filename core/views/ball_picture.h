// DrawBallPicture: draws one tile of a ball-picture strip into a rectangle of a surface, either as an
// opaque stretched copy or masked so the background stays visible around the ball. The strips
// themselves ("pic\pic1.bmp" .. "pic\pic4.bmp") belong to the surface implementation.
#pragma once

#include <array>

#include "views/draw_surface.h"

namespace qorvel {

inline constexpr int kBallStrips = 4;
inline constexpr std::array<int, kBallStrips> kBallTileSizes{18, 46, 25, 18};  // strips 1..4
inline constexpr int kBallPictureTiles = 9;                                    // tiles 0..8 are pictures
inline constexpr int kBallMaskTile = 9;                                        // the mask of strips 2 and 4

// True for the strips that carry a mask tile after the pictures (2 and 4).
constexpr bool ballStripHasMask(int strip) { return strip == 2 || strip == 4; }

// Styles 1 and 3 copy tile `tile` of strip 1 or 3 stretched over the whole rectangle. Styles 2 and 4 draw
// strip 2 or 4 into the largest square centred in the rectangle: first the mask tile ORed onto the
// surface, then the picture tile ANDed, which leaves the background untouched around the ball. Any other
// style, a tile outside 0..8 or an empty rectangle draws nothing.
void DrawBallPicture(DrawSurface& surface, const Rect& rect, int style, int tile);

// The square a masked picture occupies inside `rect`: side = the shorter side, centred along the longer.
Rect maskedBallSquare(const Rect& rect);

}  // namespace qorvel
