#include "ui/image_surface.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHash>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "ui/ball_pictures.h"

namespace qorvel {
namespace {

// Dash patterns in pen widths: long enough to read as dashes and dots at one pixel, crisp because every
// segment is a whole number of pixels.
const QList<qreal> kDashPattern{6, 3};
const QList<qreal> kDotPattern{2, 2};
const QList<qreal> kDashDotPattern{6, 2, 2, 2};
const QList<qreal> kDashDotDotPattern{6, 2, 2, 2, 2, 2};

QString defaultFace() {
    static const QString face = [] {
        const QStringList families = QFontDatabase::families();
        for (const char* preferred : {"Noto Sans CJK SC", "Noto Sans SC", "Source Han Sans SC", "WenQuanYi Micro Hei"})
            if (families.contains(QString::fromLatin1(preferred))) return QString::fromLatin1(preferred);
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    }();
    return face;
}

QPen toQPen(const Pen& pen) {
    if (pen.style == PenStyle::Clear) return QPen(Qt::NoPen);
    QPen q(toQColor(pen.colour));
    q.setWidth(std::max(pen.width, 1));
    q.setJoinStyle(Qt::MiterJoin);
    if (pen.style == PenStyle::Solid) {
        q.setCapStyle(Qt::SquareCap);
        return q;
    }
    q.setCapStyle(Qt::FlatCap);
    switch (pen.style) {
        case PenStyle::Dash: q.setDashPattern(kDashPattern); break;
        case PenStyle::Dot: q.setDashPattern(kDotPattern); break;
        case PenStyle::DashDot: q.setDashPattern(kDashDotPattern); break;
        default: q.setDashPattern(kDashDotDotPattern); break;
    }
    return q;
}

QString fromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Pixel centres: a line through x + 0.5 covers pixel column x at any device pixel ratio.
QPointF centreOf(Point p) {
    return QPointF(p.x + 0.5, p.y + 0.5);
}

}  // namespace

QColor toQColor(Colour colour) {
    return QColor(redOf(colour), greenOf(colour), blueOf(colour));
}

Colour fromQColor(const QColor& colour) {
    return rgbColour(colour.red(), colour.green(), colour.blue());
}

QRect toQRect(const Rect& rect) {
    return QRect(rect.left, rect.top, rect.width(), rect.height());
}

Rect fromQRect(const QRect& rect) {
    return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

QFont platformFont(const Font& font) {
    const QString face = fromUtf8(font.face);
    QFont q(face.isEmpty() || face == QLatin1String(kDefaultFontFace) ? defaultFace() : face);
    q.setPointSize(std::max(font.size, 1));
    q.setBold(font.bold);
    q.setStyleStrategy(QFont::PreferAntialias);
    return q;
}

PainterSurface::PainterSurface(QPainter& painter, int width, int height)
    : painter_(&painter), width_(width), height_(height),
      ratio_(painter.device() ? painter.device()->devicePixelRatioF() : 1.0) {}

PainterSurface::PainterSurface(int width, int height, qreal ratio) : width_(width), height_(height), ratio_(ratio) {}

void PainterSurface::fillRect(const QRect& logical, Colour colour) {
    if (logical.isEmpty()) return;
    if (fillPixels(logical, qRgb(redOf(colour), greenOf(colour), blueOf(colour)))) return;
    painter().fillRect(logical, toQColor(colour));
}

void PainterSurface::fill(const Rect& rect, Colour colour) {
    fillRect(toQRect(rect), colour);
}

void PainterSurface::line(Point from, Point to, const Pen& pen) {
    if (pen.style == PenStyle::Clear) return;
    const bool straight = from.x == to.x || from.y == to.y;
    if (straight && pen.style == PenStyle::Solid) {
        // A solid horizontal or vertical line is a rectangle of whole pixels: crisp at every pixel ratio,
        // and far cheaper than stroking. It covers what a square-capped stroke through the pixel centres
        // covers.
        const int w = std::max(pen.width, 1);
        const int before = w / 2;
        const int left = std::min(from.x, to.x) - before;
        const int top = std::min(from.y, to.y) - before;
        const int right = std::max(from.x, to.x) - before + w;
        const int bottom = std::max(from.y, to.y) - before + w;
        fillRect(QRect(left, top, right - left, bottom - top), pen.colour);
        return;
    }
    QPainter& p = painter();
    p.setRenderHint(QPainter::Antialiasing, !straight);
    p.setPen(toQPen(pen));
    p.drawLine(centreOf(from), centreOf(to));
}

void PainterSurface::rectangle(const Rect& rect, const Pen& pen, const Brush& brush) {
    if (pen.style == PenStyle::Clear) {
        // Without an outline the figure leaves out its right column and bottom row.
        if (!brush.clear && rect.width() > 1 && rect.height() > 1)
            fillRect(QRect(rect.left, rect.top, rect.width() - 1, rect.height() - 1), brush.colour);
        return;
    }
    if (rect.width() <= 0 || rect.height() <= 0) return;
    if (!brush.clear) fillRect(toQRect(rect), brush.colour);
    QPainter& p = painter();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(toQPen(pen));
    p.setBrush(Qt::NoBrush);
    const qreal inset = std::max(pen.width, 1) / 2.0;
    p.drawRect(QRectF(rect.left + inset, rect.top + inset, std::max(rect.width() - 2 * inset, 0.0),
                      std::max(rect.height() - 2 * inset, 0.0)));
}

void PainterSurface::ellipse(const Rect& rect, const Pen& pen, const Brush& brush) {
    if (rect.width() <= 0 || rect.height() <= 0) return;
    QPainter& p = painter();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(toQPen(pen));
    p.setBrush(brush.clear ? QBrush(Qt::NoBrush) : QBrush(toQColor(brush.colour)));
    const qreal inset = pen.style == PenStyle::Clear ? 0.0 : std::max(pen.width, 1) / 2.0;
    p.drawEllipse(QRectF(rect.left + inset, rect.top + inset, std::max(rect.width() - 2 * inset, 0.0),
                         std::max(rect.height() - 2 * inset, 0.0)));
    p.setBrush(Qt::NoBrush);
}

PainterSurface::FontEntry& PainterSurface::fontFor(const Font& font) {
    for (FontEntry& entry : fonts_)
        if (entry.key.size == font.size && entry.key.bold == font.bold && entry.key.face == font.face) return entry;
    const QFont q = platformFont(font);
    fonts_.push_back(FontEntry{font, q, QFontMetricsF(q, painter().device()), {}});
    return fonts_.back();
}

TextSize PainterSurface::measureText(const std::string& text, const Font& font) {
    constexpr qsizetype kWidthCacheLimit = 4096;
    FontEntry& entry = fontFor(font);
    const QString key = fromUtf8(text);
    auto it = entry.widths.constFind(key);
    if (it == entry.widths.constEnd()) {
        if (entry.widths.size() >= kWidthCacheLimit) entry.widths.clear();
        it = entry.widths.insert(key, static_cast<int>(std::ceil(entry.metrics.horizontalAdvance(key))));
    }
    return {*it, static_cast<int>(std::ceil(entry.metrics.height()))};
}

void PainterSurface::text(Point topLeft, const std::string& text, const Font& font) {
    if (text.empty()) return;
    const FontEntry& entry = fontFor(font);
    QPainter& p = painter();
    p.setFont(entry.font);
    p.setPen(toQColor(font.colour));
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.drawText(QPointF(topLeft.x, topLeft.y + entry.metrics.ascent()), fromUtf8(text));
}

QPainter::CompositionMode PainterSurface::compositionFor(CopyMode mode) const {
    switch (mode) {
        case CopyMode::Or: return QPainter::RasterOp_SourceOrDestination;
        case CopyMode::And: return QPainter::RasterOp_SourceAndDestination;
        default: return QPainter::CompositionMode_Source;
    }
}

void PainterSurface::ballTile(int strip, int tile, const Rect& dest, CopyMode mode) {
    if (dest.width() <= 0 || dest.height() <= 0) return;
    const int w = static_cast<int>(std::lround(dest.width() * ratio_));
    const int h = static_cast<int>(std::lround(dest.height() * ratio_));
    const QImage image = ballTileImage(strip, tile, w, h);
    if (image.isNull()) return;
    QPainter& p = painter();
    p.setCompositionMode(compositionFor(mode));
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawImage(QRectF(toQRect(dest)), image);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

std::unique_ptr<DrawSurface> PainterSurface::createBitmap(int width, int height) {
    return std::make_unique<ImageSurface>(width, height, ratio_);
}

bool PainterSurface::canReuseBitmap(const DrawSurface& bitmap) const {
    const auto* image = dynamic_cast<const ImageSurface*>(&bitmap);
    return image && qFuzzyCompare(image->pixelRatio(), ratio_);
}

void PainterSurface::copyFrom(const DrawSurface& source, const Rect& from, const Rect& to, CopyMode mode) {
    const auto* image = dynamic_cast<const ImageSurface*>(&source);
    if (!image || from.width() <= 0 || from.height() <= 0 || to.width() <= 0 || to.height() <= 0) return;
    // Only the part of `from` inside the source is copied, to the matching part of `to`.
    const double sx = double(to.width()) / from.width();
    const double sy = double(to.height()) / from.height();
    const int left = std::max(from.left, 0), top = std::max(from.top, 0);
    const int right = std::min(from.right, source.width()), bottom = std::min(from.bottom, source.height());
    if (right <= left || bottom <= top) return;
    const QRectF target(to.left + (left - from.left) * sx, to.top + (top - from.top) * sy, (right - left) * sx,
                        (bottom - top) * sy);
    const qreal r = image->pixelRatio();
    const QRectF pixels(left * r, top * r, (right - left) * r, (bottom - top) * r);
    if (mode == CopyMode::Copy && from.width() == to.width() && from.height() == to.height() &&
        qFuzzyCompare(r, ratio_) && copyPixels(image->pixels(), pixels.toRect(), (target.topLeft() * r).toPoint()))
        return;
    QPainter& p = painter();
    p.setCompositionMode(compositionFor(mode));
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawImage(target, image->pixels(), pixels);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

ImageSurface::ImageSurface(int width, int height, qreal ratio, QImage reuse)
    : PainterSurface(std::max(width, 0), std::max(height, 0), ratio > 0 ? ratio : 1.0) {
    const qreal r = pixelRatio();
    // An empty surface still gets one pixel, so a painter can start on it and drawing is simply clipped.
    const QSize pixels(std::max(1, static_cast<int>(std::lround(this->width() * r))),
                       std::max(1, static_cast<int>(std::lround(this->height() * r))));
    if (reuse.size() == pixels && reuse.format() == QImage::Format_RGB32 && qFuzzyCompare(reuse.devicePixelRatio(), r))
        image_ = std::move(reuse);
    else
        image_ = QImage(pixels, QImage::Format_RGB32);
    image_.setDevicePixelRatio(r);
    image_.fill(Qt::white);
}

bool ImageSurface::fillPixels(const QRect& logical, QRgb colour) {
    painter();  // the image is ours alone while a painter is on it (see painter())
    const qreal r = pixelRatio();
    const int left = std::max(0, static_cast<int>(std::lround(logical.left() * r)));
    const int top = std::max(0, static_cast<int>(std::lround(logical.top() * r)));
    const int right = std::min(image_.width(), static_cast<int>(std::lround((logical.left() + logical.width()) * r)));
    const int bottom = std::min(image_.height(), static_cast<int>(std::lround((logical.top() + logical.height()) * r)));
    if (right <= left || bottom <= top) return true;
    const qsizetype stride = image_.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    QRgb* row = reinterpret_cast<QRgb*>(image_.bits()) + top * stride;
    for (int y = top; y < bottom; ++y, row += stride) std::fill(row + left, row + right, colour);
    return true;
}

ImageSurface::~ImageSurface() = default;

bool ImageSurface::copyPixels(const QImage& source, const QRect& from, QPoint to) {
    if (source.format() != QImage::Format_RGB32 || &source == &image_) return false;
    painter();
    // Clip to both images, moving the start of the other rectangle along.
    QRect src = from.intersected(source.rect());
    QPoint dst = to + (src.topLeft() - from.topLeft());
    const QRect dest = QRect(dst, src.size()).intersected(image_.rect());
    src = QRect(src.topLeft() + (dest.topLeft() - dst), dest.size());
    dst = dest.topLeft();
    if (src.isEmpty()) return true;
    const qsizetype bytes = qsizetype(src.width()) * qsizetype(sizeof(QRgb));
    for (int y = 0; y < src.height(); ++y)
        std::memcpy(image_.scanLine(dst.y() + y) + dst.x() * sizeof(QRgb),
                    source.constScanLine(src.y() + y) + src.x() * sizeof(QRgb), bytes);
    return true;
}

QPainter& ImageSurface::painter() {
    if (!own_) {
        // Sole ownership first: pixels written directly and those the painter writes must be the same.
        image_.detach();
        own_ = std::make_unique<QPainter>(&image_);
    }
    return *own_;
}

const QImage& ImageSurface::image() {
    own_.reset();
    return image_;
}

}  // namespace qorvel
