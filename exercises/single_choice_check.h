#pragma once

#include <cstdint>

#include "genetics/genetics_state.h"

namespace crossmere {

// Entries of list 514 ("Autosomal or sex-linked?") and 527 ("Linked or unlinked").
namespace choice_text {
inline constexpr std::int32_t kLocusQuestion = 1;
inline constexpr std::int32_t kAutosomal = 2;
inline constexpr std::int32_t kSexLinked = 3;
inline constexpr std::int32_t kLocusGood = 4;
inline constexpr std::int32_t kLocusWrong = 5;
inline constexpr std::int32_t kFirstLocusExplanation = 6;
inline constexpr std::int32_t kLocusExplanationCount = 3;

inline constexpr std::int32_t kLociQuestion = 1;
inline constexpr std::int32_t kLinked = 2;
inline constexpr std::int32_t kUnlinked = 3;
inline constexpr std::int32_t kCantTell = 4;
inline constexpr std::int32_t kUninformative = 5;
inline constexpr std::int32_t kMoreOffspring = 6;
inline constexpr std::int32_t kAtLeast = 7;  // "%d" stands for the minimum
inline constexpr std::int32_t kTheyAreLinked = 8;
inline constexpr std::int32_t kTheyAreUnlinked = 9;
inline constexpr std::int32_t kLinkageGood = 10;
inline constexpr std::int32_t kFirstLinkageExplanation = 11;
inline constexpr std::int32_t kLinkageExplanationCount = 3;
inline constexpr std::int32_t kHundredIsEnough = 14;
}  // namespace choice_text

// "Autosomal or sex-linked?": right when the answer names where locus 1
// sits (positions 2..4 are sex-linked, every other one autosomal).
bool LocusAnswerRight(const GeneticsState& genetics, bool sexLinkedChosen);

enum class LinkageChoice { None, Linked, Unlinked, CantTell };

// A cross tells linkage apart only when one parent is heterozygous at both
// loci and the other homozygous for the recessive allele at both.
bool InformativeForLinkage(const GeneticsState& genetics, std::int32_t firstParent, std::int32_t secondParent);

struct LinkageVerdict {
  bool refuse = false;      // not yet: more offspring are needed
  bool good = false;
  std::int32_t message = 0;  // entry of list 527
};

// "Linked or unlinked": the choice judged against the cross in the box and
// the number of its offspring.
LinkageVerdict JudgeLinkage(const GeneticsState& genetics, std::int32_t firstParent, std::int32_t secondParent,
                            std::int32_t offspring, std::int32_t minimumOffspring, LinkageChoice choice);

}  // namespace crossmere
