#pragma once

#include <cstdint>
#include <string>

namespace crossmere {

struct Session;

// What a family of questions adds to the common question machinery. Every
// hook gets the question number; the family reads its type from the session
// and keeps its own state in the session's store.
struct QuestionFamily {
  // Fills the window when it is first shown; may set the refuse flag.
  void (*setUp)(Session& session, std::int32_t q) = nullptr;
  // Judges the answer: writes the results, lowers the mark or refuses.
  void (*markAnswer)(Session& session, std::int32_t q) = nullptr;
  // Restores a window shown again.
  void (*reshow)(Session& session, std::int32_t q) = nullptr;
  // The student used one of the window's own controls.
  void (*itemEvent)(Session& session, std::int32_t q, std::int32_t item) = nullptr;
  // The text of "Explain question".
  std::string (*explanation)(Session& session, std::int32_t q) = nullptr;
  // A click on the workspace while the question shows; true when the
  // question took it, so that nothing else happens.
  bool (*workspaceClick)(Session& session, std::int32_t q, std::int32_t window, std::int32_t item) = nullptr;
  // The student chose the question, before its window shows.
  void (*onSelect)(Session& session, std::int32_t q) = nullptr;
  // Its window is being put away.
  void (*hide)(Session& session, std::int32_t q) = nullptr;
};

// The family that asks questions of a type, from the question-type table;
// nullptr when this version has no window for the type.
const QuestionFamily* FamilyOf(std::int32_t type);

// Write genotypes with gene symbols: types 1, 2, 11 and 12.
extern const QuestionFamily kGenotypeEntryFamily;
// List every cross of a locus: type 20.
extern const QuestionFamily kCrossListFamily;
// Expected ratios of the listed crosses: types 21 and 22.
extern const QuestionFamily kCrossTableFamily;
// A number or a cross picked from the list: types 24, 25 and 26.
extern const QuestionFamily kCrossPickFamily;
// One choice among a few: types 14 and 27.
extern const QuestionFamily kSingleChoiceFamily;
// Expected ratios and observed numbers, with chi-square: types 5, 6, 8, 9, 15 and 18.
extern const QuestionFamily kObservedExpectedFamily;
// Click on an individual: types 3, 13, 17 and 19.
extern const QuestionFamily kFindIndividualFamily;
// Measuring recombination: types 28 to 32.
extern const QuestionFamily kRecombinationFamily;
// The crossing-box place (1 or 2) of the parent in which question q measures
// recombination: the one its cross question named, or where no question names
// one, the parent whose partner is recessive at every locus; 0 for neither.
std::int32_t MeasuredPlace(Session& session, std::int32_t q);
// The parent in that place gives the offspring their first chromosome.
bool GivesFirstChromosome(const Session& session, std::int32_t place);
// The cross question before q (if any) is answered, so its cross is counted.
bool RecombinationCrossConfirmed(const Session& session, std::int32_t q);
// The getting-started exercise's question: type 23.
extern const QuestionFamily kGettingStartedFamily;
// The three-point testcross: its map (type 33) and interference (34).
extern const QuestionFamily kThreePointFamily;
// Three loci: their order (type 35) and the genotypes of their configurations (36).
extern const QuestionFamily kGeneticMapFamily;
// Set up a cross in the crossing box: types 4, 7 and 10.
extern const QuestionFamily kCrossSetUpFamily;
// Keeps the parents of a confirmed cross in the box for the questions that
// count its offspring, and lets them go once no question needs them.
void LockParents(Session& session);
void ReleaseParentsWhenDone(Session& session);

}  // namespace crossmere
