#include "killbanker/formula_collection.h"

#include <algorithm>

#include "engine/indicator_catalogue.h"
#include "killbanker/formula_set_files.h"
#include "text/number_text.h"

namespace qorvel {

std::string FormulaCollection::caption() const { return "已收集公式" + std::to_string(formulas_.size()) + "条"; }

void FormulaCollection::add(std::string_view text) {
    const auto trimmed = trimBlanks(text);
    if (!trimmed.empty()) formulas_.emplace_back(trimmed);
}

std::string FormulaCollection::modify(int index, std::string_view text) {
    if (index < 0 || index >= static_cast<int>(formulas_.size())) return kSelectFormulaFirstMessage;
    formulas_[static_cast<std::size_t>(index)] = std::string(trimBlanks(text));
    return {};
}

bool FormulaCollection::remove(int index) {
    if (index < 0 || index >= static_cast<int>(formulas_.size())) return false;
    formulas_.erase(formulas_.begin() + index);
    return true;
}

std::string FormulaCollection::save(const std::string& fileName) const { return writeFormulaFile(fileName, formulas_); }

std::string FormulaCollection::load(const std::filesystem::path& path) {
    auto lines = readFormulaFile(path);
    if (!lines) return "无法读取文件 " + path.string();
    formulas_ = std::move(*lines);
    return {};
}

ValueRange rangeForIndicatorItem(Workspace& ws, std::string_view item, ValueRange current) {
    const std::string_view code = item.substr(0, item.find(' '));
    const CatalogueEntry* entry = findCatalogueEntry(code);
    if (!entry) return current;
    lookupIndicator(ws, code);
    auto clampValue = [](int32_t v) { return std::clamp<int32_t>(v, 0, kCustomRangeLast); };
    return {clampValue(rangeValue(entry->minimum, ws.params)), clampValue(rangeValue(entry->maximum, ws.params))};
}

}  // namespace qorvel
