// Text formats shared by the analysis views: issue captions, number lists and fixed-decimal quotients.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qorvel {

// The issue as the first column of a view shows it: "预测区" for the forecast row, else its digits.
std::string issueCaption(int32_t issue);

// num / den written with exactly `decimals` decimals (0..4), rounded half up on the exact quotient; a zero
// divisor gives 0 with that many decimals ("0.00"). num and den are not negative.
std::string fixedQuotient(int64_t num, int64_t den, int decimals);

// num / den × 100 with one decimal and "%" ("57.3%"), rounded half up; "0.0%" for a zero divisor.
std::string percentText(int64_t num, int64_t den);

// Every number as a two-digit text followed by `after` ("01,05," for ",").
std::string numbersFollowedBy(const std::vector<int>& numbers, const std::string& after);

// The numbers as two-digit texts joined by `separator` (nothing after the last).
std::string numbersJoined(const std::vector<int>& numbers, const std::string& separator);

// Integers joined by ":" ("2:3:1").
std::string ratioText(const std::vector<int>& counts);

}  // namespace qorvel
