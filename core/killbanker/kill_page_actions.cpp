#include "killbanker/kill_page_actions.h"

#include <algorithm>
#include <map>
#include <numeric>

namespace qorvel {
namespace {

constexpr int kTailBase = 10;
constexpr const char* kNoMainNumbersMessage = "本页的预测没有主区号码，不能转至过滤";
constexpr const char* kEmptyForecastMessage = "预测期没有可转至过滤的号码";

std::vector<std::string> reordered(const std::vector<std::string>& formulas, const std::vector<int>& score) {
    std::vector<std::size_t> order(formulas.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const int sa = a < score.size() ? score[a] : 0;
        const int sb = b < score.size() ? score[b] : 0;
        return sa > sb;
    });
    std::vector<std::string> out;
    for (std::size_t i : order) out.push_back(formulas[i]);
    return out;
}

}  // namespace

bool killPageShown(KillPage page, const TypeParams& params) {
    if (page == KillPage::SpecialKill) return params.SpecialCount >= 1;
    if (page == KillPage::SpecialBanker) return params.SpecialCount >= 2;
    return true;
}

ForecastHandOver forecastSelfSet(const KillGrid& grid, const TypeParams& params) {
    ForecastHandOver h;
    const bool mains = grid.page == KillPage::MainKill || grid.page == KillPage::MainBanker ||
                       grid.page == KillPage::TailKill;
    if (!mains || grid.drawCount < 1) {
        h.error = kNoMainNumbersMessage;
        return h;
    }
    std::vector<int32_t> values = grid.formulaValues[static_cast<std::size_t>(grid.drawCount + 1)];
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end()), values.end());
    auto& numbers = h.condition.numbers;
    for (int n = params.MainFrom; n <= params.MainTo && n <= kMaxSelfSetNumbers; ++n) {
        const int32_t key = grid.page == KillPage::TailKill ? n % kTailBase : n;
        if (std::binary_search(values.begin(), values.end(), key)) numbers.push_back(n);
    }
    if (numbers.empty()) {
        h.error = kEmptyForecastMessage;
        return h;
    }
    if (grid.page == KillPage::MainBanker) {
        const int most = std::min(static_cast<int>(numbers.size()), params.MainCount);
        for (int c = 1; c <= most; ++c) h.condition.counts.push_back(c);
    } else {
        h.condition.counts = {0};
    }
    return h;
}

std::vector<std::pair<int32_t, int>> rowValueFrequencies(const KillGrid& grid, int row) {
    std::vector<std::pair<int32_t, int>> table;
    if (row < 1 || row > grid.drawCount + 1) return table;
    std::map<int32_t, int> counts;
    for (int32_t v : grid.formulaValues[static_cast<std::size_t>(row)]) ++counts[v];
    table.assign(counts.begin(), counts.end());
    std::stable_sort(table.begin(), table.end(), [](const auto& a, const auto& b) { return a.second > b.second; });
    return table;
}

std::vector<std::string> formulasByRate(const KillGrid& grid, const std::vector<std::string>& formulas) {
    return reordered(formulas, grid.rightCounts);
}

std::vector<std::string> formulasByDrawnValue(const KillGrid& grid, const std::vector<std::string>& formulas) {
    std::vector<int> drawn(static_cast<std::size_t>(grid.formulaCount), 0);
    for (int r = 1; r <= grid.drawCount; ++r) {
        const auto& values = grid.formulaValues[static_cast<std::size_t>(r)];
        for (int j = 0; j < grid.formulaCount; ++j)
            if (grid.wasDrawn(r, values[static_cast<std::size_t>(j)])) ++drawn[static_cast<std::size_t>(j)];
    }
    return reordered(formulas, drawn);
}

}  // namespace qorvel
