// IndicatorInfo: the record of the last catalogue lookup (code, display name and value range). One
// instance lives in the Workspace and is shared by every page; pages may also write it directly.
#pragma once

#include <cstdint>
#include <string>

namespace qorvel {

struct IndicatorInfo {
    std::string code;  // the code of the last lookup, written whether it matched or not
    std::string name;  // display name (UTF-8)
    int32_t minimum = 0;
    int32_t maximum = 0;
};

}  // namespace qorvel
