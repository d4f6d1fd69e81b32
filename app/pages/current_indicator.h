// The indicator being dissected or set up, shared by the indicator management page (which sets it), the
// dissection page and the value-choice dialogs (which read it). UTF-8 text.
#pragma once

#include <string>

namespace qorvel {

// The expression of the chosen menu item or saved indicator, trimmed; empty when a typed formula is
// dissected.
inline std::string currentIndicatorCode;
// The typed formula, trimmed; empty when a menu item or saved indicator is dissected.
inline std::string currentIndicatorFormula;

}  // namespace qorvel
