// The pages as the user meets them, in the real widgets on the offscreen platform over the 3493-draw
// sample: the program started until the trend chart's first view is drawn, that first view alone, the
// trend page opened from the menu with its window painted, and the
// dissection page — OpenDissection of getylz(getzf(z_hz)) with its first view drawn (the series computed
// beforehand), a switch to each sub-page with its picture drawn, the two value tables for a narrow-range
// indicator, and one scroll step of the signal chart.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QScrollBar>
#include <QTabWidget>

#include "app/app_state.h"
#include "app/u_main.h"
#include "app/pages/fxd/fxd_trend_view.h"
#include "app/pages/u_fxd.h"
#include "app/pages/u_zbpxz.h"
#include "app_test_support.h"
#include "engine/custom_indicators.h"
#include "fxd_test_support.h"
#include "ui/drawing_host.h"

using namespace qorvel;
using namespace qorvel::testing;

namespace {

const DrawRows& sample() {
    static const DrawRows rows = fxd::ssqSample();
    return rows;
}

// Draws what the widget shows, as a paint of the window would.
void drawShown(QWidget* widget) {
    const QPixmap picture = widget->grab();
    benchmark::DoNotOptimize(picture.cacheKey());
}

FxdTrendView* trendView() { return control<FxdTrendView>(f_fxd, "ts_zbzs"); }

void BM_StartToFirstTrendView(benchmark::State& state) {
    TestHome home;
    fxd::withHistory(sample())(home);
    RecordingPlatform platform;
    for (auto _ : state) {
        auto session = std::make_unique<ProgramSession>();
        session->start(false);
        f_main->resize(1024, 768);
        trendView()->i_zbzs->picture();
        state.PauseTiming();
        session.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartToFirstTrendView)->Unit(benchmark::kMillisecond)->Iterations(5);

// One started program for the benchmarks below, made when the first of them runs (after the start
// benchmark, which needs the program's windows to itself) and ended before the application.
struct Program {
    Program() : program(fxd::withHistory(sample()), false) {
        f_main->resize(1024, 768);
        f_main->show();
        dissection = std::make_unique<Tf_zbpxz>();
        dissection->resize(1024, 700);
        dissection->show();
    }
    StartedProgram program;
    std::unique_ptr<Tf_zbpxz> dissection;
};

std::unique_ptr<Program> started;

Program& program() {
    if (!started) started = std::make_unique<Program>();
    return *started;
}

void BM_TrendFirstView(benchmark::State& state) {
    program();
    FxdTrendView* view = trendView();
    for (auto _ : state) {
        view->refresh();
        view->i_zbzs->picture();
    }
}
BENCHMARK(BM_TrendFirstView)->Unit(benchmark::kMillisecond);

// "综合分析" closed and opened again from the menu, as at start: the tab shown and its first view drawn.
void BM_OpenTrendPage(benchmark::State& state) {
    program();
    for (auto _ : state) {
        state.PauseTiming();
        f_main->closeAllPages();
        QApplication::processEvents();
        state.ResumeTiming();
        f_main->openPage(PageId::fxd);
        drawShown(f_fxd);
    }
}
BENCHMARK(BM_OpenTrendPage)->Unit(benchmark::kMillisecond);

DissectionInput dissectionInput(const std::string& formula = "getylz(getzf(z_hz))") {
    program();
    Workspace& ws = workspace();
    const DissectionSeries series = computeDissectionSeries(ws, formula);
    DissectionInput input;
    for (int r = 1; r <= ws.MainStore.Count(); ++r) input.series.push_back(ws.MainStore.Row(r).value);
    input.seriesMin = *std::min_element(input.series.begin(), input.series.end());
    input.seriesMax = *std::max_element(input.series.begin(), input.series.end());
    input.title = formula;
    input.formula = formula;
    input.cursorRow = std::max(1, ws.MainStore.Count() - 36);
    benchmark::DoNotOptimize(series.ok);
    return input;
}

Tf_zbpxz& dissectionPage() { return *program().dissection; }

void BM_OpenDissection(benchmark::State& state) {
    const DissectionInput input = dissectionInput();
    Tf_zbpxz& page = dissectionPage();
    for (auto _ : state) {
        page.OpenDissection(input);
        drawShown(page.pc_zbpxz->currentWidget());
    }
}
BENCHMARK(BM_OpenDissection)->Unit(benchmark::kMillisecond);

void BM_SwitchDissectionSubPage(benchmark::State& state) {
    Tf_zbpxz& page = dissectionPage();
    page.OpenDissection(dissectionInput());
    const int target = static_cast<int>(state.range(0));
    if (target >= page.pc_zbpxz->count()) {
        state.SkipWithError("no such sub-page");
        return;
    }
    state.SetLabel(page.pc_zbpxz->tabText(target).toStdString());
    const int away = target == 0 ? 1 : 0;
    for (auto _ : state) {
        state.PauseTiming();
        page.pc_zbpxz->setCurrentIndex(away);
        state.ResumeTiming();
        page.pc_zbpxz->setCurrentIndex(target);
        drawShown(page.pc_zbpxz->currentWidget());
    }
}
BENCHMARK(BM_SwitchDissectionSubPage)->DenseRange(0, 14)->Unit(benchmark::kMillisecond);

// The value tables with every cell in use: xc21 (the gap between the first two main numbers, 1 … 32) fits
// 遗漏分布图表, whose table the formula above is too wide for. Range: the sub-page's index.
void BM_SwitchDissectionNarrowTable(benchmark::State& state) {
    Tf_zbpxz& page = dissectionPage();
    page.OpenDissection(dissectionInput("xc21"));
    const int target = static_cast<int>(state.range(0));
    state.SetLabel(page.pc_zbpxz->tabText(target).toStdString());
    for (auto _ : state) {
        state.PauseTiming();
        page.pc_zbpxz->setCurrentIndex(0);
        state.ResumeTiming();
        page.pc_zbpxz->setCurrentIndex(target);
        drawShown(page.pc_zbpxz->currentWidget());
    }
}
BENCHMARK(BM_SwitchDissectionNarrowTable)->Arg(1)->Arg(3)->Unit(benchmark::kMillisecond);

void BM_SignalChartScrollStep(benchmark::State& state) {
    Tf_zbpxz& page = dissectionPage();
    page.OpenDissection(dissectionInput());
    page.pc_zbpxz->setCurrentIndex(0);
    auto* bar = control<QScrollBar>(&page, "sb_ftc");
    auto* host = control<DrawingHost>(&page, "im_ftc");
    int step = 1;
    for (auto _ : state) {
        if (bar->value() == bar->maximum() || bar->value() == bar->minimum()) step = -step;
        bar->setValue(bar->value() + step);
        host->picture();
    }
}
BENCHMARK(BM_SignalChartScrollStep)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    quietOffscreenWarnings();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    started.reset();
    return 0;
}
