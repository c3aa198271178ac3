// Questions answered by clicking an individual of a requested genotype.

#include "exercises/individual_check.h"
#include "exercises/question_types.h"
#include "tutor/individual_selection.h"
#include "tutor/question_families.h"
#include "tutor/question_framework.h"
#include "tutor/question_window.h"
#include "workspace/main_window.h"
#include "workspace/screen_objects.h"
#include "workspace/session.h"

namespace crossmere {
namespace {

using namespace find_text;

constexpr std::int32_t kTexts = 503;
constexpr std::int32_t kCharacterLabel = 402;
constexpr std::int32_t kCharacterValue = 403;
constexpr std::int32_t kPhenotypeLabel = 404;
constexpr std::int32_t kPhenotypeValue = 405;
constexpr std::int32_t kContainerLine = 306;
constexpr std::int32_t kPositionLine = 307;
constexpr std::int32_t kNoIndividualConfirm = 563;

std::string Text(const Session& session, std::int32_t index) { return session.strings.ListString(kTexts, index); }

FindContext& Find(Session& session) { return session.questionFamilies.Get<FindContext>(); }

const CharacterTexts& CharacterOf(const Session& session, std::int32_t locus) {
  return session.genetics.vocabulary.characters[session.genetics.loci[locus].character];
}

std::string HomozygotePhenotype(const Session& session, const FindContext& context) {
  const std::int32_t value = session.genetics.loci[context.locus].phenotype[2 * context.requestedAllele];
  return CharacterOf(session, context.locus).phenotypes[value - 1];
}

void SetUp(Session& session, std::int32_t q) {
  WindowService& service = session.service;
  const std::int32_t type = QuestionType(session, q);
  const std::int32_t window = QuestionWindowOf(type);
  const FindContext& context = Find(session);
  const bool homozygote = IsHomozygoteQuestion(type);
  const bool backcross =
      session.exercises.options[session.progress.current].DominantBackcrossParents();
  if (homozygote && backcross) {
    const bool first = FirstHomozygoteQuestion(session.questions, q);
    service.SetItemText(window, question_window::kInstruction,
                        Text(session, first ? kRecessiveInstruction : kDominantInstruction));
    for (const std::int32_t item : {kCharacterLabel, kCharacterValue, kPhenotypeLabel, kPhenotypeValue}) {
      service.ItemHide(window, item);
    }
    return;
  }
  service.SetItemText(window, question_window::kInstruction,
                      Text(session, homozygote ? kHomozygoteInstruction : kHeterozygoteInstruction));
  service.SetItemText(window, kCharacterValue, CharacterOf(session, context.locus).name);
  service.ItemShow(window, kCharacterLabel);
  service.ItemShow(window, kCharacterValue);
  if (homozygote) {
    service.SetItemText(window, kPhenotypeValue, HomozygotePhenotype(session, context));
    service.ItemShow(window, kPhenotypeLabel);
    service.ItemShow(window, kPhenotypeValue);
  } else {
    service.ItemHide(window, kPhenotypeLabel);
    service.ItemHide(window, kPhenotypeValue);
  }
}

bool ConfirmNoIndividual(Session& session) {
  return AskInDialog(session.service, kNoIndividualConfirm, session.startup.layout);
}

// Shows where an individual of the asked-for genotype could have been found.
void PointToExample(Session& session) {
  const FindContext& context = Find(session);
  if (const std::int32_t object = FindOnScreen(session, [&](std::int32_t classNumber) {
        return HasRequestedGenotype(session.genetics, classNumber, context);
      })) {
    Find(session).selected = object;
    ShowSelectionBox(session, object);
    ShowBad(session, Text(session, kOnScreen));
    return;
  }
  const ContainerState& containers = session.containers;
  for (std::int32_t c = containers::kFirst; c <= containers::kLast; ++c) {
    const ContainerRecord& record = containers.Record(c);
    for (std::int32_t spot = 1; spot <= record.count; ++spot) {
      if (!HasRequestedGenotype(session.genetics, record.spots[spot], context)) continue;
      ShowBad(session, Text(session, kInContainer));
      ShowResultLine(session, kContainerLine, Text(session, kContainerName) + record.name);
      ShowResultLine(session, kPositionLine, Text(session, kPosition) + std::to_string(spot));
      return;
    }
  }
  ShowBad(session, Text(session, kNoneProduced));
}

void MarkAnswer(Session& session, std::int32_t q) {
  QuestionState& state = session.questionState;
  QuestionRecord& record = state.records[q];
  record.mark = 0;
  const FindContext context = Find(session);
  if (context.selected != 0) {
    const std::int32_t classNumber = session.genetics.objectClass[context.selected];
    const FindVerdict verdict = JudgeIndividual(session.genetics, classNumber, QuestionType(session, q), context);
    if (verdict.good) {
      ShowGood(session, Text(session, verdict.message));
      record.mark = 1;
    } else {
      ShowBad(session, Text(session, verdict.message));
    }
    return;
  }
  if (!ConfirmNoIndividual(session)) {
    state.refuse = true;
    return;
  }
  if (RequestedGenotypeLethal(session.genetics, context)) {
    ShowGood(session, Text(session, kLethal));
    record.mark = 2;  // one more than the question is worth
    return;
  }
  PointToExample(session);
}

std::string Explanation(Session& session, std::int32_t) {
  std::string text;
  for (std::int32_t k = 0; k < kExplanationCount; ++k) {
    if (k > 0) text += "\n\n";
    text += Text(session, kFirstExplanation + k);
  }
  return text;
}

// While the question shows, a click picks an individual instead of moving it;
// from the keyboard, Space or Return picks the focused one. A click in an
// open container's view selects nothing.
bool WorkspaceClick(Session& session, std::int32_t, std::int32_t window, std::int32_t item) {
  FindContext& context = Find(session);
  const ServiceRegisters& registers = session.service.Registers();
  const bool onIndividual = window == main_window::kWindow && item >= kFirstParentObject && item <= kLastObject;
  std::int32_t object = 0;
  if (onIndividual && registers.fromKeyboard) {
    object = session.genetics.objectClass[item] != 0 ? item : 0;
  } else if (onIndividual) {
    object = PickIndividual(session, registers.pointerX, registers.pointerY);
  }
  context.selected = object;
  if (object != 0) {
    ShowSelectionBox(session, object);
  } else {
    HideSelectionBox(session);
  }
  return true;
}

void OnSelect(Session& session, std::int32_t q) {
  Find(session) = FindQuestionContext(session.genetics, session.questions,
                                      session.exercises.options[session.progress.current], q);
}

void Hide(Session& session, std::int32_t) {
  FindContext& context = Find(session);
  if (context.selected == 0) return;
  context.selected = 0;
  HideSelectionBox(session);
}

}  // namespace

const QuestionFamily kFindIndividualFamily{
    .setUp = SetUp,
    .markAnswer = MarkAnswer,
    .explanation = Explanation,
    .workspaceClick = WorkspaceClick,
    .onSelect = OnSelect,
    .hide = Hide,
};

}  // namespace crossmere
