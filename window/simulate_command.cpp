// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/simulate_command.h"

#include <limits>
#include <utility>

#include "core/simulation.h"
#include "errors/run_time_error.h"
#include "format/number_text.h"

namespace zarandola {
namespace {

// A count of 0, a negative count or a fractional one would run a number of
// trials other than the divisor of the percentages, or none at all.
void require_whole_count(std::int32_t trials, double divisor) {
  if (trials < 1 || divisor != trials)
    throw RunTimeError(ErrorKind::InvalidTrialCount,
                       "El número de veces ha de ser un número entero, de 1 en adelante.");
}

// Past four times the largest count whose percentage fits in 32 bits, one of
// the four counts must pass it: such a run could only end in the overflow of
// that percentage, after as much as half a minute of a frozen window.
void require_countable_run(std::int32_t trials) {
  constexpr std::int32_t largest_percentable_count = std::numeric_limits<std::int32_t>::max() / 100;
  if (trials > 4 * largest_percentable_count)
    throw RunTimeError(ErrorKind::Overflow, "Con tantas tiradas los porcentajes no caben en las sumas del programa.");
}

}  // namespace

SimulationRun simulate(std::string_view count_text, const TrialRunner& run_trials, const RegionalSettings& settings) {
  const std::int32_t trials = text_to_int32(count_text, settings);
  const double divisor = text_to_double(count_text, settings);
  require_whole_count(trials, divisor);
  require_countable_run(trials);

  AveragePath path(trials);
  const SimulationTally tally = run_trials(trials, path);
  const float average = average_prize(total_prize(tally), divisor);
  const auto count = [&](std::int32_t value) { return format_number(value, count_pattern, settings); };
  const auto percentage = [&](double value) { return format_number(value, percent_pattern, settings); };
  const auto simulated_percentage = [&](std::int32_t value) { return percentage(outcome_percentage(value, divisor)); };
  SimulationResults results{
      .limon = count(tally.lemon_pairs),
      .manzana = count(tally.apple_pairs),
      .cereza = count(tally.cherry_pairs),
      .nopre = count(tally.no_prize),
      .limonp = simulated_percentage(tally.lemon_pairs),
      .manzanap = simulated_percentage(tally.apple_pairs),
      .cerezap = simulated_percentage(tally.cherry_pairs),
      .noprep = simulated_percentage(tally.no_prize),
      .limont = percentage(TheoreticalValues::lemon_pair_percent),
      .manzanat = percentage(TheoreticalValues::apple_pair_percent),
      .cerezat = percentage(TheoreticalValues::cherry_pair_percent),
      .nopret = percentage(TheoreticalValues::no_prize_percent),
      .premed = format_number(average, money_pattern, settings),
      .espemat = format_number(TheoreticalValues::expected_prize, money_pattern, settings),
  };
  return {std::move(results), std::move(path)};
}

std::string spoken_answer(std::string_view count_text, const SimulationResults& results,
                          const RegionalSettings& settings) {
  return format_number(count_text, count_pattern, settings) + " tiradas: premio medio " + results.premed +
         " pta; precio justo " + results.espemat + " pta";
}

}  // namespace zarandola
