#include "draws/forecast_row.h"

#include "draws/history_edit.h"

namespace qorvel {

std::string selectionCountMessage(int mainCount) { return "选号区红号个数应为" + std::to_string(mainCount) + "个"; }

std::vector<int> selectedNumbers(const SelectionFlags& selection) {
    std::vector<int> numbers;
    for (int n = 1; n <= kSelectionNumbers; ++n)
        if (selection[n]) numbers.push_back(n);
    return numbers;
}

std::string writeForecastRow(t_s_dm& store, const TypeParams& params, const std::vector<int>& mains) {
    if (static_cast<int>(mains.size()) != params.MainCount) return selectionCountMessage(params.MainCount);
    if (store.GotoIssue(kForecastIssue)) {
        store.Edit();
    } else {
        DrawFields empty{};
        appendDrawRow(store, empty);
    }
    for (int i = 0; i < params.MainCount; ++i) store.SetField(1 + i, mains[static_cast<std::size_t>(i)]);
    store.SetField(params.MainCount + 1, 1);
    store.SetField(params.MainCount + 2, 2);
    store.SetField(0, kForecastIssue);
    return {};
}

bool clearForecastRow(t_s_dm& store) {
    if (!store.GotoIssue(kForecastIssue)) return false;
    store.Delete(false);
    return true;
}

}  // namespace qorvel
