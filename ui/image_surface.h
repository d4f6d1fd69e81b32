// The drawing surface of core/views on QPainter: PainterSurface draws through any active painter (a
// widget's, an item delegate's), ImageSurface owns a QImage at a given device pixel ratio. Geometry stays
// in logical pixels; the image has ratio times as many device pixels, so text and curves are sharp on a
// high-density screen. Rectangles, fills and straight horizontal or vertical lines stay pixel-crisp;
// ellipses and slanted lines are antialiased. The BGR colours of core are converted here and only here.
#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <memory>
#include <optional>
#include <vector>

#include "views/draw_surface.h"

namespace qorvel {

QColor toQColor(Colour colour);
Colour fromQColor(const QColor& colour);
QRect toQRect(const Rect& rect);
Rect fromQRect(const QRect& rect);

// The one place a font of core becomes a Qt font: "MS Sans Serif" (and an empty face) becomes the
// platform's default sans-serif CJK font (Noto Sans CJK where installed) at the same point size.
QFont platformFont(const Font& font);

class PainterSurface : public DrawSurface {
public:
    // Draws with `painter`, active on a device of width x height logical pixels.
    PainterSurface(QPainter& painter, int width, int height);

    int width() const override { return width_; }
    int height() const override { return height_; }
    qreal pixelRatio() const { return ratio_; }

    void fill(const Rect& rect, Colour colour) override;
    void line(Point from, Point to, const Pen& pen) override;
    void rectangle(const Rect& rect, const Pen& pen, const Brush& brush) override;
    void ellipse(const Rect& rect, const Pen& pen, const Brush& brush) override;
    TextSize measureText(const std::string& text, const Font& font) override;
    void text(Point topLeft, const std::string& text, const Font& font) override;
    void ballTile(int strip, int tile, const Rect& dest, CopyMode mode) override;
    std::unique_ptr<DrawSurface> createBitmap(int width, int height) override;
    bool canReuseBitmap(const DrawSurface& bitmap) const override;
    void copyFrom(const DrawSurface& source, const Rect& from, const Rect& to, CopyMode mode) override;

protected:
    PainterSurface(int width, int height, qreal ratio);
    struct FontEntry {
        Font key;
        QFont font;
        QFontMetricsF metrics;
        // Measured widths: tables measure the same few short texts in cell after cell.
        QHash<QString, int> widths;
    };
    // The Qt font and its metrics on this surface's device, made once per face, size and weight.
    FontEntry& fontFor(const Font& font);
    // The painter to draw with; ImageSurface starts its own again after image() ended it.
    virtual QPainter& painter() { return *painter_; }
    // Fills whole logical pixels with an opaque colour without going through the painter, where the
    // surface can; false when the caller has to paint.
    virtual bool fillPixels(const QRect& logical, QRgb colour) {
        (void)logical;
        (void)colour;
        return false;
    }
    void fillRect(const QRect& logical, Colour colour);
    // Copies device pixels of `source` unchanged to `to` (device coordinates) where the surface can;
    // false when the caller has to paint.
    virtual bool copyPixels(const QImage& source, const QRect& from, QPoint to) {
        (void)source;
        (void)from;
        (void)to;
        return false;
    }
    QPainter::CompositionMode compositionFor(CopyMode mode) const;

private:
    QPainter* painter_ = nullptr;
    int width_, height_;
    qreal ratio_;
    std::vector<FontEntry> fonts_;
};

class ImageSurface : public PainterSurface {
public:
    // A white image of width x height logical pixels at the given device pixel ratio. `reuse`, when it
    // has exactly that size and ratio, lends its pixel buffer (as the host's previous picture does).
    ImageSurface(int width, int height, qreal ratio = 1.0, QImage reuse = QImage());
    ~ImageSurface() override;

    // The picture so far (painting is finished first; drawing again later carries on on the same image).
    const QImage& image();
    // The image for reading by a copy while this surface may still be painted on.
    const QImage& pixels() const { return image_; }

protected:
    QPainter& painter() override;
    bool fillPixels(const QRect& logical, QRgb colour) override;
    bool copyPixels(const QImage& source, const QRect& from, QPoint to) override;

private:
    QImage image_;
    std::unique_ptr<QPainter> own_;
};

}  // namespace qorvel
