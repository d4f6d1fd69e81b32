#include "views/view_text.h"

#include "draws/draw_entry.h"
#include "draws/t_s_dm.h"
#include "text/number_text.h"

namespace qorvel {

std::string issueCaption(int32_t issue) {
    return issue == kForecastIssue ? std::string(kForecastIssueText) : std::to_string(issue);
}

std::string fixedQuotient(int64_t num, int64_t den, int decimals) {
    int64_t scale = 1;
    for (int i = 0; i < decimals; ++i) scale *= 10;
    // Half up on the exact quotient: floor((2·num·scale + den) / (2·den)).
    const int64_t scaled = den > 0 ? (2 * num * scale + den) / (2 * den) : 0;
    std::string text = std::to_string(scaled / scale);
    if (decimals > 0) {
        std::string fraction = std::to_string(scaled % scale);
        text += '.' + std::string(static_cast<std::size_t>(decimals) - fraction.size(), '0') + fraction;
    }
    return text;
}

std::string percentText(int64_t num, int64_t den) { return fixedQuotient(num * 100, den, 1) + "%"; }

std::string numbersFollowedBy(const std::vector<int>& numbers, const std::string& after) {
    std::string text;
    for (int n : numbers) text += TwoDigitText(n) + after;
    return text;
}

std::string numbersJoined(const std::vector<int>& numbers, const std::string& separator) {
    std::string text;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        if (i > 0) text += separator;
        text += TwoDigitText(numbers[i]);
    }
    return text;
}

std::string ratioText(const std::vector<int>& counts) {
    std::string text;
    for (std::size_t i = 0; i < counts.size(); ++i) {
        if (i > 0) text += ':';
        text += std::to_string(counts[i]);
    }
    return text;
}

}  // namespace qorvel
