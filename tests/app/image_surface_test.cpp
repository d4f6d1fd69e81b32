// The QImage drawing surface, checked pixel by pixel at device pixel ratios 1 and 2: masked balls keep
// the background, dotted pens are dotted, fills and outlines are crisp and exact, block copies combine as
// asked, and the default font maps to the platform's CJK sans-serif.
#include <QFontDatabase>
#include <QImage>
#include <QtTest>
#include <set>

#include "app_test_support.h"
#include "ui/image_surface.h"
#include "views/ball_picture.h"
#include "views/t_s_grid.h"

using namespace qorvel;

namespace {

const Colour kGreenBack = rgbColour(0, 160, 0);

// Pixel (x, y) in logical coordinates: the top-left device pixel of that logical pixel.
QRgb at(const QImage& image, int x, int y) {
    const qreal r = image.devicePixelRatio();
    return image.pixel(static_cast<int>(x * r), static_cast<int>(y * r));
}

QRgb rgbOf(Colour c) {
    return qRgb(redOf(c), greenOf(c), blueOf(c));
}

}  // namespace

class ImageSurfaceTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() { qorvel::testing::quietOffscreenWarnings(); }
    void maskedBallKeepsTheBackgroundAroundIt_data();
    void maskedBallKeepsTheBackgroundAroundIt();
    void penStylesDrawTheirPattern_data();
    void penStylesDrawTheirPattern();
    void fillsAndOutlinesAreCrisp_data();
    void fillsAndOutlinesAreCrisp();
    void ellipsesAreAntialiased();
    void blockCopiesCombineAsAsked();
    void textIsMeasuredAndDrawnInsideItsBox();
    void defaultFaceMapsToThePlatformSansSerif();
    void gridHighlightAndBallsReachTheImage();
};

void ImageSurfaceTest::maskedBallKeepsTheBackgroundAroundIt_data() {
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("ratio 1") << 1.0;
    QTest::newRow("ratio 2") << 2.0;
}

void ImageSurfaceTest::maskedBallKeepsTheBackgroundAroundIt() {
    QFETCH(qreal, ratio);
    ImageSurface surface(60, 40, ratio);
    surface.fill({0, 0, 60, 40}, kGreenBack);
    // A 20 x 30 cell: the ball is the 20 x 20 square centred vertically (y 10..30).
    DrawBallPicture(surface, {10, 5, 30, 35}, 4, 2);
    const QImage image = surface.image();
    QCOMPARE(image.size(), QSize(60, 40) * ratio);
    const QRgb back = rgbOf(kGreenBack);
    for (QPoint p : {QPoint(10, 10), QPoint(29, 10), QPoint(10, 29), QPoint(29, 29), QPoint(20, 7), QPoint(20, 32)})
        QCOMPARE(at(image, p.x(), p.y()), back);
    const QRgb middle = at(image, 19, 19);
    QVERIFY(middle != back);
    QVERIFY(qGreen(middle) < 160 || qBlue(middle) > 0);
    // Nothing white is left over: every pixel is either the background or part of the ball.
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) QVERIFY(image.pixel(x, y) != qRgb(255, 255, 255));
}

void ImageSurfaceTest::penStylesDrawTheirPattern_data() {
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("minOn");
    QTest::addColumn<int>("maxOn");
    QTest::addColumn<int>("maxRun");
    QTest::newRow("solid") << int(PenStyle::Solid) << 40 << 40 << 40;
    QTest::newRow("dot") << int(PenStyle::Dot) << 18 << 22 << 2;
    QTest::newRow("dash") << int(PenStyle::Dash) << 24 << 30 << 6;
    QTest::newRow("clear") << int(PenStyle::Clear) << 0 << 0 << 0;
}

