// The ball-picture strips: generation of the missing files, loading, and the plain and masked drawing.
#include "ui/ball_pictures.h"
#include "ui/image_surface.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

#include "app_test_support.h"

using namespace qorvel;
using namespace qorvel::testing;

namespace {

const QRgb kBackground = qRgb(0, 160, 0);

QImage background(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(kBackground);
    return image;
}

QImage drawn(int width, int height, const QRect& rect, int style, int tile) {
    QImage image = background(width, height);
    QPainter painter(&image);
    PainterSurface surface(painter, width, height);
    DrawBallPicture(surface, fromQRect(rect), style, tile);
    painter.end();
    return image;
}

}  // namespace

class BallPicturesTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() { quietOffscreenWarnings(); }
    void cleanup() { releaseBallPictures(); }
    void missingStripsAreGenerated_data();
    void missingStripsAreGenerated();
    void existingAndBrokenStripFilesAreLeftAlone();
    void tilesAreNineDistinctBallsAndAMask();
    void maskedDrawingKeepsTheBackgroundAroundTheBall_data();
    void maskedDrawingKeepsTheBackgroundAroundTheBall();
    void plainDrawingStretchesTheWholeTile_data();
    void plainDrawingStretchesTheWholeTile();
    void unknownStylesAndTilesDrawNothing_data();
    void unknownStylesAndTilesDrawNothing();
    void laterDrawingIsNotAffected();
};

void BallPicturesTest::missingStripsAreGenerated_data() {
    QTest::addColumn<int>("strip");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("pic1") << 1 << 9 * 18 << 18;
    QTest::newRow("pic2") << 2 << 10 * 46 << 46;
    QTest::newRow("pic3") << 3 << 9 * 25 << 25;
    QTest::newRow("pic4") << 4 << 10 * 18 << 18;
}

void BallPicturesTest::missingStripsAreGenerated() {
    QFETCH(int, strip);
    QFETCH(int, width);
    QFETCH(int, height);
    QTemporaryDir folder;
    QCOMPARE(ensureBallPictures(folder.path()), QString());
    const QImage file(folder.filePath(QString("pic/pic%1.bmp").arg(strip)), "BMP");
    QCOMPARE(file.size(), QSize(width, height));
    QCOMPARE(file.convertToFormat(QImage::Format_RGB32), makeBallStrip(strip));
}

void BallPicturesTest::existingAndBrokenStripFilesAreLeftAlone() {
    QTemporaryDir folder;
    QDir().mkpath(folder.filePath("pic"));
    // pic1: a valid picture of the user's; pic2: not a picture at all.
    QImage own(9 * 18, 18, QImage::Format_RGB32);
    own.fill(qRgb(10, 20, 30));
    QVERIFY(own.save(folder.filePath("pic/pic1.bmp"), "BMP"));
    const QByteArray ownBytes = fileBytes(folder.filePath("pic/pic1.bmp"));
    QFile broken(folder.filePath("pic/pic2.bmp"));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("not a bitmap");
    broken.close();

    QCOMPARE(ensureBallPictures(folder.path()), QString());
    loadBallPictures(folder.path());
    QCOMPARE(fileBytes(folder.filePath("pic/pic1.bmp")), ownBytes);
    QCOMPARE(fileBytes(folder.filePath("pic/pic2.bmp")), QByteArray("not a bitmap"));
    QCOMPARE(ballStrip(1).pixel(5, 5), qRgb(10, 20, 30));
    QCOMPARE(ballStrip(2), makeBallStrip(2));  // the broken file is replaced in memory only
    QVERIFY(QFile::exists(folder.filePath("pic/pic3.bmp")));
}

void BallPicturesTest::tilesAreNineDistinctBallsAndAMask() {
    for (int strip = 1; strip <= 4; ++strip) {
        const QImage image = makeBallStrip(strip);
        const int size = kBallTileSizes[strip - 1];
        QSet<QRgb> centres;
        for (int tile = 0; tile < 9; ++tile) {
            const QRgb corner = image.pixel(tile * size, 0);
            const QRgb centre = image.pixel(tile * size + size / 2, size / 2);
            QCOMPARE(corner, qRgb(255, 255, 255));
            QVERIFY(centre != qRgb(255, 255, 255));
            centres.insert(centre);
        }
        QCOMPARE(centres.size(), 9);
        if (ballStripHasMask(strip)) {
            QCOMPARE(image.pixel(9 * size, 0), qRgb(0, 0, 0));
            QCOMPARE(image.pixel(9 * size + size / 2, size / 2), qRgb(255, 255, 255));
            // The mask is white exactly where a picture tile is not white outside the ball.
            for (int y = 0; y < size; ++y)
                for (int x = 0; x < size; ++x)
                    if (image.pixel(9 * size + x, y) == qRgb(0, 0, 0))
                        QCOMPARE(image.pixel(3 * size + x, y), qRgb(255, 255, 255));
        }
    }
}

