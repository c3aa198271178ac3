#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace crossmere {

// Entries of list 501, the texts of the genotype entry questions.
namespace entry_text {
inline constexpr std::int32_t kHiddenSexInstruction = 1;
inline constexpr std::int32_t kParentsAutosomal = 2;
inline constexpr std::int32_t kParentsSexLinked = 3;
inline constexpr std::int32_t kParentsWildAutosomal = 4;
inline constexpr std::int32_t kParentsWildSexLinked = 5;
inline constexpr std::int32_t kParentsLinked = 6;
inline constexpr std::int32_t kParentsUnlinked = 7;
inline constexpr std::int32_t kParentsWildLinked = 8;
inline constexpr std::int32_t kParentsWildUnlinked = 9;
inline constexpr std::int32_t kOneLocus = 10;
inline constexpr std::int32_t kOneLocusWild = 11;
inline constexpr std::int32_t kCharacterBefore = 12;
inline constexpr std::int32_t kCharacterAfter = 13;
inline constexpr std::int32_t kCharacterAfterWild = 14;
inline constexpr std::int32_t kGood = 15;
inline constexpr std::int32_t kArbitrary = 16;
inline constexpr std::int32_t kError = 17;
inline constexpr std::int32_t kShownAlongside = 18;
inline constexpr std::int32_t kShownBelow = 19;
inline constexpr std::int32_t kSameSymbol = 20;
inline constexpr std::int32_t kDuplication = 21;
inline constexpr std::int32_t kOneWildSymbol = 22;
inline constexpr std::int32_t kCapitalMutant = 23;
inline constexpr std::int32_t kSexLinked = 24;
inline constexpr std::int32_t kNotSexLinked = 25;
inline constexpr std::int32_t kOppositeOrder = 26;
inline constexpr std::int32_t kOneParentHeterozygous = 27;    // "Both loci need to be homozygous in this case."
inline constexpr std::int32_t kBothParentsHeterozygous = 28;  // "Both parents should be homozygous at both loci."
inline constexpr std::int32_t kParentHeterozygous = 29;       // "Both parents should be homozygous."
inline constexpr std::int32_t kEither = 30;
inline constexpr std::int32_t kCompareSymbol = 31;
inline constexpr std::int32_t kCaninesLookClosely = 34;
inline constexpr std::int32_t kCaninesNote = 35;
inline constexpr std::int32_t kCaninesAssumed = 36;
inline constexpr std::int32_t kGeneSymbols = 37;
inline constexpr std::int32_t kDetermineCharacter = 38;
inline constexpr std::int32_t kFemale = 39;
inline constexpr std::int32_t kMale = 40;
inline constexpr std::int32_t kOr = 41;
}  // namespace entry_text

// A gene as the truth has it: allele 0 or 1, or none (a male's missing
// partner of an X-linked gene).
inline constexpr std::int32_t kNoGene = 2;
inline constexpr std::int32_t kMaxEntryLoci = 2;

// One genotype over the loci of the question, two genes per locus.
struct EntryGenotype {
  std::array<std::array<std::int32_t, 2>, kMaxEntryLoci> loci{};
  bool operator==(const EntryGenotype&) const = default;
};

// What one pair of slots holds: per locus its two symbols ("" for an empty slot).
struct SlotPair {
  std::array<std::array<std::string, 2>, kMaxEntryLoci> loci;
};

// An individual's answer: one pair of slots, or two where its phenotype
// might have two genotypes.
struct EntryAnswer {
  std::array<SlotPair, 2> pairs;
};

struct EntryLocus {
  bool xLinked = false;
  // The program's own symbols for alleles 0 and 1 in the question's notation
  // (in the wild-type notation "+" and the mutant's letter).
  std::array<std::string, 2> symbols;
  // The heterozygote looks unlike the wild type: in the wild-type notation
  // the mutant takes a capital letter.
  bool heterozygoteDistinct = false;
  // The Dinosaur dog's canines: the heterozygote can only just be told from
  // the homozygote without canines (allele 0), so a student may read the
  // two as one phenotype.
  bool canines = false;
};

struct EntryQuestion {
  std::int32_t lociCount = 1;  // loci written in the slots
  std::array<EntryLocus, kMaxEntryLoci> loci;
  bool wildNotation = false;
  bool parents = false;         // the pure-breeding parents of a notation exercise
  bool secondQuestion = false;  // an earlier genotype question came in this exercise
  std::string ySymbol = "Y";
  // Per individual, the genotypes its phenotype can have (one or two).
  std::array<std::vector<EntryGenotype>, 2> truth;
};

struct EntryVerdict {
  bool good = false;
  std::vector<std::int32_t> remarks;  // entries of list 501, in the order shown
  std::int32_t deduction = 0;         // marks lost from the question's 4
  bool showCorrect = false;           // the program's genotypes are shown beside the slots
};

// Marks the slots: the genotypes they express are compared with the truth,
// locus by locus, with any consistent choice of symbols.
EntryVerdict MarkGenotypeEntry(const EntryQuestion& question, const std::array<EntryAnswer, 2>& answers);

// A genotype in the program's own symbols, two spaces between loci
// ("Aa  Bb", "w+  bY").
std::string WriteEntryGenotype(const EntryQuestion& question, const EntryGenotype& genotype);

}  // namespace crossmere
