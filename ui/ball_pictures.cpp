#include "ui/ball_pictures.h"

#include <QBuffer>
#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QRect>
#include <algorithm>
#include <array>
#include <cmath>

#include "text/file_io.h"

namespace qorvel {
namespace {

// The nine ball colours, one per picture tile.
constexpr QRgb kBallColours[kBallPictureTiles] = {
    qRgb(214, 32, 32),  qRgb(28, 86, 214),  qRgb(30, 150, 60),  qRgb(240, 136, 16),  qRgb(136, 58, 196),
    qRgb(16, 164, 186), qRgb(226, 76, 156), qRgb(204, 164, 18), qRgb(112, 112, 120),
};

constexpr int kSamplesPerAxis = 4;      // supersampling of the shading and of opaque edges
constexpr int kTileCacheLimit = 512;    // rendered tiles kept before the cache starts over
constexpr double kRimWidthPx = 1.1;     // darker outline of masked balls, in device pixels

std::array<QImage, kBallStrips>& loadedStrips() {
    static std::array<QImage, kBallStrips> strips;
    return strips;
}

std::array<bool, kBallStrips>& loadedIsGenerated() {
    static std::array<bool, kBallStrips> same{};
    return same;
}

const QImage& generatedStrip(int strip) {
    static const std::array<QImage, kBallStrips> generated{makeBallStrip(1), makeBallStrip(2),
                                                           makeBallStrip(3), makeBallStrip(4)};
    return generated[strip - 1];
}

int tileCount(int strip) {
    return kBallPictureTiles + (ballStripHasMask(strip) ? 1 : 0);
}

bool validTile(int strip, int tile) {
    return strip >= 1 && strip <= kBallStrips && tile >= 0 && tile < tileCount(strip);
}

// A point of the tile in the ball's own coordinates: the ball is the unit disc, inset one tile pixel
// from the tile's edge as the strips have always drawn it.
struct Disc {
    double nx, ny;
    double r2() const { return nx * nx + ny * ny; }
};

Disc toDisc(double x, double y, int width, int height, int tileSize) {
    const double radius = tileSize / 2.0 - 1.0;
    const double u = x * tileSize / width - tileSize / 2.0;
    const double v = y * tileSize / height - tileSize / 2.0;
    return {u / radius, v / radius};
}

// Lit from the upper left: diffuse shading darker towards the rim and a soft specular highlight.
std::array<double, 3> shade(QRgb base, const Disc& d) {
    const double nz = std::sqrt(std::max(0.0, 1.0 - d.r2()));
    const double lx = -0.45, ly = -0.55, lz = 0.70;
    const double diffuse = std::max(0.0, lx * d.nx + ly * d.ny + lz * nz);
    const double light = 0.38 + 0.62 * diffuse;
    const double hx = d.nx + 0.36, hy = d.ny + 0.40;
    const double spot = std::max(0.0, 1.0 - std::sqrt(hx * hx + hy * hy) / 0.42);
    const double highlight = spot * spot * 0.9;
    std::array<double, 3> out{};
    const int channels[3] = {qRed(base), qGreen(base), qBlue(base)};
    for (int i = 0; i < 3; ++i) {
        const double lit = channels[i] * light;
        out[i] = lit + (255.0 - lit) * highlight;
    }
    return out;
}

QRgb toRgb(const std::array<double, 3>& c) {
    auto channel = [](double v) { return std::clamp(static_cast<int>(std::lround(v)), 0, 255); };
    return qRgb(channel(c[0]), channel(c[1]), channel(c[2]));
}

// The mask and the masked picture share one test: the pixel centre lies on the ball.
bool centreOnBall(int x, int y, int width, int height, int tileSize) {
    return toDisc(x + 0.5, y + 0.5, width, height, tileSize).r2() <= 1.0;
}

QRgb maskedPixel(QRgb base, int x, int y, int width, int height, int tileSize) {
    std::array<double, 3> sum{};
    int n = 0;
    for (int sy = 0; sy < kSamplesPerAxis; ++sy) {
        for (int sx = 0; sx < kSamplesPerAxis; ++sx) {
            Disc d = toDisc(x + (sx + 0.5) / kSamplesPerAxis, y + (sy + 0.5) / kSamplesPerAxis, width, height,
                            tileSize);
            if (d.r2() > 1.0) {
                const double scale = 1.0 / std::sqrt(d.r2());  // shade the rim colour for samples just outside
                d = {d.nx * scale, d.ny * scale};
            }
            const auto c = shade(base, d);
            for (int i = 0; i < 3; ++i) sum[i] += c[i];
            ++n;
        }
    }
    for (double& c : sum) c /= n;
    // Distance to the edge in device pixels: a thin darker rim gives the hard mask edge a clean outline.
    const Disc centre = toDisc(x + 0.5, y + 0.5, width, height, tileSize);
    const double radiusPx = (tileSize / 2.0 - 1.0) * std::min(width, height) / double(tileSize);
    const double edgePx = (1.0 - std::sqrt(centre.r2())) * radiusPx;
    if (edgePx < kRimWidthPx) {
        const double darken = 0.72 + 0.28 * std::max(0.0, edgePx / kRimWidthPx);
        for (double& c : sum) c *= darken;
    }
    return toRgb(sum);
}

// The opaque strips are drawn where the pages show a number as a square: a block over the whole tile
// (one tile pixel of white around it), lit from above, with a darker outline one device pixel wide.
QRgb blockPixel(QRgb base, int x, int y, int width, int height, int tileSize) {
    const double marginX = double(width) / tileSize;
    const double marginY = double(height) / tileSize;
    std::array<double, 3> sum{};
    const int channels[3] = {qRed(base), qGreen(base), qBlue(base)};
    for (int sy = 0; sy < kSamplesPerAxis; ++sy) {
        for (int sx = 0; sx < kSamplesPerAxis; ++sx) {
            const double px = x + (sx + 0.5) / kSamplesPerAxis;
            const double py = y + (sy + 0.5) / kSamplesPerAxis;
            const bool inside = px >= marginX && px < width - marginX && py >= marginY && py < height - marginY;
            if (!inside) {
                for (double& c : sum) c += 255.0;
                continue;
            }
            const double t = (py - marginY) / std::max(1.0, height - 2 * marginY);  // 0 at the top
            const double edge = std::min({px - marginX, width - marginX - px, py - marginY, height - marginY - py});
            double light = 1.18 - 0.36 * t;
            if (edge < 1.0) light *= 0.7;
            for (int i = 0; i < 3; ++i) {
                const double lit = channels[i] * light;
                sum[i] += lit > 255.0 ? 255.0 : lit;
            }
        }
    }
    for (double& c : sum) c /= kSamplesPerAxis * kSamplesPerAxis;
    return toRgb(sum);
}

QImage renderTile(int strip, int tile, int width, int height) {
    const int tileSize = kBallTileSizes[strip - 1];
    const bool masked = ballStripHasMask(strip);
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            if (tile == kBallMaskTile) {
                row[x] = centreOnBall(x, y, width, height, tileSize) ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
            } else if (masked) {
                row[x] = centreOnBall(x, y, width, height, tileSize)
                             ? maskedPixel(kBallColours[tile], x, y, width, height, tileSize)
                             : qRgb(255, 255, 255);
            } else {
                row[x] = blockPixel(kBallColours[tile], x, y, width, height, tileSize);
            }
        }
    }
    return image;
}

