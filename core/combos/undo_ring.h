// tjlq: the undo ring of the combination filter. Every completed run pushes the conditions it ran with
// into one of five slots (saved as "hfset" + slot + ".zh"); undo steps back through up to four of them.
#pragma once

#include <string>

namespace qorvel {

constexpr int kUndoSlots = 5;
constexpr int kMaxUndoSteps = 4;

struct tjlq {
    int oldest = -1;   // −1 while empty
    int current = -1;  // −1 while empty
    int steps = 0;     // undo steps available, 0..4

    // The slot the next snapshot goes to becomes current.
    void push();
    // Steps back; false (and nothing changed) when there is no step to take.
    bool stepBack();
};

// "hfset" + slot + ".zh" in the program folder.
std::string undoFileName(int slot);

}  // namespace qorvel
