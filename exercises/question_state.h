#pragma once

#include <array>
#include <cstdint>

#include "exercises/catalogue.h"

namespace crossmere {

// One question of the current try.
struct QuestionRecord {
  bool opened = false;     // its window has been set up in this try
  bool completed = false;  // marked; the menu shows a bullet
  std::int32_t mark = 0;
  std::int32_t maximum = 0;
};

// The questions of the current try, 1..10 (element 0 unused).
struct QuestionState {
  std::array<QuestionRecord, kMaxQuestions + 1> records{};
  std::int32_t current = 0;  // last chosen, 0 = none yet
  std::int32_t showing = 0;  // window visible, 0 = none
  bool refuse = false;  // set by a family to keep the question unmarked
};

}  // namespace crossmere
