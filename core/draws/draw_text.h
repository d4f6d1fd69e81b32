// Plain draw-history text: one draw a line, the issue followed by the main and then the special numbers,
// separated by blanks. Used for the bundled sample histories and the command-line tool's --draws.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "draws/t_s_dm.h"
#include "types/lottery_type.h"

namespace qorvel {

struct DrawTextResult {
    std::vector<DrawFields> draws;
    std::string error;  // empty on success; names the first bad line
};

// Parses the text (GBK or ASCII). Empty lines are skipped. Each line needs the issue and
// MainCount + SpecialCount numbers; a shorter line or a non-number is an error.
DrawTextResult parseDrawText(std::string_view text, const TypeParams& params);

// Fills the store with the draws (in the order given) without touching its file.
void loadDrawsIntoStore(t_s_dm& store, const std::vector<DrawFields>& draws);

}  // namespace qorvel
