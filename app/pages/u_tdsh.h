// Tf_tdsh: the banker and kill page, docked into the tab "定胆杀号". Six sub-pages (main kill, special kill,
// main banker, special banker, main tail kill, custom kill) test formula sets against the history; the
// page keeps the five per-type formula sets, reloaded at every type change, and owns the windows its
// sub-pages open (formula search and collection, scheme generator and synthesis, custom kill settings).
#pragma once

#include <QWidget>

#include <array>

#include "app/page.h"
#include "killbanker/formula_set_files.h"
#include "killbanker/scheme_synthesis.h"

class QTabWidget;

namespace qorvel {

class TdshSubPage;

// The tabs of the page whose visibility follows the special-number count of the type.
enum class TdshSpecialTab { SpecialBanker /*副区定胆*/, SpecialKill /*副区杀号*/ };

class Tf_tdsh : public QWidget, public Page {
  public:
    explicit Tf_tdsh(QWidget* parent = nullptr);
    ~Tf_tdsh() override;

    // A chosen type brings its own formula sets; the special tabs follow the current slot either way.
    void typeChanged(bool reloaded) override;
    // The start-issue lists follow the history.
    void historyChanged() override;

    // Takes the freshly loaded formula sets of the current type (hmsh, hmsw, lmsh, hmtd, fqtd).
    void setFormulaSets(std::array<FormulaSet, kFormulaSetKinds.size()> sets);
    void setSpecialTabVisible(TdshSpecialTab tab, bool visible);
    bool specialTabVisible(TdshSpecialTab tab) const;

    // The sub-page of a page kind, and the one whose tab is active.
    TdshSubPage* subPage(KillPage page) const;
    TdshSubPage* activeSubPage() const;
    // The formula set a synthesis type reads (the custom page's loaded set for the custom type; null
    // when it has none), with the custom target in `target`.
    const FormulaSet* synthesisSet(SynthesisType type, std::string& target) const;

    QTabWidget* pc_tdsh = nullptr;
    std::array<FormulaSet, kFormulaSetKinds.size()> formulaSets;

  private:
    FormulaSet* setOf(KillPage page);
    void loadSets();
    void applyTabVisibility();

    std::array<TdshSubPage*, 6> pages_{};
};

inline Tf_tdsh* f_tdsh = nullptr;

}  // namespace qorvel
