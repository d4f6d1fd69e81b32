#include "app/pages/zh/zh_value_pickers.h"

#include <QPushButton>

#include "app/app_state.h"
#include "app/dialogs/zh/u_list_picker.h"
#include "app/dialogs/zh/u_tile_picker.h"
#include "app/pages/u_zh.h"
#include "app/pages/zh/zh_condition_row.h"
#include "combos/combo_filter.h"
#include "combos/value_criteria.h"

namespace qorvel {
namespace {

template <class Picker>
Picker& pickerOf(QWidget& owner) {
    if (auto* existing = owner.findChild<Picker*>(QString(), Qt::FindDirectChildrenOnly)) return *existing;
    return *new Picker(&owner);
}

std::vector<int> asNumbers(const std::vector<int32_t>& values) { return {values.begin(), values.end()}; }

}  // namespace

TilePicker& tilePickerOf(QWidget& owner) { return pickerOf<TilePicker>(owner); }
ListPicker& listPickerOf(QWidget& owner) { return pickerOf<ListPicker>(owner); }

void wireValuePickers(Tf_zh& page) {
    for (const ConditionInfo& info : conditionTable()) {
        ZhConditionRow* row = page.conditionRow(info.id);
        if (!row || !row->chooseButton) continue;
        row->onChoose = [&page](ZhConditionRow& r) { chooseConditionValues(page, r); };
    }
    QObject::connect(page.b_zqkxhm, &QPushButton::clicked, &page, [&page] { chooseMainNumbers(page, false); });
    QObject::connect(page.b_zqdm, &QPushButton::clicked, &page, [&page] { chooseMainNumbers(page, true); });
}

void chooseConditionValues(Tf_zh& page, ZhConditionRow& row) {
    const ConditionInfo& info = row.info();
    if (info.isRange()) return;
    const ValuePickerRequest request = conditionPickerRequest(workspace(), page.filter().conditions, info);
    const auto values = request.checkList ? listPickerOf(page).choose(request) : tilePickerOf(page).choose(request);
    if (values) row.setValues(*values);
}

void chooseMainNumbers(Tf_zh& page, bool bankers) {
    const ValuePickerRequest request = numberPickerRequest(workspace(), page.filter().conditions, bankers);
    const auto values = tilePickerOf(page).choose(request);
    if (!values) return;
    if (bankers) page.setBankers(asNumbers(*values));
    else page.setCandidates(asNumbers(*values));
}

}  // namespace qorvel
