// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/clock_random_source.h"

#include <chrono>
#include <ctime>

namespace zarandola {

std::uint64_t ClockRandomSource::coarse_monotonic_ns() {
#ifdef CLOCK_MONOTONIC_COARSE
  timespec now;
  clock_gettime(CLOCK_MONOTONIC_COARSE, &now);
  return static_cast<std::uint64_t>(now.tv_sec) * 1'000'000'000u + static_cast<std::uint64_t>(now.tv_nsec);
#else
  return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
#endif
}

ClockRandomSource::ClockRandomSource(Clock clock) : clock_(clock), state_(scramble(clock() ^ golden_gamma)) {}

}  // namespace zarandola
