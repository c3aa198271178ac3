#pragma once

#include <array>
#include <cstdint>

#include "exercises/catalogue.h"
#include "exercises/progress.h"
#include "exercises/question_state.h"
#include "genetics/exercise_setup.h"
#include "genetics/genetics_state.h"
#include "genetics/offspring.h"
#include "genetics/pictures/picture_input.h"
#include "layer/layout.h"
#include "layer/random_generator.h"
#include "layer/string_lists.h"
#include "layer/window_service.h"
#include "records/class_options.h"
#include "records/identity.h"
#include "workspace/containers.h"
#include "workspace/crossing_box.h"

namespace crossmere {

// What start-up settles before the first exercise.
struct StartupState {
  LayoutSize layout;
  std::int32_t advancedLevel = 0;  // the welcome window's "Advanced" button, 1 when chosen
  bool fixedSeedMode = false;      // reproducible runs for checking, offspring included
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
  ClassOptions classOptions;
  StudentIdentity identity;
  ExerciseSet exercises;
  ProgressState progress;
  GeneticsState genetics;
  ExampleState example;
  OffspringState offspring;
  PreparedQuestions questions;
  QuestionState questionState;
  OrganismPalette palette = DefaultPalette();
  ContainerState containers;
  CrossState cross;
};

}  // namespace crossmere
