// Formulas evaluated at every draw in one history pass (as a dissection, a chart or `eval` does), for the
// first 1000, 2000 and all 3493 draws of the bundled six-of-33 history. The floor of each nested omission
// is a bare loop over the same rows: the main sums read from the rows, then one omission pass per level
// over plain arrays. Also the cost of the formulas the evaluator refuses (nesting, length).
#include <benchmark/benchmark.h>

#include <string>
#include <unordered_map>
#include <vector>

#include "draws/draw_text.h"
#include "engine/formula_history.h"
#include "engine/tgs.h"
#include "text/file_io.h"

namespace {

using namespace qorvel;

void loadSample(Workspace& ws, int draws) {
    auto bytes = readFileBytes(QORVEL_SAMPLE_DIR "/ssq.txt");
    auto parsed = parseDrawText(bytes.value_or(""), ws.params);
    if (static_cast<int>(parsed.draws.size()) > draws) parsed.draws.resize(static_cast<std::size_t>(draws));
    loadDrawsIntoStore(ws.MainStore, parsed.draws);
}

std::string nested(const std::string& function, int depth, const std::string& inner) {
    std::string s;
    for (int i = 0; i < depth; ++i) s += function + "(";
    return s + inner + std::string(static_cast<std::size_t>(depth), ')');
}

// Omission of a plain series: draws since the value was last seen.
std::vector<int32_t> omissionOf(const std::vector<int32_t>& x) {
    std::vector<int32_t> out(x.size());
    std::unordered_map<int32_t, int> last;
    for (int r = 0; r < static_cast<int>(x.size()); ++r) {
        auto [it, fresh] = last.try_emplace(x[static_cast<std::size_t>(r)], r);
        out[static_cast<std::size_t>(r)] = fresh ? r : r - 1 - it->second;
        it->second = r;
    }
    return out;
}

// args: depth, draws
void BM_Floor_NestedOmission(benchmark::State& state) {
    Workspace ws;
    loadSample(ws, static_cast<int>(state.range(1)));
    for (auto _ : state) {
        std::vector<int32_t> series;
        for (int r = 1; r <= ws.MainStore.Count(); ++r) {
            const auto& f = ws.MainStore.Row(r).fields;
            series.push_back(f[1] + f[2] + f[3] + f[4] + f[5] + f[6]);
        }
        for (int level = 0; level < state.range(0); ++level) series = omissionOf(series);
        benchmark::DoNotOptimize(series.data());
    }
    state.counters["draws"] = ws.MainStore.Count();
}

void runPass(benchmark::State& state, const std::string& formula, int draws) {
    Workspace ws;
    loadSample(ws, draws);
    int64_t sum = 0;
    for (auto _ : state) {
        HistoryValues values = evaluateAtEveryDraw(ws, formula);
        if (!values.failures.empty()) state.SkipWithError(values.failures.front().error.c_str());
        for (int32_t v : values.values) sum += v;
    }
    benchmark::DoNotOptimize(sum);
    state.counters["draws"] = ws.MainStore.Count();
}

void BM_Pass_NestedOmission(benchmark::State& state) {
    runPass(state, nested("getylz", static_cast<int>(state.range(0)), "z_hz"), static_cast<int>(state.range(1)));
}

void BM_Pass_NestedAmplitude(benchmark::State& state) {
    runPass(state, nested("getzf", static_cast<int>(state.range(0)), "z_hz"), static_cast<int>(state.range(1)));
}

void BM_Pass_Mixed(benchmark::State& state, const char* formula) { runPass(state, formula, 3493); }

void depthsAndDraws(benchmark::internal::Benchmark* b) {
    for (int depth : {1, 2, 3, 6, 12})
        for (int draws : {1000, 2000, 3493}) b->Args({depth, draws});
}

BENCHMARK(BM_Floor_NestedOmission)->Apply(depthsAndDraws)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Pass_NestedOmission)->Apply(depthsAndDraws)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Pass_NestedAmplitude)->Args({6, 3493})->Args({24, 3493})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Pass_Mixed, getylzzf_getzfylz_z_hz, "getylzzf(getzfylz(z_hz))")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Pass_Mixed, max_of_omissions, "max(getylz(z_num1),getylz(z_num6),getylz(getzf(z_hz)))")
    ->Unit(benchmark::kMillisecond);

// Formulas the evaluator refuses before evaluating them, at every draw: getzf nested 10,000 deep, and
// max( with 120,000 arguments (over the length limit).
void BM_Pass_Refused(benchmark::State& state, int which) {
    Workspace ws;
    loadSample(ws, 3493);
    std::string formula = which == 0 ? nested("getzf", 10000, "z_hz") : "max(" + std::string(120000 * 2, ',') + ")";
    if (which == 1)
        for (std::size_t i = 4; i < formula.size() - 1; i += 2) formula[i] = '1';
    for (auto _ : state) {
        HistoryValues values = evaluateAtEveryDraw(ws, formula);
        if (values.failures.size() != values.values.size()) state.SkipWithError("expected a refusal at every draw");
        benchmark::DoNotOptimize(values.values.data());
    }
    state.counters["chars"] = static_cast<double>(formula.size());
}
BENCHMARK_CAPTURE(BM_Pass_Refused, getzf_10000_deep, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Pass_Refused, max_120000_arguments, 1)->Unit(benchmark::kMillisecond);

// The longest max( the evaluator accepts (32,766 arguments), at one draw.
void BM_OneDraw_LongestMax(benchmark::State& state) {
    Workspace ws;
    loadSample(ws, 3493);
    std::string formula = "max(";
    while (formula.size() + 3 <= kMaxFormulaLength) formula += "1,";
    formula += "1)";
    tgs evaluator(ws);
    for (auto _ : state) {
        int32_t v = 0;
        if (!evaluator.evaluate(formula, v)) state.SkipWithError(evaluator.errorText().c_str());
        benchmark::DoNotOptimize(v);
    }
    state.counters["chars"] = static_cast<double>(formula.size());
}
BENCHMARK(BM_OneDraw_LongestMax)->Unit(benchmark::kMillisecond);

}  // namespace
