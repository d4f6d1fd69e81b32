// Composite codes: parameterised indicator names beginning "c_" — pair counts, zones, remainders,
// omission ranges, determinant rows and columns, patterns of two or three expressions and features of a
// group of expressions — and the pure computations behind them.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace qorvel {

struct Workspace;

constexpr int32_t kMalformedComposite = -999;  // a parameter text that is not what the code needs
constexpr int32_t kFailedGroup = -1;           // a group expression failed or was negative
constexpr int32_t kSingleValueGroupMinimum = 999999;

// The value of a composite code at the cursor of ws.MainStore. nullopt when the name does not start
// with a composite prefix; −999 when it does but its parameters are malformed. The cursor is returned.
std::optional<int32_t> compositeValue(Workspace& ws, std::string_view name);

// Empty rows (kind 0), empty columns (kind 1) or both (kind 2) when the numbers are laid out in rows of
// `columns` cells in the given order (order[0] is the first cell). Cells past the end of the order hold
// no number. Other kinds give 0.
int32_t EmptyLineCount(int kind, int columns, int rows, std::span<const int32_t> numbers,
                       std::span<const uint8_t> order);

// The rows (kind 0), columns (kind 1) or rows then columns (kind 2) that hold a number, as bits: the
// first row or column is bit 0. Bits past the 32nd are dropped. Other kinds give 0.
int32_t LinePattern(int kind, int columns, int rows, std::span<const int32_t> numbers,
                    std::span<const uint8_t> order);

// The value of pattern kind k for two or three expression values, given the same expressions' values at
// the previous draw and two draws back. Kinds the code does not define give 0.
int32_t patternValue(int kind, std::span<const int32_t> values, std::span<const int32_t> previous,
                     std::span<const int32_t> twoBack);

// Feature f of a group of non-negative values, given the same expressions' values at the previous draw.
int32_t groupFeature(int feature, std::span<const int32_t> values, std::span<const int32_t> previous);

}  // namespace qorvel
