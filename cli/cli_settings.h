// The settings store the command-line tool reads: the desktop program's own when it is built, else an
// in-memory store holding the defaults.
#pragma once

#include <memory>

#include "types/settings_store.h"

namespace qorvel::cli {
std::unique_ptr<SettingsStore> makeSettingsStore();
}
