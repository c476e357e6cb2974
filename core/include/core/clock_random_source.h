// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <concepts>
#include <cstdint>
#include <ctime>
#include <random>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX  // or std::min and std::max become macros
#endif
#include <windows.h>
#endif

namespace zarandola {

// The system clock that the generator reseeds from: the wall clock in whole
// seconds, which the vDSO answers with a read of memory, no system call, and
// faster than any finer clock. A reseed stirs the reading into the state, so
// its resolution does not matter to the draws.
struct SystemClock {
#ifdef _WIN32
  // The C library's time() asks for the time zone at every call (3.6 us under
  // Wine, against 0.09 us for the system time it starts from).
  static std::uint64_t now() noexcept {
    FILETIME time;
    GetSystemTimeAsFileTime(&time);
    constexpr std::uint64_t ticks_per_second = 10'000'000;  // of 100 ns
    constexpr std::uint64_t unix_epoch = 11'644'473'600;    // seconds from 1601
    const std::uint64_t ticks = (std::uint64_t{time.dwHighDateTime} << 32) | time.dwLowDateTime;
    return ticks / ticks_per_second - unix_epoch;
  }
#elif defined(__EMSCRIPTEN__)
  // A browser's clock costs about 60 ns a reading, thirty times the rest of a
  // trial: a reading serves the next readings_reused calls too, a few
  // microseconds. The clock gives whole seconds, so a reused reading differs
  // from a fresh one only just after a second begins.
  static std::uint64_t now() noexcept {
    constexpr unsigned readings_reused = 1024;
    static std::uint64_t reading = 0;
    static unsigned calls = 0;
    if (calls++ % readings_reused == 0) reading = static_cast<std::uint64_t>(std::time(nullptr));
    return reading;
  }
#else
  static std::uint64_t now() noexcept { return static_cast<std::uint64_t>(std::time(nullptr)); }
#endif
};

template <typename Clock>
concept ReseedClock = requires {
  { Clock::now() } -> std::same_as<std::uint64_t>;
};

// The program's generator: a 64-bit state that steps by a fixed odd increment
// and is scrambled on output (the SplitMix64 finaliser). A reseed stirs the
// clock reading into the state instead of replacing it, so that trials within
// one tick of the clock still draw fresh values. The clock is a type, so that
// a test can freeze it and the program's loop still reads it inline.
template <ReseedClock Clock>
class BasicClockRandomSource {
 public:
  // The first state comes from the system's own entropy, so that two
  // programs started at once draw different sequences. A clock would not do:
  // a browser's steady clock counts in coarse steps from the page's start,
  // so a class opening the page together would read the same value, and
  // under Wine two sources made one after the other often share its 100 ns.
  BasicClockRandomSource() : state_(scramble(system_entropy())) {}

  void reseed_from_clock() {
    // Xor and an odd multiplier are both one-to-one, so a reading never
    // collapses two states into one: with a frozen clock the state still walks.
    state_ = (state_ ^ Clock::now()) * golden_gamma;
  }

  float next_single() {
    state_ += golden_gamma;
    // The top 24 bits make a single exactly: multiples of 2^-24 up to 1 - 2^-24.
    return static_cast<float>(scramble(state_) >> 40) * 0x1p-24f;
  }

 private:
  static constexpr std::uint64_t golden_gamma = 0x9e3779b97f4a7c15;

  static std::uint64_t system_entropy() {
    std::random_device device;
    return (std::uint64_t{device()} << 32) ^ device();
  }

  static constexpr std::uint64_t scramble(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9;
    z = (z ^ (z >> 27)) * 0x94d049bb133111eb;
    return z ^ (z >> 31);
  }

  std::uint64_t state_;
};

using ClockRandomSource = BasicClockRandomSource<SystemClock>;

}  // namespace zarandola
