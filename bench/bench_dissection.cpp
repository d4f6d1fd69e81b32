// Computing one expression for every draw of the sample history into the value column, as the indicator
// management page does before handing a series to the dissection page.
#include <benchmark/benchmark.h>

#include "draws/draw_text.h"
#include "engine/custom_indicators.h"
#include "text/file_io.h"

namespace {

void loadSample(qorvel::Workspace& ws) {
    auto bytes = qorvel::readFileBytes(QORVEL_SAMPLE_DIR "/ssq.txt");
    auto parsed = qorvel::parseDrawText(bytes.value_or(""), qorvel::TypeParams{});
    qorvel::loadDrawsIntoStore(ws.MainStore, parsed.draws);
}

void BM_DissectionSeries(benchmark::State& state, const char* expression) {
    qorvel::Workspace ws;
    loadSample(ws);
    for (auto _ : state) {
        auto series = qorvel::computeDissectionSeries(ws, expression);
        if (!series.ok) state.SkipWithError(series.error.c_str());
        benchmark::DoNotOptimize(series.highest);
    }
    state.counters["draws"] = ws.MainStore.Count();
}
BENCHMARK_CAPTURE(BM_DissectionSeries, sum, "z_hz")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DissectionSeries, omission_of_amplitude, "getylz(getzf(z_hz))")
    ->Unit(benchmark::kMillisecond);

}  // namespace
