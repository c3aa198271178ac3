// Recombination: setting up a cross that measures it (types 30 and 31),
// estimating its frequency from the offspring (28 and 29), and the closing
// remark about males (32).

#include <cstdlib>

#include "exercises/question_types.h"
#include "exercises/recombination_check.h"
#include "layer/number_text.h"
#include "statistics/observed_tally.h"
#include "tutor/question_families.h"
#include "tutor/question_framework.h"
#include "tutor/question_window.h"
#include "workspace/session.h"

namespace crossmere {
namespace {

constexpr std::int32_t kTexts = 528;
enum Text : std::int32_t {
  kWhichParent = 1,
  kWhichSex = 2,
  kFirstParent = 3,
  kSecondParent = 4,
  kFemale = 5,
  kMale = 6,
  kNoChoice = 7,
  kNoCross = 8,
  kIncorrect = 9,
  kOtherGenotype = 10,
  kOtherGenotypeSexes = 11,
  kGoodEnough = 12,
  kGoodNone = 13,
  kGoodTooFew = 14,
  kNotDoubleHeterozygote = 15,
  kOtherNotRecessive = 16,
  kSameGenotype = 17,
  kMaleFlies = 18,
  kUseTheFemale = 19,
  kConfirmCross = 20,
  kEstimatingIn = 21,
  kTotalLabel = 22,
  kRecombinantLabel = 23,
  kPercentLabel = 24,
  kNewEstimates = 25,
  kNoDoubleRecessive = 26,
  kMaleRemark = 27,
  kCompareRemark = 28,
  kProduceAtLeast = 29,
  kFromCross = 30,
  kFromCages = 31,
  kAllRight = 32,
  kEstimates = 33,
  kTheFemale = 38,  // 38..41: the female, the male, the first parent, the second
  kSetUpExplanation = 42,
  kEstimateExplanation = 45,
};

constexpr std::int32_t kFirstCrossType = 30;
constexpr std::int32_t kSecondCrossType = 31;
constexpr std::int32_t kAnotherEstimateType = 29;
constexpr std::int32_t kMaleRemarkType = 32;
constexpr std::int32_t kFirstPlace = 311;
constexpr std::int32_t kSecondPlace = 312;
constexpr std::int32_t kMeasured = 330;
constexpr std::int32_t kFirstLabel = 341;
constexpr std::int32_t kFirstEntry = 51;
constexpr std::int32_t kFirstAnswer = 61;
constexpr std::int32_t kEntries = 3;
constexpr std::int32_t kResultLine = 306;
constexpr std::int32_t kFewestOffspring = 2;

// Which parent place (1 or 2) each cross question measured, and the phase
// of the first cross.
struct RecombinationState {
  std::array<std::int32_t, kMaxQuestions + 1> measuredPlace{};
  std::array<bool, kMaxQuestions + 1> coupling{};
};

RecombinationState& State(Session& session) { return session.questionFamilies.Get<RecombinationState>(); }

std::string Text(const Session& session, std::int32_t index) { return session.strings.ListString(kTexts, index); }

std::int32_t Window(const Session& session, std::int32_t q) { return QuestionWindowOf(QuestionType(session, q)); }

bool CrossQuestion(std::int32_t type) { return type == kFirstCrossType || type == kSecondCrossType; }

bool Sexes(const Session& session) { return !session.genetics.hermaphrodite; }

std::int32_t ParentClass(const Session& session, std::int32_t place) {
  return session.genetics.objectClass[place == 1 ? kFirstParentObject : kSecondParentObject];
}

// The nearest question before q of a type.
std::int32_t Earlier(const Session& session, std::int32_t q, bool (*wanted)(std::int32_t)) {
  for (std::int32_t k = q - 1; k >= 1; --k) {
    if (wanted(QuestionType(session, k))) return k;
  }
  return 0;
}

void HideAll(WindowService& service, std::int32_t window) {
  for (const std::int32_t item : {kFirstPlace, kSecondPlace, kMeasured}) service.ItemHide(window, item);
  for (std::int32_t k = 0; k < kEntries; ++k) {
    for (const std::int32_t first : {kFirstLabel, kFirstEntry, kFirstAnswer}) service.ItemHide(window, first + k);
  }
}

// ---- The cross (types 30 and 31) ----

void SetUpCross(Session& session, std::int32_t q) {
  WindowService& service = session.service;
  const std::int32_t window = Window(session, q);
  const bool sexes = Sexes(session);
  std::string instruction = Text(session, sexes ? kWhichSex : kWhichParent);
  if (QuestionType(session, q) == kSecondCrossType) {
    instruction = Text(session, sexes ? kOtherGenotypeSexes : kOtherGenotype) + "  " + instruction;
  } else if (session.genetics.kind == kFly && sexes) {
    instruction = Text(session, kUseTheFemale) + "  " + instruction;
  }
  service.SetItemText(window, question_window::kInstruction, instruction);
  for (const std::int32_t item : {kFirstPlace, kSecondPlace}) {
    const bool first = item == kFirstPlace;
    service.SetItemText(window, item, Text(session, sexes ? (first ? kFemale : kMale) : (first ? kFirstParent : kSecondParent)));
    service.SetItemValue(window, item, 0);
    service.ItemEnable(window, item);
    service.ItemShow(window, item);
  }
}

std::int32_t ChosenPlace(WindowService& service, std::int32_t window) {
  if (service.ItemChecked(window, kFirstPlace)) return 1;
  if (service.ItemChecked(window, kSecondPlace)) return 2;
  return 0;
}

// With sexes the buttons name the sexes: the measured parent is the one of
// the sex chosen, whichever place it stands in.
std::int32_t PlaceOfChoice(const Session& session, std::int32_t choice) {
  if (!Sexes(session)) return choice;
  const std::int32_t wantedSex = choice == 1 ? 0 : 1;
  const std::int32_t first = ParentClass(session, 1);
  if (first != 0 && session.genetics.classes[first].Sex() == wantedSex) return 1;
  return 2;
}

void Refuse(Session& session, std::int32_t q, const std::string& text, const std::string& reason = {}) {
  QuestionRecord& record = session.questionState.records[q];
  record.mark = std::max(record.mark - 1, 0);
  ShowBad(session, text);
  if (!reason.empty()) ShowResultLine(session, kResultLine, reason);
  session.questionState.refuse = true;
}

void MarkCross(Session& session, std::int32_t q) {
  WindowService& service = session.service;
  const std::int32_t window = Window(session, q);
  // The parent buttons are numbered among the verdicts that marking clears.
  service.ItemShow(window, kFirstPlace);
  service.ItemShow(window, kSecondPlace);
  const std::int32_t choice = ChosenPlace(service, window);
  if (choice == 0) {
    service.Alert(op::kWarningBox, Text(session, kNoChoice));
    session.questionState.refuse = true;
    return;
  }
  if (ParentClass(session, 1) == 0 || ParentClass(session, 2) == 0) {
    Refuse(session, q, Text(session, kNoCross));
    return;
  }
  const std::int32_t place = PlaceOfChoice(session, choice);
  const std::int32_t measured = ParentClass(session, place);
  const std::int32_t other = ParentClass(session, 3 - place);
  std::optional<bool> earlierCoupling;
  if (QuestionType(session, q) == kSecondCrossType) {
    const std::int32_t first = Earlier(session, q, [](std::int32_t type) { return type == kFirstCrossType; });
    if (first != 0) earlierCoupling = State(session).coupling[static_cast<std::size_t>(first)];
  }
  switch (JudgeRecombinationCross(session.genetics, measured, other, earlierCoupling)) {
    case RecombinationCross::Right: break;
    case RecombinationCross::NotDoubleHeterozygote:
      Refuse(session, q, Text(session, kIncorrect), Text(session, kNotDoubleHeterozygote));
      return;
    case RecombinationCross::OtherNotRecessive:
      Refuse(session, q, Text(session, kIncorrect), Text(session, kOtherNotRecessive));
      return;
    case RecombinationCross::SamePhase:
      Refuse(session, q, Text(session, kIncorrect), Text(session, kSameGenotype));
      return;
    case RecombinationCross::MaleFlies:
      Refuse(session, q, Text(session, kIncorrect), Text(session, kMaleFlies));
      return;
  }
  RecombinationState& state = State(session);
  state.measuredPlace[static_cast<std::size_t>(q)] = place;
  state.coupling[static_cast<std::size_t>(q)] = InCoupling(session.genetics, measured);
  service.ItemDisable(window, kFirstPlace);
  service.ItemDisable(window, kSecondPlace);
  LockParents(session);
  const std::int32_t offspring = session.offspring.counters[2];
  const std::int32_t good = offspring >= MinimumOffspring(session) ? kGoodEnough
                            : offspring < kFewestOffspring       ? kGoodNone
                                                                 : kGoodTooFew;
  ShowGood(session, Text(session, good));
}

// ---- The estimate (types 28 and 29) ----

std::string PlaceName(const Session& session, std::int32_t place) {
  if (Sexes(session)) {
    const bool female = session.genetics.classes[ParentClass(session, place)].Sex() == 0;
    return Text(session, female ? kTheFemale : kTheFemale + 1);
  }
  return Text(session, place == 1 ? kTheFemale + 2 : kTheFemale + 3);
}

void SetUpEstimate(Session& session, std::int32_t q) {
  WindowService& service = session.service;
  const std::int32_t window = Window(session, q);
  if (!RecombinationCrossConfirmed(session, q)) {
    RefuseSetUp(session, q, Text(session, kConfirmCross));
    return;
  }
  const std::int32_t place = MeasuredPlace(session, q);
  if (place == 0) {
    service.Alert(op::kWarningBox, Text(session, kNoDoubleRecessive));
    RefuseSetUp(session, q, Text(session, kConfirmCross));
    return;
  }
  const bool another = QuestionType(session, q) == kAnotherEstimateType;
  service.SetItemText(window, question_window::kInstruction, Text(session, another ? kNewEstimates : kEstimates));
  service.SetItemText(window, kMeasured, Text(session, kEstimatingIn) + "  " + PlaceName(session, place));
  service.ItemShow(window, kMeasured);
  for (std::int32_t k = 0; k < kEntries; ++k) {
    service.SetItemText(window, kFirstLabel + k, Text(session, kTotalLabel + k));
    service.SetItemText(window, kFirstEntry + k, "");
    service.ItemEnable(window, kFirstEntry + k);
    service.ItemShow(window, kFirstLabel + k);
    service.ItemShow(window, kFirstEntry + k);
  }
}

void MarkEstimate(Session& session, std::int32_t q) {
  WindowService& service = session.service;
  const std::int32_t window = Window(session, q);
  const std::int32_t minimum = MinimumOffspring(session);
  if (session.offspring.counters[2] < minimum) {
    ShowBad(session, WithNumber(Text(session, kProduceAtLeast), minimum));
    session.questionState.refuse = true;
    return;
  }
  std::array<std::optional<std::int32_t>, kEntries> entered{};
  for (std::int32_t k = 0; k < kEntries; ++k) {
    entered[static_cast<std::size_t>(k)] = ParseWholeNumber(service.ItemText(window, kFirstEntry + k));
  }
  const std::int32_t place = MeasuredPlace(session, q);
  const std::int32_t measured = ParentClass(session, place);
  const bool first = GivesFirstChromosome(session, place);
  const GameteCount fromCross =
      CountGametes(session.genetics, measured, first, session.offspring.crossClassCount, 1, 2);
  const ContainerCounts inCages = ContainerClassCounts(session.containers, session.cross.number);
  const GameteCount fromCages = CountGametes(session.genetics, measured, first, inCages.perClass, 1, 2);
  // The source nearer the student's own counts.
  const auto distance = [&](const GameteCount& count) {
    return std::llabs(entered[0].value_or(0) - count.total) + std::llabs(entered[1].value_or(0) - count.recombinant);
  };
  const bool cages = inCages.containers > 0 && fromCages.total > 0 && distance(fromCages) < distance(fromCross);
  const GameteCount& count = cages ? fromCages : fromCross;

  const std::array<bool, kEntries> right{entered[0] == count.total, entered[1] == count.recombinant,
                                         entered[2] && PercentRight(*entered[2], count)};
  std::int32_t wrong = 0;
  for (std::int32_t k = 0; k < kEntries; ++k) {
    service.ItemDisable(window, kFirstEntry + k);
    if (!right[static_cast<std::size_t>(k)]) ++wrong;
  }
  QuestionRecord& record = session.questionState.records[q];
  record.mark = std::max(QuestionMarks(QuestionType(session, q)) - wrong, 0);
  if (wrong == 0) {
    ShowGood(session, Text(session, kAllRight));
    return;
  }
  if (session.classOptions.NoAnswers()) {
    service.ItemShow(window, question_window::kBadImage);
    return;
  }
  const std::array<std::int32_t, kEntries> program{count.total, count.recombinant, NearestPercent(count)};
  for (std::int32_t k = 0; k < kEntries; ++k) {
    ShowVerdictBeside(session, window, kFirstAnswer + k, right[static_cast<std::size_t>(k)],
                      std::to_string(program[static_cast<std::size_t>(k)]));
  }
  ShowBad(session, Text(session, cages ? kFromCages : kFromCross));
}

// ---- The family ----

void SetUp(Session& session, std::int32_t q) {
  WindowService& service = session.service;
  const std::int32_t window = Window(session, q);
  HideAll(service, window);
  const std::int32_t type = QuestionType(session, q);
  if (CrossQuestion(type)) {
    SetUpCross(session, q);
  } else if (type == kMaleRemarkType) {
    service.SetItemText(window, question_window::kInstruction,
                        Text(session, kMaleRemark) + "\n\n" + Text(session, kCompareRemark));
  } else {
    SetUpEstimate(session, q);
  }
}

void MarkAnswer(Session& session, std::int32_t q) {
  const std::int32_t type = QuestionType(session, q);
  if (CrossQuestion(type)) {
    MarkCross(session, q);
  } else if (type != kMaleRemarkType) {
    MarkEstimate(session, q);
  }
  // The remark about males is taken on trust: its marks are the student's.
}

std::string Explanation(Session& session, std::int32_t q) {
  if (!CrossQuestion(QuestionType(session, q))) return Text(session, kEstimateExplanation);
  return Text(session, kSetUpExplanation) + "\n\n" + Text(session, kSetUpExplanation + 1) + "\n\n" +
         Text(session, kSetUpExplanation + 2);
}

}  // namespace

bool GivesFirstChromosome(const Session& session, std::int32_t place) {
  if (!Sexes(session)) return place == 1;
  return session.genetics.classes[ParentClass(session, place)].Sex() == 0;
}

std::int32_t MeasuredPlace(Session& session, std::int32_t q) {
  const std::int32_t cross = Earlier(session, q, CrossQuestion);
  if (cross != 0) return State(session).measuredPlace[static_cast<std::size_t>(cross)];
  for (const std::int32_t place : {1, 2}) {
    const std::int32_t other = ParentClass(session, 3 - place);
    if (other != 0 && RecessiveAtEveryLocus(session.genetics, other) && ParentClass(session, place) != 0) return place;
  }
  return 0;
}

bool RecombinationCrossConfirmed(const Session& session, std::int32_t q) {
  const std::int32_t cross = Earlier(session, q, CrossQuestion);
  return cross == 0 || session.questionState.records[cross].completed;
}

const QuestionFamily kRecombinationFamily{
    .setUp = SetUp,
    .markAnswer = MarkAnswer,
    .explanation = Explanation,
};

}  // namespace crossmere
