// Direct evaluation of the simplest custom-indicator formulas: numbers and built-in codes joined by
// operators, with no group, offset, function or space (z_hz%3, z_num1+z_num2>30). Such a formula is read
// strictly left to right with 32-bit wrapping arithmetic, so it can be computed from a ticket without
// placing the ticket in the draw store. Every other formula goes to the formula evaluator.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "combos/ticket_kernel.h"

namespace qorvel {

class DirectFormula {
public:
    // Nothing when the formula is not of the simple form or names a code without a direct form.
    static std::optional<DirectFormula> compile(std::string_view formula, const HistoryContext& context);

    // The value, or nothing when an operation has no defined result here (a division by zero), in which
    // case the caller evaluates the formula the ordinary way.
    std::optional<int32_t> value(const Ticket& ticket, const HistoryContext& context) const;

private:
    struct Term {
        char op = 0;  // operator before the term; 0 for the first
        bool isNumber = true;
        int32_t number = 0;
        DirectIndicator indicator;
    };
    std::vector<Term> terms_;
};

}  // namespace qorvel
