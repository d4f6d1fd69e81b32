// Masked edit fields that start where typing should start: a click into a field whose mask holds nothing
// yet puts the cursor at the beginning, so the first keystroke fills the first position.
#pragma once

class QLineEdit;

namespace qorvel {

void startTypingAtBeginning(QLineEdit* edit);

}  // namespace qorvel
