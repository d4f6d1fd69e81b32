// A small gallery of the view components on a real 1024 x 768 window: the distribution chart on the grid
// and the trend and coordinate chart pairs, each in a DrawingHost. It checks that the pictures reach the
// screen and that clicks, the wheel, the crosshair and "保存图片…" work through the host.
//
// A screenshot of the window: QORVEL_GALLERY_PNG=/path/gallery.png ./build/tests/gallery_test
// (QT_SCALE_FACTOR=2 in front runs the same checks on a high-density screen).
#include <QHBoxLayout>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QtTest>

#include "app_test_support.h"
#include "gallery_views.h"
#include "ui/drawing_host.h"

using namespace qorvel;
using namespace qorvel::testing;

namespace {

constexpr int kHistory = 120;
constexpr int kTrendPoints = 40;
constexpr int kCoordinatePoints = 18;
constexpr int kGridInset = 10;

class Gallery : public QWidget {
  public:
    Gallery() : history(gallery::sampleHistory(kHistory, true)) {
        setObjectName("gallery");
        setWindowTitle(QString::fromUtf8("图表组件"));
        gridHost = new DrawingHost(this);
        gridHost->setObjectName("host_grid");
        trendHost = new DrawingHost(this);
        trendHost->setObjectName("host_trend");
        coordinateHost = new DrawingHost(this);
        coordinateHost->setObjectName("host_coordinate");
        auto* charts = new QHBoxLayout;
        charts->addWidget(trendHost, 3);
        charts->addWidget(coordinateHost, 2);
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(6, 6, 6, 6);
        layout->addWidget(gridHost, 1);
        layout->addLayout(charts, 1);

        gridHost->setRenderer([this](DrawSurface& s, int w, int h) { drawGrid(s, w, h); });
        gridHost->setHitTest([this](Point p) { return grid.HitTest(p); });
        QObject::connect(gridHost, &DrawingHost::clicked, gridHost, [this](int, int row, QPoint, Qt::MouseButton b) {
            if (b != Qt::LeftButton || row < grid.fixedRows) return;
            grid.selectedRow = row - grid.fixedRows + grid.topRow;
            gridHost->redraw();
        });
        QObject::connect(gridHost, &DrawingHost::wheelStepped, gridHost, [this](int steps) {
            grid.topRow = std::clamp(grid.topRow + steps, 1, kHistory);
            gridHost->redraw();
        });
        grid.Create(gallery::kGridColumns, gallery::kGridRows);
        gallery::selectInSpareRow(grid, {4, 11, 19});
        menu.addAction(QString::fromUtf8("刷新"));
        gridHost->setPopupMenu(&menu);

        trendHost->setRenderer([this](DrawSurface& s, int w, int h) {
            const int t = s.measureText("1", Font{}).height;
            gallery::fillTrendPair(value, feature, history, w, h, t, kTrendPoints);
            value.Draw(s);
            feature.Draw(s);
        });
        coordinateHost->setRenderer([this](DrawSurface& s, int w, int h) {
            gallery::drawCoordinatePair(axes, s, history, w, h, kCoordinatePoints);
        });
    }

    void drawGrid(DrawSurface& s, int w, int h) {
        const Rect bounds{kGridInset, kGridInset, w - kGridInset, h - kGridInset};
        if (grid.topRow == 0) {
            // As the distribution chart opens: the newest draws, with one row to spare at the end.
            const int visible = (bounds.height() - 2 * kDefaultRowHeight) / kDefaultRowHeight;
            grid.topRow = std::max(1, kHistory - (visible - 2));
            grid.selectedRow = kHistory - 3;
        }
        gallery::fillDistributionGrid(grid, history, bounds, grid.topRow, grid.selectedRow, grid.scrollX);
        grid.Draw(s);
    }

    // The host coordinates of the middle of cell (col, row), with the scrolled part's copy offset.
    QPoint cellCentre(int col, int row) const {
        const t_s_cell& c = grid.cell(col, row);
        int x = grid.bounds.left + c.left + c.width / 2;
        if (col >= grid.frozenCols) x += 1 - grid.scrollX;
        return QPoint(x, grid.bounds.top + c.top + c.height / 2);
    }

    std::vector<gallery::SampleDraw> history;
    t_s_grid grid;
    t_s_zsd value, feature;
    tcoordinate axes;
    QMenu menu;
    DrawingHost* gridHost;
    DrawingHost* trendHost;
    DrawingHost* coordinateHost;
};

bool hasColour(const QImage& image, const QRect& area, const std::function<bool(QRgb)>& wanted) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (wanted(image.pixel(x, y))) return true;
    return false;
}

