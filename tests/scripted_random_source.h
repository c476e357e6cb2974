// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

namespace zarandola::testing {

// Hands out a fixed cycle of values and counts what the simulation asked of it.
class ScriptedRandomSource {
 public:
  explicit ScriptedRandomSource(std::vector<float> cycle) : cycle_(std::move(cycle)) {}

  void reseed_from_clock() { ++reseeds; }
  float next_single() { return cycle_[draws++ % cycle_.size()]; }

  std::size_t reseeds = 0;
  std::size_t draws = 0;

 private:
  std::vector<float> cycle_;
};

}  // namespace zarandola::testing
