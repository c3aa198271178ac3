#pragma once

#include <cstdint>
#include <optional>

namespace crossmere {

// The eight colours that pictures and labels name by number
// (30 white, 33 black, 69 yellow, 137 purple, 205 red, 273 cyan,
// 341 green, 409 blue), as 0xRRGGBB. Any other number names no colour.
std::optional<std::uint32_t> ColourOfNumber(std::int32_t number);

}  // namespace crossmere
