#include "draws/forecast_row.h"

#include <algorithm>

namespace qorvel {
namespace {
constexpr int kForecastSpecialFiller1 = 1;  // the special numbers written with a main ticket
constexpr int kForecastSpecialFiller2 = 2;
}  // namespace

std::string selectionCountMessage(int mainCount) { return "选号区红号个数应为" + std::to_string(mainCount) + "个"; }

std::vector<int> selectedNumbers(const SelectionFlags& selection) {
    std::vector<int> numbers;
    for (int n = 1; n <= kSelectionNumbers; ++n)
        if (selection[n]) numbers.push_back(n);
    return numbers;
}

void writeForecastFields(t_s_dm& store, int mainCount, const std::vector<int32_t>& mains,
                         const std::vector<int32_t>& specials) {
    int row = store.RowOfIssue(kForecastIssue);
    const int cursor = store.RecNo();
    if (row == 0) {
        row = store.Count() + 1;
        store.SetCount(row);
        store.MutableRow(row) = DrawRecord{};
        if (cursor == 0) store.SetRecNo(row);
    }
    DrawFields& f = store.MutableRow(row).fields;
    const int n = std::clamp(mainCount, 0, kDrawFields - 1);
    for (std::size_t i = 0; i < mains.size() && static_cast<int>(i) < n; ++i) f[1 + i] = mains[i];
    for (std::size_t i = 0; i < specials.size() && n + 1 + static_cast<int>(i) < kDrawFields; ++i)
        f[static_cast<std::size_t>(n + 1) + i] = specials[i];
    f[0] = kForecastIssue;
    if (cursor != 0) store.SetRecNo(cursor);
}

std::string writeForecastRow(t_s_dm& store, const TypeParams& params, const std::vector<int>& mains) {
    if (static_cast<int>(mains.size()) != params.MainCount) return selectionCountMessage(params.MainCount);
    writeForecastFields(store, params.MainCount, std::vector<int32_t>(mains.begin(), mains.end()),
                        {kForecastSpecialFiller1, kForecastSpecialFiller2});
    return {};
}

bool clearForecastRow(t_s_dm& store, bool save) {
    const int cursor = store.RecNo();
    const bool onDraw = cursor >= 1 && cursor <= store.Count();
    const int32_t issue = onDraw ? store.Row(cursor).fields[0] : 0;
    if (!store.GotoIssue(kForecastIssue)) {
        if (onDraw) store.SetRecNo(cursor);
        return false;
    }
    store.Delete(save);
    if (issue == 0 || issue == kForecastIssue || !store.GotoIssue(issue)) store.Last();
    return true;
}

}  // namespace qorvel
