#include "engine_test_support.h"

#include "draws/draw_text.h"
#include "test_support.h"

namespace qorvel::testing {

std::unique_ptr<Workspace> workspaceWith(const std::vector<std::vector<int>>& draws, TypeParams params) {
    auto ws = std::make_unique<Workspace>();
    ws->params = params;
    ws->zones = buildZoneBounds(params.MainTo);
    ws->resetDeterminantOrder();
    fillStore(ws->MainStore, draws);
    return ws;
}

std::unique_ptr<Workspace> sampleWorkspace(int count) {
    auto ws = std::make_unique<Workspace>();
    ws->zones = buildZoneBounds(ws->params.MainTo);
    ws->resetDeterminantOrder();
    auto draws = sampleSsqDraws();
    if (count < static_cast<int>(draws.size())) draws.resize(count);
    loadDrawsIntoStore(ws->MainStore, draws);
    return ws;
}

}  // namespace qorvel::testing
