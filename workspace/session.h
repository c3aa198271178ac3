#pragma once

#include <array>
#include <cstdint>

#include "layer/layout.h"
#include "layer/random_generator.h"
#include "layer/string_lists.h"
#include "layer/window_service.h"

namespace crossmere {

// What start-up settles before the first exercise.
struct StartupState {
  LayoutSize layout;
  bool advancedLevel = false;  // the welcome window's "Advanced" choice
  // Four random bits with exactly two set, kept for setting up exercises.
  std::array<std::int32_t, 4> startBits{};
};

// Switches of the Auto menu.
struct AutoSettings {
  bool autoFill = false;
  bool autoName = true;
};

// The whole state of one run. Every routine reaches it the same way, and a
// test starts from a fresh one.
struct Session {
  StringLists strings;
  RandomGenerator random;
  WindowService service{strings};
  StartupState startup;
  AutoSettings autoSettings;
};

}  // namespace crossmere
