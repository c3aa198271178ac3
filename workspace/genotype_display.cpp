#include "workspace/genotype_display.h"

#include "genetics/genotype_classes.h"
#include "workspace/individuals.h"
#include "workspace/session.h"

namespace crossmere {
namespace {

const ExerciseOptions& OptionsOf(const Session& session) {
  return session.exercises.options[session.progress.current];
}

bool MayShow(const Session& session) {
  const ExerciseOptions& options = OptionsOf(session);
  return (options.GenotypesPart() || options.GenotypesYes()) && options.GenotypesHiddenInitially();
}

bool MaySwitch(const Session& session) { return OptionsOf(session).NotationSwitch(); }

void ShowLabels(Session& session, bool shown) {
  session.example.genotypesShown = shown;
  for (std::int32_t k = 1; k <= session.genetics.lociCount; ++k) session.example.showGenotypes[k] = shown;
}

void SwitchNotation(Session& session) {
  session.genetics.wildNotation = !session.genetics.wildNotation;
  session.example.chosenWildNotation = session.genetics.wildNotation;
  BuildGenotypeTexts(session.genetics);
}

}  // namespace

bool GenotypesCommandAllowed(const Session& session) { return MayShow(session) || MaySwitch(session); }

void GenotypesCommand(Session& session) {
  if (!GenotypesCommandAllowed(session)) return;
  const bool shown = session.example.genotypesShown;
  const bool switched = session.genetics.wildNotation != OptionsOf(session).WildNotation();
  if (MayShow(session) && !shown) {
    ShowLabels(session, true);
  } else if (MaySwitch(session) && !switched) {
    SwitchNotation(session);
  } else {
    if (MayShow(session)) ShowLabels(session, false);
    if (switched) SwitchNotation(session);
  }
  RedrawIndividuals(session);
}

}  // namespace crossmere