bool reddish(QRgb p) { return qRed(p) > 180 && qGreen(p) < 80 && qBlue(p) < 80; }
bool bluish(QRgb p) { return qBlue(p) > 180 && qRed(p) < 80 && qGreen(p) < 80; }

}  // namespace

class GalleryTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() { quietOffscreenWarnings(); }
    void init();
    void cleanup() { gallery_.reset(); }
    void everyComponentReachesTheWindow();
    void clicksSelectRowsThroughTheHitTest();
    void theWheelScrollsTheRows();
    void aResizeOrAChangeAsksForANewPicture();
    void theCrosshairFollowsTheMouseUntilTheNextRedraw();
    void thePopupSavesThePicture();

  private:
    std::unique_ptr<Gallery> gallery_;
};

void GalleryTest::init() {
    gallery_ = std::make_unique<Gallery>();
    gallery_->resize(1024, 768);
    gallery_->show();
    QVERIFY(QTest::qWaitForWindowExposed(gallery_.get()));
}

void GalleryTest::everyComponentReachesTheWindow() {
    Gallery& g = *gallery_;
    const QImage shot = g.grab().toImage();
    if (const QByteArray out = qgetenv("QORVEL_GALLERY_PNG"); !out.isEmpty()) QVERIFY(shot.save(QString::fromLocal8Bit(out)));
    QVERIFY(g.gridHost->renderCount() >= 1);

    // The grid: the newest draws, a ball on each drawn number, "预测区" on the last row.
    const QImage grid = g.gridHost->picture();
    const qreal r = grid.devicePixelRatio();
    const int lastRow = g.grid.fixedRows + (kHistory - g.grid.topRow);
    QCOMPARE(g.grid.GetCellText(0, lastRow), QString::fromUtf8("预测区").toStdString());
    for (int n : g.history.back().numbers) {
        // Most of the cell is ball, whatever pixels the white number on it takes.
        const QPoint centre = g.cellCentre(gallery::kFirstNumberColumn + n - 1, lastRow);
        const QRect cell(((centre - QPoint(8, 8)) * r), QSize(16, 16) * r);
        int coloured = 0;
        for (int y = cell.top(); y <= cell.bottom(); ++y)
            for (int x = cell.left(); x <= cell.right(); ++x) coloured += qGray(grid.pixel(x, y)) < 200;
        QVERIFY2(coloured * 2 > cell.width() * cell.height(), qPrintable(QString("number %1").arg(n)));
    }
    // The trend pair: the blue value line above, the red feature line below.
    const QImage trend = g.trendHost->picture();
    const int half = trend.height() / 2;
    QVERIFY(hasColour(trend, QRect(0, 0, trend.width(), half), bluish));
    QVERIFY(hasColour(trend, QRect(0, half, trend.width(), trend.height() - half), reddish));
    QVERIFY(!hasColour(trend, QRect(0, 0, trend.width(), half - 10), reddish) ||
            hasColour(trend, QRect(trend.width() - 60, 0, 60, half), reddish));  // red above only as the forecast box
    // The coordinate pair: blue points in both halves.
    const QImage coordinate = g.coordinateHost->picture();
    const int middle = coordinate.height() / 2;
    QVERIFY(hasColour(coordinate, QRect(0, 0, coordinate.width(), middle), bluish));
    QVERIFY(hasColour(coordinate, QRect(0, middle, coordinate.width(), coordinate.height() - middle), bluish));
}

void GalleryTest::clicksSelectRowsThroughTheHitTest() {
    Gallery& g = *gallery_;
    g.gridHost->picture();
    QSignalSpy spy(g.gridHost, &DrawingHost::clicked);
    QTest::mouseClick(g.gridHost, Qt::LeftButton, {}, g.cellCentre(7, 5));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 7);
    QCOMPARE(spy.at(0).at(1).toInt(), 5);
    QCOMPARE(g.grid.selectedRow, 5 - 2 + g.grid.topRow);
    const QImage picture = g.gridHost->picture();
    const QPoint lit = g.cellCentre(gallery::kFirstNumberColumn + 32, 5) * picture.devicePixelRatio();
    const bool drawnThere = g.grid.cell(gallery::kFirstNumberColumn + 32, 5).tag == 1;
    if (!drawnThere) QCOMPARE(picture.pixel(lit), qRgb(0, 255, 128));

    // Scrolled horizontally, a click on the frozen issue column still reports column 0.
    g.grid.scrollX = 100;
    g.gridHost->redraw();
    g.gridHost->picture();
    QTest::mouseClick(g.gridHost, Qt::LeftButton, {}, QPoint(g.grid.bounds.left + 5, g.cellCentre(0, 6).y()));
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(1).at(0).toInt(), 0);
    QCOMPARE(spy.at(1).at(1).toInt(), 6);
    QTest::mouseClick(g.gridHost, Qt::LeftButton, {}, QPoint(g.gridHost->width() - 3, 3));  // outside every cell
    QCOMPARE(spy.at(2).at(0).toInt(), -1);
    QSignalSpy doubles(g.gridHost, &DrawingHost::doubleClicked);
    QTest::mouseDClick(g.gridHost, Qt::LeftButton, {}, QPoint(g.grid.bounds.left + 5, g.cellCentre(0, 6).y()));
    QCOMPARE(doubles.count(), 1);
    QCOMPARE(doubles.at(0).at(0).toInt(), 0);
    QCOMPARE(doubles.at(0).at(1).toInt(), 6);
}

