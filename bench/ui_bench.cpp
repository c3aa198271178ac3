// The costs a student waits for on screen, measured with real widgets on Qt's
// offscreen platform: starting an exercise, drawing an organism's picture and
// showing every individual's genotype.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <map>

#include "exercises/progress.h"
#include "genetics/genotype_classes.h"
#include "genetics/offspring.h"
#include "program/startup.h"
#include "tutor/progression.h"
#include "tutor/question_framework.h"
#include "workspace/exercise_start.h"
#include "workspace/individuals.h"
#include "workspace/instructions.h"
#include "workspace/session.h"

namespace {

using namespace crossmere;

// One student's session, entered once and shared by every benchmark.
Session& Entered() {
  static Session* session = [] {
    auto* s = new Session;
    s->service.SetScripted(true);
    s->service.PretendScreen({1280, 1024});
    s->service.AnswerNextDialog([](ScriptedDialog& welcome) { welcome.ClickBackground(); });
    s->service.AnswerNextDialog([](ScriptedDialog& entry) {
      entry.SetText(11, "Ann Example");
      entry.Click(1000);
    });
    ProgramEntry(*s);
    s->startup.advancedLevel = 1;
    LoadExercises(*s);
    PrecomputeStudentKinds(*s);
    return s;
  }();
  return *session;
}

void Start(Session& session, std::int32_t ex) {
  NoteAttempt(session.progress, ex);
  session.progress.current = ex;
  StartExercise(session);
  session.service.WindowHide(instructions::kDescriptionWindow);
}

// `count` offspring of the example's starting parents, in rows across the workspace.
void PlaceIndividuals(Session& session, std::int32_t count) {
  GeneticsState& genetics = session.genetics;
  for (std::int32_t n = 0; n < count; ++n) {
    const std::int32_t object = kFirstOffspringObject + n;
    genetics.objectClass[object] = Mendel(genetics, session.offspring, session.random);
    NewIndividual(session, object, 10 + (n % 40) * 30, 200 + (n / 40) * 40);
  }
}

// Starting exercise B2 (its example drawn again) with `range(0)` individuals
// of the previous example still on the workspace.
void BM_StartExercise(benchmark::State& state) {
  Session& session = Entered();
  const auto individuals = static_cast<std::int32_t>(state.range(0));
  Start(session, 2);
  for (auto _ : state) {
    state.PauseTiming();
    PlaceIndividuals(session, individuals);
    // What the event loop does between two commands: the last start's
    // individuals are deleted.
    QApplication::processEvents();
    state.ResumeTiming();
    Start(session, 2);
  }
}
BENCHMARK(BM_StartExercise)->Arg(0)->Arg(200)->Unit(benchmark::kMillisecond);

// The exercise of the advanced set whose example shows each organism.
std::int32_t ExerciseOfKind(std::int32_t kind) {
  static const std::map<std::int32_t, std::int32_t> exercises = [] {
    Session& session = Entered();
    std::map<std::int32_t, std::int32_t> found;
    for (std::int32_t ex = 1; ex <= 20; ++ex) {
      Start(session, ex);
      found.try_emplace(session.genetics.kind, ex);
    }
    return found;
  }();
  const auto it = exercises.find(kind);
  return it == exercises.end() ? 0 : it->second;
}

// Drawing the picture of the example's first class, by organism (1 dog, 2 monkbear, 3 fly, 4 plant).
void BM_DrawClassPicture(benchmark::State& state) {
  Session& session = Entered();
  const std::int32_t ex = ExerciseOfKind(static_cast<std::int32_t>(state.range(0)));
  if (ex == 0) {
    state.SkipWithError("no exercise of the advanced set shows this organism");
    return;
  }
  Start(session, ex);
  std::int32_t classNumber = 1;
  while (!ClassInExample(session.genetics, classNumber) || IsLethalClass(session.genetics, classNumber)) ++classNumber;
  for (auto _ : state) {
    session.genetics.classPictureBuilt[classNumber] = false;
    BuildClassPicture(session, classNumber);
  }
}
BENCHMARK(BM_DrawClassPicture)->DenseRange(1, 4)->Unit(benchmark::kMicrosecond);

// "See genotypes" with 400 of B11's individuals on the workspace.
void BM_SeeGenotypes(benchmark::State& state) {
  Session& session = Entered();
  Start(session, 11);
  PlaceIndividuals(session, 400);
  for (auto _ : state) SeeGenotypes(session);
}
BENCHMARK(BM_SeeGenotypes)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
