// libFuzzer target for the formula evaluator: any byte string is evaluated at a draw of a short history.
// Evaluation must end, leave the cursor on its draw and the history as it was; the sanitizers catch
// reads out of bounds and undefined arithmetic. The first input byte picks the draw, the rest is the
// formula.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "draws/draw_text.h"
#include "engine/tgs.h"
#include "text/file_io.h"
#include "types/workspace.h"

namespace {

constexpr int kFuzzHistoryDraws = 30;
constexpr std::size_t kMaxFormulaBytes = 4096;

qorvel::Workspace& workspace() {
    static qorvel::Workspace* ws = [] {
        auto* w = new qorvel::Workspace;
        auto bytes = qorvel::readFileBytes(QORVEL_SAMPLE_DIR "/ssq.txt");
        auto draws = qorvel::parseDrawText(bytes.value_or(""), w->params).draws;
        if (draws.size() > kFuzzHistoryDraws) draws.resize(kFuzzHistoryDraws);
        qorvel::loadDrawsIntoStore(w->MainStore, draws);
        for (int r = 1; r <= w->MainStore.Count(); ++r) w->MainStore.MutableRow(r).value = r * 7 % 11;
        w->coldHot = qorvel::ColdHotSettings{};
        return w;
    }();
    return *ws;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size == 0 || size > kMaxFormulaBytes) return 0;
    qorvel::Workspace& ws = workspace();
    const int count = ws.MainStore.Count();
    const int row = count > 0 ? 1 + data[0] % count : 0;
    if (row > 0) ws.MainStore.SetRecNo(row);
    const std::string_view formula(reinterpret_cast<const char*>(data) + 1, size - 1);

    qorvel::tgs evaluator(ws);
    int32_t value = 0;
    evaluator.evaluate(formula, value);
    if (ws.MainStore.RecNo() != row || ws.MainStore.Count() != count) std::abort();
    std::string message;
    qorvel::checkFormulaText(formula, &message);
    return 0;
}