void GalleryTest::theWheelScrollsTheRows() {
    Gallery& g = *gallery_;
    g.gridHost->picture();
    const int top = g.grid.topRow;
    QSignalSpy spy(g.gridHost, &DrawingHost::wheelStepped);
    const QPointF at(100, 100);
    QWheelEvent down(at, g.gridHost->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                     Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(g.gridHost, &down);
    QWheelEvent halfUp(at, g.gridHost->mapToGlobal(at), QPoint(), QPoint(0, 60), Qt::NoButton, Qt::NoModifier,
                       Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(g.gridHost, &halfUp);  // half a notch: no step yet
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 1);
    QCOMPARE(g.grid.topRow, std::min(top + 1, kHistory));
}

void GalleryTest::aResizeOrAChangeAsksForANewPicture() {
    Gallery& g = *gallery_;
    DrawingHost* host = g.coordinateHost;
    host->picture();
    const int before = host->renderCount();
    host->picture();
    QCOMPARE(host->renderCount(), before);  // nothing changed: the picture is kept
    g.resize(900, 700);
    QTRY_COMPARE(host->picture().size(), host->size() * host->devicePixelRatioF());
    QCOMPARE(host->renderCount(), before + 1);
    host->redraw();
    host->picture();
    QCOMPARE(host->renderCount(), before + 2);
}

void GalleryTest::theCrosshairFollowsTheMouseUntilTheNextRedraw() {
    Gallery& g = *gallery_;
    DrawingHost* host = g.trendHost;
    const QPoint p(host->width() / 2, host->height() / 3);
    QMouseEvent move(QEvent::MouseMove, QPointF(p), QPointF(host->mapToGlobal(p)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(host, &move);
    QVERIFY(host->crosshairVisible());
    QCOMPARE(host->crosshairPos(), p);
    const QImage shot = host->grab().toImage();
    const qreal r = shot.devicePixelRatio();
    int dark = 0, light = 0;
    for (int x = 0; x < 40; ++x) {
        const QRgb px = shot.pixel(int((x + 2) * r), int((p.y() + 0.5) * r));  // a hairline at any ratio
        (qGray(px) < 100 ? dark : light)++;
    }
    QVERIFY2(dark >= 10 && light >= 10, qPrintable(QString("%1 dark, %2 light").arg(dark).arg(light)));
    host->redraw();
    QVERIFY(!host->crosshairVisible());
}

void GalleryTest::thePopupSavesThePicture() {
    Gallery& g = *gallery_;
    QAction* save = g.menu.findChild<QAction*>("mi_savepicture");
    if (!save)
        for (QAction* a : g.menu.actions())
            if (a->objectName() == "mi_savepicture") save = a;
    QVERIFY(save);
    QCOMPARE(save->text(), QString::fromUtf8("保存图片…"));
    QCOMPARE(g.gridHost->addSavePictureAction(&g.menu), save);  // added once only
    QTest::mouseClick(g.gridHost, Qt::RightButton, {}, g.cellCentre(4, 4));
    QTRY_VERIFY(g.menu.isVisible());
    g.menu.hide();

    QTemporaryDir folder;
    RecordingPlatform recorder;
    FileAnswers answers;
    // The second answer lies below a plain file, so it cannot be written.
    QFile blocker(folder.filePath("blocker"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    answers.answers << folder.filePath("grid") << folder.filePath("blocker/grid.png");
    const Platform previous = installPlatform(Platform{nullptr, &answers, nullptr, nullptr});
    save->trigger();
    save->trigger();
    installPlatform(previous);

    QCOMPARE(answers.titles.value(0), QString::fromUtf8("保存图片"));
    QCOMPARE(answers.filters.value(0), fileDialogFilter("PNG图片(*.png)|*.png"));
    const QImage saved(folder.filePath("grid.png"), "PNG");
    QCOMPARE(saved.size(), g.gridHost->size() * g.gridHost->devicePixelRatioF());
    QCOMPARE(recorder.messages.texts(),
             QStringList{QString::fromUtf8("图片保存失败：") + folder.filePath("blocker/grid.png")});
}

QTEST_MAIN(GalleryTest)
#include "gallery_test.moc"
