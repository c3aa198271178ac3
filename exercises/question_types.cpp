#include "exercises/question_types.h"

#include <array>

namespace crossmere {
namespace {

using enum QuestionFamilyId;

// One row per type; adding a type or giving one a window happens here.
constexpr std::array<QuestionTypeRow, kLastQuestionType + 1> kQuestionTypes = {{
    {4, 0, None},                // no type 0
    {4, 501, GenotypeEntry},     // 1 Show genotypes
    {4, 501, GenotypeEntry},     // 2 Show genotypes [+ notation]
    {1, 503, FindIndividual},    // 3 Find homozygote
    {1, 504, CrossSetUp},        // 4 F1 intercross
    {5, 505, ObservedExpected},    // 5 Observed and Expected
    {5, 505, ObservedExpected},    // 6 Chi-square
    {1, 504, CrossSetUp},        // 7 F1 testcross
    {5, 505, ObservedExpected},    // 8 Observed and Expected after a testcross
    {5, 505, ObservedExpected},    // 9 Chi-square after a testcross
    {4, 504, CrossSetUp},        // 10 Cross set up
    {4, 501, GenotypeEntry},     // 11 Show genotypes, second
    {4, 501, GenotypeEntry},     // 12 Show genotypes [+ notation], second
    {1, 503, FindIndividual},    // 13 Find homozygote, second
    {1, 527, SingleChoice},      // 14 Autosomal or sex-linked?
    {9, 505, ObservedExpected},    // 15 Obs. and Exp. [joint]
    {4, 0, ObservedExpected},    // 16 Chi-square [joint]: becomes 15 with its chi-square part
    {1, 503, FindIndividual},    // 17 Find heterozygote
    {9, 505, ObservedExpected},    // 18 Obs. and Exp. [joint] after a testcross
    {1, 503, FindIndividual},    // 19 Find heterozygote [2]
    {6, 520, CrossList},         // 20 List all crosses
    {6, 521, CrossTable},        // 21 Expected genotypes
    {6, 521, CrossTable},        // 22 Expected phenotypes
    {0, 523, GettingStarted},    // 23 Getting started
    {1, 524, CrossPick},         // 24 Segregating crosses
    {1, 524, CrossPick},         // 25 Like autosomal intercross
    {1, 524, CrossPick},         // 26 Parents and offspring reversed
    {1, 527, SingleChoice},      // 27 Linked or unlinked
    {3, 528, Recombination},     // 28 Estimate recombination
    {3, 528, Recombination},     // 29 Another estimate
    {1, 528, Recombination},     // 30 Cross set up for recombination
    {1, 528, Recombination},     // 31 Second cross set up for recombination
    {4, 528, Recombination},     // 32 Male recombination
    {6, 533, ThreePoint},        // 33 Genetic map
    {1, 534, ThreePoint},        // 34 Coefficient of interference
    {1, 535, GeneticMap},        // 35 Order of loci
    {7, 536, GeneticMap},        // 36 Number of genotypes
    {4, 0, ObservedExpected},    // 37 O,E + Chi-square: no exercise asks it
}};

}  // namespace

const QuestionTypeRow& QuestionTypeOf(std::int32_t type) {
  static constexpr QuestionTypeRow kUnknown{};
  return type >= kFirstQuestionType && type <= kLastQuestionType ? kQuestionTypes[type] : kUnknown;
}

}  // namespace crossmere
