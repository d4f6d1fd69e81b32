#include "types/special_tabs.h"

namespace qorvel {

SpecialTabVisibility specialTabVisibility(int specialCount, const std::string& specialLabel) {
    SpecialTabVisibility tabs;
    switch (specialCount) {
        case 2:
            tabs = {true, false, true, true, true};
            break;
        case 1:
            tabs = {false, true, true, false, true};
            break;
        case 0:
            tabs = {false, false, false, false, false};
            break;
        default:
            break;
    }
    if (specialLabel == "特别号") tabs.dualZoneMatch = false;
    return tabs;
}

}  // namespace qorvel
