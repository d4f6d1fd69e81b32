#include "types/settings_store.h"

namespace qorvel {

std::optional<int> MemorySettingsStore::readInt(const std::string& name) const {
    auto it = ints_.find(name);
    if (it == ints_.end()) return std::nullopt;
    return it->second;
}

std::optional<std::string> MemorySettingsStore::readText(const std::string& name) const {
    auto it = texts_.find(name);
    if (it == texts_.end()) return std::nullopt;
    return it->second;
}

}  // namespace qorvel
