#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace crossmere {

// What the getting-started tutorial looks at on the workspace: each
// individual by its allele sum at the example's one locus.
struct TutorialWorkspace {
  struct Container {
    std::string name;
    std::vector<std::int32_t> sums;  // of the individuals it holds
  };
  std::vector<Container> containers;  // in use on the workspace; Storage apart
  std::vector<std::int32_t> storage;
  std::array<std::optional<std::int32_t>, 2> parents;  // in the crossing box
  bool laterCross = false;  // the cross standing is not the first of the exercise
  std::array<std::int32_t, 2> startingParents{};
  std::string locusSymbol;  // the dominant allele's
  std::int32_t dominantSum = 2;  // allele sum of the dominant homozygote
};

// What a tutorial screen finds wrong: the entries of the tutorial's list of
// messages, in its order.
enum class TutorialProblem : std::int32_t {
  None = 0,
  NamesNotFound = 1,
  NoCross = 2,
  ParentsDiffer = 3,
  HomozygousNot99 = 4,
  HeterozygousNot99 = 5,
  WrongInHomozygous = 6,
  WrongLocusSymbol = 7,
  Mixed = 8,
  NoFullCage = 9,
  NotTwoFull = 10,
  NoSecondCross = 11,
  OldParentNotStored = 12,
};

// The screens that check the workspace before the student moves on.
bool TutorialScreenChecks(std::int32_t screen);

// The first thing wrong for the screen's step, or None.
TutorialProblem CheckTutorialScreen(std::int32_t screen, const TutorialWorkspace& workspace);

}  // namespace crossmere
