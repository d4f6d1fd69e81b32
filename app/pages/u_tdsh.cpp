#include "app/pages/u_tdsh.h"

#include <QTabWidget>
#include <QVBoxLayout>

#include "app/app_state.h"
#include "app/dialogs/tdsh/u_collectgs.h"
#include "app/dialogs/tdsh/u_fazh.h"
#include "app/dialogs/tdsh/u_fazh_set.h"
#include "app/dialogs/tdsh/u_scfa.h"
#include "app/dialogs/tdsh/u_searchgs.h"
#include "app/dialogs/tdsh/u_selfsh_set.h"
#include "app/pages/tdsh/tdsh_sub_page.h"
#include "killbanker/kill_page_actions.h"
#include "types/special_tabs.h"
#include "ui/platform.h"

namespace qorvel {
namespace {

constexpr KillPage kPageOrder[] = {KillPage::MainKill,      KillPage::SpecialKill, KillPage::MainBanker,
                                   KillPage::SpecialBanker, KillPage::TailKill,    KillPage::CustomKill};

}  // namespace

Tf_tdsh::Tf_tdsh(QWidget* parent) : QWidget(parent) {
    loadSets();
    pc_tdsh = new QTabWidget(this);
    pc_tdsh->setObjectName("pc_tdsh");
    for (std::size_t i = 0; i < std::size(kPageOrder); ++i) {
        const KillPage page = kPageOrder[i];
        const KillPageInfo& info = killPageInfo(page);
        pages_[i] = new TdshSubPage(page, setOf(page), pc_tdsh);
        pages_[i]->setObjectName(QStringLiteral("ts_") + QString::fromUtf8(info.code.data(), int(info.code.size())));
        pc_tdsh->addTab(pages_[i], QString::fromUtf8(info.caption.data(), int(info.caption.size())));
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pc_tdsh);
    applyTabVisibility();
    // The page's windows live as long as the page.
    f_searchgs = new Tf_searchgs(this);
    f_collectgs = new Tf_collectgs(this);
    f_scfa = new Tf_scfa(this);
    f_fazh = new Tf_fazh(this);
    f_selfsh_set = new Tf_selfsh_set(this);
}

Tf_tdsh::~Tf_tdsh() {
    f_searchgs = nullptr;
    f_collectgs = nullptr;
    f_scfa = nullptr;
    f_fazh = nullptr;
    f_fazh_set = nullptr;
    f_selfsh_set = nullptr;
}

void Tf_tdsh::loadSets() {
    const Workspace& ws = workspace();
    std::array<FormulaSet, kFormulaSetKinds.size()> sets;
    const std::string error = loadFormulaSets(ws.ProgramFolder, ws.CurrentType, sets);
    if (!error.empty()) showMessage(fromUtf8(error), this);
    formulaSets = std::move(sets);
}

FormulaSet* Tf_tdsh::setOf(KillPage page) {
    if (page == KillPage::CustomKill) return nullptr;
    const int index = formulaSetKindIndex(killPageInfo(page).code);
    return index < 0 ? nullptr : &formulaSets[static_cast<std::size_t>(index)];
}

void Tf_tdsh::setFormulaSets(std::array<FormulaSet, kFormulaSetKinds.size()> sets) {
    formulaSets = std::move(sets);
    for (TdshSubPage* p : pages_) p->refreshAfterTypeChange(setOf(p->page()));
}

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

void Tf_tdsh::historyChanged() {
    for (TdshSubPage* p : pages_) p->refillStartIssues();
}

void Tf_tdsh::applyTabVisibility() {
    const TypeParams& params = workspace().params;
    setSpecialTabVisible(TdshSpecialTab::SpecialBanker, killPageShown(KillPage::SpecialBanker, params));
    setSpecialTabVisible(TdshSpecialTab::SpecialKill, killPageShown(KillPage::SpecialKill, params));
}

void Tf_tdsh::setSpecialTabVisible(TdshSpecialTab tab, bool visible) {
    const KillPage page = tab == TdshSpecialTab::SpecialBanker ? KillPage::SpecialBanker : KillPage::SpecialKill;
    pc_tdsh->setTabVisible(pc_tdsh->indexOf(subPage(page)), visible);
}

bool Tf_tdsh::specialTabVisible(TdshSpecialTab tab) const {
    const KillPage page = tab == TdshSpecialTab::SpecialBanker ? KillPage::SpecialBanker : KillPage::SpecialKill;
    return pc_tdsh->isTabVisible(pc_tdsh->indexOf(subPage(page)));
}

TdshSubPage* Tf_tdsh::subPage(KillPage page) const {
    for (TdshSubPage* p : pages_)
        if (p->page() == page) return p;
    return nullptr;
}

TdshSubPage* Tf_tdsh::activeSubPage() const { return static_cast<TdshSubPage*>(pc_tdsh->currentWidget()); }

const FormulaSet* Tf_tdsh::synthesisSet(SynthesisType type, std::string& target) const {
    target.clear();
    if (type == SynthesisType::CustomKill) {
        KillPageModel& custom = subPage(KillPage::CustomKill)->model();
        if (!custom.hasCustomSet()) return nullptr;
        target = custom.customSet().target;
        return &custom.customSet().set;
    }
    const int index = formulaSetKindIndex(killPageInfo(synthesisPage(type)).code);
    return index < 0 ? nullptr : &formulaSets[static_cast<std::size_t>(index)];
}

}  // namespace qorvel
