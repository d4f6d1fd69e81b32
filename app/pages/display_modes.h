// The display modes of the analysis tables' marks ("球+数字", "球", "方块+数字", "方块") and the popup
// submenu "显示模式" that chooses one.
#pragma once

#include <functional>

class QMenu;
class QObject;

namespace qorvel {

constexpr int kDisplayModes = 4;

inline bool ballMode(int mode) { return mode < 2; }
inline bool numberOnMark(int mode) { return mode % 2 == 0; }

// Adds the submenu "显示模式" to `menu` with one checkable entry per mode (object names mi_xsms0 … mi_xsms3),
// `initial` checked; choosing an entry calls `chosen` with its mode.
QMenu* addDisplayModeMenu(QMenu* menu, QObject* owner, int initial, std::function<void(int)> chosen);

}  // namespace qorvel
