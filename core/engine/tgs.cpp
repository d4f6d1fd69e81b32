#include "engine/tgs.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <limits>
#include <optional>
#include <vector>

#include "engine/formula.h"
#include "engine/indicators.h"
#include "engine/tgs_memo.h"

namespace qorvel {
namespace {

constexpr std::string_view kOperators = "+-*/%!&#><=";

// Character classes, looked up per byte (names are scanned character by character on every evaluation).
enum CharClass : uint8_t { kOperatorChar = 1, kNameEnd = 2 };

constexpr std::array<uint8_t, 256> makeCharClasses() {
    std::array<uint8_t, 256> classes{};
    for (char c : kOperators) classes[static_cast<unsigned char>(c)] = kOperatorChar | kNameEnd;
    for (char c : {'(', ')', ' '}) classes[static_cast<unsigned char>(c)] = kNameEnd;
    return classes;
}
constexpr std::array<uint8_t, 256> kCharClasses = makeCharClasses();

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isOperator(char c) { return kCharClasses[static_cast<unsigned char>(c)] & kOperatorChar; }
bool endsName(char c) { return kCharClasses[static_cast<unsigned char>(c)] & kNameEnd; }

// The code an open group pushes for the operator waiting before it: none 0, '+' 1 … '=' 11.
int32_t operatorCode(char op) {
    if (op == 0) return 0;
    return static_cast<int32_t>(kOperators.find(op)) + 1;
}
char operatorOfCode(int32_t code) {
    return (code >= 1 && code <= static_cast<int32_t>(kOperators.size())) ? kOperators[code - 1] : 0;
}

// Wrapping 32-bit arithmetic without signed overflow.
int32_t wrap(uint32_t v) { return static_cast<int32_t>(v); }
int32_t wrappingAbs(int32_t v) { return v < 0 ? wrap(0u - static_cast<uint32_t>(v)) : v; }

// A run of decimal digits as a 32-bit value; nothing when it does not fit.
std::optional<int32_t> digitsValue(std::string_view digits) {
    int64_t v = 0;
    for (char c : digits) {
        v = v * 10 + (c - '0');
        if (v > std::numeric_limits<int32_t>::max()) return std::nullopt;
    }
    return static_cast<int32_t>(v);
}

enum class Function { Max, Min, Mid, Abs, Omission, Amplitude, OmissionAmplitude, Lookup, AmplitudeOmission, If };

struct FunctionInfo {
    std::string_view name;
    Function kind;
    int32_t start;  // the running result before the first argument
};

constexpr FunctionInfo kFunctions[] = {
    {"max", Function::Max, -1},
    {"min", Function::Min, 999999},
    {"mid", Function::Mid, 0},
    {"abs", Function::Abs, 0},
    {"getylz", Function::Omission, 0},
    {"getzf", Function::Amplitude, 0},
    {"getylzzf", Function::OmissionAmplitude, 0},
    {"getzb", Function::Lookup, 0},
    {"getzfylz", Function::AmplitudeOmission, 0},
    {"if", Function::If, 0},
};

// The argument closest to the mean of all arguments, the mean rounded to one decimal half to even; the
// first such argument on a tie. Works in tenths with 64-bit integers, so it is exact.
int32_t middleValue(const std::vector<int32_t>& values) {
    int64_t sum = 0;
    for (int32_t v : values) sum += v;
    const int64_t count = static_cast<int64_t>(values.size());
    const int64_t scaled = sum * 10;
    int64_t tenths = scaled / count;
    int64_t rest = scaled % count;
    if (rest < 0) {  // floor division
        tenths -= 1;
        rest += count;
    }
    if (2 * rest > count || (2 * rest == count && (tenths % 2 != 0))) tenths += 1;
    int32_t best = values.front();
    int64_t bestDistance = std::llabs(int64_t{best} * 10 - tenths);
    for (int32_t v : values) {
        int64_t d = std::llabs(int64_t{v} * 10 - tenths);
        if (d < bestDistance) {
            best = v;
            bestDistance = d;
        }
    }
    return best;
}

// Nesting depth of evaluations on this thread; each evaluate() counts itself while it runs. A nested
// evaluation refused for its depth sets the flag, and the outermost evaluation then fails as a whole
// (nested failures are otherwise ignored by design, which would hide the refusal).
thread_local int gEvaluationDepth = 0;
thread_local bool gNestingRefused = false;

struct DepthCount {
    DepthCount() { ++gEvaluationDepth; }
    ~DepthCount() { --gEvaluationDepth; }
    DepthCount(const DepthCount&) = delete;
    DepthCount& operator=(const DepthCount&) = delete;
};

// Function calls nested deeper than the evaluator allows, counted on the text: a "(" directly after a name
// character opens a call, any other "(" a group. A space outside every parenthesis ends the formula.
bool scanNesting(std::string_view text, std::vector<uint8_t>& opens) {
    int calls = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '(') {
            const char before = i > 0 ? text[i - 1] : '(';
            const bool call = !isOperator(before) && before != '(' && before != ')' && before != ',' &&
                              before != ' ' && before != ']';
            opens.push_back(call ? 1 : 0);
            calls += call ? 1 : 0;
            if (calls >= kMaxFormulaNesting) return true;
        } else if (c == ')' && !opens.empty()) {
            calls -= opens.back();
            opens.pop_back();
        } else if (c == ' ' && opens.empty()) {
            return false;
        }
    }
    return false;
}

