#include "app/type_change.h"

#include <QAction>

#include "app/app_state.h"
#include "app/dialogs/u_cpstyle.h"
#include "app/dialogs/u_xgzh.h"
#include "app/u_main.h"
#include "draws/forecast_row.h"
#include "ui/platform.h"

namespace qorvel {
namespace {

constexpr int kTypeChangeBackDraws = 9;  // after a type change the cursor rests this many draws before the last

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
    if (clearForecastRow(store, true)) showIfError(store.lastError(), parent);
    store.Last();
    store.MoveBy(-kTypeChangeBackDraws);
}

void applyChosenType(Tf_main& window) {
    Workspace& ws = workspace();
    ws.dataTransformed = false;
    window.n_sjgx->setEnabled(true);
    window.setTypeCaption(false);
    ws.applyCurrentType(true);
    openHistory(ws, &window);
}

}  // namespace

void changeLotteryType(Tf_main& window) {
    Workspace& ws = workspace();
    const int remembered = ws.CurrentType;
    const bool chosen = f_cpstyle->exec() == QDialog::Accepted;
    if (chosen)
        applyChosenType(window);
    else
        ws.CurrentType = remembered;

    LotteryType& slot = ws.types.slots[ws.CurrentType];
    applyLabelRule(slot);
    if (f_xgzh)
        f_xgzh->applyTypeMasks(ws.params.MainCount, ws.params.SpecialCount, fromUtf8(slot.MainLabel),
                               fromUtf8(slot.SpecialLabel));
    window.setTypeCaption(true);
    window.notifyTypeChanged(chosen);
}

void Tf_main::chooseLotteryType() {
    closeAllPages();
    changeLotteryType(*this);
}

}  // namespace qorvel
