#include "exercises/catalogue.h"

#include <algorithm>

#include "exercises/question_types.h"
#include "layer/number_text.h"
#include "layer/string_lists.h"

namespace crossmere {
namespace {

constexpr std::int32_t kOptionLists = 200;
constexpr std::int32_t kQuestionLists = 250;
constexpr std::int32_t kOptionEntries = 15;
constexpr std::int32_t kQuestionTitles = 497;
// Chi-square questions carry this on top of their observed-and-expected marks.
constexpr std::int32_t kChiSquareMarks = 4;

namespace qtype = question_type;

bool ValidExercise(std::int32_t ex) { return ex >= 1 && ex <= kExercisesPerSet; }

// Moves questions at..count down one place; the tenth falls off a full list.
void InsertQuestion(PreparedQuestions& prepared, std::int32_t at, std::int32_t type) {
  if (at < 1 || at > kMaxQuestions) return;
  auto& list = prepared.list;
  for (std::int32_t q = std::min(list.count, kMaxQuestions - 1); q >= at; --q) {
    list.types[q + 1] = list.types[q];
    prepared.chiSquarePart[q + 1] = prepared.chiSquarePart[q];
  }
  list.types[at] = type;
  prepared.chiSquarePart[at] = false;
  list.count = std::min(list.count + 1, kMaxQuestions);
}

std::int32_t FindType(const QuestionList& list, std::int32_t from, std::int32_t type) {
  for (std::int32_t q = from; q <= list.count; ++q) {
    if (list.types[q] == type) return q;
  }
  return 0;
}

void NumberGenotypeQuestions(QuestionList& list, const ExerciseOptions& options,
                             std::int32_t lociCount, std::int32_t randomBit) {
  const bool oneLocus = lociCount == 1;
  const bool reverse = !oneLocus && randomBit != 0;
  bool firstMet = false;
  for (std::int32_t k = 0; k < list.count; ++k) {
    const std::int32_t q = reverse ? list.count - k : k + 1;
    auto& type = list.types[q];
    if (type != qtype::kShowGenotypes) continue;
    if (firstMet) type = qtype::kSecondShowGenotypes;
    firstMet = true;
    if (options.WildNotation()) ++type;
    // One locus has no second character, so the "second" question is the other notation.
    if (oneLocus && type > 10) type = 13 - type;
  }
}

void AddRecombinationCrosses(PreparedQuestions& prepared, const ExerciseOptions& options) {
  auto& list = prepared.list;
  std::int32_t first = 0;
  for (std::int32_t q = 1; q <= list.count && first == 0; ++q) {
    const std::int32_t type = list.types[q];
    if (type == qtype::kEstimateRecombination || type == qtype::kGeneticMap) first = q;
  }
  if (first == 0) return;
  InsertQuestion(prepared, first, qtype::kRecombinationCross);

  const std::int32_t second = FindType(list, first + 2, qtype::kEstimateRecombination);
  if (second == 0) return;
  InsertQuestion(prepared, second + 1, qtype::kAnotherEstimate);
  list.types[second] = qtype::kSecondRecombinationCross;

  // In flies only the females recombine; question 32 tells the student so.
  if (options.Sexes() && options.Autosomal() && options.Fly() &&
      list.count < kMaxQuestions) {
    InsertQuestion(prepared, second + 2, qtype::kMaleRecombination);
  }
}

// Questions of the type after the first become laterType: all of them, or only the second.
void RenumberLater(QuestionList& list, std::int32_t type, std::int32_t laterType,
                   bool onlySecond) {
  std::int32_t seen = 0;
  for (std::int32_t q = 1; q <= list.count; ++q) {
    if (list.types[q] != type) continue;
    if (++seen >= 2) list.types[q] = laterType;
    if (seen == 2 && onlySecond) return;
  }
}

void PrepareList(PreparedQuestions& prepared, const ExerciseOptions& options,
                 std::int32_t lociCount, std::int32_t randomBit) {
  auto& list = prepared.list;
  auto& types = list.types;

  std::int32_t showGenotypes = 0;
  for (std::int32_t q = 1; q <= list.count; ++q) showGenotypes += types[q] == qtype::kShowGenotypes;

  if (options.PureBreedingParents() && options.Locked()) {
    if (options.WildNotation() || showGenotypes >= 2) {
      for (std::int32_t q = list.count; q >= 1; --q) {
        if (types[q] == qtype::kShowGenotypes) {
          types[q] = qtype::kShowGenotypesNotation;
          break;
        }
      }
    }
  } else {
    NumberGenotypeQuestions(list, options, lociCount, randomBit);
  }

  // The list names a chi-square question by the type after its observed-and-expected part.
  for (std::int32_t q = 1; q <= list.count; ++q) {
    auto& type = types[q];
    if (type == qtype::kObservedExpected2 || type == qtype::kTestcrossObserved2 ||
        type == qtype::kJointChiSquare || type == qtype::kSecondFindHeterozygote) {
      --type;
      prepared.chiSquarePart[q] = true;
    }
  }

  RenumberLater(list, qtype::kObservedExpected, qtype::kObservedExpected2, false);
  RenumberLater(list, qtype::kTestcrossObserved, qtype::kTestcrossObserved2, false);

  if (!options.Locked()) AddRecombinationCrosses(prepared, options);

  RenumberLater(list, qtype::kFindHomozygote, qtype::kSecondFindHomozygote, true);
  RenumberLater(list, qtype::kFindHeterozygote, qtype::kSecondFindHeterozygote, true);
}

void ScoreQuestions(PreparedQuestions& prepared) {
  prepared.available = 0;
  for (std::int32_t q = 1; q <= kMaxQuestions; ++q) {
    if (q > prepared.list.count) {
      prepared.list.types[q] = 0;
      prepared.chiSquarePart[q] = false;
      prepared.maximum[q] = 0;
      continue;
    }
    prepared.maximum[q] = QuestionMarks(prepared.list.types[q]) +
                          (prepared.chiSquarePart[q] ? kChiSquareMarks : 0);
    prepared.available += prepared.maximum[q];
  }
}

bool IsSecondCharacter(std::int32_t type) {
  return type == qtype::kObservedExpected2 || type == qtype::kTestcrossObserved2;
}

}  // namespace

ExerciseSet LoadExerciseSet(const StringLists& strings, std::int32_t offset,
                            std::vector<std::string>* warnings) {
  ExerciseSet set;
  set.offset = offset;
  for (std::int32_t ex = 1; ex <= kExercisesPerSet; ++ex) {
    auto& options = set.options[ex];
    for (std::int32_t entry = 1; entry <= kOptionEntries; ++entry) {
      const std::string text = strings.ListString(kOptionLists + offset + ex, entry);
      if (text.empty()) continue;
      const auto number = ParseWholeNumber(text);
      if (!number) {
        if (warnings) {
          warnings->push_back("Warning - Non-numeric character in defaults:  " + std::to_string(ex) +
                              "  " + std::to_string(entry));
        }
        continue;
      }
      options.Set(*number);
    }

    auto& questions = set.questions[ex];
    for (std::int32_t entry = 1; entry <= kMaxQuestions; ++entry) {
      const std::string text = strings.ListString(kQuestionLists + offset + ex, entry);
      if (text.empty()) continue;
      questions.types[++questions.count] = ParseWholeNumber(text).value_or(0);
    }
  }
  return set;
}

std::int32_t StandardExercise(const ExerciseSet& set, std::int32_t ex) {
  return set.nominated > 0 && ValidExercise(ex) ? set.standard[ex] : ex;
}

std::string ExerciseTitle(const StringLists& strings, const ExerciseSet& set, std::int32_t ex) {
  if (set.nominated > 0 && ValidExercise(ex) && !set.titles[ex].empty()) return set.titles[ex];
  return strings.ListString(649 + set.offset, StandardExercise(set, ex));
}

bool ExerciseOption(const ExerciseSet& set, std::int32_t ex, std::int32_t item) {
  return ValidExercise(ex) && set.options[ex].On(item);
}

ListFlags ExerciseListFlags(const ExerciseOptions& options) {
  ListFlags flags;
  flags.g = !options.GenotypesNo();
  flags.gPartial = flags.g && options.GenotypesPart();
  flags.t = !options.NoTrial() && !options.GenotypesYes();
  flags.m = !options.SingleExample();
  return flags;
}

PreparedQuestions PrepareQuestions(const ExerciseSet& set, std::int32_t ex,
                                   std::int32_t tryCount, std::int32_t lociCount,
                                   std::int32_t randomBit, const PreparedQuestions* previous) {
  PreparedQuestions prepared;
  if (tryCount >= 2 && previous != nullptr) {
    prepared.list = previous->list;
    prepared.chiSquarePart = previous->chiSquarePart;
  } else if (ValidExercise(ex)) {
    // Always from the standard list, so a second preparation adds nothing twice.
    prepared.list = set.questions[ex];
    PrepareList(prepared, set.options[ex], lociCount, randomBit);
  }
  ScoreQuestions(prepared);
  return prepared;
}

std::string QuestionMenuTitle(const StringLists& strings, std::int32_t ex, std::int32_t q,
                              const PreparedQuestions& prepared) {
  const auto& list = prepared.list;
  if (q < 1 || q > list.count || q > kMaxQuestions) return {};
  const std::int32_t type = list.types[q];
  const bool chiSquare = prepared.chiSquarePart[q];

  std::int32_t titleType = type;
  if (type == qtype::kObservedExpected2 || type == qtype::kTestcrossObserved2 ||
      type == qtype::kJointChiSquare) {
    --titleType;
  }
  // Each observed-and-expected title is followed in list 497 by its chi-square title.
  if (chiSquare && (titleType == qtype::kObservedExpected ||
                    titleType == qtype::kTestcrossObserved || titleType == qtype::kJointObserved)) {
    ++titleType;
  }

  std::string suffix;
  if (IsSecondCharacter(type)) {
    suffix = " [character 2]";
  } else if (type == qtype::kObservedExpected || type == qtype::kTestcrossObserved) {
    for (std::int32_t later = q + 1; later <= list.count; ++later) {
      if (IsSecondCharacter(list.types[later])) suffix = " [character 1]";
    }
  }
  const std::string title = !suffix.empty() && !chiSquare
                                ? "Obs. and Exp."
                                : strings.ListString(kQuestionTitles, titleType);
  return "Ex" + std::to_string(ex) + " Q" + std::to_string(q) + " - " + title + suffix;
}

}  // namespace crossmere
