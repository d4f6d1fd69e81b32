// DrawSurface: the 2D drawing surface the grid and the charts paint on. It is a plain interface so the
// renderers stay free of any toolkit; the desktop implements it once on an image, tests record the calls.
//
// Coordinates are logical pixels, growing right and down. Rectangles are (left, top, right, bottom) and
// cover the pixels left <= x < right, top <= y < bottom. Colours are 32-bit values in BGR order
// (0x0000FF is red); an implementation converts them once, where it hands them to its toolkit.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace qorvel {

using Colour = std::uint32_t;

// A colour from its red, green and blue parts.
constexpr Colour rgbColour(int red, int green, int blue) {
    return static_cast<Colour>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr int redOf(Colour c) { return static_cast<int>(c & 0xFF); }
constexpr int greenOf(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int blueOf(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }

inline constexpr Colour kBlack = 0x000000;
inline constexpr Colour kWhite = 0xFFFFFF;
inline constexpr Colour kRed = 0x0000FF;
inline constexpr Colour kGreen = 0x008000;
inline constexpr Colour kBlue = 0xFF0000;
inline constexpr Colour kPurple = 0x800080;
// The text colour of ordinary windows; the desktop's default is black.
inline constexpr Colour kWindowTextColour = kBlack;

// Pen styles, numbered as the stored style bytes number them.
enum class PenStyle : std::uint8_t { Solid = 0, Dash = 1, Dot = 2, DashDot = 3, DashDotDot = 4, Clear = 5 };

// A pen style from a stored byte; unknown bytes draw solid.
PenStyle penStyleFromByte(std::uint8_t value);

struct Pen {
    Colour colour = kBlack;
    int width = 1;  // 0 draws one pixel wide, as 1 does
    PenStyle style = PenStyle::Solid;
    bool operator==(const Pen&) const = default;
};

struct Brush {
    Colour colour = kWhite;
    bool clear = false;  // true: the figure is not filled
    bool operator==(const Brush&) const = default;
};

inline constexpr const char* kDefaultFontFace = "MS Sans Serif";
inline constexpr int kDefaultFontSize = 8;

struct Font {
    std::string face = kDefaultFontFace;
    int size = kDefaultFontSize;  // points
    Colour colour = kWindowTextColour;
    bool bold = false;
    bool operator==(const Font&) const = default;
};

struct Point {
    int x = 0, y = 0;
    bool operator==(const Point&) const = default;
};

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    bool operator==(const Rect&) const = default;
};

struct TextSize {
    int width = 0, height = 0;
    bool operator==(const TextSize&) const = default;
};

// How a block copy combines source and destination pixels: replace, bitwise OR, bitwise AND.
enum class CopyMode : std::uint8_t { Copy, Or, And };

class DrawSurface {
public:
    virtual ~DrawSurface() = default;

    virtual int width() const = 0;
    virtual int height() const = 0;

    // Fills the rectangle with one colour, no outline.
    virtual void fill(const Rect& rect, Colour colour) = 0;
    // A line from `from` to `to`; a clear pen draws nothing.
    virtual void line(Point from, Point to, const Pen& pen) = 0;
    // The outline runs along the rectangle's inside edge. With a clear pen the filled area is one pixel
    // smaller on the right and at the bottom (callers that want a plain fill use fill()).
    virtual void rectangle(const Rect& rect, const Pen& pen, const Brush& brush) = 0;
    // The ellipse inscribed in the rectangle, with the same pen rules as rectangle().
    virtual void ellipse(const Rect& rect, const Pen& pen, const Brush& brush) = 0;

    // UTF-8 text, measured and drawn with the font; `topLeft` is the top-left corner of the text's
    // box. Text is drawn with a transparent background.
    virtual TextSize measureText(const std::string& text, const Font& font) = 0;
    virtual void text(Point topLeft, const std::string& text, const Font& font) = 0;

    // Tile `tile` of ball-picture strip `strip` (1..4), stretched into `dest` and combined by `mode`.
    virtual void ballTile(int strip, int tile, const Rect& dest, CopyMode mode) = 0;

    // A new off-screen surface of the given size, at this surface's pixel density, filled white.
    virtual std::unique_ptr<DrawSurface> createBitmap(int width, int height) = 0;
    // True when `bitmap` (made earlier by createBitmap of some surface) can stand in for a new bitmap of
    // this surface: the same kind of surface at the same pixel density.
    virtual bool canReuseBitmap(const DrawSurface& bitmap) const = 0;
    // Copies `from` of `source` (a surface made by createBitmap of the same kind) into `to` of this
    // surface, stretching when the sizes differ. Parts of `from` outside the source are not copied.
    virtual void copyFrom(const DrawSurface& source, const Rect& from, const Rect& to, CopyMode mode) = 0;
};

}  // namespace qorvel
