#include "exercises/tutorial_check.h"

#include <algorithm>
#include <cctype>

namespace crossmere {
namespace {

constexpr std::int32_t kFull = 100;
constexpr std::int32_t kNearlyFull = 70;
constexpr std::int32_t kAsked = 99;

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool SameName(const std::string& name, const std::string& wanted) {
  const std::string trimmed = Trimmed(name);
  return trimmed.size() == wanted.size() &&
         std::equal(trimmed.begin(), trimmed.end(), wanted.begin(), [](char a, char b) {
           return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
         });
}

const TutorialWorkspace::Container* ContainerNamed(const TutorialWorkspace& workspace, const std::string& name) {
  for (const auto& container : workspace.containers) {
    if (SameName(container.name, name)) return &container;
  }
  return nullptr;
}

bool AllHomozygous(const TutorialWorkspace::Container& container) {
  return std::all_of(container.sums.begin(), container.sums.end(), [](std::int32_t sum) { return sum != 1; });
}

std::int32_t Count(const TutorialWorkspace::Container* container) {
  return static_cast<std::int32_t>(container->sums.size());
}

TutorialProblem NoMixed(const TutorialWorkspace& workspace) {
  return ContainerNamed(workspace, "MIXED") != nullptr ? TutorialProblem::Mixed : TutorialProblem::None;
}

// The two containers named for the first cross's genotypes.
TutorialProblem SortedByGenotype(const TutorialWorkspace& workspace, bool ninetyNine) {
  const auto* homozygous = ContainerNamed(workspace, "Homozygous");
  const auto* heterozygous = ContainerNamed(workspace, "Heterozygous");
  if (homozygous == nullptr || heterozygous == nullptr) return TutorialProblem::NamesNotFound;
  if (ninetyNine && Count(homozygous) != kAsked) return TutorialProblem::HomozygousNot99;
  if (ninetyNine && Count(heterozygous) != kAsked) return TutorialProblem::HeterozygousNot99;
  return AllHomozygous(*homozygous) ? TutorialProblem::None : TutorialProblem::WrongInHomozygous;
}

TutorialProblem Filled(const TutorialWorkspace& workspace) {
  const auto& all = workspace.containers;
  if (std::none_of(all.begin(), all.end(), [](const auto& c) { return c.sums.size() == kFull; })) {
    return TutorialProblem::NoFullCage;
  }
  const auto nearlyFull = std::count_if(all.begin(), all.end(), [](const auto& c) { return c.sums.size() >= kNearlyFull; });
  return nearlyFull >= 2 ? TutorialProblem::None : TutorialProblem::NotTwoFull;
}

TutorialProblem SecondCross(const TutorialWorkspace& workspace) {
  if (!workspace.parents[0] || !workspace.parents[1]) return TutorialProblem::NoCross;
  if (!workspace.laterCross) return TutorialProblem::NoSecondCross;
  if (*workspace.parents[0] != *workspace.parents[1]) return TutorialProblem::ParentsDiffer;
  const auto& stored = workspace.storage;
  const bool kept = std::any_of(stored.begin(), stored.end(), [&](std::int32_t sum) {
    return sum == workspace.startingParents[0] || sum == workspace.startingParents[1];
  });
  return kept ? TutorialProblem::None : TutorialProblem::OldParentNotStored;
}

// A container named with the locus symbol twice holds dominant homozygotes.
TutorialProblem SymbolNamed(const TutorialWorkspace& workspace) {
  std::vector<const TutorialWorkspace::Container*> twoLetters;
  for (const auto& container : workspace.containers) {
    if (Trimmed(container.name).size() == 2) twoLetters.push_back(&container);
  }
  if (twoLetters.empty()) return TutorialProblem::NamesNotFound;
  const std::string wanted = workspace.locusSymbol + workspace.locusSymbol;
  const auto named = std::find_if(twoLetters.begin(), twoLetters.end(),
                                  [&](const auto* container) { return Trimmed(container->name) == wanted; });
  if (named == twoLetters.end()) return TutorialProblem::WrongLocusSymbol;
  const auto& sums = (*named)->sums;
  const bool dominant = std::all_of(sums.begin(), sums.end(), [&](std::int32_t sum) { return sum == workspace.dominantSum; });
  return dominant ? TutorialProblem::None : TutorialProblem::WrongInHomozygous;
}

}  // namespace

bool TutorialScreenChecks(std::int32_t screen) {
  constexpr std::array kChecked{21, 22, 25, 31, 37, 41, 44};
  return std::find(kChecked.begin(), kChecked.end(), screen) != kChecked.end();
}

TutorialProblem CheckTutorialScreen(std::int32_t screen, const TutorialWorkspace& workspace) {
  switch (screen) {
    case 21:
    case 22: return NoMixed(workspace);
    case 25: return SortedByGenotype(workspace, false);
    case 31: return Filled(workspace);
    case 37: return SortedByGenotype(workspace, true);
    case 41: return SecondCross(workspace);
    case 44: return SymbolNamed(workspace);
    default: return TutorialProblem::None;
  }
}

}  // namespace crossmere
