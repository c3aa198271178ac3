#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "exercises/catalogue.h"
#include "genetics/exercise_setup.h"
#include "genetics/genetics_state.h"
#include "genetics/stock.h"
#include "layer/layout.h"
#include "layer/random_generator.h"
#include "records/identity.h"

namespace crossmere {

inline constexpr std::int32_t kContainerCount = containers::kLast - containers::kFirst + 1;
inline constexpr std::size_t kMaxContainerName = 128;  // characters

// A place on the main window, in its pixels.
struct ScreenPlace {
  std::int32_t x = 0;
  std::int32_t y = 0;
  bool operator==(const ScreenPlace&) const = default;
};

// After item 22 of a saved-work file, in a block of its own (marker "CMXB",
// version 1, length): what the fixed items leave out. The current example is
// made again from its seed and the state it was made in, so that it is the
// same example whether or not the student's examples are fixed; the marks
// of every exercise are kept, and the generator goes on where it stood.
struct SavedWorkExtension {
  struct Exercise {
    std::int32_t kind = 0;  // precomputed organism kind, 0 = none yet
    std::int32_t tries = 0;
    std::int32_t obtained = 0;
    std::int32_t possible = 0;
    bool completed = false;
    bool operator==(const Exercise&) const = default;
  };

  // One locus of the example as the file remembers it.
  struct Locus {
    std::int32_t position = 0;
    std::int32_t character = 0;
    std::int32_t dominantAllele = 0;
    bool lethal = false;
    std::array<std::int32_t, 3> phenotype{};  // by allele sum
    bool operator==(const Locus&) const = default;
  };
  // The example's genetics and questions as they were; the example made
  // again must be this one.
  struct Example {
    std::int32_t kind = 0;
    std::int32_t lociCount = 0;
    std::array<Locus, 4> loci{};  // loci 1..3
    std::array<PaletteColour, 4> palette{};
    bool offspringLabels = false;
    bool unlinkedLabelColours = false;
    QuestionList questions;
    bool operator==(const Example&) const = default;
  };

  std::int32_t setOffset = 0;  // the advanced or the elementary set
  // The current exercise's characters used before this try, characters 2..9.
  std::array<bool, kMaxCharacter + 1> usedBeforeTry{};
  std::int32_t exampleSeed = 0;
  std::int32_t exampleTry = 0;                 // the try count it was made at
  std::int32_t pickedKind = 0;                 // the organism chosen for this example, 0 = none
  Example example;
  std::array<Exercise, 21> exercises{};        // exercises 1..20
  RandomGenerator::State generator;
  bool operator==(const SavedWorkExtension&) const = default;
};

// The saved-work file item by item: a flat run of little-endian 32-bit
// words, texts as a length and then one Latin-1 code per word.
struct SavedWork {
  struct Container {
    std::int32_t count = -1;  // -1: on the spare pile
    std::int32_t cross = 0;
    std::string name;                   // UTF-8 here, Latin-1 in the file
    std::vector<std::int32_t> classes;  // slots 1..count
    ScreenPlace place;
    bool operator==(const Container&) const = default;
  };
  struct ExerciseRecord {
    std::int32_t kind = 0;  // precomputed organism kind
    std::int32_t obtained = 0;
    std::int32_t possible = 0;
    std::int32_t attempted = 0;
    bool operator==(const ExerciseRecord&) const = default;
  };

  std::int32_t exerciseCount = 0;  // N, 0..20
  std::int32_t current = 1;
  std::int32_t studentNumber = 0;
  std::string name;
  std::array<std::int32_t, 21> tryCount{};  // exercises 1..N
  std::int32_t kind = 1;
  std::int32_t previousKind = 1;
  std::array<std::array<bool, kMaxCharacter + 1>, 21> usedCharacters{};  // [exercise][character 2..9]
  std::int32_t containersInUse = 1;
  std::array<Container, kContainerCount> containers;
  std::int32_t offspringBoxCount = 0;
  std::array<ExerciseRecord, 21> exercises{};  // exercises 1..N
  std::int32_t totalObtained = 0;
  std::int32_t totalPossible = 0;
  std::int32_t highestObject = 0;                 // H
  std::vector<std::int32_t> objectClasses;        // objects 131..H
  std::array<bool, kClassCount + 1> pictureBuilt{};
  // Item 18: offspring blocked, parents 1 and 2, animals remaining, total
  // generated, animals in cages.
  std::array<std::int32_t, 6> crossingBox{};
  // Item 19: the threshold word, the cross number, offspring of this cross,
  // then the object in the offspring box and the offspring of this box.
  std::array<std::int32_t, 5> offspringWords{};
  std::vector<ScreenPlace> objectPlaces;  // objects 131..H with a class, in order

  using Extension = SavedWorkExtension;
  std::optional<Extension> extension;

  bool operator==(const SavedWork&) const = default;
};

// Why a file was not taken.
struct SavedWorkProblem {
  std::string what;
};

// The largest main window any screen gets; places are checked against it,
// since work saved on a large screen may be opened on a small one.
inline constexpr LayoutSize kLargestLayout = LayoutForScreen(1 << 20, 1 << 20);

// The file's words.
std::vector<std::uint8_t> EncodeSavedWork(const SavedWork& work);
// Reads and checks a whole file against the layout's bounds; nothing is
// taken from a file that fails.
std::optional<SavedWork> DecodeSavedWork(std::span<const std::uint8_t> bytes, SavedWorkProblem* problem = nullptr);

}  // namespace crossmere
