#include "app/pages/online_update.h"

#include <QString>
#include <optional>

#include "app/app_state.h"
#include "app/dialogs/u_informdownload.h"
#include "app/u_showpic.h"
#include "draws/online_update.h"
#include "ui/platform.h"

namespace qorvel {

namespace {

// Fetches the document of the current type and applies it: the settings values, the notice kept by the
// popup and the missing draws. Nothing when the type has no document or the request failed in any way.
std::optional<OnlineUpdateResult> fetchAndApply() {
    HttpClient* http = platform().http;
    if (http == nullptr) return std::nullopt;
    AppState& state = appState();
    const std::string address = updateDocumentAddress(state.settings.get(), state.ws.CurrentType);
    if (address.empty()) return std::nullopt;
    const auto body = http->get(fromUtf8(address), kUpdateTimeoutMs);
    if (!body || body->isEmpty()) return std::nullopt;
    OnlineUpdateResult result = applyUpdateDocument(
        state.ws, std::string_view(body->constData(), static_cast<std::size_t>(body->size())),
        state.settings.get());
    if (f_informdownload) f_informdownload->setNotice(result.notice);
    return result;
}

void showNoticePopup() {
    if (f_informdownload) f_informdownload->showNotice();
}

}  // namespace

void runOnlineUpdateAtStart() {
    fetchAndApply();
    showNoticePopup();
}

int runOnlineUpdateFromButton() {
    if (f_showpic) f_showpic->showText(QString::fromUtf8(kUpdateWaitNotice));
    const std::optional<OnlineUpdateResult> result = fetchAndApply();
    if (result) showNoticePopup();
    if (f_showpic) f_showpic->hide();
    return result ? result->added : 0;
}

void openDownloadAddressesIfAsked() {
    ShellLauncher* shell = platform().shell;
    if (shell == nullptr || f_informdownload == nullptr) return;
    const OnlineNotice& notice = f_informdownload->notice();
    if (!notice.openPagesAtExit) return;
    for (const std::string& address : downloadAddresses(notice.downloadList)) shell->open(fromUtf8(address));
}

}  // namespace qorvel
