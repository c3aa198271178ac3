#pragma once

#include <cstdint>

#include "exercises/catalogue.h"
#include "exercises/question_state.h"
#include "genetics/genetics_state.h"

namespace crossmere {

// Entries of list 503, the texts of the click-on-an-individual questions.
namespace find_text {
inline constexpr std::int32_t kRecessiveInstruction = 1;
inline constexpr std::int32_t kDominantInstruction = 2;
inline constexpr std::int32_t kHomozygoteInstruction = 3;
inline constexpr std::int32_t kHeterozygoteInstruction = 4;
inline constexpr std::int32_t kHemizygousMale = 7;
inline constexpr std::int32_t kHomozygoteClicked = 8;
inline constexpr std::int32_t kWrongAllele = 9;
inline constexpr std::int32_t kHeterozygoteClicked = 10;
inline constexpr std::int32_t kGood = 11;
inline constexpr std::int32_t kLethal = 12;
inline constexpr std::int32_t kOnScreen = 13;
inline constexpr std::int32_t kInContainer = 14;
inline constexpr std::int32_t kContainerName = 15;
inline constexpr std::int32_t kPosition = 16;
inline constexpr std::int32_t kNoneProduced = 17;
inline constexpr std::int32_t kFirstExplanation = 21;
inline constexpr std::int32_t kExplanationCount = 3;
}  // namespace find_text

// The click-on-an-individual questions' context.
struct FindContext {
  std::int32_t locus = 1;
  std::int32_t requestedAllele = 1;  // the allele a homozygote must carry twice
  bool heterozygote = false;         // a heterozygote is asked for, not a homozygote
  std::int32_t selected = 0;         // screen object clicked, 0 = none
};

constexpr bool IsHeterozygoteQuestion(std::int32_t type) { return type == 17 || type == 19; }
constexpr bool IsHomozygoteQuestion(std::int32_t type) { return type == 3 || type == 13; }

// Which locus question q asks about and, for a homozygote, which allele it
// must carry twice. A one-locus exercise with two homozygote questions asks
// for the recessive one first; a single one asks for the recessive homozygote
// only after an "AA x Aa" cross; two-locus exercises ask for the dominant one.
FindContext FindQuestionContext(const GeneticsState& genetics, const PreparedQuestions& questions,
                                const ExerciseOptions& options, std::int32_t q);

// True when q is the first homozygote question of its exercise.
bool FirstHomozygoteQuestion(const PreparedQuestions& questions, std::int32_t q);

// The verdict on a clicked individual of a genotype class.
struct FindVerdict {
  bool good = false;
  std::int32_t message = 0;  // entry of list 503
};
FindVerdict JudgeIndividual(const GeneticsState& genetics, std::int32_t classNumber, std::int32_t type,
                            const FindContext& context);

// An individual of this class would have been a right answer to the question.
bool HasRequestedGenotype(const GeneticsState& genetics, std::int32_t classNumber, const FindContext& context);

// The homozygote asked for can never be born (never so for a heterozygote question).
bool RequestedGenotypeLethal(const GeneticsState& genetics, const FindContext& context);

}  // namespace crossmere
