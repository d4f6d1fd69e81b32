// The set of main-number sets already drawn, for "不允许所有主号与历史完全相同". Each draw is keyed
// exactly by the 64-bit set of its numbers, so a look-up never finds a set that was not drawn.
#pragma once

#include <cstdint>
#include <vector>

namespace qorvel {

class HistoryKeySet {
public:
    // The key of a set of numbers: bit n for each number 1..63; any other value sets bit 0, which no
    // ticket of main numbers has.
    static uint64_t keyOf(const int32_t* numbers, int count);

    void clear();
    void insert(uint64_t key);
    bool contains(uint64_t key) const;

private:
    void grow();
    std::vector<uint64_t> slots_;  // open addressing; 0 marks an empty slot
    std::size_t used_ = 0;
    // One bit per hash value: most sets never drawn are turned away without a probe.
    std::vector<uint64_t> seen_;
};

}  // namespace qorvel
