#include "app/type_change.h"

#include <QAction>

#include "app/app_state.h"
#include "app/dialogs/u_cpstyle.h"
#include "app/dialogs/u_xgzh.h"
#include "app/pages/u_tdsh.h"
#include "app/pages/u_zh.h"
#include "app/u_main.h"
#include "killbanker/formula_set_files.h"
#include "ui/platform.h"

namespace qorvel {
namespace {

constexpr int kTypeChangeBackDraws =
    9;  // after a type change the cursor rests this many draws before the last

void showIfError(const std::string& error, QWidget* parent) {
    if (!error.empty()) showMessage(fromUtf8(error), parent);
}

// Opens the draw history of the new current type. A history that cannot be read leaves the store empty,
// so the previous type's draws can never be written into the new type's file.
void openHistory(Workspace& ws, QWidget* parent) {
    t_s_dm& store = ws.MainStore;
    if (!ws.openMainStore()) {
        showIfError(store.lastError(), parent);
        store.Clear(false);
        return;
    }
    showIfError(store.loadWarning(), parent);
    if (store.IsEmpty()) return;
    store.Last();
    if (store.GetField(0) == kForecastIssue) {
        store.Delete(true);
        showIfError(store.lastError(), parent);
    }
    store.Last();
    store.MoveBy(-kTypeChangeBackDraws);
}

void reloadFormulaSets(Workspace& ws, QWidget* parent) {
    std::array<FormulaSet, kFormulaSetKinds.size()> sets;
    showIfError(loadFormulaSets(ws.ProgramFolder, ws.CurrentType, sets), parent);
    if (f_tdsh) f_tdsh->setFormulaSets(std::move(sets));
}

void applyChosenType(Tf_main& window) {
    Workspace& ws = workspace();
    ws.dataTransformed = false;
    window.n_sjgx->setEnabled(true);
    window.setTypeCaption(false);
    ws.applyCurrentType(true);
    openHistory(ws, &window);
    reloadFormulaSets(ws, &window);
    if (f_zh) f_zh->rebuildForType();
}

void applySpecialTabs(const SpecialTabVisibility& tabs) {
    if (f_zh) f_zh->applyTabVisibility(tabs);
    const std::pair<const std::optional<bool>&, TdshSpecialTab> tdshTabs[] = {
        {tabs.specialBanker, TdshSpecialTab::SpecialBanker},
        {tabs.specialKill, TdshSpecialTab::SpecialKill},
    };
    for (const auto& [visible, tab] : tdshTabs)
        if (visible && f_tdsh) f_tdsh->setSpecialTabVisible(tab, *visible);
}

}  // namespace

SpecialTabVisibility specialTabVisibility(int specialCount, const std::string& specialLabel) {
    SpecialTabVisibility tabs;
    switch (specialCount) {
        case 2:
            tabs = {true, false, true, true, true};
            break;
        case 1:
            tabs = {false, true, true, false, true};
            break;
        case 0:
            tabs = {false, false, false, false, false};
            break;
        default:
            break;
    }
    if (specialLabel == "特别号") tabs.dualZoneMatch = false;
    return tabs;
}

void changeLotteryType(Tf_main& window) {
    Workspace& ws = workspace();
    const int remembered = ws.CurrentType;
    if (f_cpstyle->exec() == QDialog::Accepted)
        applyChosenType(window);
    else
        ws.CurrentType = remembered;

    LotteryType& slot = ws.types.slots[ws.CurrentType];
    applyLabelRule(slot);
    applySpecialTabs(specialTabVisibility(slot.SpecialCount, slot.SpecialLabel));
    const QString mainLabel = fromUtf8(slot.MainLabel);
    const QString specialLabel = fromUtf8(slot.SpecialLabel);
    if (f_zh)
        f_zh->setFilterTabCaptions(mainLabel + QStringLiteral("过滤"), specialLabel + QStringLiteral("过滤"));
    if (f_xgzh) f_xgzh->applyTypeMasks(ws.params.MainCount, ws.params.SpecialCount, mainLabel, specialLabel);
    window.setTypeCaption(true);
    if (f_zh) f_zh->refreshTypeParts();
}

void Tf_main::chooseLotteryType() {
    closeAllPages();
    changeLotteryType(*this);
}

}  // namespace qorvel
