#include "app/pages/u_tdsh.h"

#include "app/app_state.h"
#include "types/special_tabs.h"
#include "ui/platform.h"

namespace qorvel {

void Tf_tdsh::typeChanged(bool reloaded) {
    const Workspace& ws = workspace();
    if (reloaded) {
        std::array<FormulaSet, kFormulaSetKinds.size()> sets;
        const std::string error = loadFormulaSets(ws.ProgramFolder, ws.CurrentType, sets);
        if (!error.empty()) showMessage(fromUtf8(error), this);
        setFormulaSets(std::move(sets));
    }
    const SpecialTabVisibility tabs = specialTabVisibility(ws.currentType().SpecialCount, ws.SpecialLabel());
    if (tabs.specialBanker) setSpecialTabVisible(TdshSpecialTab::SpecialBanker, *tabs.specialBanker);
    if (tabs.specialKill) setSpecialTabVisible(TdshSpecialTab::SpecialKill, *tabs.specialKill);
}

}  // namespace qorvel
