// The per-user settings store: integer and text values under one key. The desktop build keeps them in
// the platform's settings; tests and the command-line tool may use the in-memory store.
#pragma once

#include <map>
#include <optional>
#include <string>

namespace qorvel {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual std::optional<int> readInt(const std::string& name) const = 0;
    virtual void writeInt(const std::string& name, int value) = 0;
    virtual std::optional<std::string> readText(const std::string& name) const = 0;
    virtual void writeText(const std::string& name, const std::string& value) = 0;
};

class MemorySettingsStore : public SettingsStore {
public:
    std::optional<int> readInt(const std::string& name) const override;
    void writeInt(const std::string& name, int value) override { ints_[name] = value; }
    std::optional<std::string> readText(const std::string& name) const override;
    void writeText(const std::string& name, const std::string& value) override { texts_[name] = value; }

private:
    std::map<std::string, int> ints_;
    std::map<std::string, std::string> texts_;
};

}  // namespace qorvel
