// The online update as the program runs it: once at start, from the "在线更新" button of the data
// maintenance window, and at shutdown for the download addresses the update may have asked to open.
// The fetched document's notice and download list are kept by the notice popup `f_informdownload`.
#pragma once

namespace qorvel {

// Fetches the current type's update document, adds the draws the history lacks and shows the notice
// popup; the popup is shown even when there was nothing to fetch. Every failure is silent.
void runOnlineUpdateAtStart();
// The button's run: shows the wait notice "在线更新中，请稍候." while the update runs, then hides it. The
// popup appears only when a document arrived. Returns how many draws were added; the caller refreshes
// its view of the history.
int runOnlineUpdateFromButton();
// Opens every address of the update's download list when the update asked for it.
void openDownloadAddressesIfAsked();

}  // namespace qorvel