bool nestsTooDeep(std::string_view text) {
    constexpr std::size_t kKeptCapacity = 4096;
    thread_local std::vector<uint8_t> opens;  // 1 for a call, 0 for a group
    opens.clear();
    const bool deep = scanNesting(text, opens);
    if (opens.capacity() > kKeptCapacity) std::vector<uint8_t>().swap(opens);  // a freak text's stack
    return deep;
}

int32_t evaluateArgument(Workspace& ws, std::string_view text) {
    int32_t v = 0;
    evaluateFormula(ws, text, v);  // its failures are ignored; its accumulator counts
    return v;
}

}  // namespace

bool tgs::evaluate(std::string_view formula, int32_t& value) {
    DepthCount depth;
    stack_.clear();
    text_.assign(formula);
    if (text_.empty()) {
        errorText_ = formula_error::kEmpty;
        return false;
    }
    tokenStart_ = 0;
    pos_ = 0;
    accumulator_ = 0;
    operand_ = 0;
    pendingOp_ = 0;
    offsetFlag_ = false;
    success_ = true;
    savedRow_ = ws_.MainStore.RecNo();
    const bool outermost = gEvaluationDepth == 1;
    std::optional<EvaluationMemoScope> memo;
    if (outermost) {
        gNestingRefused = false;
        // Nested texts are parts of this one, so checking the outermost text is enough.
        if (const char* refusal = formulaTextRefusal(text_)) {
            fail(refusal);
            value = accumulator_;
            return false;
        }
        memo.emplace(ws_);
    }
    if (gEvaluationDepth > kMaxFormulaNesting) {
        gNestingRefused = true;
        fail(formula_error::kTooDeep);
    } else {
        run();
    }
    if (outermost && gNestingRefused) {
        gNestingRefused = false;
        memo->dropAll();
        fail(formula_error::kTooDeep);
    }
    returnToSavedDraw();  // also after a failure that left an offset applied
    value = accumulator_;
    return success_;
}

void tgs::run() {
    Step step = startStep();
    while (step != Step::Done) {
        switch (step) {
            case Step::Number: step = number(); break;
            case Step::Name: step = name(); break;
            case Step::Operator: step = operatorStep(); break;
            case Step::OpenGroup: step = openGroup(); break;
            case Step::CloseGroup: step = closeGroup(); break;
            case Step::Offset: step = offset(); break;
            case Step::Done: break;
        }
    }
}

tgs::Step tgs::fail(std::string text) {
    errorText_ = std::move(text);
    success_ = false;
    return Step::Done;
}

tgs::Step tgs::startStep() { return stepForOperand(text_[0], formula_error::kBadStart); }

// What may begin an operand: a digit, a letter, "(" or "["; anything else fails with error.
tgs::Step tgs::stepForOperand(char c, const char* error) {
    tokenStart_ = pos_;
    if (isDigit(c)) return Step::Number;
    if (isLetter(c)) return Step::Name;
    if (c == '(') return Step::OpenGroup;
    if (c == '[') return Step::Offset;
    return fail(error);
}

tgs::Step tgs::number() {
    while (!atEnd() && isDigit(text_[pos_])) ++pos_;
    if (!atEnd()) {
        char c = text_[pos_];
        if (!isOperator(c) && c != ')' && c != ' ') return fail(formula_error::kNumberThenCharacter);
    }
    auto v = digitsValue(std::string_view(text_).substr(tokenStart_, pos_ - tokenStart_));
    if (!v) return fail(formula_error::kOutOfRange);
    operand_ = *v;
    return afterOperand();
}

