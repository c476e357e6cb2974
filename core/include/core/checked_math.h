// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

#include "errors/run_time_error.h"

// Money and counts are signed 32-bit and never wrap: every sum, product and
// quotient that computes them goes through these helpers.
namespace zarandola::checked {

inline std::int32_t add(std::int32_t a, std::int32_t b, const char* what) {
  std::int32_t result;
  if (__builtin_add_overflow(a, b, &result)) throw RunTimeError(ErrorKind::Overflow, what);
  return result;
}

inline std::int32_t multiply(std::int32_t a, std::int32_t b, const char* what) {
  std::int32_t result;
  if (__builtin_mul_overflow(a, b, &result)) throw RunTimeError(ErrorKind::Overflow, what);
  return result;
}

// Rejects 0/0, x/0 and a quotient beyond the range of double.
inline double divide(double dividend, double divisor, const char* what) {
  const double quotient = dividend / divisor;
  if (divisor == 0.0 || !std::isfinite(quotient)) throw RunTimeError(ErrorKind::FloatingPoint, what);
  return quotient;
}

// Rounds to the nearest single, rejecting a value that would round beyond the
// largest single (from halfway between it and 2^128 on, a tie rounding to even).
inline float to_single(double value, const char* what) {
  constexpr double first_overflowing = 0x1.ffffffp+127;
  if (!(std::fabs(value) < first_overflowing)) throw RunTimeError(ErrorKind::FloatingPoint, what);
  return static_cast<float>(value);
}

}  // namespace zarandola::checked
