#include "views/draw_surface.h"

namespace qorvel {

PenStyle penStyleFromByte(std::uint8_t value) {
    return value <= static_cast<std::uint8_t>(PenStyle::Clear) ? static_cast<PenStyle>(value) : PenStyle::Solid;
}

}  // namespace qorvel
