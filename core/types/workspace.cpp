#include "types/workspace.h"

#include "text/file_io.h"

namespace qorvel {

NumberClassTable defaultNumberClassTable() {
    return NumberClassTable{{
        {"尾号", 10, 1},
        {"奇偶", 2, 11},
        {"质合", 2, 13},
        {"小大", 2, 15},
        {"三区", 3, 17},
        {"四区", 4, 20},
        {"除三余数", 3, 24},
        {"除四余数", 4, 27},
    }};
}

std::filesystem::path drawFilePath(const std::filesystem::path& folder, int slot) {
    return programPath(folder, "database\\basedata" + std::to_string(slot) + ".rec");
}

std::filesystem::path Workspace::file(std::string_view relative) const {
    return programPath(ProgramFolder, relative);
}

std::string Workspace::loadTypes() { return loadLotteryTypes(file("database\\cps.typ"), types); }

void Workspace::applyCurrentType(bool forTypeChange) {
    params = typeParamsFrom(types.slots[CurrentType], forTypeChange);
    applyLabelRule(types.slots[CurrentType]);
    zones = buildZoneBounds(params.MainTo);
}

bool Workspace::openMainStore() {
    MainStore.SetFileName(drawFilePath(ProgramFolder, CurrentType));
    return MainStore.Open();
}

void Workspace::resetDeterminantOrder() {
    for (int i = 0; i < kDeterminantOrderSize; ++i) DeterminantOrder[i] = static_cast<uint8_t>(i + 1);
}

void Workspace::captureLatestDraw() {
    MainStore.Last();
    for (int f = 1; f <= 7; ++f) LatestDraw[f - 1] = static_cast<uint8_t>(MainStore.GetField(f));
}

std::shared_ptr<Workspace> privateWorkspaceCopy(const Workspace& ws) {
    auto copy = std::make_shared<Workspace>(ws);
    copy->ComboStore = t_s_dm{};
    copy->TransformStore = t_s_dm{};
    copy->ChartStore = t_s_dm{};
    copy->MainStore.SetFileName({});
    copy->MainStore.setMessageHandler(nullptr);
    return copy;
}

}  // namespace qorvel