QRect tileRect(int strip, int tile) {
    const int size = kBallTileSizes[strip - 1];
    return QRect(tile * size, 0, size, size);
}

bool usableStrip(const QImage& image, int strip) {
    const int size = kBallTileSizes[strip - 1];
    return !image.isNull() && image.width() >= tileCount(strip) * size && image.height() >= size;
}

QHash<quint64, QImage>& tileCache() {
    static QHash<quint64, QImage> cache;
    return cache;
}

quint64 cacheKey(int strip, int tile, int width, int height) {
    return (quint64(strip) << 56) | (quint64(tile) << 48) | (quint64(width & 0xFFFFFF) << 24) |
           quint64(height & 0xFFFFFF);
}

}  // namespace

QImage makeBallTile(int strip, int tile, int width, int height) {
    if (!validTile(strip, tile) || width <= 0 || height <= 0) return {};
    return renderTile(strip, tile, width, height);
}

QImage makeBallStrip(int strip) {
    const int size = kBallTileSizes[strip - 1];
    QImage image(tileCount(strip) * size, size, QImage::Format_RGB32);
    for (int tile = 0; tile < tileCount(strip); ++tile) {
        const QImage one = renderTile(strip, tile, size, size);
        for (int y = 0; y < size; ++y)
            std::copy_n(reinterpret_cast<const QRgb*>(one.constScanLine(y)), size,
                        reinterpret_cast<QRgb*>(image.scanLine(y)) + tile * size);
    }
    return image;
}

QString ballStripPath(const QString& programFolder, int strip) {
    return QDir(programFolder).filePath(QStringLiteral("pic/pic%1.bmp").arg(strip));
}

QString ensureBallPictures(const QString& programFolder) {
    for (int strip = 1; strip <= kBallStrips; ++strip) {
        const QString path = ballStripPath(programFolder, strip);
        if (QFileInfo::exists(path)) continue;
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (!makeBallStrip(strip).save(&buffer, "BMP")) return QStringLiteral("无法生成图片 ") + path;
        const std::string error =
            writeFileAtomically(path.toStdString(), std::string_view(bytes.constData(), bytes.size()));
        if (!error.empty()) return QString::fromStdString(error);
    }
    return {};
}

void loadBallPictures(const QString& programFolder) {
    for (int strip = 1; strip <= kBallStrips; ++strip) {
        QImage image(ballStripPath(programFolder, strip));
        QImage& slot = loadedStrips()[strip - 1];
        slot = usableStrip(image, strip) ? image.convertToFormat(QImage::Format_RGB32) : generatedStrip(strip);
        loadedIsGenerated()[strip - 1] = slot == generatedStrip(strip);
    }
    tileCache().clear();
}

void releaseBallPictures() {
    for (auto& image : loadedStrips()) image = QImage();
    loadedIsGenerated().fill(false);
    tileCache().clear();
}

const QImage& ballStrip(int strip) {
    const QImage& loaded = loadedStrips()[strip - 1];
    return loaded.isNull() ? generatedStrip(strip) : loaded;
}

QImage ballTileImage(int strip, int tile, int width, int height) {
    if (!validTile(strip, tile) || width <= 0 || height <= 0) return {};
    auto& cache = tileCache();
    const quint64 key = cacheKey(strip, tile, width, height);
    if (auto it = cache.constFind(key); it != cache.constEnd()) return *it;
    const bool generated = loadedStrips()[strip - 1].isNull() || loadedIsGenerated()[strip - 1];
    QImage image;
    if (generated) {
        image = renderTile(strip, tile, width, height);
    } else {
        const QImage source = ballStrip(strip).copy(tileRect(strip, tile));
        image = source.scaled(width, height, Qt::IgnoreAspectRatio,
                              ballStripHasMask(strip) ? Qt::FastTransformation : Qt::SmoothTransformation)
                    .convertToFormat(QImage::Format_RGB32);
    }
    if (cache.size() >= kTileCacheLimit) cache.clear();
    cache.insert(key, image);
    return image;
}

}  // namespace qorvel
