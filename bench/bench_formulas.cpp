// Formula series the way the dissection page computes them: one formula evaluated with the cursor on
// every draw of the 3493-draw sample history (six of 33 plus one of 16). Goal: under 0.2 s per formula.
#include <benchmark/benchmark.h>

#include "draws/draw_text.h"
#include "engine/tgs.h"
#include "text/file_io.h"

namespace {

void loadSample(qorvel::Workspace& ws) {
    auto bytes = qorvel::readFileBytes(QORVEL_SAMPLE_DIR "/ssq.txt");
    auto parsed = qorvel::parseDrawText(bytes.value_or(""), ws.params);
    qorvel::loadDrawsIntoStore(ws.MainStore, parsed.draws);
}

void BM_FormulaAtEveryDraw(benchmark::State& state, const char* formula) {
    qorvel::Workspace ws;
    loadSample(ws);
    qorvel::tgs evaluator(ws);
    for (auto _ : state) {
        int64_t sum = 0;
        for (int r = 1; r <= ws.MainStore.Count(); ++r) {
            ws.MainStore.SetRecNo(r);
            int32_t value = 0;
            if (!evaluator.evaluate(formula, value)) state.SkipWithError(evaluator.errorText().c_str());
            sum += value;
        }
        benchmark::DoNotOptimize(sum);
    }
    state.counters["draws"] = ws.MainStore.Count();
}

BENCHMARK_CAPTURE(BM_FormulaAtEveryDraw, getylz_getzf_z_hz, "getylz(getzf(z_hz))")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FormulaAtEveryDraw, getzfylz_z_num1, "getzfylz(z_num1)")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FormulaAtEveryDraw, getylzzf_z_ac, "getylzzf(z_ac)")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FormulaAtEveryDraw, plain_z_hz_mod_3, "z_hz%3")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FormulaAtEveryDraw, max_of_three, "max(z_num1,[-1]z_num1,[-2]z_num1)")->Unit(benchmark::kMillisecond);

}  // namespace
