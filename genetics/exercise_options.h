#pragma once

#include <array>
#include <cstdint>

namespace crossmere {

// Option items of the exercise set-up form, as they stand in an ExerciseOptions record.
namespace option_item {
inline constexpr std::int32_t kOneLocus = 52;
inline constexpr std::int32_t kTwoLoci = 53;
inline constexpr std::int32_t kThreeLoci = 54;
inline constexpr std::int32_t kSexes = 56;
inline constexpr std::int32_t kAutosomal = 58;
inline constexpr std::int32_t kSexLinked = 59;
inline constexpr std::int32_t kSexLinkageMixture = 60;
inline constexpr std::int32_t kRecessive = 62;
inline constexpr std::int32_t kDominant = 63;
inline constexpr std::int32_t kEitherDominance = 64;
inline constexpr std::int32_t kIntermediate = 65;
inline constexpr std::int32_t kMutationMixture = 66;
inline constexpr std::int32_t kUnlinked = 68;
inline constexpr std::int32_t kLinked = 69;
inline constexpr std::int32_t kLinkageMixture = 70;
inline constexpr std::int32_t kTestcrossParents = 72;  // Aa x aa
inline constexpr std::int32_t kIntercrossParents = 73;  // Aa x Aa
inline constexpr std::int32_t kPureBreedingParents = 74;
inline constexpr std::int32_t kMixedParents = 75;
inline constexpr std::int32_t kDominantBackcrossParents = 76;  // AA x Aa
inline constexpr std::int32_t kNoExtraParents = 78;
inline constexpr std::int32_t kLocked = 79;
inline constexpr std::int32_t kSingleLocusStock = 80;
inline constexpr std::int32_t kAllStock = 81;
inline constexpr std::int32_t kGenotypesNo = 83;
inline constexpr std::int32_t kGenotypesPart = 84;
inline constexpr std::int32_t kGenotypesYes = 85;
inline constexpr std::int32_t kGenotypesHiddenInitially = 86;  // shown once the student turns them on
inline constexpr std::int32_t kMendelNotation = 88;
inline constexpr std::int32_t kWildNotation = 89;
inline constexpr std::int32_t kNotationSwitch = 90;
inline constexpr std::int32_t kSingleExample = 92;  // one example only: a repeat is the same example
inline constexpr std::int32_t kNoTrial = 93;
inline constexpr std::int32_t kHiddenSex = 94;
inline constexpr std::int32_t kAnyOrganism = 96;
inline constexpr std::int32_t kDog = 97;
inline constexpr std::int32_t kBear = 98;
inline constexpr std::int32_t kFly = 99;
inline constexpr std::int32_t kPlant = 100;
inline constexpr std::int32_t kDominantMother = 101;  // pure-breeding X-linked parents: the mother dominant
inline constexpr std::int32_t kPhaseFromSecondBit = 102;  // with 101: locus 2's phase from the second bit, not the third
inline constexpr std::int32_t kLethalHalfTheTime = 103;  // a lethal locus half the time
inline constexpr std::int32_t kLethalAlways = 104;  // always a lethal locus
inline constexpr std::int32_t kHideOffspring = 105;
inline constexpr std::int32_t kReciprocal = 106;  // pure-breeding parents the other way round
inline constexpr std::int32_t kNoPureBreedingInMix = 107;  // "Mix." parents are never pure-breeding
}  // namespace option_item

// The option record of one exercise: a flag per option item 51..107, item k
// kept in byte k - 51 (byte 0, item 51, is never used). The genetics read it
// through the named accessors.
struct ExerciseOptions {
  static constexpr std::int32_t kFirstItem = 51;
  static constexpr std::int32_t kLastItem = 107;

  std::array<std::uint8_t, kLastItem - kFirstItem + 1> flags{};

  bool On(std::int32_t item) const {
    return item >= kFirstItem && item <= kLastItem && flags[item - kFirstItem] != 0;
  }
  void Set(std::int32_t item, bool on = true) {
    if (item >= kFirstItem && item <= kLastItem) flags[item - kFirstItem] = on ? 1 : 0;
  }
  bool operator==(const ExerciseOptions&) const = default;

  std::int32_t LociCount() const { return ThreeLoci() ? 3 : TwoLoci() ? 2 : 1; }

  bool OneLocus() const { return On(option_item::kOneLocus); }
  bool TwoLoci() const { return On(option_item::kTwoLoci); }
  bool ThreeLoci() const { return On(option_item::kThreeLoci); }
  bool Sexes() const { return On(option_item::kSexes); }
  bool Autosomal() const { return On(option_item::kAutosomal); }
  bool SexLinked() const { return On(option_item::kSexLinked); }
  bool SexLinkageMixture() const { return On(option_item::kSexLinkageMixture); }
  bool DominantMutations() const { return On(option_item::kDominant); }
  bool EitherDominance() const { return On(option_item::kEitherDominance); }
  bool Intermediate() const { return On(option_item::kIntermediate); }
  bool MutationMixture() const { return On(option_item::kMutationMixture); }
  bool Unlinked() const { return On(option_item::kUnlinked); }
  bool Linked() const { return On(option_item::kLinked); }
  bool LinkageMixture() const { return On(option_item::kLinkageMixture); }
  bool TestcrossParents() const { return On(option_item::kTestcrossParents); }
  bool IntercrossParents() const { return On(option_item::kIntercrossParents); }
  bool PureBreedingParents() const { return On(option_item::kPureBreedingParents); }
  bool DominantBackcrossParents() const { return On(option_item::kDominantBackcrossParents); }
  bool Locked() const { return On(option_item::kLocked); }
  bool SingleLocusStock() const { return On(option_item::kSingleLocusStock); }
  bool AllStock() const { return On(option_item::kAllStock); }
  bool GenotypesNo() const { return On(option_item::kGenotypesNo); }
  bool GenotypesPart() const { return On(option_item::kGenotypesPart); }
  bool GenotypesYes() const { return On(option_item::kGenotypesYes); }
  bool GenotypesHiddenInitially() const { return On(option_item::kGenotypesHiddenInitially); }
  bool WildNotation() const { return On(option_item::kWildNotation); }
  bool NotationSwitch() const { return On(option_item::kNotationSwitch); }
  bool SingleExample() const { return On(option_item::kSingleExample); }
  bool NoTrial() const { return On(option_item::kNoTrial); }
  bool HiddenSex() const { return On(option_item::kHiddenSex); }
  bool AnyOrganism() const { return On(option_item::kAnyOrganism); }
  bool Dog() const { return On(option_item::kDog); }
  bool Bear() const { return On(option_item::kBear); }
  bool Fly() const { return On(option_item::kFly); }
  bool Plant() const { return On(option_item::kPlant); }
  bool DominantMother() const { return On(option_item::kDominantMother); }
  // The same item hides the " Can't tell" answer of the linkage question.
  bool NoCantTell() const { return On(option_item::kDominantMother); }
  bool PhaseFromSecondBit() const { return On(option_item::kPhaseFromSecondBit); }
  bool LethalHalfTheTime() const { return On(option_item::kLethalHalfTheTime); }
  bool LethalAlways() const { return On(option_item::kLethalAlways); }
  bool HideOffspring() const { return On(option_item::kHideOffspring); }
  bool Reciprocal() const { return On(option_item::kReciprocal); }
  bool NoPureBreedingInMix() const { return On(option_item::kNoPureBreedingInMix); }
};

}  // namespace crossmere
