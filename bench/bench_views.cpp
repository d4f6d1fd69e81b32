// The computations behind the trend-analysis and statistics pages on the sample history: the omission
// tables over every draw, "开始统计" over "所有", one window of the distribution chart's marks, the data
// tables and the indicator trend series.
#include <benchmark/benchmark.h>

#include "draws/draw_text.h"
#include "text/file_io.h"
#include "views/data_tables.h"
#include "views/distribution_marks.h"
#include "views/indicator_trend.h"
#include "views/omission_table.h"
#include "views/statistics_page.h"

namespace {

void loadSample(qorvel::Workspace& ws) {
    auto bytes = qorvel::readFileBytes(QORVEL_SAMPLE_DIR "/ssq.txt");
    auto parsed = qorvel::parseDrawText(bytes.value_or(""), qorvel::TypeParams{});
    qorvel::loadDrawsIntoStore(ws.MainStore, parsed.draws);
    ws.zones = qorvel::buildZoneBounds(ws.params.MainTo);
}

void BM_OmissionTableAllDraws(benchmark::State& state, bool tails) {
    qorvel::Workspace ws;
    loadSample(ws);
    for (auto _ : state) {
        auto table = tails ? qorvel::buildTailOmissionTable(ws.MainStore, ws.params, 1, ws.MainStore.Count(), 1)
                           : qorvel::buildNumberOmissionTable(ws.MainStore, ws.params, 1, ws.MainStore.Count(), 1);
        benchmark::DoNotOptimize(table.statisticsRows());
    }
    state.counters["draws"] = ws.MainStore.Count();
}
BENCHMARK_CAPTURE(BM_OmissionTableAllDraws, numbers, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OmissionTableAllDraws, tails, true)->Unit(benchmark::kMillisecond);

void BM_StatisticsAllDraws(benchmark::State& state) {
    qorvel::Workspace ws;
    loadSample(ws);
    for (auto _ : state) {
        auto result = qorvel::computeStatistics(ws, qorvel::nearRange(ws.MainStore, 0), 3);
        benchmark::DoNotOptimize(result.items.size());
    }
}
BENCHMARK(BM_StatisticsAllDraws)->Unit(benchmark::kMillisecond);

void BM_DistributionWindow(benchmark::State& state, bool temperatures) {
    qorvel::Workspace ws;
    loadSample(ws);
    const int top = qorvel::distributionStartRow(ws.MainStore.Count());
    for (auto _ : state) {
        auto rows = temperatures ? qorvel::temperatureRows(ws.MainStore, ws.params, ws.coldHot, top,
                                                           qorvel::kDistributionDataRows, {})
                                 : qorvel::associationRows(ws.MainStore, ws.params, top,
                                                           qorvel::kDistributionDataRows, 0, {});
        benchmark::DoNotOptimize(rows.size());
    }
}
BENCHMARK_CAPTURE(BM_DistributionWindow, association, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_DistributionWindow, cold_warm_hot, true)->Unit(benchmark::kMicrosecond);

void BM_DataTable(benchmark::State& state) {
    qorvel::Workspace ws;
    loadSample(ws);
    for (auto _ : state) benchmark::DoNotOptimize(qorvel::buildDataTable(ws, static_cast<int>(state.range(0))));
}
BENCHMARK(BM_DataTable)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);

void BM_TrendSeries(benchmark::State& state, qorvel::TrendFeature feature) {
    qorvel::Workspace ws;
    loadSample(ws);
    for (auto _ : state) {
        auto series = qorvel::computeTrendSeries(ws, "z_hz", "和值", {feature});
        benchmark::DoNotOptimize(series.features.size());
    }
}
BENCHMARK_CAPTURE(BM_TrendSeries, odd_even, qorvel::TrendFeature::OddEven)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_TrendSeries, omission, qorvel::TrendFeature::Omission)->Unit(benchmark::kMillisecond);

}  // namespace
