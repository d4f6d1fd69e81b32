// The shared state of one run of the desktop program: the workspace (program folder, lottery types,
// draw stores, cold/hot settings and lists, shared tables), the per-user settings store, the screen size
// read at start and the page bookkeeping of the main window. Exactly one exists while the program runs.
#pragma once

#include <QString>
#include <memory>

#include "engine/tgs.h"
#include "types/settings_store.h"
#include "types/workspace.h"

namespace qorvel {

struct AppState {
    Workspace ws;
    std::unique_ptr<SettingsStore> settings;
    // The shared formula evaluator, created first in the main window's creation step.
    std::unique_ptr<tgs> formulas;
    int screenWidth = 0;
    int screenHeight = 0;
};

// The state of the running program; only valid between the start and the end of a ProgramSession.
AppState& appState();
Workspace& workspace();
SettingsStore& settingsStore();
// The shared formula evaluator; created on first use when the main window has not made it yet.
tgs& formulaEvaluator();

// Installs the state of a new run (or none); returns the previous one.
AppState* installAppState(AppState* state);

// The program folder: $QORVEL_HOME when set, else the folder of the executable.
QString programFolderFromEnvironment();

// Paths as the rest of the program writes them ("database\cps.typ") below the program folder.
QString programFile(const char* relative);

inline QString fromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}
inline std::string toUtf8(const QString& text) {
    return text.toStdString();
}

}  // namespace qorvel
