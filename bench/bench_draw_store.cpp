// Walking the whole sample history through the draw store's cursor, the access pattern every analysis uses.
#include <benchmark/benchmark.h>

#include "draws/draw_text.h"
#include "text/file_io.h"

namespace {

qorvel::t_s_dm loadSample() {
    qorvel::t_s_dm store;
    auto bytes = qorvel::readFileBytes(QORVEL_SAMPLE_DIR "/ssq.txt");
    auto parsed = qorvel::parseDrawText(bytes.value_or(""), qorvel::TypeParams{});
    qorvel::loadDrawsIntoStore(store, parsed.draws);
    return store;
}

void BM_WalkHistory(benchmark::State& state) {
    auto store = loadSample();
    for (auto _ : state) {
        long long sum = 0;
        store.First();
        while (!store.Eof()) {
            for (int f = 1; f <= 7; ++f) sum += store.GetField(f);
            store.Next();
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_WalkHistory);

void BM_GotoIssue(benchmark::State& state) {
    auto store = loadSample();
    int issue = store.Row(store.Count() / 2).fields[0];
    for (auto _ : state) benchmark::DoNotOptimize(store.GotoIssue(issue));
}
BENCHMARK(BM_GotoIssue);

}  // namespace