void ImageSurfaceTest::penStylesDrawTheirPattern() {
    QFETCH(int, style);
    QFETCH(int, minOn);
    QFETCH(int, maxOn);
    QFETCH(int, maxRun);
    for (qreal ratio : {1.0, 2.0}) {
        ImageSurface surface(50, 10, ratio);
        surface.line({0, 5}, {40, 5}, Pen{kBlack, 1, static_cast<PenStyle>(style)});
        const QImage image = surface.image();
        int on = 0, run = 0, longest = 0;
        for (int x = 0; x < 40; ++x) {
            const bool black = qGray(at(image, x, 5)) < 128;
            on += black;
            run = black ? run + 1 : 0;
            longest = std::max(longest, run);
            QCOMPARE(at(image, x, 4), qRgb(255, 255, 255));  // one pixel high: rows beside it stay white
        }
        QVERIFY2(on >= minOn && on <= maxOn, qPrintable(QString("%1 pixels on at ratio %2").arg(on).arg(ratio)));
        QVERIFY2(longest <= maxRun, qPrintable(QString("run of %1 at ratio %2").arg(longest).arg(ratio)));
    }
}

void ImageSurfaceTest::fillsAndOutlinesAreCrisp_data() {
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("ratio 1") << 1.0;
    QTest::newRow("ratio 2") << 2.0;
}

void ImageSurfaceTest::fillsAndOutlinesAreCrisp() {
    QFETCH(qreal, ratio);
    ImageSurface surface(40, 40, ratio);
    surface.fill({2, 2, 8, 8}, kRed);
    // Without an outline the figure is one pixel smaller at the right and bottom.
    surface.rectangle({10, 2, 20, 12}, Pen{kBlack, 1, PenStyle::Clear}, Brush{kBlue, false});
    surface.rectangle({22, 2, 32, 12}, Pen{kBlack, 1, PenStyle::Solid}, Brush{kWhite, false});
    surface.line({2, 20}, {30, 20}, Pen{kGreen, 1, PenStyle::Solid});
    const QImage image = surface.image();
    const QRgb white = qRgb(255, 255, 255);
    QCOMPARE(at(image, 2, 2), qRgb(255, 0, 0));
    QCOMPARE(at(image, 7, 7), qRgb(255, 0, 0));
    QCOMPARE(at(image, 8, 8), white);
    QCOMPARE(at(image, 1, 1), white);
    QCOMPARE(at(image, 18, 10), qRgb(0, 0, 255));
    QCOMPARE(at(image, 19, 11), white);
    QCOMPARE(at(image, 22, 2), qRgb(0, 0, 0));
    QCOMPARE(at(image, 31, 11), qRgb(0, 0, 0));
    QCOMPARE(at(image, 23, 3), white);
    QCOMPARE(at(image, 32, 12), white);
    QCOMPARE(at(image, 10, 20), qRgb(0, 128, 0));
    QCOMPARE(at(image, 10, 21), white);
    QCOMPARE(at(image, 10, 19), white);
    // No blended colours anywhere: every pixel is one of the colours drawn.
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y));
    const std::set<QRgb> drawn{white, qRgb(255, 0, 0), qRgb(0, 0, 255), qRgb(0, 0, 0), qRgb(0, 128, 0)};
    QVERIFY(std::includes(drawn.begin(), drawn.end(), colours.begin(), colours.end()));
}

void ImageSurfaceTest::ellipsesAreAntialiased() {
    ImageSurface surface(40, 40, 1.0);
    surface.ellipse({5, 5, 35, 35}, Pen{kBlue, 2, PenStyle::Solid}, Brush{kWhite, false});
    const QImage image = surface.image();
    QCOMPARE(image.pixel(20, 20), qRgb(255, 255, 255));
    QCOMPARE(image.pixel(5, 5), qRgb(255, 255, 255));
    int partial = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) {
            const QRgb p = image.pixel(x, y);
            if (p != qRgb(255, 255, 255) && p != qRgb(0, 0, 255)) ++partial;
        }
    QVERIFY(partial > 20);
}

