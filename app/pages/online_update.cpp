#include "app/pages/online_update.h"

namespace qorvel {

void runOnlineUpdateAtStart() {}

void openDownloadAddressesIfAsked() {}

}  // namespace qorvel