tgs::Step tgs::name() {
    // The first character is taken as it stands (after an offset it is not tested to be a letter).
    if (!atEnd()) ++pos_;
    while (!atEnd() && !endsName(text_[pos_])) ++pos_;
    std::string_view token = std::string_view(text_).substr(tokenStart_, pos_ - tokenStart_);
    if (!atEnd() && text_[pos_] == '(') return function(token);
    operand_ = indicatorValue(ws_, token);
    if (offsetFlag_) returnToSavedDraw();
    return afterOperand();
}

// After a number, a name or a function: apply the operand, then stop at the end or a space, or go on to
// an operator or a closing parenthesis (callers have ruled out every other character).
tgs::Step tgs::afterOperand() {
    if (!apply()) return Step::Done;
    if (atEnd() || text_[pos_] == ' ') return Step::Done;
    return isOperator(text_[pos_]) ? Step::Operator : Step::CloseGroup;
}

tgs::Step tgs::operatorStep() {
    pendingOp_ = text_[pos_];
    offsetFlag_ = false;
    ++pos_;
    if (atEnd()) return fail(formula_error::kAfterOperator);
    return stepForOperand(text_[pos_], formula_error::kAfterOperator);
}

tgs::Step tgs::openGroup() {
    stack_.push(accumulator_);
    stack_.push(operatorCode(pendingOp_));
    accumulator_ = 0;
    operand_ = 0;
    pendingOp_ = 0;
    ++pos_;
    if (atEnd()) return fail(formula_error::kAfterOpenGroup);
    return stepForOperand(text_[pos_], formula_error::kAfterOpenGroup);
}

tgs::Step tgs::closeGroup() {
    ++pos_;
    if (stack_.count() == 0) return fail(formula_error::kUnmatchedClose);
    operand_ = accumulator_;
    const char op = operatorOfCode(stack_.pop());
    const int32_t left = stack_.pop();
    if (op == 0) {
        accumulator_ = operand_;
    } else {
        int32_t result = 0;
        if (!combine(left, op, operand_, result)) return Step::Done;
        accumulator_ = result;
    }
    if (atEnd()) return Step::Done;
    if (isOperator(text_[pos_])) return Step::Operator;
    if (text_[pos_] == ')') return Step::CloseGroup;
    return Step::Done;  // anything else ends the formula after a group
}

tgs::Step tgs::offset() {
    ++pos_;
    const std::size_t start = pos_;
    while (!atEnd() && (isDigit(text_[pos_]) || text_[pos_] == '+' || text_[pos_] == '-')) ++pos_;
    if (atEnd() || text_[pos_] != ']') return fail(formula_error::kOffsetUnclosed);
    std::string_view inner = std::string_view(text_).substr(start, pos_ - start);
    std::string_view digits = inner;
    if (!digits.empty() && (digits[0] == '+' || digits[0] == '-')) digits.remove_prefix(1);
    if (digits.empty() || !std::all_of(digits.begin(), digits.end(), isDigit))
        return fail(formula_error::kOffsetNotInteger);
    int64_t magnitude = 0;
    for (char c : digits) {
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > int64_t{std::numeric_limits<int32_t>::max()} + 1) return fail(formula_error::kOutOfRange);
    }
    const int64_t n = inner[0] == '-' ? -magnitude : magnitude;
    if (n > std::numeric_limits<int32_t>::max()) return fail(formula_error::kOutOfRange);
    offsetFlag_ = true;
    t_s_dm& store = ws_.MainStore;
    // A cursor outside the rows (an empty store) is not moved: there is no draw to move to.
    if (store.RecNo() >= 1 && store.RecNo() <= store.Count()) store.MoveBy(static_cast<int>(n));
    ++pos_;
    tokenStart_ = pos_;
    return Step::Name;
}

