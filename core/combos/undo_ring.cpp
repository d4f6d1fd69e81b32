#include "combos/undo_ring.h"

namespace qorvel {

void tjlq::push() {
    if (current < 0) {
        oldest = current = 0;
        steps = 0;
        return;
    }
    current = (current + 1) % kUndoSlots;
    if (current == oldest) oldest = (current + 1) % kUndoSlots;
    if (steps < kMaxUndoSteps) ++steps;
}

bool tjlq::stepBack() {
    if (steps <= 0) return false;
    --steps;
    current = current == 0 ? kUndoSlots - 1 : current - 1;
    return true;
}

std::string undoFileName(int slot) { return "hfset" + std::to_string(slot) + ".zh"; }

}  // namespace qorvel
