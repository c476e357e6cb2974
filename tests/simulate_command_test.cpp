// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/simulate_command.h"

#include <gtest/gtest.h>

#include "error_kind_of.h"
#include "format/number_text.h"
#include "printed_fields.h"
#include "scripted_random_source.h"

namespace zarandola {
namespace {

using testing::error_kind_of;
using testing::ScriptedRandomSource;

TEST(Simulate, AWholeCountWithDecimalZerosRunsThatManyTrials) {
  ScriptedRandomSource source({0.0f});
  const SimulationResults results = simulate("2,00", runner_on(source), RegionalSettings::spanish()).results;
  EXPECT_EQ(source.reseeds, 2u);
  EXPECT_EQ(results.cereza, "02");
  EXPECT_EQ(results.cerezap, "100,00");
  ScriptedRandomSource once({0.0f});
  EXPECT_EQ(simulate("1", runner_on(once), RegionalSettings::spanish()).results.cereza, "01") << "a single trial";
}

TEST(Simulate, WritesInTheUsersRegionalFormat) {
  ScriptedRandomSource source({0.95f, 0.95f, 0.1f, 0.6f, 0.1f, 0.6f});
  const SimulationResults results = simulate("1,500", runner_on(source), RegionalSettings::english()).results;
  const SimulationResults expected{.limon = "500",
                                   .manzana = "00",
                                   .cereza = "00",
                                   .nopre = "1,000",
                                   .limonp = "33.33",
                                   .manzanap = "0.00",
                                   .cerezap = "0.00",
                                   .noprep = "66.67",
                                   .limont = "2.78",
                                   .manzanat = "11.11",
                                   .cerezat = "25.00",
                                   .nopret = "61.11",
                                   .premed = "166.67",
                                   .espemat = "61.11"};
  EXPECT_EQ(results, expected);
}

TEST(Simulate, ShowsTheAveragePrizeAsASingleNotADoubleAndItsPathEndsThere) {
  // 244,100 pesetas over 4,000 trials: the double 61.025 would show 61,02, the single 61.025002 shows 61,03.
  std::vector<float> script;
  for (int i = 0; i < 2441; ++i) script.insert(script.end(), {0.1f, 0.1f});
  for (int i = 0; i < 1559; ++i) script.insert(script.end(), {0.1f, 0.6f});
  ScriptedRandomSource source(std::move(script));
  const SimulationRun run = simulate("4000", runner_on(source), RegionalSettings::spanish());
  EXPECT_EQ(run.results.premed, "61,03");
  const PathPoint last = run.path.points().back();
  EXPECT_EQ(last.trial, 4000);
  EXPECT_EQ(format_number(last.average_prize, money_pattern, RegionalSettings::spanish()), run.results.premed)
      << "the path of the average ends elsewhere than the window's average";
}

TEST(Simulate, ShowsAnAverageUnderTenWithTwoIntegerDigits) {
  std::vector<float> script{0.0f, 0.0f};  // one cherry pair, then nineteen trials without a prize
  for (int i = 0; i < 19; ++i) script.insert(script.end(), {0.1f, 0.6f});
  ScriptedRandomSource source(std::move(script));
  EXPECT_EQ(simulate("20", runner_on(source), RegionalSettings::spanish()).results.premed, "05,00");
}

TEST(Simulate, RunsNoTrialForACountThatIsNotAWholeNumberFromOne) {
  for (const char* text : {"0", "-5", "0,4", "2,5", "-0,6"}) {
    ScriptedRandomSource source({0.0f});
    EXPECT_EQ(error_kind_of([&] { simulate(text, runner_on(source), RegionalSettings::spanish()); }),
              ErrorKind::InvalidTrialCount)
        << text;
    EXPECT_EQ(source.reseeds, 0u) << text;
  }
}

TEST(Simulate, RefusesAtOnceARunWhosePercentagesCannotFit) {
  for (const char* text : {"85899345", "2147483647"}) {
    ScriptedRandomSource source({0.0f});
    EXPECT_EQ(error_kind_of([&] { simulate(text, runner_on(source), RegionalSettings::spanish()); }),
              ErrorKind::Overflow)
        << text;
    EXPECT_EQ(source.reseeds, 0u) << text;
  }
}

}  // namespace
}  // namespace zarandola
