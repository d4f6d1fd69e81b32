// The online update as the shell reaches it: once at start, and at shutdown for the download addresses it
// may have asked to open. The update itself arrives with the import and online update work; until then
// these do nothing.
#pragma once

namespace qorvel {

// Fetches and adds the draws the history lacks, then shows the notice popup. A failure is silent.
void runOnlineUpdateAtStart();
// Opens every address of the update's download list when the update asked for it.
void openDownloadAddressesIfAsked();

}  // namespace qorvel
