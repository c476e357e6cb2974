// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <concepts>

namespace zarandola {

// The random-number generator as the simulation sees it. A compile-time seam:
// the trial loop calls it tens of millions of times, so each call must inline.
template <typename Source>
concept RandomSource = requires(Source& source) {
  // Stirs a reading of the system clock into the generator's state.
  source.reseed_from_clock();
  // The next value of the sequence, 0 <= r < 1.
  { source.next_single() } -> std::same_as<float>;
};

}  // namespace zarandola
