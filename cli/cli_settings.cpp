#include "cli/cli_settings.h"

#ifdef QORVEL_HAVE_QT_SETTINGS
#include "ui/qsettings_store.h"
#endif

namespace qorvel::cli {

std::unique_ptr<SettingsStore> makeSettingsStore() {
#ifdef QORVEL_HAVE_QT_SETTINGS
    return std::make_unique<QSettingsStore>();
#else
    return std::make_unique<MemorySettingsStore>();
#endif
}

}  // namespace qorvel::cli
