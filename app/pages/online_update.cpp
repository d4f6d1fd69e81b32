#include "app/pages/online_update.h"

#include <QString>

#include "app/app_state.h"
#include "draws/online_update.h"
#include "ui/platform.h"

namespace qorvel {

namespace {

// The download addresses the last update asked to open at exit; empty when it did not ask.
std::string& pendingDownloadList() {
    static std::string list;
    return list;
}

}  // namespace

void runOnlineUpdateAtStart() {
    HttpClient* http = platform().http;
    if (http == nullptr) return;
    AppState& state = appState();
    const std::string address = updateDocumentAddress(state.settings.get(), state.ws.CurrentType);
    if (address.empty()) return;  // no document for this type: end silently
    const auto body = http->get(fromUtf8(address), kUpdateTimeoutMs);
    if (!body || body->isEmpty()) return;  // every fetch failure is silent and changes nothing
    const OnlineUpdateResult result = applyUpdateDocument(
        state.ws, std::string_view(body->constData(), static_cast<std::size_t>(body->size())),
        state.settings.get());
    pendingDownloadList() = result.notice.openPagesAtExit ? result.notice.downloadList : std::string();
}

void openDownloadAddressesIfAsked() {
    ShellLauncher* shell = platform().shell;
    if (shell == nullptr) return;
    for (const std::string& address : downloadAddresses(pendingDownloadList())) shell->open(fromUtf8(address));
    pendingDownloadList().clear();
}

}  // namespace qorvel
