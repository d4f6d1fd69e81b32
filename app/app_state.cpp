#include "app/app_state.h"

#include <QCoreApplication>
#include <QDir>

namespace qorvel {
namespace {

AppState* g_state = nullptr;

}  // namespace

AppState& appState() {
    return *g_state;
}
Workspace& workspace() {
    return g_state->ws;
}
SettingsStore& settingsStore() {
    return *g_state->settings;
}

tgs& formulaEvaluator() {
    if (!g_state->formulas) g_state->formulas = std::make_unique<tgs>(g_state->ws);
    return *g_state->formulas;
}

AppState* installAppState(AppState* state) {
    AppState* previous = g_state;
    g_state = state;
    return previous;
}

QString programFolderFromEnvironment() {
    const QString home = qEnvironmentVariable("QORVEL_HOME");
    const QString folder = home.isEmpty() ? QCoreApplication::applicationDirPath() : home;
    return QDir(folder).absolutePath();
}

QString programFile(const char* relative) {
    return QString::fromStdString(workspace().file(relative).string());
}

}  // namespace qorvel
