// Switching the lottery type ("彩种选择"): the type dialog, then either the new type is loaded everywhere
// or the previous one stays, and every page hears of it through the page table.
#pragma once

namespace qorvel {

class Tf_main;

// Shows the type dialog modally and applies its outcome (the pages are already closed).
void changeLotteryType(Tf_main& window);

}  // namespace qorvel
