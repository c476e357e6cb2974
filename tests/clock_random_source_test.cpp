// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/clock_random_source.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <utility>

#include "core/simulation.h"

namespace zarandola {
namespace {

struct FrozenClock {
  static std::uint64_t now() { return 1'234'567'890; }
};
using FrozenClockSource = BasicClockRandomSource<FrozenClock>;

template <std::size_t N>
double chi_square(const std::array<std::int64_t, N>& observed, const std::array<double, N>& probability) {
  std::int64_t total = 0;
  for (const auto count : observed) total += count;
  double sum = 0;
  for (std::size_t i = 0; i < N; ++i) {
    const double expected = probability[i] * static_cast<double>(total);
    const double difference = static_cast<double>(observed[i]) - expected;
    sum += difference * difference / expected;
  }
  return sum;
}

// Above these bounds a chi-square with 3 or 63 degrees of freedom lies less
// than once in a million runs.
constexpr double chi_square_bound_3 = 30.66;
constexpr double chi_square_bound_63 = 131.7;

TEST(ClockRandomSource, AFrozenClockDoesNotRepeatTheSamePair) {
  FrozenClockSource source;
  std::set<std::pair<float, float>> pairs;
  for (int trial = 0; trial < 1000; ++trial) {
    source.reseed_from_clock();
    const float first = source.next_single();
    pairs.emplace(first, source.next_single());
  }
  EXPECT_GT(pairs.size(), 990u);

  const SimulationTally tally = run_simulation(10000, source);
  EXPECT_GT(tally.cherry_pairs, 0);
  EXPECT_GT(tally.apple_pairs, 0);
  EXPECT_GT(tally.lemon_pairs, 0);
  EXPECT_GT(tally.no_prize, 0);

  // Nor do two programs started one after the other within the same tick.
  FrozenClockSource first_program;
  FrozenClockSource second_program;
  first_program.reseed_from_clock();
  second_program.reseed_from_clock();
  EXPECT_NE(first_program.next_single(), second_program.next_single());
}

TEST(ClockRandomSource, SinglesSpreadEvenlyOverTheUnitInterval) {
  FrozenClockSource source;
  constexpr int buckets = 64;
  constexpr int draws = 1'000'000;
  std::array<std::int64_t, buckets> counts{};
  for (int i = 0; i < draws; ++i) {
    if (i % 2 == 0) source.reseed_from_clock();
    const float r = source.next_single();
    ASSERT_GE(r, 0.0f);
    ASSERT_LT(r, 1.0f);
    ++counts[static_cast<std::size_t>(r * buckets)];
  }
  std::array<double, buckets> uniform;
  uniform.fill(1.0 / buckets);
  EXPECT_LT(chi_square(counts, uniform), chi_square_bound_63);
}

TEST(ClockRandomSource, OutcomesOfTwoMillionTrialsFitTheirProbabilities) {
  ClockRandomSource source;
  constexpr std::int32_t trials = 2'000'000;
  const SimulationTally tally = run_simulation(trials, source);
  const std::array<std::int64_t, 4> observed{tally.lemon_pairs, tally.apple_pairs, tally.cherry_pairs, tally.no_prize};
  const std::array<double, 4> probability{1.0 / 36, 1.0 / 9, 1.0 / 4, 11.0 / 18};
  EXPECT_LT(chi_square(observed, probability), chi_square_bound_3)
      << tally.lemon_pairs << " " << tally.apple_pairs << " " << tally.cherry_pairs << " " << tally.no_prize;
}

// Each platform reads the system clock its own way; each must give the
// seconds since 1970 that time() gives.
TEST(SystemClock, ReadsTheWallClockInSeconds) {
  const auto before = static_cast<std::uint64_t>(std::time(nullptr));
  const std::uint64_t now = SystemClock::now();
  const auto after = static_cast<std::uint64_t>(std::time(nullptr));
  EXPECT_LE(before, now);
  EXPECT_LE(now, after);
}

}  // namespace
}  // namespace zarandola
