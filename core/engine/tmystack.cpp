#include "engine/tmystack.h"

namespace qorvel {

int32_t tmystack::pop() {
    if (values_.empty()) return 0;
    int32_t v = values_.back();
    values_.pop_back();
    return v;
}

}  // namespace qorvel
