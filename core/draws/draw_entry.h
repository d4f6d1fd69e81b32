// Entry and editing of single draws for the data maintenance window: the editor masks, the reading of an
// editor's numbers, and adding, modifying, deleting and clearing draws with the messages the window
// shows. Every change is written to the draw file at once; a refused change leaves the store as it was.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "draws/t_s_dm.h"
#include "types/workspace.h"

namespace qorvel {

constexpr int kIssueDigits = 7;

inline constexpr const char* kMaintenanceCaption =
    "更新数据库（本数据仅供参考，请以福彩、体彩官方网站的开奖数据为准）";
inline constexpr const char* kIssueMask = "!9999999;1;_";
inline constexpr const char* kIssueLengthMessage = "期数必须是七位比如2009001";
inline constexpr const char* kDuplicateIssueMessage = "数据库中已经存在此期的记录";
inline constexpr const char* kSelectDrawToModifyMessage = "请先在上边的列表中选择一期需要修改的号码";
inline constexpr const char* kSelectDrawToDeleteMessage = "请先在上边的列表中选择一期需要删除的号码";
inline constexpr const char* kDeleteQuestion = "是否删除当前记录？";
inline constexpr const char* kDeleteTitle = "删除";
inline constexpr const char* kClearQuestion = "清空数据库后，数据库里的数据都将被删除，是否继续?";
inline constexpr const char* kClearTitle = "确认";
inline constexpr const char* kModifyDialogCaption = "修改开奖号";
inline constexpr const char* kForecastIssueText = "预测区";

// The edit mask for k two-digit numbers separated by "-": 6 gives "!99-99-99-99-99-99;1;_".
std::string numberMask(int count);

// The message for a piece of text that should hold a whole number and does not.
std::string notWholeNumberMessage(std::string_view piece);
// "请输入" followed by the special-zone label.
std::string enterSpecialMessage(const std::string& specialLabel);

struct NumberListResult {
    std::vector<int> numbers;
    std::string error;  // empty on success
};

// Reads k numbers from an editor's text: the first k - 1 are the trimmed pieces before each "-", the
// k-th is the trimmed rest. A piece that is not a whole number gives the invalid-number message.
NumberListResult parseNumberList(std::string_view text, int count);

// The three editors of one draw as the user typed them.
struct DrawEditorTexts {
    std::string issue;
    std::string mains;
    std::string specials;
};

struct EntryOutcome {
    std::string message;        // the text to show; empty when nothing needs saying
    bool stored = false;        // the history and its file changed
    bool clearEditors = false;  // the editors are emptied (also after the duplicate message)
};

// Adds one draw from the keyboard editors. The issue must be seven characters, the special editor must
// not be empty for a type with special numbers, every number must be a whole number in its zone's range,
// and the issue must be new.
EntryOutcome addDrawFromEditors(Workspace& ws, const DrawEditorTexts& texts);

// True when row is a draw of the store (grid row r shows draw r).
bool isDrawRow(const t_s_dm& store, int row);

// The editor texts the modify dialog starts from: the issue in decimal, the numbers as two-digit texts
// joined by "-". Nothing when the row is not a draw.
std::optional<DrawEditorTexts> editorTextsForRow(const Workspace& ws, int row);

// Rewrites the draw in row with the editors' contents and re-sorts the history. The same checks as
// adding apply; a changed issue that another draw already holds is refused.
EntryOutcome modifyDrawFromEditors(Workspace& ws, int row, const DrawEditorTexts& texts);

// Deletes the draw in row and rewrites the file (the caller has asked the delete question). Returns the
// message to show, empty on success.
std::string deleteDrawAtRow(Workspace& ws, int row);

// Deletes every draw and writes an empty draw file. Returns an error text, empty on success.
std::string clearHistory(Workspace& ws);

// The header of the maintenance grid: "期数", the main label followed by 1, 2, ..., and the special label
// (alone for one special number, else numbered).
std::vector<std::string> maintenanceGridHeader(const Workspace& ws);
// One grid row: the issue ("预测区" for the forecast row) and the numbers as two-digit texts.
std::vector<std::string> maintenanceGridRow(const Workspace& ws, int row);

// The issues of all draws, first to last, for the issue choice list.
std::vector<std::string> issueChoices(const t_s_dm& store);

}  // namespace qorvel