void ImageSurfaceTest::blockCopiesCombineAsAsked() {
    ImageSurface target(30, 10, 2.0);
    target.fill({0, 0, 30, 10}, kBlue);
    auto bitmap = target.createBitmap(10, 10);
    QVERIFY(target.canReuseBitmap(*bitmap));
    QVERIFY(!ImageSurface(5, 5, 1.0).canReuseBitmap(*bitmap));  // another density
    bitmap->fill({0, 0, 10, 10}, kRed);
    target.copyFrom(*bitmap, {0, 0, 10, 10}, {0, 0, 10, 10}, CopyMode::Copy);
    target.copyFrom(*bitmap, {0, 0, 10, 10}, {10, 0, 20, 10}, CopyMode::Or);
    target.copyFrom(*bitmap, {0, 0, 10, 10}, {20, 0, 30, 10}, CopyMode::And);
    // Parts of the source rectangle outside the bitmap are not copied: only 5 columns land here.
    ImageSurface clipped(20, 10, 2.0);
    clipped.copyFrom(*bitmap, {5, 0, 15, 10}, {0, 0, 10, 10}, CopyMode::Copy);
    const QImage image = target.image();
    QCOMPARE(at(image, 5, 5), qRgb(255, 0, 0));
    QCOMPARE(at(image, 15, 5), qRgb(255, 0, 255));
    QCOMPARE(at(image, 25, 5), qRgb(0, 0, 0));
    const QImage clip = clipped.image();
    QCOMPARE(at(clip, 4, 5), qRgb(255, 0, 0));
    QCOMPARE(at(clip, 5, 5), qRgb(255, 255, 255));
}

void ImageSurfaceTest::textIsMeasuredAndDrawnInsideItsBox() {
    for (qreal ratio : {1.0, 2.0}) {
        ImageSurface surface(200, 60, ratio);
        const Font font{"MS Sans Serif", 10, kBlack, false};
        const TextSize size = surface.measureText("开奖红球 2009001", font);
        QVERIFY(size.width > 60 && size.width < 200);
        QVERIFY(size.height >= 12 && size.height < 30);
        surface.text({20, 10}, "开奖红球 2009001", font);
        const QImage image = surface.image();
        int inside = 0, outside = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                if (qGray(image.pixel(x, y)) > 200) continue;
                const QPoint logical(static_cast<int>(x / ratio), static_cast<int>(y / ratio));
                const bool in = logical.x() >= 19 && logical.x() <= 20 + size.width && logical.y() >= 9 &&
                                logical.y() <= 10 + size.height;
                (in ? inside : outside)++;
            }
        QVERIFY(inside > 50);
        QCOMPARE(outside, 0);
    }
}

void ImageSurfaceTest::defaultFaceMapsToThePlatformSansSerif() {
    const QFont mapped = platformFont(Font{});
    QCOMPARE(mapped.pointSize(), 8);
    if (QFontDatabase::families().contains("Noto Sans CJK SC")) QCOMPARE(mapped.family(), QString("Noto Sans CJK SC"));
    QCOMPARE(platformFont(Font{"DejaVu Serif", 12, kBlack, true}).family(), QString("DejaVu Serif"));
    QVERIFY(platformFont(Font{"DejaVu Serif", 12, kBlack, true}).bold());
}

void ImageSurfaceTest::gridHighlightAndBallsReachTheImage() {
    t_s_grid grid;
    grid.Create(6, 10);
    grid.fixedRows = 2;
    for (int col = 0; col < 6; ++col) grid.SetColumnWidth(col, col == 0 ? 50 : 20);
    grid.topRow = 1;
    grid.selectedRow = 2;
    t_s_cell& ball = grid.cell(2, 2);
    ball.mark.kind = kMarkPicture;
    ball.mark.transparent = 1;
    grid.SetBounds({0, 0, 150, 200});
    ImageSurface surface(150, 200, 2.0);
    grid.Draw(surface);
    const QImage image = surface.image();
    // Row 3 (history row 2) is highlighted, row 2 carries a ball on white.
    QCOMPARE(at(image, 100, 70), rgbOf(kGridHighlightColour));
    QCOMPARE(at(image, 100, 50), qRgb(255, 255, 255));
    QCOMPARE(at(image, 72, 42), qRgb(255, 255, 255));  // corner of the ball's square, inside its borders
    QVERIFY(qRed(at(image, 80, 50)) > 120 && qBlue(at(image, 80, 50)) < 120);  // tile 0 is red
}

QTEST_MAIN(ImageSurfaceTest)
#include "image_surface_test.moc"
