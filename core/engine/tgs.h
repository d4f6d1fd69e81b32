// tgs: the formula evaluator — parses and evaluates a one-line integer formula in a single left-to-right
// pass at the cursor of ws.MainStore, with no operator precedence. Names resolve through indicatorValue.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/tmystack.h"
#include "types/workspace.h"

namespace qorvel {

// Error texts of the evaluator (shown after "公式有误:").
namespace formula_error {
inline constexpr const char* kEmpty = "你还未输入公式";
inline constexpr const char* kNumberThenCharacter = "数值型数据不能是字符，或者指标名开头不能是数字";
inline constexpr const char* kAfterOperator = "运算符号后只能接指标或数据或括号";
inline constexpr const char* kAfterOpenGroup = "\"(\"后应接数据或指标";
inline constexpr const char* kUnmatchedClose = "括号不匹配或位置不当";
inline constexpr const char* kOffsetUnclosed = "＂[＂没有＂]＂匹配";
inline constexpr const char* kOffsetNotInteger = "＂[＂与＂]＂之间不是整数";
inline constexpr const char* kUnknownFunctionSuffix = "函数不存在";
inline constexpr const char* kFunctionBody = "函数体不正确,括号不匹配";
inline constexpr const char* kAfterFunction = "函数体后只能接运算符或括号";
inline constexpr const char* kDivisionByZero = "除数不能为0";
inline constexpr const char* kTruncationRight = "截缩运算的右操作数必须大于0";
inline constexpr const char* kOutOfRange = "数值超出范围";
inline constexpr const char* kBadStart = "公式只能以数据、指标、\"(\"或\"[\"开头";
inline constexpr const char* kTooDeep = "公式嵌套层数过多";
inline constexpr const char* kTooLong = "公式过长,不能超过65536个字符";
}  // namespace formula_error

// Evaluations nested inside one another (function arguments, derived series, expression codes) beyond
// this depth fail with kTooDeep instead of exhausting the call stack. A formula whose text nests function
// calls this deep is refused before it is evaluated.
constexpr int kMaxFormulaNesting = 32;
// Longer formula texts are refused before evaluation (kTooLong states the figure).
constexpr std::size_t kMaxFormulaLength = 65536;

// Why a formula text is refused before evaluation (kTooDeep, then kTooLong), or nullptr. Deep nesting is
// tested first: it is the more specific reason, and costs one scan of the text.
const char* formulaTextRefusal(std::string_view text);

class tgs {
public:
    explicit tgs(Workspace& ws) : ws_(ws) {}

    // Evaluates the formula at the cursor. On success value holds the result. On failure errorText() holds
    // the reason and value the accumulator reached before the failing step; an empty formula leaves value
    // untouched. The cursor is where it was when this returns.
    bool evaluate(std::string_view formula, int32_t& value);

    // The error text of the last failure; a new evaluation does not clear it.
    const std::string& errorText() const { return errorText_; }

private:
    enum class Step { Number, Name, Operator, OpenGroup, CloseGroup, Offset, Done };

    void run();
    Step startStep();
    Step number();
    Step name();
    Step operatorStep();
    Step openGroup();
    Step closeGroup();
    Step offset();
    Step function(std::string_view functionName);
    Step afterOperand();
    Step stepForOperand(char c, const char* error);
    Step fail(std::string text);

    bool apply();
    bool combine(int32_t left, char op, int32_t right, int32_t& result);
    void returnToSavedDraw();
    bool atEnd() const { return pos_ >= text_.size(); }

    Workspace& ws_;
    std::string text_;        // the formula text being evaluated
    std::size_t tokenStart_ = 0;
    std::size_t pos_ = 0;     // current position (0-based)
    // The draw the evaluation started on. Rows neither move nor change while a formula is evaluated, so
    // its record number finds it again exactly as its issue number would, even in a store whose
    // appended forecast and candidate rows are out of issue order.
    int savedRow_ = 0;
    char pendingOp_ = 0;      // 0 or one of the operator characters
    int32_t accumulator_ = 0;
    int32_t operand_ = 0;
    bool offsetFlag_ = false;
    bool success_ = true;
    tmystack stack_;
    std::string errorText_;
};

// The plain-text check made before a custom formula is stored. The text is already trimmed. On failure
// message holds the text of the last failing test.
bool checkFormulaText(std::string_view text, std::string* message = nullptr);

}  // namespace qorvel
