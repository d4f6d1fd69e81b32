// Shared by the composite-code files: reading the parameter text of a composite code and the entry to the
// expression codes (patterns and groups).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace qorvel {

struct Workspace;

// A decimal integer with an optional sign, nothing else, within 32 bits.
std::optional<int32_t> parseCompositeInteger(std::string_view text);

// Three integers joined by "_" (split at the first "_", then at the next).
std::optional<std::array<int32_t, 3>> splitCompositeTriple(std::string_view text);

enum class ExpressionCode { PatternOfTwo, PatternOfThree, Group };

// The value of an expression code whose parameter text is "e1|e2|…:k".
int32_t expressionCodeValue(Workspace& ws, ExpressionCode code, std::string_view text);

}  // namespace qorvel
