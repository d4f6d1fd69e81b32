// Number formatting shared by every text file and grid.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qorvel {

// The decimal text of n with a "0" in front when it has one digit: 7 -> "07", 12 -> "12".
std::string TwoDigitText(int n);

// Reads a whole number the way the input boxes accept it: optional blanks around, optional sign, decimal
// digits, within 32 bits. Anything else (empty text included) gives nothing.
std::optional<int> parseWholeNumber(std::string_view text);

// Trims ASCII blanks (space, tab, CR, LF) on both sides.
std::string_view trimBlanks(std::string_view text);

}  // namespace qorvel
