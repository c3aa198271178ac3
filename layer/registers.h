#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace crossmere {

// Rectangles as the service reports them, in the window's coordinates.
struct ServiceRect {
  std::int32_t top = 0;
  std::int32_t left = 0;
  std::int32_t bottom = 0;
  std::int32_t right = 0;
};

constexpr bool Contains(const ServiceRect& r, std::int32_t x, std::int32_t y) {
  return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

// Square pixels that two rectangles share, 0 when they do not meet.
constexpr std::int32_t OverlapArea(const ServiceRect& a, const ServiceRect& b) {
  const std::int32_t w = (a.right < b.right ? a.right : b.right) - (a.left > b.left ? a.left : b.left);
  const std::int32_t h = (a.bottom < b.bottom ? a.bottom : b.bottom) - (a.top > b.top ? a.top : b.top);
  return w > 0 && h > 0 ? w * h : 0;
}

// The registers through which every service call passes its results. Each
// keeps its value until the next call that writes it, except resultWord,
// which every call first sets to 0.
struct ServiceRegisters {
  std::int32_t resultWord = 0;
  std::string stringRegister;    // at most 255 characters
  std::string fileNameRegister;  // at most 255 characters
  std::int32_t intRegister = 0;
  std::int32_t longRegister = 0;
  double realRegister = 0.0;
  std::int32_t itemHit = 0;

  struct Colour {
    std::int32_t red = 0;    // 8-bit component times 256
    std::int32_t green = 0;
    std::int32_t blue = 0;
    std::uint32_t rgb = 0;   // 0xRRGGBB
  } colour;

  ServiceRect dragRect;
  struct {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    std::int32_t componentCount = 0;
  } windowRect;

  bool itemFound = false;
  struct {
    bool visible = false;
    std::int32_t enabled = -1;  // 1 enabled, -1 disabled
    std::int32_t resID = 0;
    bool checked = false;
    std::int32_t dialog = 0;
    std::int32_t item = 0;
  } itemState;

  // The event record: who was clicked, written before the main event routine runs.
  std::int32_t eventWindow = 0;  // window number, or menu number for a command
  std::int32_t eventItem = 0;    // item number, or command number
  std::int32_t eventMenuPos = 0; // 1-based position of a command in its menu
  std::int32_t clickCount = 0;   // 2 after a double click on a container
  // While the event routine runs for Space (clickCount 1) or Return
  // (clickCount 2) on a focused picture: the click came from the keyboard.
  bool fromKeyboard = false;
  bool dragActive = false;       // a drag is running; further mouse-downs are ignored
  // The pointer in the window's item area: where the last press happened,
  // and after a drag where the button went up.
  std::int32_t pointerX = 0;
  std::int32_t pointerY = 0;
};

// Variables bound to dialog items by item number; one binding per number
// at a time, whichever window the item is in.
struct ItemBindings {
  static constexpr int kMaxBoundItem = 500;
  static constexpr int kMaxKindItem = 1500;
  static constexpr std::int32_t kUnbound = 11;

  std::array<std::int32_t*, kMaxBoundItem + 1> ints{};
  std::array<std::int32_t*, kMaxBoundItem + 1> longs{};
  std::array<double*, kMaxBoundItem + 1> reals{};
  std::array<std::string*, kMaxBoundItem + 1> texts{};
  std::array<std::int32_t, kMaxKindItem + 1> kinds = [] {
    std::array<std::int32_t, kMaxKindItem + 1> k{};
    k.fill(kUnbound);
    return k;
  }();
  std::string lastEnteredText;  // whole text of the last text field read
};

// An empty real field reads as this marker, so a question can tell "no
// answer" from an answer of 0.
inline constexpr double kBlankReal = -0.001;

}  // namespace crossmere
