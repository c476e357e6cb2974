// SPDX-License-Identifier: GPL-3.0-or-later
// Nanoseconds per trial of the simulation, against a floor without reseeds,
// the clock read that a reseed adds, and a straightforward reference.
// Run: build/bench/simulation_bench
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <new>
#include <random>
#include <string_view>
#include <vector>

#include "core/clock_random_source.h"
#include "core/simulation.h"

namespace {

std::atomic<long> heap_allocations{0};

}  // namespace

// Counts every allocation, so that a benchmark can show none happens per trial.
// GCC takes free() on memory from a replaced operator new for a mismatch; here
// the pair is malloc and free by design.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t size) {
  heap_allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
  throw std::bad_alloc();
}
void operator delete(void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
#pragma GCC diagnostic pop

namespace zarandola {
namespace {

// The program's generator with its reseed compiled out: the same loop and
// draws, less the clock read and the stir.
class NoReseedSource {
 public:
  void reseed_from_clock() {}
  float next_single() { return generator_.next_single(); }

 private:
  ClockRandomSource generator_;
};

// A run records the path of its average prize as the program's does; the
// path is made beforehand, as the program makes it before the run.
template <RandomSource Source>
void run_and_report(benchmark::State& state, Source& source) {
  const auto trials = static_cast<std::int32_t>(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    AveragePath path(trials);
    state.ResumeTiming();
    benchmark::DoNotOptimize(run_simulation(trials, source, path));
  }
  state.SetItemsProcessed(state.iterations() * trials);
  AveragePath path(trials);
  const long allocations_before = heap_allocations.load();
  benchmark::DoNotOptimize(run_simulation(trials, source, path));
  state.counters["allocations_per_run"] = static_cast<double>(heap_allocations.load() - allocations_before);
  state.counters["ns_per_trial"] = benchmark::Counter(static_cast<double>(state.iterations() * trials),
                                                      benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_run_simulation(benchmark::State& state) {
  ClockRandomSource source;
  run_and_report(state, source);
}
BENCHMARK(BM_run_simulation)->Arg(1'000'000)->Arg(35'000'000)->Unit(benchmark::kMillisecond);

void BM_run_simulation_floor(benchmark::State& state) {
  NoReseedSource source;
  run_and_report(state, source);
}
BENCHMARK(BM_run_simulation_floor)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// One read of the clock that every reseed takes.
void BM_clock_read(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(SystemClock::now());
}
BENCHMARK(BM_clock_read);

// What one would write first: a Mersenne Twister seeded afresh from the clock
// at every trial, and two canonical floats.
void BM_naive_reference(benchmark::State& state) {
  const auto trials = static_cast<std::int32_t>(state.range(0));
  for (auto _ : state) {
    std::int32_t counts[4] = {};
    for (std::int32_t trial = 0; trial < trials; ++trial) {
      std::mt19937 generator(
          static_cast<std::uint32_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count()));
      const Fruit first = draw_fruit(std::generate_canonical<float, 24>(generator));
      const Fruit second = draw_fruit(std::generate_canonical<float, 24>(generator));
      ++counts[static_cast<int>(classify_trial(first, second))];
    }
    benchmark::DoNotOptimize(counts);
  }
  state.SetItemsProcessed(state.iterations() * trials);
  state.counters["ns_per_trial"] = benchmark::Counter(static_cast<double>(state.iterations() * trials),
                                                      benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_naive_reference)->Arg(10'000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zarandola

// A shared virtual machine drifts from one second to the next: unless told
// otherwise, each benchmark is repeated five times, interleaved with the
// others, and reported by its mean, median and spread.
int main(int argc, char* argv[]) {
  std::vector<char*> arguments(argv, argv + argc);
  const auto given = [&](std::string_view flag) {
    return std::any_of(arguments.begin() + 1, arguments.end(),
                       [&](const char* argument) { return std::string_view(argument).starts_with(flag); });
  };
  char repetitions[] = "--benchmark_repetitions=5";
  char interleaving[] = "--benchmark_enable_random_interleaving=true";
  char aggregates[] = "--benchmark_report_aggregates_only=true";
  if (!given("--benchmark_repetitions")) arguments.insert(arguments.end(), {repetitions, interleaving, aggregates});
  int count = static_cast<int>(arguments.size());
  benchmark::Initialize(&count, arguments.data());
  if (benchmark::ReportUnrecognizedArguments(count, arguments.data())) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
