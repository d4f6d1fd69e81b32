// The state behind the graphical entry dialog: forty number buttons, a row of result cells filled in
// ascending order per zone, and the next-cell counter that decides whether a click picks a main or a
// special number.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "draws/draw_entry.h"
#include "types/workspace.h"

namespace qorvel {

constexpr int kEntryButtons = 40;
inline constexpr const char* kGraphicalEntryCaption = "添加开奖数据";

// "本彩票中，添加的开奖数据不能少于" + count + "个"
std::string tooFewNumbersMessage(int count);

class GraphicalEntry {
public:
    explicit GraphicalEntry(const TypeParams& params);

    // "重置": counter 1, no button selected, every cell empty.
    void reset();

    // A click on button n (1..40). A main pick fills the main cells, a special pick the special cells,
    // each zone in ascending order. A number outside the zone's range is refused, as is every click once
    // all cells are filled. Returns whether the click picked the number (or it was already picked).
    bool click(int number);

    // Result cell i (1-based) holds the i-th picked number, 0 when empty.
    int cell(int i) const;
    int cellCount() const { return mainCount_ + specialCount_; }
    // The cell the next pick goes to; cellCount() + 1 when all are filled.
    int nextCell() const { return counter_; }
    bool buttonSelected(int number) const;

    // "添加": checks the issue and that every cell is filled, then adds the draw unless its issue exists.
    // On success the dialog closes (outcome.stored).
    EntryOutcome add(Workspace& ws, std::string_view issueText) const;

private:
    void refreshCells();

    int mainCount_;
    int specialCount_;
    int mainFrom_, mainTo_, specialFrom_, specialTo_;
    int counter_ = 1;
    std::array<bool, kEntryButtons + 1> pickedMain_{};
    std::array<bool, kEntryButtons + 1> pickedSpecial_{};
    std::vector<int> cells_;
};

}  // namespace qorvel
