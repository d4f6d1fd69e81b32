#include "engine/indicators.h"

#include <string>

namespace qorvel {

bool isPrime(int x) {
    if (x < 1) return false;
    for (int d = 2; d * d <= x; ++d)
        if (x % d == 0) return false;
    return true;
}

int32_t indicatorValue(Workspace& ws, std::string_view name) {
    const t_s_dm& store = ws.MainStore;
    if (name == "test") return store.GetValue();
    if (name == "z_hz") {
        int32_t sum = 0;
        for (int k = 1; k <= ws.params.MainCount; ++k) sum += store.GetField(k);
        return sum;
    }
    if (name.size() == 6 && name.substr(0, 5) == "z_num" && name[5] >= '1' && name[5] <= '7')
        return store.GetField(name[5] - '0');
    return kUnknownIndicator;
}

}  // namespace qorvel
