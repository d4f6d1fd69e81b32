// Switching the lottery type ("彩种选择"): the type dialog, then either the new type is loaded everywhere
// or the previous one stays, and the type-dependent captions and tabs follow the current slot.
#pragma once

#include <optional>
#include <string>

namespace qorvel {

class Tf_main;

// Which special-number tabs of the combination and banker/kill pages are shown for a slot; an empty value
// leaves that tab as it is.
struct SpecialTabVisibility {
    std::optional<bool> specialFilter;        // 副区过滤
    std::optional<bool> singleSpecialFilter;  // the single-special filter tab
    std::optional<bool> dualZoneMatch;        // 双区匹配
    std::optional<bool> specialBanker;        // 副区定胆
    std::optional<bool> specialKill;          // 副区杀号
};

// The rule for a slot's stored special count and its special label: two special numbers show the
// two-number tabs, one shows the single-number tabs, none hides all five, other counts change nothing;
// the label "特别号" always hides the dual-zone match.
SpecialTabVisibility specialTabVisibility(int specialCount, const std::string& specialLabel);

// Shows the type dialog modally and applies its outcome (the pages are already closed).
void changeLotteryType(Tf_main& window);

}  // namespace qorvel
