// The two desktop tools of the "工具" menu: a calculator and a text editor, whichever the desktop has.
#pragma once

#include <QStringList>

namespace qorvel {

inline constexpr const char* kNoCalculatorMessage = "没有找到计算器程序";
inline constexpr const char* kNoTextEditorMessage = "没有找到文本编辑程序";

// Programs tried in order; the first the desktop can start is used.
const QStringList& calculatorPrograms();
const QStringList& textEditorPrograms();

// Asks the desktop shell to start the first program of the list it can start; false when the desktop
// has none of them.
bool launchFirstAvailable(const QStringList& programs);

}  // namespace qorvel
