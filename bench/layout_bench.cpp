// Laying out the main window costs the same for any history length: only the
// six visible views are planned. Reported per list length, with the ratio of
// the 1000-slot plan to the 7-slot plan measured in the same run.
#include <benchmark/benchmark.h>

#include <chrono>

#include "ui/window_layout.h"

namespace qv {
namespace {

double PlanSeconds(int length, int rounds) {
  ScrollState scroll;
  scroll.position = 2;
  auto t0 = std::chrono::steady_clock::now();
  for (int i = 0; i < rounds; ++i) {
    VisualizePlan plan = PlanVisualize(length, 5, scroll);
    benchmark::DoNotOptimize(plan);
  }
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

void BM_PlanVisualize(benchmark::State& state) {
  const int length = static_cast<int>(state.range(0));
  double large = 0, small = 0;
  for (auto _ : state) {
    large += PlanSeconds(length, 1000);
    small += PlanSeconds(7, 1000);
  }
  state.counters["ratio_to_7_slots"] = large / small;
}
BENCHMARK(BM_PlanVisualize)->Arg(7)->Arg(1000)->Arg(100000);

}  // namespace
}  // namespace qv
