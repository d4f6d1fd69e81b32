// The banker and kill engine on the 3493-draw sample history (six of 33 plus one of 16): a page run of 60
// formulas over the whole history (goal under 0.3 s), the accelerated formula search over a 50-draw range
// (goal at least 50,000 candidates a second) and the scheme generator with T = 10 and the three scheme
// constraints ticked, rate range 0..100.
#include <benchmark/benchmark.h>

#include "draws/draw_text.h"
#include "killbanker/formula_search.h"
#include "killbanker/kill_run.h"
#include "killbanker/scheme_generator.h"
#include "text/file_io.h"

namespace {

void loadSample(qorvel::Workspace& ws) {
    auto bytes = qorvel::readFileBytes(QORVEL_SAMPLE_DIR "/ssq.txt");
    auto parsed = qorvel::parseDrawText(bytes.value_or(""), ws.params);
    qorvel::loadDrawsIntoStore(ws.MainStore, parsed.draws);
}

// Sixty different formulas of the kinds a scheme holds: offsets, sums, tails and a few functions.
std::vector<std::string> sixtyFormulas() {
    std::vector<std::string> f;
    const char* codes[] = {"z_hw", "z_num1", "z_num6", "f_num1", "z_ac", "z_hz"};
    for (int i = 0; i < 60; ++i) {
        const std::string code = codes[i % 6];
        const int back = 1 + i / 6;
        if (i % 4 == 0) {
            f.push_back("([-" + std::to_string(back) + "]" + code + "+" + std::to_string(i) + ")%33+1");
        } else if (i % 4 == 1) {
            f.push_back("[-1]" + code + "*" + std::to_string(back) + "%33+1");
        } else if (i % 4 == 2) {
            f.push_back("max([-1]" + code + ",[-" + std::to_string(back + 1) + "]" + code + ")%33+1");
        } else {
            f.push_back("(" + std::to_string(i) + "*[-" + std::to_string(back) + "]z_hw)+[-2]" + code + "%33+1");
        }
    }
    return f;
}

void BM_RunSixtyFormulas(benchmark::State& state) {
    qorvel::Workspace ws;
    loadSample(ws);
    qorvel::KillRunRequest request;
    request.page = qorvel::KillPage::MainKill;
    request.formulas = sixtyFormulas();
    for (auto _ : state) {
        auto result = qorvel::runKillPage(ws, request);
        if (!result.error.empty() || !result.grid.endMessage.empty()) state.SkipWithError("run failed");
        benchmark::DoNotOptimize(result.grid.cells.data());
    }
    state.counters["draws"] = ws.MainStore.Count();
}
BENCHMARK(BM_RunSixtyFormulas)->Unit(benchmark::kMillisecond);

void BM_Search(benchmark::State& state, bool accelerated) {
    qorvel::Workspace ws;
    loadSample(ws);
    qorvel::FormulaSearchSettings s;
    // A rate no candidate reaches, so every candidate is tested over the whole range.
    s.rateFrom = 100.5;
    s.rateTo = 101;
    s.seed = 1;
    s.accelerated = accelerated;
    const int last = ws.MainStore.Count();
    s.firstIssue = ws.MainStore.Row(last - 49).fields[0];
    s.lastIssue = ws.MainStore.Row(last).fields[0];
    qorvel::FormulaSearch search;
    if (!search.start(ws, s).empty()) state.SkipWithError("start failed");
    long candidates = 0;
    for (auto _ : state) candidates += search.step(qorvel::kSearchStepBudget).candidates;
    state.counters["candidates_per_s"] = benchmark::Counter(static_cast<double>(candidates), benchmark::Counter::kIsRate);
    state.counters["draws"] = search.drawsInRange();
}
BENCHMARK_CAPTURE(BM_Search, accelerated, true)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_Search, evaluated, false)->Unit(benchmark::kMillisecond)->UseRealTime();

constexpr long kCandidateCap = 5'000'000;

void BM_GeneratorTenFormulas(benchmark::State& state, double rateFrom) {
    qorvel::Workspace ws;
    loadSample(ws);
    qorvel::GeneratorSettings g;
    qorvel::defaultSearchRange(ws.MainStore, g.firstIssue, g.lastIssue);
    g.formulaCount = 10;
    g.rateFrom = rateFrom;
    g.rateTo = 100;
    // With the windows' defaults (limits 3, 1, 1 for five formulas each) the constraints contradict each
    // other: five formulas wrong on the last draw, at most one wrong per draw. These limits can be met.
    g.schemeWrongRun = {true, 6, 3};
    g.lastWrongRun = {true, 1, 2};
    g.wrongPerDraw = {true, 2, 5};
    long candidates = 0;
    uint32_t seed = 1;
    for (auto _ : state) {
        g.seed = seed++;
        qorvel::SchemeGenerator gen;
        if (!gen.start(ws, g).empty()) state.SkipWithError("start failed");
        while (!gen.finished() && gen.candidatesMade() < kCandidateCap) gen.step(qorvel::kSearchStepBudget);
        if (!gen.finished()) state.SkipWithError("not finished within the candidate cap");
        candidates += gen.candidatesMade();
    }
    state.counters["candidates_per_run"] =
        benchmark::Counter(static_cast<double>(candidates), benchmark::Counter::kAvgIterations);
}
BENCHMARK_CAPTURE(BM_GeneratorTenFormulas, rate_0_100, 0.0)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_GeneratorTenFormulas, rate_80_100, 80.0)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
