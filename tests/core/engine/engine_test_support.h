// Helpers shared by the indicator tests: a workspace over a small history built in memory.
#pragma once

#include <memory>
#include <vector>

#include "types/workspace.h"

namespace qorvel::testing {

// A workspace of the given type whose MainStore holds the draws ({issue, numbers...}, in order), zone
// bounds built, default cold/hot settings and the determinant order 1..100; the cursor on the last draw.
std::unique_ptr<Workspace> workspaceWith(const std::vector<std::vector<int>>& draws, TypeParams params = {});

// The same over the first `count` draws of the bundled six-of-33 history.
std::unique_ptr<Workspace> sampleWorkspace(int count);

}  // namespace qorvel::testing