tgs::Step tgs::function(std::string_view functionName) {
    const FunctionInfo* info = nullptr;
    for (const auto& f : kFunctions)
        if (f.name == functionName) info = &f;
    if (!info) return fail(std::string(functionName) + formula_error::kUnknownFunctionSuffix);

    ++pos_;  // past "("
    std::size_t close = pos_;
    for (int depth = 1; close < text_.size(); ++close) {
        if (text_[close] == '(') ++depth;
        if (text_[close] == ')' && --depth == 0) break;
    }
    if (close >= text_.size()) return fail(formula_error::kFunctionBody);

    // Arguments end at each comma before the matching ")"; nested parentheses are not skipped.
    std::vector<std::string_view> args;
    const std::string_view text(text_);
    for (std::size_t from = pos_;;) {
        std::size_t comma = text.find(',', from);
        if (comma == std::string_view::npos || comma >= close) {
            args.push_back(text.substr(from, close - from));
            break;
        }
        args.push_back(text.substr(from, comma - from));
        from = comma + 1;
    }

    int32_t result = info->start;
    switch (info->kind) {
        case Function::Max:
            for (auto a : args) result = std::max(result, evaluateArgument(ws_, a));
            break;
        case Function::Min:
            for (auto a : args) result = std::min(result, evaluateArgument(ws_, a));
            break;
        case Function::Mid: {
            std::vector<int32_t> values;
            for (auto a : args) values.push_back(evaluateArgument(ws_, a));
            result = middleValue(values);
            break;
        }
        case Function::Abs:
            for (auto a : args) result = wrappingAbs(evaluateArgument(ws_, a));
            break;
        case Function::If: {
            std::vector<int32_t> values;
            for (auto a : args) values.push_back(evaluateArgument(ws_, a));
            // if(x,a,b): a when x ≠ 0, else b; if(x,a): 0 when x ≠ 0, else a; if(x): 0.
            if (values.size() >= 3) result = values[0] != 0 ? values[1] : values.back();
            if (values.size() == 2) result = values[0] != 0 ? 0 : values[1];
            break;
        }
        case Function::Amplitude: result = amplitudeOf(ws_, args.back()); break;
        case Function::Omission: result = omissionOf(ws_, args.back()); break;
        case Function::OmissionAmplitude: result = omissionAmplitudeOf(ws_, args.back()); break;
        case Function::AmplitudeOmission: result = amplitudeOmissionOf(ws_, args.back()); break;
        case Function::Lookup: result = indicatorValue(ws_, args.back()); break;
    }
    operand_ = result;
    pos_ = close + 1;
    // An offset in front of a function applies to the whole call.
    if (offsetFlag_) returnToSavedDraw();
    if (!atEnd() && text_[pos_] != ' ' && text_[pos_] != ')' && !isOperator(text_[pos_]))
        return fail(formula_error::kAfterFunction);
    return afterOperand();
}

bool tgs::apply() {
    if (pendingOp_ == 0) {
        accumulator_ = operand_;
    } else {
        int32_t result = 0;
        if (!combine(accumulator_, pendingOp_, operand_, result)) return false;
        accumulator_ = result;
    }
    tokenStart_ = pos_ + 1;
    return true;
}

bool tgs::combine(int32_t left, char op, int32_t right, int32_t& result) {
    const uint32_t l = static_cast<uint32_t>(left), r = static_cast<uint32_t>(right);
    switch (op) {
        case '+': result = wrap(l + r); return true;
        case '-': result = wrap(l - r); return true;
        case '*': result = wrap(l * r); return true;
        case '/':
        case '%':
            if (right == 0) {
                fail(formula_error::kDivisionByZero);
                return false;
            }
            if (right == -1) {  // the one quotient that does not fit: wrap it
                result = op == '/' ? wrap(0u - l) : 0;
                return true;
            }
            result = op == '/' ? left / right : left % right;
            return true;
        case '!':
            // Subtract right from left while right < left; for right > 0 this is ((left − 1) mod right) + 1.
            if (left <= right) {
                result = left;
            } else if (right <= 0) {
                fail(formula_error::kTruncationRight);
                return false;
            } else {
                result = (left - 1) % right + 1;
            }
            return true;
        case '&': result = (left != 0 && right != 0) ? 1 : 0; return true;
        case '#': result = (left != 0 || right != 0) ? 1 : 0; return true;
        case '>': result = left > right ? 1 : 0; return true;
        case '<': result = left < right ? 1 : 0; return true;
        case '=': result = left == right ? 1 : 0; return true;
        default: result = right; return true;
    }
}

void tgs::returnToSavedDraw() {
    t_s_dm& store = ws_.MainStore;
    if (store.RecNo() != savedRow_ && savedRow_ >= 1 && savedRow_ <= store.Count()) store.SetRecNo(savedRow_);
}

const char* formulaTextRefusal(std::string_view text) {
    if (nestsTooDeep(text)) return formula_error::kTooDeep;
    if (text.size() > kMaxFormulaLength) return formula_error::kTooLong;
    return nullptr;
}

bool checkFormulaText(std::string_view text, std::string* message) {
    std::string last;
    if (text.empty()) {
        last = "自定义公式不能为空";
    } else {
        auto count = [&](char c) { return std::count(text.begin(), text.end(), c); };
        if (count(' ') > 0) last = "不能有空格";
        if (count('(') != count(')')) last = "\"(\"与\")\"不匹配";
        if (count('[') != count(']')) last = "\"[\"与\"]\"不匹配";
    }
    if (message) *message = last;
    return last.empty();
}

}  // namespace qorvel
