// Data transformation: replaces, in memory only, every main number of the history by its rank in an
// ordering of all main numbers built from how recently each appeared before the draw (optionally
// reshuffled), and maps transformed numbers back. The draw file is never written with transformed numbers.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "draws/forecast_row.h"
#include "draws/t_s_dm.h"
#include "types/workspace.h"

namespace qorvel {

constexpr int kTransformLevels = 4;   // "变换1" to "变换4"; level 0 is the untransformed data
constexpr int kDrawShuffle = 3;       // the shuffle applied to each draw's numbers before ranking

inline constexpr std::array<const char*, kTransformLevels + 1> kTransformItems{"原始数据", "变换1", "变换2",
                                                                               "变换3", "变换4"};

// Shuffle S(b) of a[1..d], held here as a[0..d-1]: swap a[1] and a[b]; then for j = 1 to d - 2 swap
// a[j + 1] with a[((a[j] - 1) mod (d - 1)) + 2]. A selector beyond d leaves the first swap out; arrays of
// fewer than two numbers are left as they are.
void shuffleS(std::vector<int>& a, int b);

// Fills the mapping store with one row per draw of the history: row r holds, in fields 1 onward, every
// main number ordered by when it last appeared before draw r - 1 (walking back from draw r - 1, each
// draw's numbers in their S(3) order, numbers never met ascending at the end); row 1 is ascending. For a
// level of 2 or more every row is then reshuffled with S(level - 1).
void buildMappingStore(const t_s_dm& history, const TypeParams& params, int level, t_s_dm& mapping);

// The transformed number of `number` under mapping row `row` (the number whose place in the range
// matches its position in the row); the number itself when the row or the number is outside the mapping.
int transformedNumber(const t_s_dm& mapping, int row, int number, const TypeParams& params);
// The original number behind a transformed one under mapping row `row`; the inverse of the above.
int originalNumber(const t_s_dm& mapping, int row, int transformed, const TypeParams& params);

// "类型名(变换数据k)" for an active transformation, "类型名(原始数据)" for the untransformed data.
std::string transformCaption(const std::string& typeName, int level);

struct TransformOutcome {
    std::string error;               // a failed reload of the draw file; nothing changed then
    std::string caption;             // the main window's caption
    bool dataUpdateEnabled = true;   // the "数据更新" menu entry
};

// The transformation state of the run. The level is only believed while the workspace's
// data-transformed flag is set, so a type change (which clears the flag) also ends the transformation.
class DataTransform {
public:
    int level(const Workspace& ws) const { return ws.dataTransformed ? level_ : 0; }

    // Applies transformation k (0 = back to the draw file's numbers): reloads the history from its file,
    // keeps a forecast row and the selected numbers across the change (both in untransformed terms),
    // rebuilds the mapping store (ws.TransformStore) and rewrites the main numbers in memory.
    TransformOutcome apply(Workspace& ws, int k, SelectionFlags& selection);

    // The numbers of a ticket for the coming draw in the draw file's terms, ascending.
    std::vector<int> originalCombination(const Workspace& ws, std::vector<int> numbers) const;

private:
    int level_ = 0;
};

}  // namespace qorvel
