// tmystack: the evaluator's stack of open groups — two integers per open parenthesis (the value so far
// and the code of the operator waiting for the group). It grows as needed, so any nesting depth fits.
#pragma once

#include <cstdint>
#include <vector>

namespace qorvel {

class tmystack {
public:
    void clear() { values_.clear(); }
    int count() const { return static_cast<int>(values_.size()); }
    void push(int32_t v) { values_.push_back(v); }
    // The top value, removed; 0 when the stack is empty (callers test count() first).
    int32_t pop();

private:
    std::vector<int32_t> values_;
};

}  // namespace qorvel
