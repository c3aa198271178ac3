#pragma once

#include <cstdint>

namespace crossmere {

struct LayoutSize {
  std::int32_t width = 800;
  std::int32_t height = 600;
  bool operator==(const LayoutSize&) const = default;
};

// The main window's size for a screen: 800 x 600, widened to 1280 on screens
// at least 1281 pixels wide and heightened to 960 on screens at least 961 tall.
constexpr LayoutSize LayoutForScreen(std::int32_t screenWidth, std::int32_t screenHeight) {
  return {screenWidth >= 1281 ? 1280 : 800, screenHeight >= 961 ? 960 : 600};
}

}  // namespace crossmere
