#include "views/ball_picture.h"

#include <algorithm>

namespace qorvel {

Rect maskedBallSquare(const Rect& rect) {
    const int side = std::min(rect.width(), rect.height());
    const int left = rect.left + (rect.width() - side) / 2;
    const int top = rect.top + (rect.height() - side) / 2;
    return {left, top, left + side, top + side};
}

void DrawBallPicture(DrawSurface& surface, const Rect& rect, int style, int tile) {
    if (style < 1 || style > kBallStrips || tile < 0 || tile >= kBallPictureTiles) return;
    if (rect.width() <= 0 || rect.height() <= 0) return;
    const int strip = style;
    if (!ballStripHasMask(strip)) {
        surface.ballTile(strip, tile, rect, CopyMode::Copy);
        return;
    }
    const Rect square = maskedBallSquare(rect);
    surface.ballTile(strip, kBallMaskTile, square, CopyMode::Or);
    surface.ballTile(strip, tile, square, CopyMode::And);
}

}  // namespace qorvel
