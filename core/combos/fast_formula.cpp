#include "combos/fast_formula.h"

#include <charconv>
#include <climits>
#include <string>

namespace qorvel {
namespace {

// The operator characters of the formula language; '!' (截缩) is left to the evaluator.
constexpr std::string_view kOperators = "+-*/%!&#><=";
constexpr std::string_view kDirectOperators = "+-*/%&#><=";

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isOperator(char c) { return kOperators.find(c) != std::string_view::npos; }

std::optional<int32_t> apply(char op, int32_t left, int32_t right) {
    const uint32_t l = static_cast<uint32_t>(left), r = static_cast<uint32_t>(right);
    switch (op) {
        case '+': return static_cast<int32_t>(l + r);
        case '-': return static_cast<int32_t>(l - r);
        case '*': return static_cast<int32_t>(l * r);
        case '/':
        case '%':
            if (right == 0 || (left == INT32_MIN && right == -1)) return std::nullopt;
            return op == '/' ? left / right : left % right;
        case '&': return (l * r) != 0 ? 1 : 0;
        case '#': return (left != 0 || right != 0) ? 1 : 0;
        case '>': return left > right ? 1 : 0;
        case '<': return left < right ? 1 : 0;
        case '=': return left == right ? 1 : 0;
        default: return std::nullopt;
    }
}

}  // namespace

std::optional<DirectFormula> DirectFormula::compile(std::string_view text, const HistoryContext& context) {
    DirectFormula f;
    std::size_t pos = 0;
    char op = 0;
    while (true) {
        if (pos >= text.size()) return std::nullopt;  // empty text, or an operator at the end
        Term term;
        term.op = op;
        const std::size_t start = pos;
        if (isDigit(text[pos])) {
            while (pos < text.size() && isDigit(text[pos])) ++pos;
            int32_t v = 0;
            auto [ptr, ec] = std::from_chars(text.data() + start, text.data() + pos, v);
            if (ec != std::errc()) return std::nullopt;
            term.number = v;
        } else if (isLetter(text[pos])) {
            while (pos < text.size() && !isOperator(text[pos]) && text[pos] != '(' && text[pos] != ')' &&
                   text[pos] != ' ')
                ++pos;
            auto indicator = compileDirect(text.substr(start, pos - start), context);
            if (!indicator) return std::nullopt;
            term.isNumber = false;
            term.indicator = *indicator;
        } else {
            return std::nullopt;
        }
        f.terms_.push_back(term);
        if (pos == text.size()) return f;
        if (kDirectOperators.find(text[pos]) == std::string_view::npos) return std::nullopt;
        op = text[pos++];
    }
}

std::optional<int32_t> DirectFormula::value(const Ticket& ticket, const HistoryContext& context) const {
    int32_t acc = 0;
    for (const Term& t : terms_) {
        const int32_t operand = t.isNumber ? t.number : directValue(t.indicator, ticket, context);
        if (t.op == 0) {
            acc = operand;
            continue;
        }
        auto next = apply(t.op, acc, operand);
        if (!next) return std::nullopt;
        acc = *next;
    }
    return acc;
}

}  // namespace qorvel
