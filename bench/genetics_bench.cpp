#include <benchmark/benchmark.h>

#include "exercises/catalogue.h"
#include "genetics/exercise_setup.h"
#include "genetics/genotype_classes.h"
#include "genetics/offspring.h"
#include "tests/genetics/reference_mendel.h"

namespace {

using namespace crossmere;

// An example of exercise `ex` of the advanced set, as a student would meet it.
struct Example {
  explicit Example(std::int32_t ex) {
    set = LoadExerciseSet(strings, kAdvancedSet, nullptr);
    request.exercise = ex;
    request.options = &set.options[ex];
    const QuestionList& q = set.questions[ex];
    request.questionTypes.assign(q.types.begin() + 1, q.types.begin() + 1 + q.count);
    request.seedFromStudent = true;
    request.studentSeed = 1152;
    SetUp();
  }
  void SetUp() {
    SetUpExample(genetics, example, offspring, random, request, settings, strings, [] { return 0; }, nullptr);
  }
  StringLists strings;
  ExerciseSet set;
  ExampleRequest request;
  ExampleSettings settings;
  GeneticsState genetics;
  ExampleState example;
  OffspringState offspring;
  RandomGenerator random;
};

// Offspring per second from parents that segregate at every locus.
template <auto kMendel>
void BM_Mendel(benchmark::State& state) {
  const auto loci = static_cast<std::int32_t>(state.range(0));
  Example e(loci == 1 ? 2 : loci == 2 ? 11 : 17);  // B2, B11, B17
  GeneticsState& g = e.genetics;
  std::array<std::int32_t, 4> a{0, 1, 1, 1}, b{};
  g.objectClass[kFirstParentObject] = g.classIndexTable[ClassIndexOf(0, a, b)];
  g.objectClass[kSecondParentObject] = g.classIndexTable[ClassIndexOf(g.hermaphrodite ? 0 : 1, b, b)];
  for (auto _ : state) benchmark::DoNotOptimize(kMendel(g, e.offspring, e.random));
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Mendel<Mendel>)->Arg(1)->Arg(2)->Arg(3);
// The plain reference the tests hold Mendel to, for comparison.
BENCHMARK(BM_Mendel<testing::ReferenceMendel>)->Arg(1)->Arg(2)->Arg(3);

// A whole example: seeding, organism, loci, classes, parents, stock, first offspring.
void BM_SetUpExample(benchmark::State& state) {
  Example e(static_cast<std::int32_t>(state.range(0)));
  for (auto _ : state) e.SetUp();
}
BENCHMARK(BM_SetUpExample)->Arg(2)->Arg(17)->Arg(19);

}  // namespace
