// The five per-type formula-set files of the banker and kill page: "save\hmsh" + N + ".txt" and its
// siblings, each ten schemes of a fixed number of formula lines, one formula per GBK text line.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace qorvel {

constexpr int kSchemesPerFormulaSet = 10;
// Every line of a freshly created set file: the previous draw's tail of the main sum.
constexpr std::string_view kDefaultSetFormula = "[-1]z_hw";

struct FormulaSetKind {
    std::string_view prefix;  // file name before the type number
    int capacity;             // formulas per scheme
};

// The five set files in the order they are (re)loaded at a type change.
constexpr std::array<FormulaSetKind, 5> kFormulaSetKinds{{
    {"hmsh", 60},  // main kill
    {"hmsw", 30},  // main tail kill
    {"lmsh", 60},  // special kill
    {"hmtd", 15},  // main banker
    {"fqtd", 10},  // special banker
}};

struct FormulaSet {
    FormulaSetKind kind{};
    std::vector<std::string> formulas;  // kSchemesPerFormulaSet * capacity entries, scheme by scheme

    // Formula `index` (1-based) of scheme `scheme` (1..10).
    const std::string& formula(int scheme, int index) const;
};

// "save\" + prefix + type + ".txt" below the program folder.
std::filesystem::path formulaSetPath(const std::filesystem::path& folder, const FormulaSetKind& kind,
                                     int type);

// Reads one set file, first creating it with the default formula on every line when it is missing. A
// short file fills the formulas it lacks with the default formula and lines beyond the capacity are
// ignored; the file itself is left as it is. Returns an error text, empty on success (on failure the set
// holds the defaults).
std::string loadFormulaSet(const std::filesystem::path& folder, const FormulaSetKind& kind, int type,
                           FormulaSet& set);

// Rewrites the whole set file from the set.
std::string saveFormulaSet(const std::filesystem::path& folder, int type, const FormulaSet& set);

// Loads the five sets of one type. Every set is loaded even when one fails; the result is the first
// error text, empty when all succeeded.
std::string loadFormulaSets(const std::filesystem::path& folder, int type,
                            std::array<FormulaSet, kFormulaSetKinds.size()>& sets);

}  // namespace qorvel
