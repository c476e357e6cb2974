// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/simulation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "error_kind_of.h"
#include "scripted_random_source.h"

namespace zarandola {
namespace {

using testing::error_kind_of;
using testing::ScriptedRandomSource;

void expect_tally(const SimulationTally& tally, std::int32_t cherries, std::int32_t apples, std::int32_t lemons,
                  std::int32_t none) {
  EXPECT_EQ(tally.cherry_pairs, cherries);
  EXPECT_EQ(tally.apple_pairs, apples);
  EXPECT_EQ(tally.lemon_pairs, lemons);
  EXPECT_EQ(tally.no_prize, none);
}

TEST(RunSimulation, NoTrialAndNoDrawForZeroOrNegativeCounts) {
  for (const std::int32_t count : {0, -1, -5, std::numeric_limits<std::int32_t>::min()}) {
    SCOPED_TRACE(count);
    ScriptedRandomSource source({0.0f});
    expect_tally(run_simulation(count, source), 0, 0, 0, 0);
    EXPECT_EQ(source.reseeds, 0u);
    EXPECT_EQ(source.draws, 0u);
  }
}

// Writes down each call that a run makes: R for a reseed, D for a draw.
struct CallLog {
  void reseed_from_clock() { calls += 'R'; }
  float next_single() {
    calls += 'D';
    return 0.5f;
  }
  std::string calls;
};

TEST(RunSimulation, EachTrialReseedsThenDrawsOncePerWheel) {
  CallLog one;
  expect_tally(run_simulation(1, one), 0, 1, 0, 0);
  EXPECT_EQ(one.calls, "RDD");
  CallLog three;
  run_simulation(3, three);
  EXPECT_EQ(three.calls, "RDDRDDRDD");

  ScriptedRandomSource many({0.0f});
  expect_tally(run_simulation(1000, many), 1000, 0, 0, 0);
  EXPECT_EQ(many.reseeds, 1000u);
  EXPECT_EQ(many.draws, 2000u);
}

TEST(RunSimulation, FirstAndSecondWheelComeFromConsecutiveDraws) {
  ScriptedRandomSource lemon_then_cherry({0.9f, 0.1f});
  expect_tally(run_simulation(50, lemon_then_cherry), 0, 0, 0, 50);

  // Two trials: (lemon, lemon), then (cherry, apple).
  ScriptedRandomSource mixed({0.95f, 0.95f, 0.1f, 0.6f});
  expect_tally(run_simulation(2, mixed), 0, 0, 1, 1);
}

TEST(RunSimulation, StartsEveryRunFromZero) {
  ScriptedRandomSource source({0.0f});
  run_simulation(7, source);
  expect_tally(run_simulation(3, source), 3, 0, 0, 0);
}

// A lemon pair then two trials without a prize, over and over: after trial n
// the run has won 500 pta ceil(n / 3) times.
TEST(AveragePath, RecordsTheRunningAverageAtTheFirstTheLastAndEvenLogarithmicSteps) {
  for (const std::int32_t count : {1, 7, 1000, 20000, 1'000'000}) {
    SCOPED_TRACE(count);
    ScriptedRandomSource source({0.95f, 0.95f, 0.1f, 0.6f, 0.1f, 0.6f});
    AveragePath path(count);
    run_simulation(count, source, path);
    const auto points = path.points();
    ASSERT_FALSE(points.empty());
    EXPECT_EQ(points.front().trial, 1);
    EXPECT_EQ(points.back().trial, count);
    EXPECT_NEAR(static_cast<double>(points.size()), std::min(count, 1000), 10);
    const double even_step = std::log10(count) / 999.0;
    for (std::size_t i = 0; i < points.size(); ++i) {
      const std::int32_t trial = points[i].trial;
      EXPECT_EQ(points[i].average_prize, static_cast<float>(500.0 * ((trial + 2) / 3) / trial))
          << "after trial " << trial;
      if (i == 0) continue;
      const std::int32_t before = points[i - 1].trial;
      EXPECT_LT(before, trial);
      if (trial > before + 1) {
        EXPECT_LE(std::log10(trial) - std::log10(before), 2.5 * even_step) << trial;
      }
    }
    for (std::int32_t power = 10; power <= count; power *= 10)
      EXPECT_TRUE(std::ranges::any_of(points, [&](const PathPoint& point) { return point.trial == power; })) << power;
  }
}

TEST(TotalPrize, WeighsEachPairByItsPrizeUpToThe32BitLimit) {
  EXPECT_EQ(total_prize({.cherry_pairs = 5, .apple_pairs = 2, .lemon_pairs = 1, .no_prize = 12}), 1400);
  EXPECT_EQ(total_prize({.apple_pairs = 10737418}), 2147483600);
  EXPECT_EQ(error_kind_of([] { total_prize({.apple_pairs = 10737419}); }), ErrorKind::Overflow);
  // Each product fits, their sum does not.
  EXPECT_EQ(error_kind_of([] { total_prize({.cherry_pairs = 20000000, .lemon_pairs = 1000000}); }),
            ErrorKind::Overflow);
}

TEST(AveragePrize, IsTheSingleNearestToTheQuotient) {
  EXPECT_EQ(average_prize(1400, 20), 70.0f);
  EXPECT_EQ(average_prize(200, 2.5), 80.0f);
  EXPECT_EQ(average_prize(100, 3), static_cast<float>(100.0 / 3.0));
  const float negative_zero = average_prize(0, -5);
  EXPECT_EQ(negative_zero, 0.0f);
  EXPECT_EQ(error_kind_of([] { average_prize(0, 0); }), ErrorKind::FloatingPoint);
  EXPECT_EQ(error_kind_of([] { average_prize(1400, 0); }), ErrorKind::FloatingPoint);
  EXPECT_EQ(error_kind_of([] { average_prize(1, 1e-300); }), ErrorKind::FloatingPoint);  // beyond the range of single
}

TEST(OutcomePercentage, IsADoubleWithChecked32BitProduct) {
  EXPECT_EQ(outcome_percentage(1, 3), 33.333333333333336);
  EXPECT_EQ(outcome_percentage(21474836, 1), 2147483600.0);
  EXPECT_EQ(error_kind_of([] { outcome_percentage(21474837, 1); }), ErrorKind::Overflow);
  EXPECT_EQ(error_kind_of([] { outcome_percentage(0, 0); }), ErrorKind::FloatingPoint);
  EXPECT_EQ(error_kind_of([] { outcome_percentage(3, 0); }), ErrorKind::FloatingPoint);
}

}  // namespace
}  // namespace zarandola
