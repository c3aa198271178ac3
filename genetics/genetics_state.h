#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "genetics/organisms.h"

namespace crossmere {

// Chromosome positions 1..10: 1 sex (allele 1 = Y), 2..4 X-linked, 5..7 one
// linked autosomal group, 8..10 independent autosomal positions.
inline constexpr std::int32_t kPositions = 10;
inline constexpr std::int32_t kClassCount = 128;
inline constexpr std::int32_t kFirstParentObject = 129;
inline constexpr std::int32_t kSecondParentObject = 130;
inline constexpr std::int32_t kFirstOffspringObject = 131;
inline constexpr std::int32_t kLastOffspringObject = 540;
inline constexpr std::int32_t kLastObject = 700;
// Program-supplied stock in exercises with fewer than three loci.
inline constexpr std::int32_t kStockMark = 64;

constexpr bool IsXLinked(std::int32_t position) { return position >= 2 && position <= 4; }

// One genotype: the haplotype from the first parent and the one from the second,
// indexed by position 1..10 (index 0 unused), each allele 0 (wild type) or 1.
struct Genotype {
  std::array<std::uint8_t, kPositions + 1> hap1{};
  std::array<std::uint8_t, kPositions + 1> hap2{};

  std::int32_t Sex() const { return hap1[1] + hap2[1]; }  // 0 female, 1 male
  std::int32_t Sum(std::int32_t position) const { return hap1[position] + hap2[position]; }
  bool operator==(const Genotype&) const = default;
};

// How one locus shows and is written (locus 0 is sex).
struct LocusRule {
  std::int32_t character = 1;
  std::array<std::int32_t, 3> phenotype{1, 2, 2};  // value shown for allele sums 0, 1, 2
  std::int32_t dominantAllele = 1;
  std::int32_t recessiveAllele = 0;
  bool lethal = false;  // homozygotes for the dominant allele die
  std::array<std::string, 2> symbol;      // alleles 0 and 1
  std::array<std::string, 3> femaleText;  // by allele sum
  std::array<std::string, 3> maleText;
};

// The genetics of the current example: its organism, loci and genotype classes,
// and which class each screen object shows.
struct GeneticsState {
  std::int32_t kind = kDinosaurDog;
  Vocabulary vocabulary;
  std::int32_t lociCount = 1;
  bool hermaphrodite = false;  // no separate sexes: every individual is sex 0
  bool hiddenSex = false;
  bool wildNotation = false;
  std::string ySymbol = "Y";

  std::array<std::int32_t, 4> locusPosition{1, 9, 9, 9};
  bool unlinked12 = false;
  bool unlinked13 = false;
  bool unlinked23 = false;
  std::array<std::int32_t, kPositions> intervalDistance{};  // percent, intervals 1..9
  std::array<LocusRule, 4> loci;

  // Appearance of characters without a locus, characters 1..9.
  std::array<std::int32_t, kMaxCharacter + 1> backgroundValues{};
  std::array<bool, kMaxCharacter + 1> usedPhenos{};
  // Gene symbols per character 2..9, as the teacher may have changed them.
  std::array<char, kMaxCharacter + 1> upperSymbol{};
  std::array<char, kMaxCharacter + 1> lowerSymbol{};

  std::array<Genotype, kClassCount + 1> classes{};  // 1..128
  std::array<std::uint8_t, kClassCount> classIndexTable{};
  std::array<std::uint8_t, kClassCount + 1> phenotypeClassNumber{};
  std::array<std::uint8_t, kClassCount + 1> genotypeEquivalence{};
  std::array<bool, kClassCount + 1> classPictureBuilt{};
  std::array<std::int32_t, kClassCount + 1> classOffspringCount{};  // this exercise
  std::array<std::int32_t, kLastObject + 1> objectClass{};          // 0: free
};

}  // namespace crossmere
