#include "workspace/exercise_start.h"

#include "layer/tick_count.h"
#include "workspace/containers.h"
#include "workspace/individuals.h"
#include "workspace/instructions.h"
#include "workspace/session.h"

namespace crossmere {
namespace {

ExampleSettings SettingsOf(const Session& session) {
  const ClassOptions& options = session.classOptions;
  ExampleSettings settings;
  settings.randomCharacters = options.RandomCharacters();
  settings.randomInExercise = options.RandomInExercise();
  settings.sexInMonkbears = options.SexInMonkbears();
  settings.censorMaleDogs = options.CensorMaleDogs();
  for (std::int32_t kind = kDinosaurDog; kind <= kPlant; ++kind) {
    settings.unavailable[kind] = options.Unavailable(kind);
  }
  settings.ySymbol = options.ySymbol;
  return settings;
}

}  // namespace

void LoadExercises(Session& session) {
  std::vector<std::string> warnings;
  const std::int32_t offset = session.startup.advancedLevel != 0 ? kAdvancedSet : kElementarySet;
  session.exercises = LoadExerciseSet(session.strings, offset, &warnings);
  for (const std::string& warning : warnings) session.service.Alert(op::kInformationBox, warning);
}

void PrecomputeStudentKinds(Session& session) {
  const StudentIdentity& identity = session.identity;
  if (identity.number == 0) return;
  const std::int32_t seed = identity.name == kPlaceholderName ? static_cast<std::int32_t>(TickCount())
                                                              : identity.number;
  PrecomputeKinds(session.example, session.random, seed, session.exercises.options, SettingsOf(session));
}

void SetUpExercise(Session& session) {
  ProgressState& progress = session.progress;
  const std::int32_t ex = progress.current;
  const QuestionList& standard = session.exercises.questions[ex];

  ExampleRequest request;
  request.exercise = ex;
  request.tryCount = progress.tryCount[ex];
  request.options = &session.exercises.options[ex];
  request.questionTypes.assign(standard.types.begin() + 1, standard.types.begin() + 1 + standard.count);
  request.seedFromStudent = ExamplesFixed(session.identity, session.classOptions, progress.trialRunning);
  request.studentSeed = session.identity.number + PasswordCheckValueSetting(session.strings);
  request.fixedSeedMode = session.startup.fixedSeedMode;
  request.trialRunning = progress.trialRunning;
  request.trialArrangement = progress.trialArrangement;
  request.pickedKind = progress.pickedKind;

  ClearIndividuals(session);
  std::vector<std::string> alerts;
  SetUpExample(session.genetics, session.example, session.offspring, session.random, request,
               SettingsOf(session), session.strings, [] { return TickCount(); }, &alerts);
  for (const std::string& alert : alerts) session.service.Alert(op::kInformationBox, alert);

  // The question order comes from the example's own choices, so it is the student's too.
  const std::int32_t bit = session.example.thirtyChoices[1][1] - 1;
  const PreparedQuestions* previous = progress.questionsFor == ex ? &session.questions : nullptr;
  session.questions = PrepareQuestions(session.exercises, ex, progress.tryCount[ex],
                                       session.genetics.lociCount, bit, previous);
  progress.questionsFor = ex;
  session.cross = CrossState();
  const bool parents = session.genetics.objectClass[kFirstParentObject] != 0;
  // The starting parents are the first cross; 0 stays free for "no cross yet".
  session.cross.number = parents ? 1 : 0;
  session.cross.inBoxes = parents ? 2 : 0;
  session.cross.lastParents = session.example.parentObjects;
  ResetContainers(session);
  ShowCrossingBox(session);

  if (!session.classOptions.NoAutoShowDescription() && !session.classOptions.NoExerciseDescription()) {
    ShowExerciseDescription(session);
  }
}

}  // namespace crossmere
