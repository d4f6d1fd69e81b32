// Fixed-capacity integer containers shared by the whole system: tseqlist (a list of integers),
// tsortseqlist (scored entries sortable by score) and thash (a set of 2^20 keys with a one-step mark).
// Storage is allocated once at construction; adding past capacity is refused.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace qorvel {

constexpr int kSeqListCapacity = 2001;
constexpr int kHashSlots = 1 << 20;

class tseqlist {
public:
    int count() const { return count_; }
    // Appends v; false (and nothing written) when the list already holds its capacity.
    bool add(int32_t v);
    void clear() { count_ = 0; }
    // Value k (1-based); −1 beyond the count or below 1.
    int32_t get(int k) const { return (k >= 1 && k <= count_) ? values_[k] : -1; }
    bool contains(int32_t v) const;

private:
    int32_t values_[kSeqListCapacity + 1] = {};
    int count_ = 0;
};

struct SortSeqEntry {
    int32_t id = -1;
    float score = -1.0f;
    int32_t payload = 0;
};

class tsortseqlist {
public:
    int count() const { return count_; }
    // A new entry with id = new count and the given score; its payload keeps what the slot held.
    bool add(float score);
    bool addWithPayload(int32_t payload, float score);
    void clear() { count_ = 0; }
    // Stable: equal scores keep insertion order.
    void sort(bool descending);
    // Entry k (1-based); (−1, −1.0, 0) beyond the count.
    SortSeqEntry get(int k) const;

private:
    SortSeqEntry entries_[kSeqListCapacity + 1] = {};
    int count_ = 0;
};

class thash {
public:
    thash();
    void clear();
    // 1 or 2 when key is present (its state), 0 when an empty slot ends the probe, −1 when the table is
    // full. slot receives the position the probe stopped at.
    int find(uint32_t start, int32_t key, int* slot = nullptr) const;
    bool insert(uint32_t start, int32_t key);
    bool mark(uint32_t start, int32_t key);

private:
    std::unique_ptr<int32_t[]> keys_;
    std::unique_ptr<uint8_t[]> states_;
};

}  // namespace qorvel
