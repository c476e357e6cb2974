// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>

#include "core/average_path.h"
#include "core/checked_math.h"
#include "core/game_model.h"
#include "core/random_source.h"

namespace zarandola {

// How often each outcome came up in one run.
struct SimulationTally {
  std::int32_t cherry_pairs = 0;
  std::int32_t apple_pairs = 0;
  std::int32_t lemon_pairs = 0;
  std::int32_t no_prize = 0;
};

// Runs trial_count trials (none when it is 0 or negative), each a reseed and
// one draw per wheel, first wheel first, and records the running average prize
// at the path's marks. Throws Overflow when the trial number would pass the
// 32-bit range, that is for a count of 2147483647 after its last trial.
template <RandomSource Source>
SimulationTally run_simulation(std::int32_t trial_count, Source& source, AveragePath& path) {
  // Counted by outcome index, so that a trial costs no branch on its outcome.
  // A counter cannot overflow: none passes the trial number.
  std::array<std::int32_t, 4> counts{};
  const auto count_of = [&](TrialOutcome outcome) { return counts[static_cast<std::size_t>(outcome)]; };
  const auto prize_so_far = [&] {
    return std::int64_t{Prizes::cherry_pair} * count_of(TrialOutcome::CherryPair) +
           std::int64_t{Prizes::apple_pair} * count_of(TrialOutcome::ApplePair) +
           std::int64_t{Prizes::lemon_pair} * count_of(TrialOutcome::LemonPair);
  };
  // Nothing in the loop throws, so the source's state can stay in a register:
  // the one increment of the trial number that can overflow, the last, is
  // checked after it. The marks are rare, so their one comparison a trial is
  // predicted right.
  const std::int64_t* marks = path.marks();
  std::int64_t next_mark = *marks;
  for (std::int64_t trial = 1; trial <= trial_count; ++trial) {
    source.reseed_from_clock();
    const Fruit first = draw_fruit(source.next_single());
    const Fruit second = draw_fruit(source.next_single());
    ++counts[static_cast<std::size_t>(classify_trial(first, second))];
    if (trial == next_mark) [[unlikely]] {
      path.record(trial, prize_so_far());
      next_mark = *++marks;
    }
  }
  if (trial_count >= 1) checked::add(trial_count, 1, "El número de veces es demasiado grande para contar las tiradas.");
  return SimulationTally{
      .cherry_pairs = count_of(TrialOutcome::CherryPair),
      .apple_pairs = count_of(TrialOutcome::ApplePair),
      .lemon_pairs = count_of(TrialOutcome::LemonPair),
      .no_prize = count_of(TrialOutcome::NoPrize),
  };
}

// A run whose path is not wanted.
template <RandomSource Source>
SimulationTally run_simulation(std::int32_t trial_count, Source& source) {
  AveragePath unrecorded;
  return run_simulation(trial_count, source, unrecorded);
}

// Runs whole simulations on one source. The window holds one of these: a
// single indirect call a run, while the trial loop inside is compiled for the
// concrete source.
using TrialRunner = std::function<SimulationTally(std::int32_t trial_count, AveragePath& path)>;

template <RandomSource Source>
TrialRunner runner_on(Source& source) {
  return [&source](std::int32_t trial_count, AveragePath& path) { return run_simulation(trial_count, source, path); };
}

// The prize money of a run, in pesetas; throws Overflow beyond 32 bits.
std::int32_t total_prize(const SimulationTally& tally);

// total / divisor rounded to single; throws FloatingPoint on a zero divisor
// or a quotient beyond the range of single.
float average_prize(std::int32_t total, double divisor);

// count * 100 / divisor; throws Overflow when count * 100 passes 32 bits and
// FloatingPoint on a zero divisor or an overflowing quotient.
double outcome_percentage(std::int32_t count, double divisor);

}  // namespace zarandola
