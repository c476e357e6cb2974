// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "core/random_source.h"

namespace zarandola {

// The program's generator: a 64-bit state that steps by a fixed odd increment
// and is scrambled on output (the SplitMix64 finaliser). A reseed stirs the
// clock reading into the state instead of replacing it, so that trials within
// one tick of the clock still draw fresh values.
class ClockRandomSource final : public RandomSource {
 public:
  // A clock reading in nanoseconds; a test may pass a frozen one.
  using Clock = std::uint64_t (*)();

  // Cheap enough to read at every trial (a few nanoseconds through the vDSO).
  static std::uint64_t coarse_monotonic_ns();

  explicit ClockRandomSource(Clock clock = coarse_monotonic_ns);

  void reseed_from_clock() override {
    // Xor and an odd multiplier are both one-to-one, so a reading never
    // collapses two states into one: with a frozen clock the state still walks.
    state_ = (state_ ^ clock_()) * golden_gamma;
  }

  float next_single() override {
    state_ += golden_gamma;
    // The top 24 bits make a single exactly: multiples of 2^-24 up to 1 - 2^-24.
    return static_cast<float>(scramble(state_) >> 40) * 0x1p-24f;
  }

 private:
  static constexpr std::uint64_t golden_gamma = 0x9e3779b97f4a7c15;

  static constexpr std::uint64_t scramble(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9;
    z = (z ^ (z >> 27)) * 0x94d049bb133111eb;
    return z ^ (z >> 31);
  }

  Clock clock_;
  std::uint64_t state_;
};

}  // namespace zarandola
