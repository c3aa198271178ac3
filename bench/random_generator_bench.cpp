#include <benchmark/benchmark.h>

#include "layer/random_generator.h"

namespace {

void BM_Random15(benchmark::State& state) {
  crossmere::RandomGenerator random;
  random.RandomSeed(1234);
  for (auto _ : state) benchmark::DoNotOptimize(random.Random15());
}
BENCHMARK(BM_Random15);

void BM_RandomSeed(benchmark::State& state) {
  crossmere::RandomGenerator random;
  std::int32_t seed = 0;
  for (auto _ : state) {
    random.RandomSeed(++seed);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_RandomSeed);

}  // namespace
