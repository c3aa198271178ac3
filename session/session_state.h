#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "exercises/catalogue.h"
#include "exercises/progress.h"
#include "exercises/question_state.h"
#include "genetics/exercise_setup.h"
#include "genetics/genetics_state.h"
#include "genetics/offspring.h"
#include "genetics/pictures/picture_input.h"
#include "genetics/stock.h"
#include "layer/layout.h"
#include "layer/random_generator.h"
#include "records/class_options.h"
#include "records/identity.h"

namespace crossmere {

// Time in ticks of 1/60 second; the program reads the machine's clock, tests their own.
using Clock = std::function<std::int64_t()>;

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

// Everything a saved-work file keeps and a teacher's run recreates: who the
// student is, how far they have come, the example with its stock, and the
// generator that draws the rest of it.
struct SessionState {
  RandomGenerator random;
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
  // The questions last prepared for each exercise, which its later tries keep.
  std::array<PreparedQuestions, kExercisesPerSet + 1> preparedQuestions{};
  QuestionState questionState;
  OrganismPalette palette = DefaultPalette();
  ContainerState containers;
  CrossState cross;
  GeneSymbolChoices geneSymbols{};  // the teacher's, for this run
};

// Frees a screen number: its class, its F1 mark, and its place in the
// crossing box's memory of last parents.
void FreeObject(SessionState& state, std::int32_t object);

}  // namespace crossmere
