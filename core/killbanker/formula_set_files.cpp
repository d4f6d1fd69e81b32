#include "killbanker/formula_set_files.h"

#include <algorithm>
#include <system_error>

#include "text/file_io.h"

namespace qorvel {
namespace {

FormulaSet defaultSet(const FormulaSetKind& kind) {
    FormulaSet set;
    set.kind = kind;
    set.formulas.assign(static_cast<std::size_t>(kSchemesPerFormulaSet * kind.capacity),
                        std::string(kDefaultSetFormula));
    return set;
}

}  // namespace

const std::string& FormulaSet::formula(int scheme, int index) const {
    return formulas.at(static_cast<std::size_t>((scheme - 1) * kind.capacity + (index - 1)));
}

std::filesystem::path formulaSetPath(const std::filesystem::path& folder, const FormulaSetKind& kind,
                                     int type) {
    return programPath(folder, "save\\" + std::string(kind.prefix) + std::to_string(type) + ".txt");
}

std::string saveFormulaSet(const std::filesystem::path& folder, int type, const FormulaSet& set) {
    return writeFileAtomically(formulaSetPath(folder, set.kind, type), joinGbkLines(set.formulas));
}

std::string loadFormulaSet(const std::filesystem::path& folder, const FormulaSetKind& kind, int type,
                           FormulaSet& set) {
    set = defaultSet(kind);
    const auto path = formulaSetPath(folder, kind, type);
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        if (auto error = saveFormulaSet(folder, type, set); !error.empty()) return error;
    }
    auto bytes = readFileBytes(path);
    if (!bytes) return "无法读取文件 " + path.string();
    auto lines = readGbkLines(*bytes);
    const std::size_t usable = std::min(lines.size(), set.formulas.size());
    for (std::size_t i = 0; i < usable; ++i) set.formulas[i] = std::move(lines[i]);
    return {};
}

std::string loadFormulaSets(const std::filesystem::path& folder, int type,
                            std::array<FormulaSet, kFormulaSetKinds.size()>& sets) {
    std::string firstError;
    for (std::size_t k = 0; k < kFormulaSetKinds.size(); ++k) {
        auto error = loadFormulaSet(folder, kFormulaSetKinds[k], type, sets[k]);
        if (firstError.empty()) firstError = std::move(error);
    }
    return firstError;
}

}  // namespace qorvel
