// Helpers shared by the core tests: temporary folders and small draw stores built in memory.
#pragma once

#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

#include "draws/t_s_dm.h"

namespace qorvel::testing {

// A fresh folder below the system's temporary folder, removed when the object goes.
class TempDir {
public:
    TempDir();
    ~TempDir();
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& rel) const { return path_ / rel; }

private:
    std::filesystem::path path_;
};

// Fills a store with draws given as {issue, n1, n2, ...}, in the order given.
void fillStore(t_s_dm& store, const std::vector<std::vector<int>>& draws);

// The bundled sample history of the six-of-33 game.
std::vector<DrawFields> sampleSsqDraws();

}  // namespace qorvel::testing
