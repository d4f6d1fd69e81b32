#include "killbanker/formula_set_files.h"

#include <algorithm>
#include <system_error>

#include "text/file_io.h"
#include "text/number_text.h"

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

namespace {
bool inSet(const FormulaSet& set, int scheme, int index) {
    const auto at = static_cast<long long>(scheme - 1) * set.kind.capacity + (index - 1);
    return scheme >= 1 && scheme <= kSchemesPerFormulaSet && index >= 1 && index <= set.kind.capacity &&
           at < static_cast<long long>(set.formulas.size());
}
}  // namespace

bool FormulaSet::setFormula(int scheme, int index, std::string text) {
    if (!inSet(*this, scheme, index)) return false;
    formulas[static_cast<std::size_t>((scheme - 1) * kind.capacity + (index - 1))] = std::move(text);
    return true;
}

std::vector<std::string> FormulaSet::schemeFormulas(int scheme, int count) const {
    std::vector<std::string> out;
    for (int i = 1; i <= std::min(count, kind.capacity) && inSet(*this, scheme, i); ++i) out.push_back(formula(scheme, i));
    return out;
}

int FormulaSet::importIntoScheme(int scheme, const std::vector<std::string>& lines) {
    if (!inSet(*this, scheme, 1)) return 0;
    const int taken = std::min(static_cast<int>(lines.size()), kind.capacity);
    for (int i = 1; i <= taken; ++i) setFormula(scheme, i, lines[static_cast<std::size_t>(i - 1)]);
    return taken;
}

const FormulaSetKind* findFormulaSetKind(std::string_view prefix) {
    for (const auto& kind : kFormulaSetKinds)
        if (kind.prefix == prefix) return &kind;
    return nullptr;
}

int formulaSetKindIndex(std::string_view prefix) {
    const FormulaSetKind* kind = findFormulaSetKind(prefix);
    return kind ? static_cast<int>(kind - kFormulaSetKinds.data()) : -1;
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

namespace {

bool isValidUtf8(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        int extra = c < 0x80 ? 0 : (c >> 5) == 0x6 ? 1 : (c >> 4) == 0xE ? 2 : (c >> 3) == 0x1E ? 3 : -1;
        if (extra < 0 || i + static_cast<std::size_t>(extra) >= s.size()) return false;
        for (int k = 1; k <= extra; ++k)
            if ((static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]) & 0xC0) != 0x80) return false;
        i += static_cast<std::size_t>(extra) + 1;
    }
    return true;
}

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t from = 0;
    while (from < text.size()) {
        std::size_t end = text.find_first_of("\r\n", from);
        if (end == std::string_view::npos) end = text.size();
        lines.emplace_back(text.substr(from, end - from));
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ++end;
        from = end + 1;
    }
    return lines;
}

std::string withTextExtension(std::string name, std::string_view extension) {
    if (name.find(extension) == std::string::npos) name += extension;
    return name;
}

}  // namespace

std::optional<std::vector<std::string>> readFormulaFile(const std::filesystem::path& path) {
    auto bytes = readFileBytes(path);
    if (!bytes) return std::nullopt;
    return readGbkLines(*bytes);
}

std::vector<std::string> formulaLinesFromBytes(std::string_view bytes) {
    if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    if (isValidUtf8(bytes)) return splitLines(bytes);
    return readGbkLines(bytes);
}

std::string writeFormulaFile(const std::string& fileName, const std::vector<std::string>& formulas) {
    return writeFileAtomically(withTextExtension(fileName, ".txt"), joinGbkLines(formulas));
}

std::string loadCustomKillSet(const std::filesystem::path& path, CustomKillSet& set) {
    auto bytes = readFileBytes(path);
    if (!bytes) return "无法读取文件 " + path.string();
    const auto lines = readGbkLines(*bytes);
    const std::size_t recordLines =
        static_cast<std::size_t>(kCustomKillHeaderLines + kSchemesPerFormulaSet * kCustomKillCapacity);
    if (lines.size() < static_cast<std::size_t>(kCustomKillHeaderLines))
        return "自定义杀号文件内容不完整: " + path.string();
    // Records follow one another; the last one that holds at least its three header lines wins.
    std::size_t first = (lines.size() - 1) / recordLines * recordLines;
    if (lines.size() - first < static_cast<std::size_t>(kCustomKillHeaderLines)) first -= recordLines;
    const auto from = parseWholeNumber(lines[first + 1]);
    const auto to = parseWholeNumber(lines[first + 2]);
    if (!from || !to) return "自定义杀号文件的取值范围有误: " + path.string();
    CustomKillSet loaded;
    loaded.target = std::string(trimBlanks(lines[first]));
    loaded.from = *from;
    loaded.to = *to;
    const std::size_t end = std::min(lines.size(), first + recordLines);
    for (std::size_t i = first + kCustomKillHeaderLines; i < end; ++i)
        loaded.set.formulas[i - first - kCustomKillHeaderLines] = lines[i];
    set = std::move(loaded);
    return {};
}

std::string saveCustomKillSet(const std::string& fileName, const CustomKillSet& set) {
    std::vector<std::string> lines{set.target, std::to_string(set.from), std::to_string(set.to)};
    lines.insert(lines.end(), set.set.formulas.begin(), set.set.formulas.end());
    return writeFileAtomically(withTextExtension(fileName, ".scs"), joinGbkLines(lines));
}

}  // namespace qorvel
