// The two desktop tools of the "工具" menu: a calculator and a text editor, whichever the desktop has.
#pragma once

#include <QStringList>

namespace qorvel {

// Programs tried in order; the first the desktop can start is used.
const QStringList& calculatorPrograms();
const QStringList& textEditorPrograms();

// Asks the desktop shell to start the first program of the list it can start. A desktop without any of
// them is left alone: nothing is reported.
bool launchFirstAvailable(const QStringList& programs);

}  // namespace qorvel
