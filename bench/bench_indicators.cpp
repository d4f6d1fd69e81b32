// Every catalogue code for every draw of the bundled six-of-33 history, looked up by name as the pages and
// formulas do. The goal is one full pass in under a second.
#include <benchmark/benchmark.h>

#include <memory>

#include "draws/draw_text.h"
#include "engine/indicator_catalogue.h"
#include "engine/indicators.h"
#include "text/file_io.h"

namespace {

std::unique_ptr<qorvel::Workspace> sampleWorkspace() {
    auto ws = std::make_unique<qorvel::Workspace>();
    ws->zones = qorvel::buildZoneBounds(ws->params.MainTo);
    ws->resetDeterminantOrder();
    auto bytes = qorvel::readFileBytes(QORVEL_SAMPLE_DIR "/ssq.txt");
    auto parsed = qorvel::parseDrawText(bytes.value_or(""), ws->params);
    qorvel::loadDrawsIntoStore(ws->MainStore, parsed.draws);
    return ws;
}

void BM_EveryCodeEveryDraw(benchmark::State& state) {
    auto ws = sampleWorkspace();
    const auto catalogue = qorvel::indicatorCatalogue();
    const int draws = ws->MainStore.Count();
    for (auto _ : state) {
        int64_t checksum = 0;
        for (int r = 1; r <= draws; ++r) {
            ws->MainStore.SetRecNo(r);
            for (const qorvel::CatalogueEntry& entry : catalogue)
                checksum += qorvel::indicatorValue(*ws, entry.code);
        }
        benchmark::DoNotOptimize(checksum);
    }
    state.counters["draws"] = draws;
    state.counters["codes"] = static_cast<double>(catalogue.size());
}
BENCHMARK(BM_EveryCodeEveryDraw)->Unit(benchmark::kMillisecond);

// The omission codes alone: each walks back to the previous equal value.
void BM_OmissionCodesEveryDraw(benchmark::State& state) {
    auto ws = sampleWorkspace();
    std::vector<std::string_view> codes;
    for (const qorvel::CatalogueEntry& entry : qorvel::indicatorCatalogue())
        if (entry.series == qorvel::DerivedSeries::Omission ||
            entry.series == qorvel::DerivedSeries::OmissionAmplitude ||
            entry.kernel == qorvel::IndicatorKernel::GlobalOmission)
            codes.push_back(entry.code);
    const int draws = ws->MainStore.Count();
    for (auto _ : state) {
        int64_t checksum = 0;
        for (int r = 1; r <= draws; ++r) {
            ws->MainStore.SetRecNo(r);
            for (std::string_view code : codes) checksum += qorvel::indicatorValue(*ws, code);
        }
        benchmark::DoNotOptimize(checksum);
    }
}
BENCHMARK(BM_OmissionCodesEveryDraw)->Unit(benchmark::kMillisecond);

}  // namespace
