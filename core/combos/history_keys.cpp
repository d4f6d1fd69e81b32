#include "combos/history_keys.h"

namespace qorvel {
namespace {

constexpr std::size_t kInitialSlots = 1 << 13;
constexpr int kSeenBits = 1 << 16;

uint64_t mix(uint64_t key) {
    key ^= key >> 29;
    key *= 0xBF58476D1CE4E5B9ull;
    return key ^ (key >> 32);
}

std::size_t spread(uint64_t key, std::size_t slots) { return static_cast<std::size_t>(mix(key)) & (slots - 1); }

std::size_t seenBit(uint64_t key) { return static_cast<std::size_t>(mix(key) >> 48) & (kSeenBits - 1); }

}  // namespace

uint64_t HistoryKeySet::keyOf(const int32_t* numbers, int count) {
    uint64_t key = 0;
    for (int i = 0; i < count; ++i)
        key |= (numbers[i] >= 1 && numbers[i] <= 63) ? (uint64_t{1} << numbers[i]) : uint64_t{1};
    return key;
}

void HistoryKeySet::clear() {
    slots_.assign(kInitialSlots, 0);
    seen_.assign(kSeenBits / 64, 0);
    used_ = 0;
}

void HistoryKeySet::grow() {
    std::vector<uint64_t> old = std::move(slots_);
    slots_.assign(old.size() * 2, 0);
    used_ = 0;
    for (uint64_t k : old)
        if (k) insert(k);
}

void HistoryKeySet::insert(uint64_t key) {
    if (key == 0) return;
    if (slots_.empty()) clear();
    if (2 * (used_ + 1) > slots_.size()) grow();
    std::size_t i = spread(key, slots_.size());
    while (slots_[i] != 0) {
        if (slots_[i] == key) return;
        i = (i + 1) & (slots_.size() - 1);
    }
    slots_[i] = key;
    ++used_;
    const std::size_t bit = seenBit(key);
    seen_[bit / 64] |= uint64_t{1} << (bit % 64);
}

bool HistoryKeySet::contains(uint64_t key) const {
    if (key == 0 || slots_.empty()) return false;
    const std::size_t bit = seenBit(key);
    if (!(seen_[bit / 64] >> (bit % 64) & 1)) return false;
    std::size_t i = spread(key, slots_.size());
    while (slots_[i] != 0) {
        if (slots_[i] == key) return true;
        i = (i + 1) & (slots_.size() - 1);
    }
    return false;
}

}  // namespace qorvel
