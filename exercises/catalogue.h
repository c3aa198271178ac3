#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "genetics/exercise_options.h"

namespace crossmere {

class StringLists;

// Question types whose numbers the catalogue's preparation works with.
namespace question_type {
inline constexpr std::int32_t kShowGenotypes = 1;
inline constexpr std::int32_t kShowGenotypesNotation = 2;
inline constexpr std::int32_t kFindHomozygote = 3;
inline constexpr std::int32_t kIntercross = 4;
inline constexpr std::int32_t kObservedExpected = 5;
inline constexpr std::int32_t kObservedExpected2 = 6;
inline constexpr std::int32_t kTestcross = 7;
inline constexpr std::int32_t kTestcrossObserved = 8;
inline constexpr std::int32_t kTestcrossObserved2 = 9;
inline constexpr std::int32_t kSecondShowGenotypes = 11;
inline constexpr std::int32_t kSecondFindHomozygote = 13;
inline constexpr std::int32_t kJointObserved = 15;
inline constexpr std::int32_t kJointChiSquare = 16;
inline constexpr std::int32_t kFindHeterozygote = 17;
inline constexpr std::int32_t kJointTestcrossObserved = 18;
inline constexpr std::int32_t kSecondFindHeterozygote = 19;
inline constexpr std::int32_t kEstimateRecombination = 28;
inline constexpr std::int32_t kAnotherEstimate = 29;
inline constexpr std::int32_t kRecombinationCross = 30;
inline constexpr std::int32_t kSecondRecombinationCross = 31;
inline constexpr std::int32_t kMaleRecombination = 32;
inline constexpr std::int32_t kGeneticMap = 33;
}  // namespace question_type

inline constexpr std::int32_t kExercisesPerSet = 20;
inline constexpr std::int32_t kMaxQuestions = 10;
// Set offsets: the advanced set B and the elementary set A.
inline constexpr std::int32_t kAdvancedSet = 0;
inline constexpr std::int32_t kElementarySet = 20;

struct QuestionList {
  std::int32_t count = 0;
  std::array<std::int32_t, kMaxQuestions + 1> types{};  // types[1..count]; [0] unused
  bool operator==(const QuestionList&) const = default;
};

// One standard set as loaded from the string lists; exercises are numbered 1..20
// and element 0 of each array is unused.
struct ExerciseSet {
  std::int32_t offset = kAdvancedSet;
  std::array<ExerciseOptions, kExercisesPerSet + 1> options{};
  std::array<QuestionList, kExercisesPerSet + 1> questions{};
  // A class's nominated list replaces the set: exercise k is then the
  // standard exercise standard[k], with the options the teacher gave it.
  std::int32_t nominated = 0;  // exercises in the list; 0 = the whole standard set
  std::array<std::int32_t, kExercisesPerSet + 1> standard{};
  std::array<std::string, kExercisesPerSet + 1> titles{};  // the class's titles; empty: the standard one
};

// Reads options from lists 201+offset.. and questions from lists 251+offset...
// An option entry that is not a whole number adds one warning text and is skipped.
ExerciseSet LoadExerciseSet(const StringLists& strings, std::int32_t offset,
                            std::vector<std::string>* warnings);

// The standard exercise that exercise ex is (itself in the whole set).
std::int32_t StandardExercise(const ExerciseSet& set, std::int32_t ex);

// Exercise ex's title: the class's title for a nominated exercise.
std::string ExerciseTitle(const StringLists& strings, const ExerciseSet& set, std::int32_t ex);

// False for an exercise outside 1..20 as well as for an item that is off.
bool ExerciseOption(const ExerciseSet& set, std::int32_t ex, std::int32_t item);

// What "List of exercises" shows: "G" (or "G-" when gPartial), "T" and "M".
struct ListFlags {
  bool g = false;
  bool gPartial = false;
  bool t = false;
  bool m = false;
  bool operator==(const ListFlags&) const = default;
};
ListFlags ExerciseListFlags(const ExerciseOptions& options);

// The working question list of a started exercise (what the questions menu and
// the marking read), indexed by question 1..10.
struct PreparedQuestions {
  QuestionList list;
  std::array<bool, kMaxQuestions + 1> chiSquarePart{};
  std::array<std::int32_t, kMaxQuestions + 1> maximum{};
  std::int32_t available = 0;
};

// Prepares exercise ex's questions for a try. tryCount counts earlier tries (0 on the
// first); from try count 2 on the list of `previous` is kept and only the marks are
// worked out again (without `previous` the list is prepared afresh). randomBit, drawn
// by the caller from the example's stream, makes a two- or three-locus exercise hand
// out its genotype questions in reverse order when it is 1.
PreparedQuestions PrepareQuestions(const ExerciseSet& set, std::int32_t ex,
                                   std::int32_t tryCount, std::int32_t lociCount,
                                   std::int32_t randomBit, const PreparedQuestions* previous);

// "Ex11 Q3 - Chi-square [character 2]"; empty for a question beyond the list's count.
std::string QuestionMenuTitle(const StringLists& strings, std::int32_t ex, std::int32_t q,
                              const PreparedQuestions& prepared);

}  // namespace crossmere
