// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

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
// one draw per wheel. Throws Overflow when the trial number would pass the
// 32-bit range, that is for a count of 2147483647 after its last trial.
SimulationTally run_simulation(std::int32_t trial_count, RandomSource& source);

// The prize money of a run, in pesetas; throws Overflow beyond 32 bits.
std::int32_t total_prize(const SimulationTally& tally);

// total / divisor rounded to single; throws FloatingPoint on a zero divisor
// or a quotient beyond the range of single.
float average_prize(std::int32_t total, double divisor);

// count * 100 / divisor; throws Overflow when count * 100 passes 32 bits and
// FloatingPoint on a zero divisor or an overflowing quotient.
double outcome_percentage(std::int32_t count, double divisor);

}  // namespace zarandola
