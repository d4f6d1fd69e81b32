// The per-user settings store on QSettings: values under the key "software\qorvelsettings", kept in an
// INI file in the user's configuration folder (or the file named by QORVEL_SETTINGS_FILE).
#pragma once

#include <memory>
#include <string>

#include "types/settings_store.h"

class QSettings;

namespace qorvel {

class QSettingsStore : public SettingsStore {
public:
    QSettingsStore();
    explicit QSettingsStore(const std::string& iniFile);
    ~QSettingsStore() override;

    std::optional<int> readInt(const std::string& name) const override;
    void writeInt(const std::string& name, int value) override;
    std::optional<std::string> readText(const std::string& name) const override;
    void writeText(const std::string& name, const std::string& value) override;

private:
    std::unique_ptr<QSettings> settings_;
};

}  // namespace qorvel
