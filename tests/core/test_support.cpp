#include "test_support.h"

#include <random>

#include "draws/draw_text.h"
#include "text/file_io.h"

namespace qorvel::testing {

TempDir::TempDir() {
    std::random_device rd;
    path_ = std::filesystem::temp_directory_path() / ("qorvel-test-" + std::to_string(rd()) + std::to_string(rd()));
    std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

void fillStore(t_s_dm& store, const std::vector<std::vector<int>>& draws) {
    std::vector<DrawFields> records;
    for (const auto& d : draws) {
        DrawFields f{};
        for (std::size_t i = 0; i < d.size() && i < f.size(); ++i) f[i] = d[i];
        records.push_back(f);
    }
    loadDrawsIntoStore(store, records);
}

std::vector<DrawFields> sampleSsqDraws() {
    auto bytes = readFileBytes(QORVEL_SAMPLE_DIR "/ssq.txt");
    return parseDrawText(bytes.value_or(""), TypeParams{}).draws;
}

}  // namespace qorvel::testing
