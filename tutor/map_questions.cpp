// Questions about three loci: how they lie relative to one another (type 35)
// and how many genotypes each way of lying allows (type 36).

#include <algorithm>

#include "exercises/map_check.h"
#include "exercises/question_types.h"
#include "genetics/genotype_classes.h"
#include "layer/number_text.h"
#include "tutor/progression.h"
#include "tutor/question_families.h"
#include "tutor/question_framework.h"
#include "tutor/question_window.h"
#include "workspace/containers.h"
#include "workspace/main_window.h"
#include "workspace/session.h"

namespace crossmere {
namespace {

constexpr std::int32_t kOrderTexts = 545;
constexpr std::int32_t kCountTexts = 536;
constexpr std::int32_t kOrderType = 35;

// "Order of loci".
constexpr std::int32_t kOrderQuestion = 1;
constexpr std::int32_t kFirstOptionText = 2;
constexpr std::int32_t kOrderGood = 9;
constexpr std::int32_t kOrderExplained = 10;
constexpr std::int32_t kFirstOption = 41;
constexpr std::int32_t kOptions = 7;
constexpr std::int32_t kMarker = 48;

// "Number of genotypes".
constexpr std::int32_t kCountQuestion = 1;
constexpr std::int32_t kFirstConfiguration = 2;
constexpr std::int32_t kCountNote = 9;
constexpr std::int32_t kCountGood = 10;
constexpr std::int32_t kAnswersShown = 11;
constexpr std::int32_t kLookExplained = 12;
constexpr std::int32_t kLookAtGenotypes = 40;
constexpr std::int32_t kClassChooser = 547;
constexpr std::int32_t kChooserText = 50;
constexpr std::int32_t kFirstRowLabel = 11;
constexpr std::int32_t kFirstEntry = 21;
constexpr std::int32_t kFirstAnswer = 31;
constexpr std::int32_t kNote = 402;
constexpr std::int32_t kRows = 7;

std::int32_t Window(const Session& session, std::int32_t q) { return QuestionWindowOf(QuestionType(session, q)); }

bool OrderQuestion(const Session& session, std::int32_t q) { return QuestionType(session, q) == kOrderType; }

std::string WithSymbols(const Session& session, std::string text) {
  for (std::int32_t k = 1; k <= 3; ++k) {
    const std::string mark = "%" + std::to_string(k);
    for (auto at = text.find(mark); at != std::string::npos; at = text.find(mark)) {
      text.replace(at, mark.size(), LocusSymbol(session.genetics, k));
    }
  }
  return text;
}

std::int32_t ChosenOption(WindowService& service, std::int32_t window) {
  for (std::int32_t k = 0; k < kOptions; ++k) {
    if (service.ItemChecked(window, kFirstOption + k)) return k + 1;
  }
  return 0;
}

void SetUpOrder(Session& session, std::int32_t q) {
  WindowService& service = session.service;
  const std::int32_t window = Window(session, q);
  service.SetItemText(window, question_window::kInstruction, session.strings.ListString(kOrderTexts, kOrderQuestion));
  for (std::int32_t k = 0; k < kOptions; ++k) {
    const std::int32_t item = kFirstOption + k;
    service.SetItemText(window, item, WithSymbols(session, session.strings.ListString(kOrderTexts, kFirstOptionText + k)));
    service.SetItemValue(window, item, 0);
    service.ItemEnable(window, item);
  }
  service.ItemHide(window, kMarker);
  service.ItemHide(window, question_window::kMark);
}

void MarkOrder(Session& session, std::int32_t q) {
  WindowService& service = session.service;
  const std::int32_t window = Window(session, q);
  const auto right = static_cast<std::int32_t>(LinkageOf(session.genetics));
  const bool good = ChosenOption(service, window) == right;
  for (std::int32_t k = 0; k < kOptions; ++k) service.ItemDisable(window, kFirstOption + k);
  session.questionState.records[q].mark = good ? 1 : 0;
  if (good) {
    ShowGood(session, session.strings.ListString(kOrderTexts, kOrderGood));
    return;
  }
  service.ItemShow(window, question_window::kBadImage);
  if (session.classOptions.NoAnswers()) return;
  // The marker points at the right option.
  service.ItemPlace(window, kMarker, service.ItemRect(window, kFirstOption + right - 1).top,
                    service.ItemRect(window, kMarker).left);
  service.ItemShow(window, kMarker);
}

void SetUpCounts(Session& session, std::int32_t q) {
  WindowService& service = session.service;
  const std::int32_t window = Window(session, q);
  service.SetItemText(window, question_window::kInstruction, session.strings.ListString(kCountTexts, kCountQuestion));
  service.SetItemText(window, kNote, session.strings.ListString(kCountTexts, kCountNote));
  for (std::int32_t k = 0; k < kRows; ++k) {
    service.SetItemText(window, kFirstRowLabel + k, session.strings.ListString(kCountTexts, kFirstConfiguration + k));
    service.SetItemText(window, kFirstEntry + k, "");
    service.ItemEnable(window, kFirstEntry + k);
    service.ItemHide(window, kFirstAnswer + k);
  }
  service.ItemHide(window, kLookAtGenotypes);
}

// A mark for each count; the program's count beside each wrong one.
void MarkCounts(Session& session, std::int32_t q) {
  WindowService& service = session.service;
  const std::int32_t window = Window(session, q);
  const bool answersShown = !session.classOptions.NoAnswers();
  std::int32_t wrong = 0;
  for (std::int32_t k = 0; k < kRows; ++k) {
    const std::int32_t count = GenotypeCount(GenotypeConfigurations()[static_cast<std::size_t>(k)]);
    const bool right = ParseWholeNumber(service.ItemText(window, kFirstEntry + k)) == count;
    if (!right) ++wrong;
    service.ItemDisable(window, kFirstEntry + k);
    if (answersShown) ShowVerdictBeside(session, window, kFirstAnswer + k, right, std::to_string(count));
  }
  QuestionRecord& record = session.questionState.records[q];
  record.mark = std::max(QuestionMarks(QuestionType(session, q)) - wrong, 0);
  service.ItemShow(window, kLookAtGenotypes);
  if (wrong == 0) {
    ShowGood(session, session.strings.ListString(kCountTexts, kCountGood));
  } else {
    ShowBad(session, answersShown ? session.strings.ListString(kCountTexts, kAnswersShown) : std::string{});
  }
}

// The configuration whose genotypes the student wants to see; 0 for none.
std::int32_t ChooseConfiguration(Session& session) {
  WindowService& service = session.service;
  service.WindowOpen(kClassChooser, 0);
  CentreOnLayout(service, kClassChooser, session.startup.layout);
  service.SetItemText(kClassChooser, kChooserText, session.strings.ListString(kCountTexts, kLookExplained));
  for (std::int32_t k = 0; k < kRows; ++k) {
    service.SetItemText(kClassChooser, k + 1, session.strings.ListString(kCountTexts, kFirstConfiguration + k));
  }
  service.WindowRunModal(kClassChooser);
  std::int32_t chosen = 0;
  if (service.Registers().itemHit == question_window::kMark) {
    for (std::int32_t k = 1; k <= kRows && chosen == 0; ++k) {
      if (service.ItemChecked(kClassChooser, k)) chosen = k;
    }
  }
  service.WindowRelease(kClassChooser);
  return chosen;
}

// "Look at genotypes": a trial of the exercise with its loci laid out as the
// chosen configuration, every genotype of it in the Storage container.
void LookAtGenotypes(Session& session) {
  const std::int32_t configuration = ChooseConfiguration(session);
  if (configuration == 0) return;
  StartArrangedTrial(session, configuration);
  // Storage shows these genotypes alone.
  ContainerState& held = session.containers;
  ContainerRecord& storage = held.Record(containers::kFirst);
  held.held -= storage.count;
  storage.count = 0;
  storage.spots.fill(0);
  held.storageSpots = 0;
  for (std::int32_t c = 1; c <= kClassCount && storage.count < containers::kCapacity; ++c) {
    // One of each genotype: the classes that differ only in which parent
    // gave which chromosome are the same genotype.
    if (ClassInExample(session.genetics, c) && session.genetics.genotypeEquivalence[c] == c) {
      held.Add(containers::kFirst, c);
    }
  }
  ContainerLabelRedraw(session, containers::kFirst);
}

void SetUp(Session& session, std::int32_t q) {
  if (OrderQuestion(session, q)) {
    SetUpOrder(session, q);
  } else {
    SetUpCounts(session, q);
  }
}

void MarkAnswer(Session& session, std::int32_t q) {
  if (OrderQuestion(session, q)) {
    MarkOrder(session, q);
  } else {
    MarkCounts(session, q);
  }
}

// The order question's marking button waits for a choice.
void Reshow(Session& session, std::int32_t q) {
  if (OrderQuestion(session, q)) HideMarkingUntilAnswered(session, q, ChosenOption(session.service, Window(session, q)) != 0);
}

void ItemEvent(Session& session, std::int32_t q, std::int32_t item) {
  if (OrderQuestion(session, q) && item >= kFirstOption && item < kFirstOption + kOptions) ShowMarkingOnAnswer(session, q);
  if (!OrderQuestion(session, q) && item == kLookAtGenotypes) LookAtGenotypes(session);
}

std::string Explanation(Session& session, std::int32_t q) {
  return OrderQuestion(session, q) ? session.strings.ListString(kOrderTexts, kOrderExplained)
                                   : session.strings.ListString(kCountTexts, kCountNote);
}

}  // namespace

const QuestionFamily kGeneticMapFamily{
    .setUp = SetUp,
    .markAnswer = MarkAnswer,
    .reshow = Reshow,
    .itemEvent = ItemEvent,
    .explanation = Explanation,
};

}  // namespace crossmere
