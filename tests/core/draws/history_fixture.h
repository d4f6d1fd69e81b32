// A workspace of one lottery type whose history lives in a temporary draw file, for the tests of entry,
// import, online update and transformation.
#pragma once

#include <string>
#include <vector>

#include "test_support.h"
#include "types/workspace.h"

namespace qorvel::testing {

// Six of 1..33 plus one of 1..16, labelled 红号/蓝号.
TypeParams sixOf33();
// Five of 1..22 with no special numbers.
TypeParams fiveOf22();

class HistoryFixture {
public:
    // The draws ({issue, numbers...}) are sorted and written to the draw file.
    explicit HistoryFixture(const std::vector<std::vector<int>>& draws, TypeParams params = sixOf33());

    Workspace ws;

    // The draw file's bytes as they are now.
    std::string fileBytes() const;
    // Issue and the first `numbers` numbers of every draw in memory.
    std::vector<std::vector<int>> draws(int numbers) const;
    // The same, read back from the draw file.
    std::vector<std::vector<int>> fileDraws(int numbers) const;
    const std::filesystem::path& folder() const { return dir_.path(); }

private:
    TempDir dir_;
};

// Draws {issue, numbers...} of the rows of a store.
std::vector<std::vector<int>> storeDraws(const t_s_dm& store, int numbers);

}  // namespace qorvel::testing
