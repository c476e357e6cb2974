// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>

#include "core/simulation.h"
#include "format/regional_settings.h"

namespace zarandola {

// A result field and the text that a run puts into it.
struct FieldText {
  const char* field;
  QString text;
};

// The fourteen result fields of a run, in the order in which they are written.
using SimulationResults = std::array<FieldText, 14>;

// Everything that "Simular" shows for the typed trial count, computed before
// any field is written, so that an error leaves the window as it was. The
// count must be a whole number from 1 up; anything else throws RunTimeError.
SimulationResults simulate(const QString& count_text, const TrialRunner& run_trials,
                           const RegionalSettings& settings = RegionalSettings::system());

}  // namespace zarandola
