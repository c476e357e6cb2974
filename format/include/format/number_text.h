// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "format/regional_settings.h"

// Reading numbers that people type, and writing numbers through the
// program's three display patterns, in the user's regional format. Texts are
// UTF-8.
namespace zarandola {

// One of the three display patterns: the number of integer digits always
// written, the number of decimals, and whether the integer part is grouped in
// threes.
struct DisplayPattern {
  int integer_zeros;
  int decimals;
  bool grouped;
};

inline constexpr DisplayPattern count_pattern{2, 0, true};     // "#,#00"
inline constexpr DisplayPattern percent_pattern{1, 2, false};  // "0.00"
inline constexpr DisplayPattern money_pattern{2, 2, true};     // "#,#00.00"

// Both accept blanks around the number, a leading + or -, digits with or
// without the regional thousands separator (in groups of three), and the
// regional decimal separator. Anything else, the empty text included, throws
// TypeMismatch; a number beyond the target's range throws Overflow.
// text_to_int32 rounds exact halves away from zero (2,5 gives 3, -2,5 gives -3).
std::int32_t text_to_int32(std::string_view text, const RegionalSettings& settings);
double text_to_double(std::string_view text, const RegionalSettings& settings);

// Renders a number by the pattern, rounding exact halves away from zero (as
// 0,125 gives 0,13); every other value rounds to the nearest.
std::string format_number(std::int32_t value, const DisplayPattern& pattern, const RegionalSettings& settings);
std::string format_number(float value, const DisplayPattern& pattern, const RegionalSettings& settings);
std::string format_number(double value, const DisplayPattern& pattern, const RegionalSettings& settings);
// A text that reads as a number is rendered as that number; any other text
// comes back unchanged. Never throws.
std::string format_number(std::string_view text, const DisplayPattern& pattern, const RegionalSettings& settings);

}  // namespace zarandola
