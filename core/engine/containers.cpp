#include "engine/containers.h"

#include <algorithm>

namespace qorvel {

bool tseqlist::add(int32_t v) {
    if (count_ >= kSeqListCapacity) return false;
    values_[++count_] = v;
    return true;
}

bool tseqlist::contains(int32_t v) const {
    for (int k = 1; k <= count_; ++k)
        if (values_[k] == v) return true;
    return false;
}

bool tsortseqlist::add(float score) {
    if (count_ >= kSeqListCapacity) return false;
    ++count_;
    entries_[count_].id = count_;
    entries_[count_].score = score;
    return true;
}

bool tsortseqlist::addWithPayload(int32_t payload, float score) {
    if (!add(score)) return false;
    entries_[count_].payload = payload;
    return true;
}

void tsortseqlist::sort(bool descending) {
    // Bubble passes from the last entry towards the first, swapping only on a strict order, until a
    // pass makes no swap: equal scores keep their insertion order.
    for (int pass = 1; pass < count_; ++pass) {
        bool swapped = false;
        for (int j = count_ - 1; j >= pass; --j) {
            const float later = entries_[j + 1].score;
            const float earlier = entries_[j].score;
            if (descending ? later > earlier : later < earlier) {
                std::swap(entries_[j], entries_[j + 1]);
                swapped = true;
            }
        }
        if (!swapped) break;
    }
}

SortSeqEntry tsortseqlist::get(int k) const {
    if (k >= 1 && k <= count_) return entries_[k];
    return SortSeqEntry{-1, -1.0f, 0};
}

thash::thash() : keys_(new int32_t[kHashSlots]), states_(new uint8_t[kHashSlots]) { clear(); }

void thash::clear() {
    std::fill_n(keys_.get(), kHashSlots, -1);
    std::fill_n(states_.get(), kHashSlots, 0);
}

int thash::find(uint32_t start, int32_t key, int* slot) const {
    const uint32_t mask = kHashSlots - 1;
    for (uint32_t i = 0; i < static_cast<uint32_t>(kHashSlots); ++i) {
        const uint32_t s = (start + i) & mask;
        if (states_[s] != 0 && keys_[s] == key) {
            if (slot) *slot = static_cast<int>(s);
            return states_[s];
        }
        if (states_[s] == 0) {
            if (slot) *slot = static_cast<int>(s);
            return 0;
        }
    }
    if (slot) *slot = -1;
    return -1;
}

bool thash::insert(uint32_t start, int32_t key) {
    int slot = -1;
    if (find(start, key, &slot) != 0 || slot < 0) return false;
    keys_[slot] = key;
    states_[slot] = 1;
    return true;
}

bool thash::mark(uint32_t start, int32_t key) {
    int slot = -1;
    if (find(start, key, &slot) != 1) return false;
    states_[slot] = 2;
    return true;
}

}  // namespace qorvel
