#include "layer/colours.h"

namespace crossmere {

std::optional<std::uint32_t> ColourOfNumber(std::int32_t number) {
  switch (number) {
    case 30: return 0xFFFFFFu;
    case 33: return 0x000000u;
    case 69: return 0xFFFF00u;
    case 137: return 0x800080u;
    case 205: return 0xFF0000u;
    case 273: return 0x00FFFFu;
    case 341: return 0x008000u;
    case 409: return 0x0000FFu;
    default: return std::nullopt;
  }
}

}  // namespace crossmere
