// The combination filter over the bundled six-of-33 history: (a) a bare loop over every ticket computing
// a few shape values in place (the floor), (b) a run with no condition, (c) a run with the standard
// condition set, (d) the standard set over six of 49, (e) six of 49 with no condition (every ticket
// stored). Peak memory is reported as the process's maximum resident size after each benchmark.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <bit>
#include <memory>

#include "combos/combo_filter.h"
#include "draws/draw_text.h"
#include "text/file_io.h"

namespace {

using namespace qorvel;

std::unique_ptr<Workspace> sampleWorkspace(int mainTo) {
    auto ws = std::make_unique<Workspace>();
    ws->params.MainTo = mainTo;
    ws->zones = buildZoneBounds(mainTo);
    auto bytes = readFileBytes(QORVEL_SAMPLE_DIR "/ssq.txt");
    loadDrawsIntoStore(ws->MainStore, parseDrawText(bytes.value_or(""), TypeParams{}).draws);
    return ws;
}

void setList(ConditionSet& c, int id, int from, int to, bool tolerant = false) {
    c.setEnabled(id, true);
    for (int v = from; v <= to; ++v) c.lists[id].values.push_back(v);
    c.lists[id].tolerant = tolerant;
}

ConditionSet noConditions(int mainTo) {
    ConditionSet c;
    c.reset(mainTo);
    c.notEqualDistance = c.noSpecialRuns = false;
    return c;
}

ConditionSet standardConditions(int mainTo) {
    ConditionSet c;
    c.reset(mainTo);
    setList(c, 25, 70, 130);       // 和值
    setList(c, 2, 2, 4);           // 奇数个数
    setList(c, 1, 2, 4);           // 大数个数
    setList(c, 15, 5, 10);         // AC值
    setList(c, 5, 0, 1);           // 连号组数
    setList(c, 6, 0, 2, true);     // 重号个数
    setList(c, 4, 4, 6, true);     // 尾组个数
    setList(c, 88, 1, 10);         // 主号一
    setList(c, 93, 25, 33);        // 主号六
    setList(c, 39, 0, 3);          // 冷号个数
    setList(c, 41, 0, 3);          // 热号个数
    setList(c, 131, 0, 200);       // 和值遗漏
    setList(c, 121, 0, 30);        // 主号一遗漏
    setList(c, 16, 5, 20);         // 最大间距
    setList(c, 10, 1, 4, true);    // 三区个数
    c.totalTolerance = {true, 0, 1};
    c.notEqualDistance = c.noSpecialRuns = c.notHistory = true;
    c.selfSetOn = true;
    c.addSelfSet({{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, {1, 2, 3}, false});
    c.tailSetOn = true;
    c.addTailSet({{0, 5}, {0, 1, 2}, false, true});
    c.customOn = true;
    c.addCustom({"z_hz%3", {0, 1}, false});
    return c;
}

// The whole space with custom-indicator conditions only: omission of the main sum in 0..20, then (for
// three) the omissions of the first and the last number in 0..20 too.
ConditionSet customConditions(int mainTo, int count) {
    ConditionSet c;
    c.reset(mainTo);
    c.customOn = true;
    const char* formulas[] = {"getylz(z_hz)", "getylz(z_num1)", "getylz(z_num6)"};
    std::vector<int32_t> values;
    for (int v = 0; v <= 20; ++v) values.push_back(v);
    for (int i = 0; i < count; ++i) c.addCustom({formulas[i], values, false});
    return c;
}
ConditionSet oneCustomCondition(int mainTo) { return customConditions(mainTo, 1); }
// A formula that reads the draw after each row: the candidate changes the history side's last value.
ConditionSet forwardCustomCondition(int mainTo) {
    ConditionSet c = customConditions(mainTo, 1);
    c.customs[0].formula = "getylz([1]z_hz)";
    return c;
}
ConditionSet threeCustomConditions(int mainTo) { return customConditions(mainTo, 3); }

void reportPeakMemory(benchmark::State& state) {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void runFilter(benchmark::State& state, int mainTo, ConditionSet (*conditions)(int),
               EvaluationPath path = EvaluationPath::Direct) {
    auto ws = sampleWorkspace(mainTo);
    ComboFilter filter(*ws);
    filter.evaluationPath = path;
    filter.conditions = conditions(mainTo);
    RunRequest request;
    request.saveUndoSnapshot = false;
    int count = 0;
    for (auto _ : state) {
        const RunOutcome out = filter.StartRun(request);
        count = out.count;
        benchmark::DoNotOptimize(count);
    }
    state.counters["survivors"] = count;
    reportPeakMemory(state);
}

// (a) every 6-of-33 ticket with its sum, odd count, AC value, span and consecutive pairs, nothing stored.
void BM_BareLoop(benchmark::State& state) {
    for (auto _ : state) {
        long long check = 0;
        int n[6];
        for (n[0] = 1; n[0] <= 28; ++n[0])
            for (n[1] = n[0] + 1; n[1] <= 29; ++n[1])
                for (n[2] = n[1] + 1; n[2] <= 30; ++n[2])
                    for (n[3] = n[2] + 1; n[3] <= 31; ++n[3])
                        for (n[4] = n[3] + 1; n[4] <= 32; ++n[4])
                            for (n[5] = n[4] + 1; n[5] <= 33; ++n[5]) {
                                int sum = 0, odd = 0, pairs = 0;
                                uint64_t differences = 0;
                                for (int i = 0; i < 6; ++i) {
                                    sum += n[i];
                                    odd += n[i] & 1;
                                    if (i > 0) pairs += n[i] - n[i - 1] == 1;
                                    for (int j = i + 1; j < 6; ++j) differences |= uint64_t{1} << (n[j] - n[i]);
                                }
                                const int ac = std::popcount(differences) - 5;
                                check += sum + odd + ac + (n[5] - n[0]) + pairs;
                            }
        benchmark::DoNotOptimize(check);
    }
    reportPeakMemory(state);
}
BENCHMARK(BM_BareLoop)->Unit(benchmark::kMillisecond);

void BM_NoConditions_6of33(benchmark::State& state) { runFilter(state, 33, noConditions); }
BENCHMARK(BM_NoConditions_6of33)->Unit(benchmark::kMillisecond);

void BM_StandardSet_6of33(benchmark::State& state) { runFilter(state, 33, standardConditions); }
BENCHMARK(BM_StandardSet_6of33)->Unit(benchmark::kMillisecond);

void BM_StandardSet_6of49(benchmark::State& state) { runFilter(state, 49, standardConditions); }
BENCHMARK(BM_StandardSet_6of49)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_NoConditions_6of49(benchmark::State& state) { runFilter(state, 49, noConditions); }
BENCHMARK(BM_NoConditions_6of49)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_OneCustom_6of33(benchmark::State& state) { runFilter(state, 33, oneCustomCondition); }
BENCHMARK(BM_OneCustom_6of33)->Unit(benchmark::kMillisecond);

void BM_OneCustom_6of33_ThroughStore(benchmark::State& state) {
    runFilter(state, 33, oneCustomCondition, EvaluationPath::ThroughStore);
}
BENCHMARK(BM_OneCustom_6of33_ThroughStore)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_ForwardCustom_6of33(benchmark::State& state) { runFilter(state, 33, forwardCustomCondition); }
BENCHMARK(BM_ForwardCustom_6of33)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_ThreeCustom_6of33(benchmark::State& state) { runFilter(state, 33, threeCustomConditions); }
BENCHMARK(BM_ThreeCustom_6of33)->Unit(benchmark::kMillisecond);

void BM_OneCustom_6of49(benchmark::State& state) { runFilter(state, 49, oneCustomCondition); }
BENCHMARK(BM_OneCustom_6of49)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
