#pragma once

#include <cstdint>

namespace crossmere {

// The families of questions: each asks and marks in its own way, with a pure
// check here in the core and a window in the tutor.
enum class QuestionFamilyId {
  None,
  GenotypeEntry,     // gene symbols dragged into slots
  FindIndividual,    // click on a homozygote or heterozygote
  CrossSetUp,        // set up a cross in the crossing box
  ObservedExpected,  // observed and expected numbers, with chi-square
  CrossList,         // a list of crosses
  CrossTable,        // expected ratios of the listed crosses
  CrossPick,         // a number or a cross picked from the list
  SingleChoice,      // one answer of a few
  Recombination,     // crosses and estimates of recombination
  ThreePoint,        // a map of three loci and their interference
  GeneticMap,        // the order of three loci and the genotypes of their configurations
  GettingStarted,    // the first exercise's checks
};

// One question type: what it is worth before any chi-square part, the dialog
// design its window is built from (0 where this version has no window for it)
// and its family. Its window is 500 + type; its menu title is entry `type` of
// list 497.
struct QuestionTypeRow {
  std::int32_t marks = 4;
  std::int32_t form = 0;
  QuestionFamilyId family = QuestionFamilyId::None;
};

inline constexpr std::int32_t kFirstQuestionType = 1;
inline constexpr std::int32_t kLastQuestionType = 37;

// The row of a type; a type outside 1..37 is worth 4 and has no family.
const QuestionTypeRow& QuestionTypeOf(std::int32_t type);

// Marks a question of the type is worth before any chi-square part.
inline std::int32_t QuestionMarks(std::int32_t type) { return QuestionTypeOf(type).marks; }

// The window a question of the type is shown in.
constexpr std::int32_t QuestionWindowOf(std::int32_t type) { return 500 + type; }

}  // namespace crossmere
