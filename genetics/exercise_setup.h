#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "genetics/exercise_options.h"
#include "genetics/genetics_state.h"
#include "genetics/offspring.h"
#include "layer/random_generator.h"

namespace crossmere {

// Class-wide settings that shape the examples.
using GeneSymbolChoices = std::array<std::array<char, kMaxCharacter + 1>, kPlant + 1>;

struct ExampleSettings {
  bool randomCharacters = false;
  bool randomInExercise = false;
  bool sexInMonkbears = false;
  bool censorMaleDogs = false;
  std::array<bool, 5> unavailable{};  // by organism kind 1..4
  bool shortDistances = false;        // closer linked loci for nominated exercise 14
  std::string ySymbol = "Y";
  // The teacher's own gene symbols, by organism kind and character (upper
  // case); 0 keeps the organism's.
  GeneSymbolChoices geneSymbols{};
};

// What is asked of one exercise start.
struct ExampleRequest {
  std::int32_t exercise = 1;  // 1..20 in the current set
  std::int32_t tryCount = 0;
  const ExerciseOptions* options = nullptr;
  std::vector<std::int32_t> questionTypes;  // the exercise's standard question list
  bool seedFromStudent = false;             // the examples are fixed for this student
  std::int32_t studentSeed = 0;             // student number + the class's check value
  bool fixedSeedMode = false;               // reproducible runs, offspring included
  bool trialRunning = false;
  std::int32_t trialArrangement = 0;        // 1..7, 0 = none
  std::int32_t pickedKind = 0;              // the organism the student chose, 0 = none
  std::optional<bool> chosenWildNotation;   // the notation the student switched to
  std::optional<std::int32_t> seed;         // an earlier example's seed, to make it again
};

// A palette colour as 16-bit components (values above 32767 stored negative).
struct PaletteColour {
  std::int32_t red = 0;
  std::int32_t green = 0;
  std::int32_t blue = 0;
  bool operator==(const PaletteColour&) const = default;
};

// One of the Monkbear's random colours, never a very light one.
PaletteColour DrawPaletteColour(RandomGenerator& random);

// The example of the current exercise, beyond its genetics.
struct ExampleState {
  std::array<std::int32_t, 21> precomputedKinds{};  // per exercise 1..20
  std::array<std::array<bool, kMaxCharacter + 1>, 21> usedCharacters{};  // per exercise
  std::int32_t seed = 0;          // the generator's seed as the set-up began
  std::int32_t pickedKind = 0;    // the organism the student had chosen for it, 0 = none
  std::int32_t tryCount = 0;      // the exercise's try count it was made at
  std::int32_t previousKind = 0;  // the organism before this example's, 0 = none
  std::int32_t chooseType = 0;  // arrangement of three loci, 1..7
  std::array<bool, 4> showGenotypes{};  // per locus 1..3
  bool genotypesShown = false;
  bool offspringLabels = true;
  bool unlinkedLabelColours = false;  // label unlinked loci in a second colour
  std::array<PaletteColour, 4> palette{};
  std::array<std::int32_t, 4> lociOrder{};  // slots 1..n
  std::array<std::array<std::int32_t, 4>, 11> thirtyChoices{};  // [1..10][1..3], each 1 or 2
  std::array<std::int32_t, 2> startingParents{};  // objects of the mother and father, 0 = none
  std::array<std::int32_t, 2> parentObjects{};    // who stands in each parent place, 0 = nobody
  std::vector<std::int32_t> storage;              // objects put in the Storage container
  std::string storageName;
  bool lethalCleared = false;  // no parents could avoid a lethal homozygote
  // The notation the student switched to (true: wild type), which later
  // examples that offer the switch keep; nullopt until they switch.
  std::optional<bool> chosenWildNotation;
};

// The kind of each exercise of the set, drawn when the student is known.
// `seed` is the student number, or a clock value for a student without a name.
void PrecomputeKinds(ExampleState& example, RandomGenerator& random, std::int32_t seed,
                     const std::array<ExerciseOptions, 21>& options, const ExampleSettings& settings);

// The organism kind by the kind rule for one exercise.
std::int32_t KindRule(RandomGenerator& random, const ExerciseOptions& options,
                      const ExampleSettings& settings);

// Number of loci, their positions and linkage, and the map distances.
void ChooseSet(GeneticsState& genetics, ExampleState& example, RandomGenerator& random,
               const ExampleRequest& request, const ExampleSettings& settings);

// Sets up the example of an exercise: seeds from the student, chooses kind,
// loci, characters and distances, builds the classes, places the starting
// parents and the extra stock and makes the first offspring. `clock` gives
// ticks for seeds that are not the student's. Alerts go to `alerts`.
void SetUpExample(GeneticsState& genetics, ExampleState& example, OffspringState& offspring,
                  RandomGenerator& random, const ExampleRequest& request,
                  const ExampleSettings& settings, const StringLists& strings,
                  const std::function<std::int64_t()>& clock, std::vector<std::string>* alerts);

// Places the starting parents and the extra stock of the example.
void PlaceStartingStock(GeneticsState& genetics, ExampleState& example, OffspringState& offspring,
                        RandomGenerator& random, const ExampleRequest& request);

}  // namespace crossmere
