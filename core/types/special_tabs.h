// Which special-number tabs of the combination and banker/kill pages a lottery type shows.
#pragma once

#include <optional>
#include <string>

namespace qorvel {

// An empty value leaves that tab as it is.
struct SpecialTabVisibility {
    std::optional<bool> specialFilter;        // 副区过滤
    std::optional<bool> singleSpecialFilter;  // the single-special filter tab
    std::optional<bool> dualZoneMatch;        // 双区匹配
    std::optional<bool> specialBanker;        // 副区定胆
    std::optional<bool> specialKill;          // 副区杀号
    bool operator==(const SpecialTabVisibility&) const = default;
};

// The rule for a slot's stored special count and its special label: two special numbers show the
// two-number tabs, one shows the single-number tabs, none hides all five, other counts change nothing;
// the label "特别号" always hides the dual-zone match.
SpecialTabVisibility specialTabVisibility(int specialCount, const std::string& specialLabel);

}  // namespace qorvel
