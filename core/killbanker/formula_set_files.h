// The five per-type formula-set files of the banker and kill page: "save\hmsh" + N + ".txt" and its
// siblings, each ten schemes of a fixed number of formula lines, one formula per GBK text line.
#pragma once

#include <array>
#include <filesystem>
#include <optional>
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
    // Stores the formula; false (nothing changed) when scheme or index lies outside the set.
    bool setFormula(int scheme, int index, std::string text);
    // Formulas 1..count of the scheme (count is limited to the capacity; none for a scheme outside 1..10).
    std::vector<std::string> schemeFormulas(int scheme, int count) const;
    // Puts formulas into the scheme from index 1 on, at most its capacity; returns how many were taken.
    int importIntoScheme(int scheme, const std::vector<std::string>& lines);
};

// The kind with this file prefix, nullptr when none has it.
const FormulaSetKind* findFormulaSetKind(std::string_view prefix);
// Its position in kFormulaSetKinds (and so in the array of loadFormulaSets), −1 when none has it.
int formulaSetKindIndex(std::string_view prefix);

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

// Formula files of the import, save and collection buttons: one formula per GBK line.
inline constexpr const char* kFormulaFileFilter = "公式集文件(*.txt)|*.txt";
inline constexpr const char* kOpenFormulaFileTitle = " 打开公式集文件";
inline constexpr const char* kSaveFormulaFileTitle = "保存公式集";
inline constexpr const char* kSaveSchemeQuestion =
    "如果想保存当前整个方案，请选“是”;如果只保存当前所用公式组，请选“否”？";
inline constexpr const char* kSaveSchemeQuestionCaption = "选择";

// Reads the lines of a formula file (GBK). Nothing when the file cannot be read.
std::optional<std::vector<std::string>> readFormulaFile(const std::filesystem::path& path);
// Splits formula-file bytes into lines: UTF-8 when the bytes are valid UTF-8, GBK otherwise.
std::vector<std::string> formulaLinesFromBytes(std::string_view bytes);
// Writes one formula per GBK line, ".txt" appended when the name lacks it; returns an error text.
std::string writeFormulaFile(const std::string& fileName, const std::vector<std::string>& formulas);

// A custom kill set ("*.scs"): the target indicator formula, its value range and ten schemes of 100
// formulas.
constexpr int kCustomKillCapacity = 100;
constexpr int kCustomKillHeaderLines = 3;
inline constexpr const char* kCustomKillFilter = "自定义杀号(*.scs)|*.scs";
inline constexpr const char* kOpenCustomKillTitle = " 打开自定义杀号存储文件";

struct CustomKillSet {
    std::string target;
    int from = 0;
    int to = 9;
    FormulaSet set{{"selfsh", kCustomKillCapacity}, std::vector<std::string>(
                       kSchemesPerFormulaSet * kCustomKillCapacity, std::string(kDefaultSetFormula))};
};

// Reads a custom kill file. A file of several records takes the last one; a last record cut short keeps
// the default formula where its lines are missing. Returns an error text (the set unchanged) when the file
// cannot be read, holds no record or its range is not two whole numbers.
std::string loadCustomKillSet(const std::filesystem::path& path, CustomKillSet& set);
// Writes the set as one record, ".scs" appended when the name lacks it; returns an error text.
std::string saveCustomKillSet(const std::string& fileName, const CustomKillSet& set);

}  // namespace qorvel
