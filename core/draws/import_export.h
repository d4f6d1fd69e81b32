// Import of draws from GBK text files (appending to or replacing the history) and export of the history
// to text. An import reads the whole file first and changes nothing unless every draw in it is sound; it
// then sorts and writes the draw file once.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "draws/t_s_dm.h"
#include "types/workspace.h"

namespace qorvel {

inline constexpr const char* kImportFilter = " 所要导入的文件(*.txt)|*.txt";
inline constexpr const char* kAppendImportTitle = " 追加方式导入文件";
inline constexpr const char* kReplaceImportTitle = " 覆盖方式导入文件";
inline constexpr const char* kExportFilter = "文本文件(*.txt)|*.txt";
inline constexpr const char* kExportTitle = "导出到文本文件";
inline constexpr const char* kExportQuestionTitle = "选择";
inline constexpr const char* kTextFileExtension = ".txt";

enum class ImportMode { Append, Replace };

struct ImportParse {
    std::vector<DrawFields> draws;  // in file order
    std::string error;              // empty on success; names the line at fault
};

// Reads the import format: each draw is the issue and MainCount main numbers, read across line ends when
// a line holds too few; special numbers are read when the line of the last main number holds them,
// otherwise the first special number is 1. The rest of that line is skipped. Reading stops at the end or
// at issue 0. A token that is not a whole number, a number outside its zone's range or a draw cut short
// by the end of the file is an error.
ImportParse parseImportText(std::string_view gbkBytes, const Workspace& ws);

struct ImportResult {
    int added = 0;
    int skipped = 0;    // issues the history (when appending) or an earlier line already held
    std::string error;  // empty on success; on error the history and its file are unchanged
};

// Imports the text: appending skips issues the history holds; replacing starts from an empty history.
// A repeated issue within the file keeps its first line.
ImportResult importDraws(Workspace& ws, std::string_view gbkBytes, ImportMode mode);
ImportResult importDrawFile(Workspace& ws, const std::filesystem::path& file, ImportMode mode);

// "是否有" + the special label + "？"
std::string exportSpecialQuestion(const std::string& specialLabel);

// One line per draw, first to last (the forecast row too): the issue and the main numbers, with the
// special numbers when asked, each value as two digits at least and followed by a blank; lines end with
// CR LF. The store is left on its last draw with the end flag set.
std::string exportText(t_s_dm& store, const TypeParams& params, bool withSpecials);
// Writes the export to a file; returns an error text, empty on success.
std::string exportDrawFile(t_s_dm& store, const TypeParams& params, const std::filesystem::path& file,
                           bool withSpecials);

// The chosen file name with ".txt" appended unless the name already contains it.
std::string withTextExtension(const std::string& name);

}  // namespace qorvel
