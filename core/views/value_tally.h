// How often each value of a series occurred and how many draws have passed since it last did.
#pragma once

#include <cstdint>
#include <vector>

namespace qorvel {

struct ValueTally {
    int64_t value = 0;
    int count = 0;
    int omission = 0;  // draws after its last occurrence; every draw when it never occurred
};

struct ValueTallies {
    std::vector<ValueTally> values;  // ascending by value
    int outside = 0;                 // occurrences outside a listed range
};

// A range low..high of at most maxListed values lists every value of it (values outside it are counted
// together in `outside`); a wider or empty range lists only the values that occurred.
ValueTallies tallyValues(const std::vector<int32_t>& series, int64_t low, int64_t high, int maxListed);

}  // namespace qorvel
