#include <benchmark/benchmark.h>

#include "layer/string_lists.h"

namespace {

void BM_ListString(benchmark::State& state) {
  const crossmere::StringLists strings;
  std::int32_t list = 200;
  for (auto _ : state) {
    benchmark::DoNotOptimize(strings.ListString(list, 3));
    list = list == 766 ? 200 : list + 1;
  }
}
BENCHMARK(BM_ListString);

void BM_BuildStringLists(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(crossmere::StringLists());
}
BENCHMARK(BM_BuildStringLists);

}  // namespace
