// t_s_cell: one cell of the owner-drawn grid — text, font, background, four borders, an optional mark
// (ball picture, ellipse or rectangle), an optional line to another cell and an optional merge to the
// right. The grid creates and owns its cells and draws them in three passes.
#pragma once

#include <cstdint>
#include <string>

#include "views/draw_surface.h"

namespace qorvel {

// Mark kinds.
inline constexpr std::uint8_t kMarkNone = 0;
inline constexpr std::uint8_t kMarkPicture = 1;
inline constexpr std::uint8_t kMarkEllipse = 2;
inline constexpr std::uint8_t kMarkRectangle = 3;

// Ball-picture styles a picture mark uses: the opaque 18-pixel strip, or the masked one.
inline constexpr int kOpaqueMarkStyle = 1;
inline constexpr int kMaskedMarkStyle = 4;

inline constexpr int kDefaultRowHeight = 20;

// The shape or picture drawn over a cell's background; always copied as a whole.
struct CellMark {
    Colour fillColor = kBlack;
    std::int32_t markWidth = 0;
    std::int32_t markHeight = 0;
    Colour penColor = kBlack;
    std::int32_t penWidth = 0;
    std::uint8_t penStyle = 0;
    std::uint8_t kind = kMarkNone;
    std::uint8_t transparent = 0;  // picture marks: 0 opaque strip 1, 1 masked strip 4
    std::uint8_t tile = 0;
    bool operator==(const CellMark&) const = default;
};

class t_s_cell {
public:
    std::uint8_t tag = 0;
    std::string text;
    std::string fontName = kDefaultFontFace;
    std::int32_t fontSize = kDefaultFontSize;
    Colour fontColor = kWindowTextColour;
    Colour leftColor = kBlack;
    std::int32_t leftWidth = 0;
    std::uint8_t leftStyle = 0;
    Colour rightColor = kBlack;
    std::int32_t rightWidth = 0;
    std::uint8_t rightStyle = 0;
    Colour topColor = kBlack;
    std::int32_t topWidth = 0;
    std::uint8_t topStyle = 0;
    Colour bottomColor = kBlack;
    std::int32_t bottomWidth = 0;
    std::uint8_t bottomStyle = 0;
    Colour linkColor = kBlack;
    std::int32_t linkWidth = 1;
    DrawSurface* canvas = nullptr;
    Colour background = kWhite;
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = kDefaultRowHeight;
    std::uint8_t linkOn = 0;
    const t_s_cell* linkTarget = nullptr;
    CellMark mark;
    std::uint8_t visible = 1;
    std::uint8_t bordersOn = 1;
    std::uint8_t merged = 0;
    const t_s_cell* mergeTarget = nullptr;

    // Every field back to its default; the cell keeps no canvas.
    void Reset();
    // Mark, link, text and tag cleared; colours, fonts, borders, sizes and merges stay.
    void ClearContents();

    // The cell's own rectangle, or for a merged cell the rectangle up to the far corner of its target.
    Rect Extent() const;
    Point Centre() const;

    // The three drawing passes on `canvas` (each does nothing without one).
    void DrawBackground() const;  // fill and the four borders
    void DrawLink() const;        // the line to linkTarget
    void DrawContent() const;     // mark, then text
};

}  // namespace qorvel
