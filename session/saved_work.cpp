#include "session/saved_work.h"

#include <algorithm>
#include <string_view>

#include "genetics/genotype_classes.h"
#include "layer/string_lists.h"
#include "session/example_of.h"

namespace crossmere {
namespace {

// What the file remembers of the example, to know it again when it is remade.
SavedWorkExtension::Example ExampleOf(const SessionState& state) {
  const GeneticsState& genetics = state.genetics;
  SavedWorkExtension::Example example;
  example.kind = genetics.kind;
  example.lociCount = genetics.lociCount;
  for (std::int32_t k = 1; k <= genetics.lociCount; ++k) {
    const LocusRule& rule = genetics.loci[k];
    example.loci[k] = {genetics.locusPosition[k], rule.character, rule.dominantAllele, rule.lethal, rule.phenotype};
  }
  example.palette = state.example.palette;
  example.offspringLabels = state.example.offspringLabels;
  example.unlinkedLabelColours = state.example.unlinkedLabelColours;
  example.questions = state.questions.list;
  return example;
}

bool Refuse(SavedWorkProblem* problem, std::string what) {
  if (problem) problem->what = std::move(what);
  return false;
}

}  // namespace

void CompactStorage(ContainerState& containers) {
  ContainerRecord& storage = containers.Record(containers::kFirst);
  std::array<std::int32_t, containers::kCapacity + 1> packed{};
  std::int32_t next = 1;
  for (std::int32_t spot = 1; spot <= containers::kCapacity; ++spot) {
    if (storage.spots[spot] > 0) packed[next++] = storage.spots[spot];
  }
  storage.spots = packed;
  containers.storageSpots = next - 1;
}

SavedWork CaptureWork(const SessionState& state, const WorkspacePlaces& places) {
  const ProgressState& progress = state.progress;
  const GeneticsState& genetics = state.genetics;
  SavedWork work;
  work.exerciseCount = progress.exerciseCount;
  work.current = progress.current;
  work.studentNumber = state.identity.number;
  work.name = state.identity.name == kPlaceholderName ? std::string() : state.identity.name;
  for (std::int32_t ex = 1; ex <= work.exerciseCount; ++ex) {
    work.tryCount[ex] = progress.tryCount[ex];
    work.exercises[ex] = {state.example.precomputedKinds[ex], progress.marksObtained[ex], progress.marksPossible[ex],
                          progress.attempted[ex]};
  }
  work.kind = genetics.kind;
  work.previousKind = state.example.previousKind;
  work.usedCharacters = state.example.usedCharacters;
  for (auto& used : work.usedCharacters) used[0] = used[1] = false;
  work.containersInUse = state.containers.inUse;
  std::int32_t held = 0;
  for (std::int32_t k = 0; k < kContainerCount; ++k) {
    const ContainerRecord& record = state.containers.records[k];
    SavedWork::Container& container = work.containers[k];
    container.count = record.count;
    container.cross = record.crossTag;
    if (record.count < 0) continue;
    container.name = record.name;
    container.place = places.containers[k];
    for (std::int32_t spot = 1; spot <= containers::kCapacity; ++spot) {
      if (record.spots[spot] > 0) container.classes.push_back(record.spots[spot]);
    }
    // What the container holds is what is written, whatever its counter says.
    container.count = static_cast<std::int32_t>(container.classes.size());
    held += container.count;
  }
  const std::int32_t pending = state.offspring.pending;
  work.offspringBoxCount = pending != 0 ? 1 : 0;
  work.totalObtained = progress.totalObtained;
  work.totalPossible = progress.totalPossible;
  std::int32_t highest = 0;
  for (std::int32_t object = kFirstOffspringObject; object <= kLastOffspringObject; ++object) {
    if (genetics.objectClass[object] > 0) highest = object;
  }
  work.highestObject = highest;
  for (std::int32_t object = kFirstOffspringObject; object <= highest; ++object) {
    const std::int32_t classNumber = genetics.objectClass[object];
    work.objectClasses.push_back(classNumber);
    if (classNumber > 0) work.objectPlaces.push_back(places.objects[object]);
  }
  for (std::int32_t c = 1; c <= kClassCount; ++c) work.pictureBuilt[c] = genetics.classPictureBuilt[c];
  const OffspringState& offspring = state.offspring;
  work.crossingBox = {0, state.example.parentObjects[0], state.example.parentObjects[1], 0, offspring.counters[0],
                      held};
  work.offspringWords = {offspring.counters[0] > 0 ? 3 : 0, state.cross.number, offspring.counters[2], pending,
                         offspring.counters[1]};
  SavedWork::Extension& extension = work.extension.emplace();
  extension.setOffset = state.exercises.offset;
  extension.usedBeforeTry = progress.usedBeforeTry;
  extension.usedBeforeTry[0] = extension.usedBeforeTry[1] = false;
  extension.exampleSeed = state.example.seed;
  extension.exampleTry = state.example.tryCount;
  extension.example = ExampleOf(state);
  extension.pickedKind = state.example.pickedKind;
  for (std::int32_t ex = 1; ex <= kExercisesPerSet; ++ex) {
    extension.exercises[ex] = {state.example.precomputedKinds[ex], progress.tryCount[ex], progress.marksObtained[ex],
                               progress.marksPossible[ex], progress.completed[ex]};
  }
  extension.generator = state.random.CurrentState();
  return work;
}

std::optional<SessionState> RestoredState(const SessionState& current, const SavedWork& work,
                                          const StringLists& strings, const Clock& clock,
                                          SavedWorkProblem* problem) {
  // Work saved under another class's list would point at exercises this class does not have.
  const std::int32_t nominated = current.exercises.nominated;
  if (nominated > 0 && (work.exerciseCount != nominated || work.current > nominated)) {
    Refuse(problem, "it was saved under another class set-up");
    return std::nullopt;
  }
  SessionState state = current;
  StudentIdentity& identity = state.identity;
  identity = StudentIdentity();
  identity.name = work.name;
  identity.number = work.studentNumber;
  identity.nameGiven = !work.name.empty();
  identity.numberGiven = true;
  identity.entered = true;

  // The student's progress, and their example of the current exercise set up afresh.
  ProgressState& progress = state.progress;
  const ProgressState kept = progress;
  progress = ProgressState();
  progress.setMode = kept.setMode;
  progress.keepPickedKind = kept.keepPickedKind;
  progress.programStart = kept.programStart;
  progress.exerciseStart = clock();
  progress.exerciseCount = work.exerciseCount;
  progress.current = work.current;
  progress.previous = work.current;
  if (work.extension && work.extension->setOffset != state.exercises.offset) {
    state.startup.advancedLevel = work.extension->setOffset == kAdvancedSet ? 1 : 0;
    LoadExercises(state, strings, nullptr);
  }
  state.example = ExampleState();
  state.preparedQuestions = {};
  state.example.usedCharacters = work.usedCharacters;
  // The example is made again as it was made: from its seed, with the
  // organism and the characters it was made with. A file without the block
  // has only the student number and a record of characters that includes
  // this try's own.
  const SavedWork::Extension* extension = work.extension ? &*work.extension : nullptr;
  for (std::int32_t ex = 1; ex <= work.exerciseCount; ++ex) progress.tryCount[ex] = work.tryCount[ex];
  if (extension) {
    progress.usedBeforeTry = extension->usedBeforeTry;
    state.example.usedCharacters[work.current] = extension->usedBeforeTry;
    progress.pickedKind = extension->pickedKind;
    for (std::int32_t ex = 1; ex <= kExercisesPerSet; ++ex) {
      state.example.precomputedKinds[ex] = extension->exercises[ex].kind;
    }
    progress.tryCount[work.current] = extension->exampleTry;
    state.preparedQuestions[work.current].list = extension->example.questions;
  } else {
    PrecomputeStudentKinds(state, clock());
  }
  state.questionState = QuestionState();
  StartExample(state, strings, clock, nullptr,
               extension ? std::optional<std::int32_t>(extension->exampleSeed) : std::nullopt);
  if (!progress.keepPickedKind) progress.pickedKind = 0;
  state.example.usedCharacters = work.usedCharacters;
  state.example.previousKind = work.previousKind;
  if (extension) {
    // The genetics must be the saved example's; the label colours are the
    // student's choice, and later tries keep the questions of earlier ones.
    SavedWorkExtension::Example remade = ExampleOf(state);
    remade.unlinkedLabelColours = extension->example.unlinkedLabelColours;
    remade.questions = extension->example.questions;
    if (!(remade == extension->example)) {
      Refuse(problem, "its example was made by another version of Crossmere and cannot be made again");
      return std::nullopt;
    }
    state.example.unlinkedLabelColours = extension->example.unlinkedLabelColours;
  }
  if (state.genetics.kind != work.kind) {
    Refuse(problem, "it was saved from an example that cannot be made again here");
    return std::nullopt;
  }

  // Then the file's marks, individuals, containers and crossing box over it.
  for (std::int32_t ex = 1; ex <= work.exerciseCount; ++ex) {
    const SavedWork::ExerciseRecord& record = work.exercises[ex];
    if (record.kind != 0) state.example.precomputedKinds[ex] = record.kind;
    progress.marksObtained[ex] = record.obtained;
    progress.marksPossible[ex] = record.possible;
    progress.attempted[ex] = record.attempted;
    progress.completed[ex] = record.possible > 0;
  }
  progress.totalObtained = work.totalObtained;
  progress.totalPossible = work.totalPossible;
  if (extension) {
    for (std::int32_t ex = 1; ex <= kExercisesPerSet; ++ex) {
      const auto& exercise = extension->exercises[ex];
      progress.tryCount[ex] = exercise.tries;
      progress.marksObtained[ex] = exercise.obtained;
      progress.marksPossible[ex] = exercise.possible;
      progress.completed[ex] = exercise.completed;
    }
  }

  GeneticsState& genetics = state.genetics;
  auto fits = [&genetics](std::int32_t classNumber) { return ClassInExample(genetics, classNumber); };
  std::fill(genetics.objectClass.begin() + kFirstParentObject, genetics.objectClass.end(), 0);
  genetics.classPictureBuilt.fill(false);
  for (std::size_t k = 0; k < work.objectClasses.size(); ++k) {
    const std::int32_t classNumber = work.objectClasses[k];
    if (classNumber != 0 && !fits(classNumber)) {
      Refuse(problem, "its individuals do not belong to the student's example");
      return std::nullopt;
    }
    genetics.objectClass[kFirstOffspringObject + static_cast<std::int32_t>(k)] = classNumber;
  }
  ContainerState& stock = state.containers;
  const auto skip = stock.skipConfirm;
  stock = ContainerState();
  stock.skipConfirm = skip;
  stock.inUse = work.containersInUse;
  for (std::int32_t k = 0; k < kContainerCount; ++k) {
    const SavedWork::Container& container = work.containers[k];
    ContainerRecord& record = stock.records[k];
    record.count = container.count;
    record.crossTag = container.cross;
    record.name = container.name;
    for (std::size_t slot = 0; slot < container.classes.size(); ++slot) {
      if (!fits(container.classes[slot])) {
        Refuse(problem, "its containers hold individuals that do not belong to the student's example");
        return std::nullopt;
      }
      record.spots[slot + 1] = container.classes[slot];
    }
    stock.held += std::max(container.count, 0);
  }
  stock.storageSpots = stock.Record(containers::kFirst).count;

  OffspringState& offspring = state.offspring;
  offspring.highestObject = work.highestObject;
  offspring.pending = work.offspringWords[3];
  offspring.counters = {work.crossingBox[4], work.offspringWords[4], work.offspringWords[2]};
  offspring.startingCross = work.offspringWords[1] == 1;
  offspring.f1.fill(0);
  state.example.parentObjects = {work.crossingBox[1], work.crossingBox[2]};
  for (std::int32_t k = 0; k < 2; ++k) {
    const std::int32_t parent = state.example.parentObjects[k];
    genetics.objectClass[kFirstParentObject + k] = parent != 0 ? genetics.objectClass[parent] : 0;
  }
  state.cross = CrossState();
  state.cross.number = work.offspringWords[1];
  state.cross.lastParents = state.example.parentObjects;
  state.cross.inBoxes = (work.crossingBox[1] != 0 ? 1 : 0) + (work.crossingBox[2] != 0 ? 1 : 0);
  if (extension) state.random.SetCurrentState(extension->generator);
  return state;
}

std::string ProposedFileName(const SessionState& state) {
  const StudentIdentity& identity = state.identity;
  const bool named = !identity.name.empty() && identity.name != kPlaceholderName;
  std::string text = CutText(named ? identity.name : std::to_string(identity.number), 74);
  text += !named && state.genetics.kind == kPlant ? "'s plants" : "'s animals";
  for (char& c : text) {
    if (static_cast<unsigned char>(c) < 0x20 || std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos) {
      c = '_';
    }
  }
  return text;
}

}  // namespace crossmere
