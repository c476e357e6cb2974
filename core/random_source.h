// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace zarandola {

// The random-number generator as the simulation sees it.
class RandomSource {
 public:
  virtual ~RandomSource() = default;
  // Stirs a reading of the system clock into the generator's state.
  virtual void reseed_from_clock() = 0;
  // The next value of the sequence, 0 <= r < 1.
  virtual float next_single() = 0;
};

}  // namespace zarandola