void BallPicturesTest::maskedDrawingKeepsTheBackgroundAroundTheBall_data() {
    QTest::addColumn<int>("style");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QRect>("square");
    QTest::newRow("style 2, wide cell") << 2 << QRect(10, 5, 60, 40) << QRect(20, 5, 40, 40);
    QTest::newRow("style 4, tall cell") << 4 << QRect(0, 0, 20, 36) << QRect(0, 8, 20, 20);
    QTest::newRow("style 4, tile size") << 4 << QRect(4, 4, 18, 18) << QRect(4, 4, 18, 18);
}

void BallPicturesTest::maskedDrawingKeepsTheBackgroundAroundTheBall() {
    QFETCH(int, style);
    QFETCH(QRect, rect);
    QFETCH(QRect, square);
    const QImage image = drawn(80, 50, rect, style, 4);
    // Corners of the square lie outside the ball, the cell's margins outside the square.
    for (QPoint p : {square.topLeft(), square.topRight(), square.bottomLeft(), square.bottomRight()})
        QCOMPARE(image.pixel(p), kBackground);
    if (rect.width() > square.width()) QCOMPARE(image.pixel(rect.left(), rect.center().y()), kBackground);
    if (rect.height() > square.height()) QCOMPARE(image.pixel(rect.center().x(), rect.top()), kBackground);
    // The middle shows the ball itself, not the background and not the white of the tile.
    const QRgb middle = image.pixel(square.center());
    QVERIFY(middle != kBackground);
    QVERIFY(middle != qRgb(255, 255, 255));
    // Nothing outside the cell changes.
    QCOMPARE(image.pixel(rect.right() + 1 < 80 ? rect.right() + 1 : 0, 49), kBackground);
}

void BallPicturesTest::plainDrawingStretchesTheWholeTile_data() {
    QTest::addColumn<int>("style");
    QTest::newRow("style 1") << 1;
    QTest::newRow("style 3") << 3;
}

void BallPicturesTest::plainDrawingStretchesTheWholeTile() {
    QFETCH(int, style);
    const QRect rect(5, 5, 60, 30);
    const QImage image = drawn(80, 50, rect, style, 0);
    // The tile's white corners cover the background: the copy is opaque over the whole rectangle.
    for (QPoint p : {rect.topLeft(), rect.topRight(), rect.bottomLeft(), rect.bottomRight()})
        QCOMPARE(image.pixel(p), qRgb(255, 255, 255));
    QVERIFY(image.pixel(rect.center()) != qRgb(255, 255, 255));
    QCOMPARE(image.pixel(rect.right() + 1, rect.center().y()), kBackground);
    QCOMPARE(image.pixel(rect.center().x(), rect.bottom() + 1), kBackground);
}

void BallPicturesTest::unknownStylesAndTilesDrawNothing_data() {
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("tile");
    QTest::newRow("style 0") << 0 << 1;
    QTest::newRow("style 5") << 5 << 1;
    QTest::newRow("negative tile") << 2 << -1;
    QTest::newRow("mask tile is not a picture") << 4 << 9;
    QTest::newRow("past the strip") << 1 << 12;
}

void BallPicturesTest::unknownStylesAndTilesDrawNothing() {
    QFETCH(int, style);
    QFETCH(int, tile);
    QCOMPARE(drawn(40, 40, QRect(0, 0, 40, 40), style, tile), background(40, 40));
}

void BallPicturesTest::laterDrawingIsNotAffected() {
    QImage image = background(40, 20);
    QPainter painter(&image);
    PainterSurface surface(painter, 40, 20);
    DrawBallPicture(surface, Rect{0, 0, 20, 20}, 2, 1);
    painter.fillRect(QRect(25, 0, 10, 10), QColor(200, 0, 0));
    painter.end();
    QCOMPARE(image.pixel(30, 5), qRgb(200, 0, 0));
}

QTEST_MAIN(BallPicturesTest)
#include "ball_pictures_test.moc"
