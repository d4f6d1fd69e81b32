#include "app/dialogs/zh/zh_value_choice.h"

#include <QWidget>

#include "app/app_state.h"
#include "app/dialogs/zh/u_list_picker.h"
#include "app/dialogs/zh/u_tile_picker.h"
#include "app/pages/zh/zh_value_pickers.h"
#include "combos/value_criteria.h"

namespace qorvel {

std::optional<std::vector<int32_t>> chooseCountValues(QWidget* parent, int from, int to) {
    ValuePickerRequest request;
    request.from = from;
    request.to = to;
    return tilePickerOf(*parent->window()).choose(request);
}

std::optional<std::vector<int32_t>> chooseFormulaValues(QWidget* parent, const std::string& formula, int from, int to,
                                                        const std::vector<int32_t>& preset,
                                                        std::optional<int> currentValue) {
    ValuePickerRequest request;
    request.from = from;
    request.to = to;
    request.preselected = preset;
    request.criteria = true;
    request.checkList = true;
    request.assistantSource = formula;
    if (currentValue) request.currentValue = *currentValue;
    else if (!formula.empty()) request.currentValue = currentConditionValue(workspace(), formula);
    return listPickerOf(*parent->window()).choose(request);
}

}  // namespace qorvel
