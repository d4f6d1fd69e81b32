// Input masks of the draw editors: the issue editor (seven digit places) and the number editors (two
// digit places per number, separated by "-"), turned into the masks the line edits understand.
#pragma once

#include <QString>
#include <string>

class QLineEdit;

namespace qorvel {

// The line-edit form of a mask written as "!99-99;1;_": the leading "!" and the ";1" (keep the literal
// characters, which a line edit always does) are dropped, so "!99-99;1;_" becomes "99-99;_".
QString lineEditMask(const std::string& mask);

// Gives the editor the mask for `count` numbers and empties it.
void applyNumberMask(QLineEdit* editor, int count);
// Gives the editor the seven-place issue mask and empties it.
void applyIssueMask(QLineEdit* editor);

}  // namespace qorvel
