#include "ui/ball_pictures.h"

#include <QBuffer>
#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QRect>
#include <algorithm>
#include <cmath>

#include "text/file_io.h"

namespace qorvel {
namespace {

// The nine ball colours, one per picture tile.
constexpr QRgb kBallColours[kBallPictureTiles] = {
    qRgb(214, 32, 32),  qRgb(28, 86, 214),  qRgb(30, 150, 60),  qRgb(240, 136, 16),  qRgb(136, 58, 196),
    qRgb(16, 164, 186), qRgb(226, 76, 156), qRgb(204, 164, 18), qRgb(112, 112, 120),
};

std::array<QImage, kBallStrips>& loadedStrips() {
    static std::array<QImage, kBallStrips> strips;
    return strips;
}

const QImage& generatedStrip(int strip) {
    static const std::array<QImage, kBallStrips> generated{makeBallStrip(1), makeBallStrip(2),
                                                           makeBallStrip(3), makeBallStrip(4)};
    return generated[strip - 1];
}

int tileCount(int strip) {
    return kBallPictureTiles + (ballStripHasMask(strip) ? 1 : 0);
}

// Whether pixel (x, y) of a tile of this size lies on the ball. Pictures and mask use the same test, so
// the mask covers exactly the ball's pixels.
bool onBall(int x, int y, int size) {
    const double centre = size / 2.0;
    const double radius = size / 2.0 - 1.0;
    const double dx = x + 0.5 - centre;
    const double dy = y + 0.5 - centre;
    return dx * dx + dy * dy <= radius * radius;
}

// A shaded ball: lit from the upper left, darker towards the rim, with a small highlight.
QRgb ballPixel(QRgb base, int x, int y, int size) {
    const double radius = size / 2.0 - 1.0;
    const double nx = (x + 0.5 - size / 2.0) / radius;
    const double ny = (y + 0.5 - size / 2.0) / radius;
    const double nz = std::sqrt(std::max(0.0, 1.0 - nx * nx - ny * ny));
    const double light = std::max(0.0, (-0.45 * nx - 0.55 * ny + 0.70 * nz));
    const double shade = 0.45 + 0.55 * light;
    const double hx = nx + 0.38, hy = ny + 0.42;
    const double highlight = std::max(0.0, 1.0 - std::sqrt(hx * hx + hy * hy) / 0.35);
    auto channel = [&](int c) {
        const double v = c * shade + (255.0 - c * shade) * highlight * 0.85;
        return std::clamp(static_cast<int>(std::lround(v)), 0, 255);
    };
    return qRgb(channel(qRed(base)), channel(qGreen(base)), channel(qBlue(base)));
}

QRect tileRect(int strip, int tile) {
    const int size = kBallTileSizes[strip - 1];
    return QRect(tile * size, 0, size, size);
}

bool usableStrip(const QImage& image, int strip) {
    const int size = kBallTileSizes[strip - 1];
    return !image.isNull() && image.width() >= tileCount(strip) * size && image.height() >= size;
}

}  // namespace

bool ballStripHasMask(int strip) {
    return strip == 2 || strip == 4;
}

QImage makeBallStrip(int strip) {
    const int size = kBallTileSizes[strip - 1];
    QImage image(tileCount(strip) * size, size, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int tile = 0; tile < tileCount(strip); ++tile) {
        const bool mask = tile == kBallMaskTile;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const bool inside = onBall(x, y, size);
                QRgb pixel = qRgb(255, 255, 255);
                if (mask)
                    pixel = inside ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
                else if (inside)
                    pixel = ballPixel(kBallColours[tile], x, y, size);
                image.setPixel(tile * size + x, y, pixel);
            }
        }
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
        loadedStrips()[strip - 1] =
            usableStrip(image, strip) ? image.convertToFormat(QImage::Format_RGB32) : generatedStrip(strip);
    }
}

void releaseBallPictures() {
    for (auto& image : loadedStrips()) image = QImage();
}

const QImage& ballStrip(int strip) {
    const QImage& loaded = loadedStrips()[strip - 1];
    return loaded.isNull() ? generatedStrip(strip) : loaded;
}

void DrawBallPicture(QPainter& surface, const QRect& rect, int style, int tile) {
    if (style < 1 || style > kBallStrips || tile < 0 || tile >= kBallPictureTiles || rect.isEmpty()) return;
    const int strip = style;
    const QImage& image = ballStrip(strip);
    surface.save();
    surface.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (!ballStripHasMask(strip)) {
        surface.setCompositionMode(QPainter::CompositionMode_Source);
        surface.drawImage(rect, image, tileRect(strip, tile));
    } else {
        const int side = std::min(rect.width(), rect.height());
        const QRect square(rect.left() + (rect.width() - side) / 2, rect.top() + (rect.height() - side) / 2,
                           side, side);
        surface.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
        surface.drawImage(square, image, tileRect(strip, kBallMaskTile));
        surface.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        surface.drawImage(square, image, tileRect(strip, tile));
    }
    surface.restore();
}

}  // namespace qorvel
