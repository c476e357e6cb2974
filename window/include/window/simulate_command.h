// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "core/simulation.h"
#include "format/regional_settings.h"
#include "report/window_fields.h"

namespace zarandola {

// The texts of the fourteen result fields after a run.
using SimulationResults = ResultFields<std::string>;

// What a run gives: the fields' texts, and how its average prize settled.
struct SimulationRun {
  SimulationResults results;
  AveragePath path;
};

// Everything that "Simular" shows for the typed trial count, computed before
// any field is written, so that an error leaves the window as it was. The
// count must be a whole number from 1 up; anything else throws RunTimeError.
SimulationRun simulate(std::string_view count_text, const TrialRunner& run_trials, const RegionalSettings& settings);

// The answer of a run in one sentence, for a screen reader to say: the trials,
// the average prize and the fair price, written as the window writes them.
std::string spoken_answer(std::string_view count_text, const SimulationResults& results,
                          const RegionalSettings& settings);

}  // namespace zarandola
