// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>

class QLocale;

namespace zarandola {

// The two characters of the user's regional number format that the program
// reads and writes.
struct RegionalSettings {
  QChar decimal_separator;
  QChar group_separator;

  static RegionalSettings spanish();
  static RegionalSettings english();
  // The locale's own separators; the C locale has no regional format of its
  // own, so it gets the Spanish one, which matches the program's language.
  static RegionalSettings of_locale(const QLocale& locale);
  // The user's numeric setting; with C or POSIX numbers, or none, the Spanish
  // one. On Windows, the separators of the user's regional format.
  static RegionalSettings system();
};

}  // namespace zarandola
