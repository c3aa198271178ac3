#include "session/example_of.h"

#include "layer/string_lists.h"
#include "records/class_setup.h"

namespace crossmere {

ExampleSettings ExampleSettingsOf(const ClassOptions& options) {
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

void LoadExercises(SessionState& state, const StringLists& strings, std::vector<std::string>* warnings) {
  const ClassOptions& options = state.classOptions;
  std::vector<ExerciseSlot> slots;
  if (!options.WholeSet()) {
    // A slot without a standard exercise has no questions to ask.
    for (ExerciseSlot& slot : LoadClassSlots(strings)) {
      if (slot.catalogue >= 1 && slot.catalogue <= kExercisesPerSet) slots.push_back(std::move(slot));
    }
  }
  if (slots.empty()) {
    const std::int32_t offset = state.startup.advancedLevel != 0 ? kAdvancedSet : kElementarySet;
    state.exercises = LoadExerciseSet(strings, offset, warnings);
    return;
  }
  // The class's own list, from the set its level names.
  state.exercises = LoadExerciseSet(strings, options.Elementary() ? kElementarySet : kAdvancedSet, warnings);
  const ExerciseSet standard = state.exercises;
  ExerciseSet& set = state.exercises;
  std::int32_t k = 0;
  for (const ExerciseSlot& slot : slots) {
    ++k;
    set.standard[k] = slot.catalogue;
    set.titles[k] = slot.title;
    set.options[k] = slot.options;
    set.questions[k] = standard.questions[slot.catalogue];
  }
  for (std::int32_t rest = k + 1; rest <= kExercisesPerSet; ++rest) {
    set.options[rest] = ExerciseOptions();
    set.questions[rest] = QuestionList();
  }
  set.nominated = k;
}

void PrecomputeStudentKinds(SessionState& state, std::int64_t now) {
  const StudentIdentity& identity = state.identity;
  if (identity.number == 0) return;
  const std::int32_t seed = identity.name == kPlaceholderName ? static_cast<std::int32_t>(now) : identity.number;
  PrecomputeKinds(state.example, state.random, seed, state.exercises.options, ExampleSettingsOf(state.classOptions));
}

ExampleRequest ExampleRequestOf(const SessionState& state, std::int32_t classCheckValue) {
  const ProgressState& progress = state.progress;
  const std::int32_t ex = progress.current;
  const QuestionList& standard = state.exercises.questions[ex];
  ExampleRequest request;
  request.exercise = ex;
  request.tryCount = progress.tryCount[ex];
  request.options = &state.exercises.options[ex];
  request.questionTypes.assign(standard.types.begin() + 1, standard.types.begin() + 1 + standard.count);
  request.seedFromStudent = ExamplesFixed(state.identity, state.classOptions, progress.trialRunning);
  request.studentSeed = state.identity.number + classCheckValue;
  request.fixedSeedMode = state.startup.fixedSeedMode;
  request.trialRunning = progress.trialRunning;
  request.trialArrangement = progress.trialArrangement;
  request.pickedKind = progress.pickedKind;
  request.chosenWildNotation = state.example.chosenWildNotation;
  return request;
}

namespace {

// The containers as an exercise starts: only the Storage container, named
// and holding the example's stock, whose object numbers are freed.
void FillStorage(SessionState& state) {
  ContainerState& stock = state.containers;
  const auto skip = stock.skipConfirm;
  stock = ContainerState();
  stock.skipConfirm = skip;
  ContainerRecord& storage = stock.Record(containers::kFirst);
  storage.count = 0;
  storage.name = state.example.storageName;
  for (const std::int32_t object : state.example.storage) {
    stock.Add(containers::kFirst, state.genetics.objectClass[object]);
    FreeObject(state, object);
  }
}

}  // namespace

void StartExample(SessionState& state, const StringLists& strings, const Clock& clock,
                  std::vector<std::string>* alerts, std::optional<std::int32_t> seed) {
  ProgressState& progress = state.progress;
  const std::int32_t ex = progress.current;
  if (!progress.trialRunning) progress.usedBeforeTry = state.example.usedCharacters[ex];
  ExampleRequest request = ExampleRequestOf(state, PasswordCheckValueSetting(strings));
  request.seed = seed;
  const std::int32_t kindBefore = state.genetics.kind;
  ExampleSettings settings = ExampleSettingsOf(state.classOptions);
  settings.geneSymbols = state.geneSymbols;
  // A class may ask for closer linked loci in its standard exercise 14.
  constexpr std::int32_t kShortDistancesExercise = 14;
  settings.shortDistances = state.classOptions.ShortMapDistances() && state.exercises.nominated > 0 &&
                            StandardExercise(state.exercises, ex) == kShortDistancesExercise;
  SetUpExample(state.genetics, state.example, state.offspring, state.random, request, settings, strings, clock,
               alerts);
  state.example.previousKind = kindBefore;
  state.example.pickedKind = request.pickedKind;
  state.example.tryCount = request.tryCount;

  // The question order comes from the example's own choices, so it is the student's too.
  const std::int32_t bit = state.example.thirtyChoices[1][1] - 1;
  const PreparedQuestions& earlier = state.preparedQuestions[ex];
  const PreparedQuestions* previous = earlier.list.count > 0 ? &earlier : nullptr;
  state.questions = PrepareQuestions(state.exercises, ex, progress.tryCount[ex], state.genetics.lociCount, bit,
                                     previous);
  state.preparedQuestions[ex] = state.questions;

  state.cross = CrossState();
  const bool parents = state.genetics.objectClass[kFirstParentObject] != 0;
  // The starting parents are the first cross; 0 stays free for "no cross yet".
  state.cross.number = parents ? 1 : 0;
  state.cross.inBoxes = parents ? 2 : 0;
  state.cross.lastParents = state.example.parentObjects;
  FillStorage(state);
}

SessionState RecreateExample(const StringLists& strings, std::int32_t studentNumber, std::int32_t setOffset,
                             std::int32_t exercise, const GeneSymbolChoices& geneSymbols) {
  SessionState state;
  state.geneSymbols = geneSymbols;
  state.classOptions = LoadClassOptions(strings);
  state.identity.number = studentNumber;
  state.identity.numberGiven = true;
  state.identity.entered = true;
  state.startup.advancedLevel = setOffset == kAdvancedSet ? 1 : 0;
  LoadExercises(state, strings, nullptr);
  // Nothing of the student's example reads the clock; the offspring bred
  // after it draw from a clock standing at 0, the same on every machine.
  const Clock noClock = [] { return std::int64_t{0}; };
  PrecomputeStudentKinds(state, noClock());
  state.progress.current = exercise;
  StartExample(state, strings, noClock, nullptr);
  return state;
}

}  // namespace crossmere
