// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <concepts>
#include <cstdint>
#include <ctime>

namespace zarandola {

// The system clock that the generator reseeds from, in nanoseconds: the
// coarse monotonic clock, cheap enough to read at every trial (the vDSO
// answers it without a system call).
struct CoarseMonotonicClock {
  static std::uint64_t now_ns() noexcept {
#ifdef CLOCK_MONOTONIC_COARSE
    timespec now;
    clock_gettime(CLOCK_MONOTONIC_COARSE, &now);
    return static_cast<std::uint64_t>(now.tv_sec) * 1'000'000'000u + static_cast<std::uint64_t>(now.tv_nsec);
#else
    return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
#endif
  }
};

template <typename Clock>
concept NanosecondClock = requires {
  { Clock::now_ns() } -> std::same_as<std::uint64_t>;
};

// The program's generator: a 64-bit state that steps by a fixed odd increment
// and is scrambled on output (the SplitMix64 finaliser). A reseed stirs the
// clock reading into the state instead of replacing it, so that trials within
// one tick of the clock still draw fresh values. The clock is a type, so that
// a test can freeze it and the program's loop still reads it inline.
template <NanosecondClock Clock>
class BasicClockRandomSource {
 public:
  BasicClockRandomSource() : state_(scramble(Clock::now_ns() ^ golden_gamma)) {}

  void reseed_from_clock() {
    // Xor and an odd multiplier are both one-to-one, so a reading never
    // collapses two states into one: with a frozen clock the state still walks.
    state_ = (state_ ^ Clock::now_ns()) * golden_gamma;
  }

  float next_single() {
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

  std::uint64_t state_;
};

using ClockRandomSource = BasicClockRandomSource<CoarseMonotonicClock>;

}  // namespace zarandola
