// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace zarandola {

// The two characters of the user's regional number format that the program
// reads and writes. Each face finds them where its platform keeps them.
struct RegionalSettings {
  char32_t decimal_separator;
  char32_t group_separator;

  // The program's own language, for a system with no regional format of its own.
  static constexpr RegionalSettings spanish() { return {U',', U'.'}; }
  static constexpr RegionalSettings english() { return {U'.', U','}; }
};

}  // namespace zarandola
