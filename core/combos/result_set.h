// The main result set of the combination filter: Combinations of 8 bytes (the main numbers ascending,
// then the hit count of the last prize check), numbered from 1, growing as a run needs. Also the paging
// of the result grid.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace qorvel {

constexpr int kCombinationBytes = 8;
constexpr int kResultsPerPage = 10000;

// Bytes 0..N−1 hold the numbers ascending; byte N the hit count; the remaining bytes are left as they are.
struct Combination {
    std::array<uint8_t, kCombinationBytes> bytes{};

    uint8_t hits(int mainCount) const { return mainCount < kCombinationBytes ? bytes[mainCount] : 0; }
    void setHits(int mainCount, uint8_t h) {
        if (mainCount < kCombinationBytes) bytes[mainCount] = h;
    }
};
static_assert(sizeof(Combination) == kCombinationBytes);

class ResultSet {
public:
    ResultSet() : slots_(1) {}

    int count() const { return static_cast<int>(slots_.size()) - 1; }
    bool empty() const { return count() == 0; }
    // Slot k, 1..count(); slot 0 is scratch.
    Combination& slot(int k) { return slots_[static_cast<std::size_t>(k)]; }
    const Combination& slot(int k) const { return slots_[static_cast<std::size_t>(k)]; }

    void clear() { slots_.resize(1); }
    void append(const Combination& c) { slots_.push_back(c); }
    // Numbers ascending, count of them.
    void appendNumbers(const int32_t* ascending, int count);
    void truncate(int n) {
        if (n >= 0 && n < count()) slots_.resize(static_cast<std::size_t>(n) + 1);
    }
    // Room for n Combinations without growing; the store never holds more than it must.
    void reserve(std::size_t n) { slots_.reserve(n + 1); }
    void swap(ResultSet& other) noexcept { slots_.swap(other.slots_); }
    std::size_t capacity() const { return slots_.capacity() - 1; }

private:
    std::vector<Combination> slots_;
};

// Page count for a number of Combinations (10,000 a page, a partial page counts).
int resultPageCount(int count);
// "第" + page + "页/ " + pages + "页"
std::string resultPageLabel(int page, int pages);
// "投注结果：共" + count + "注"
std::string resultCountLabel(int count);

// The grid of one result page: the header row and one row per Combination.
struct ResultPage {
    int page = 1;
    int pages = 0;
    int first = 0;  // slot of the first row (0 when the page is empty)
    int last = -1;
    std::vector<std::string> headers;
    std::vector<std::vector<std::string>> rows;
};

// Columns "序号", mainLabel + 1..N, "中奖号个数" (the last one only while hits are shown).
ResultPage resultPage(const ResultSet& results, int page, int mainCount, const std::string& mainLabel,
                      bool hitsShown);

}  // namespace qorvel
