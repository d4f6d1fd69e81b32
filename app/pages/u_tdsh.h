// Tf_tdsh: the banker and kill page, docked into the tab "定胆杀号". It keeps the five per-type formula
// sets the shell reloads at every type change; its controls arrive with the banker and kill work.
#pragma once

#include <QWidget>

#include <array>

#include "app/page.h"
#include "killbanker/formula_set_files.h"

namespace qorvel {

// The tabs of the page whose visibility follows the special-number count of the type.
enum class TdshSpecialTab { SpecialBanker /*副区定胆*/, SpecialKill /*副区杀号*/ };

class Tf_tdsh : public QWidget, public Page {
  public:
    using QWidget::QWidget;

    // A chosen type brings its own formula sets; the special tabs follow the current slot either way.
    void typeChanged(bool reloaded) override;

    // Takes the freshly loaded formula sets of the current type (hmsh, hmsw, lmsh, hmtd, fqtd).
    void setFormulaSets(std::array<FormulaSet, kFormulaSetKinds.size()> sets) {
        formulaSets = std::move(sets);
    }
    void setSpecialTabVisible(TdshSpecialTab, bool) {}

    std::array<FormulaSet, kFormulaSetKinds.size()> formulaSets;
};

inline Tf_tdsh* f_tdsh = nullptr;

}  // namespace qorvel
