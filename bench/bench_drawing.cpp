// Frames of the view components drawn on the QImage surface, against a bare QImage::fill of an image of
// the same size in the same run: the distribution grid (52 x 40 cells, balls in every row) and the trend
// and coordinate chart pairs over 66 draws, each into 1000 x 700 logical pixels at ratio 1 and 2.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>

#include "gallery_views.h"
#include "ui/image_surface.h"

using namespace qorvel;

namespace {

constexpr int kWidth = 1000;
constexpr int kHeight = 700;
constexpr int kChartPoints = 66;

const std::vector<gallery::SampleDraw>& history() {
    static const auto draws = gallery::sampleHistory(3000, true);
    return draws;
}

qreal ratioOf(const benchmark::State& state) {
    return static_cast<qreal>(state.range(0));
}

void BM_BareImageFill(benchmark::State& state) {
    const qreal ratio = ratioOf(state);
    QImage image(static_cast<int>(kWidth * ratio), static_cast<int>(kHeight * ratio), QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_BareImageFill)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// One scroll step of the distribution chart: a new picture, the rows refilled, the grid drawn.
void BM_GridFrame(benchmark::State& state) {
    const qreal ratio = ratioOf(state);
    t_s_grid grid;
    grid.Create(gallery::kGridColumns, gallery::kGridRows);
    int top = 1;
    QImage picture;  // reused from frame to frame, as the host reuses its picture
    for (auto _ : state) {
        ImageSurface surface(kWidth, kHeight, ratio, std::move(picture));
        gallery::fillDistributionGrid(grid, history(), {10, 10, kWidth - 10, kHeight - 10}, top, top + 3, 0);
        grid.Draw(surface);
        picture = surface.image();
        benchmark::DoNotOptimize(picture.constBits());
        top = top % 2000 + 1;
    }
}
BENCHMARK(BM_GridFrame)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// One scroll step of the indicator view: both trend charts rescaled and drawn.
void BM_TrendPairFrame(benchmark::State& state) {
    const qreal ratio = ratioOf(state);
    t_s_zsd value, feature;
    int shift = 0;
    QImage picture;
    for (auto _ : state) {
        ImageSurface surface(kWidth, kHeight, ratio, std::move(picture));
        const int t = surface.measureText("1", Font{}).height;
        gallery::fillTrendPair(value, feature, history(), kWidth, kHeight, t, kChartPoints);
        value.startIndex = feature.startIndex = value.startIndex - shift;
        value.Draw(surface);
        feature.Draw(surface);
        picture = surface.image();
        benchmark::DoNotOptimize(picture.constBits());
        shift = (shift + 1) % 1000;
    }
}
BENCHMARK(BM_TrendPairFrame)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_CoordinatePairFrame(benchmark::State& state) {
    const qreal ratio = ratioOf(state);
    tcoordinate axes;
    QImage picture;
    for (auto _ : state) {
        ImageSurface surface(kWidth, kHeight, ratio, std::move(picture));
        gallery::drawCoordinatePair(axes, surface, history(), kWidth, kHeight, kChartPoints);
        picture = surface.image();
        benchmark::DoNotOptimize(picture.constBits());
    }
}
BENCHMARK(BM_CoordinatePairFrame)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    // Fonts need a GUI application; no window is shown, so the offscreen platform serves everywhere.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
