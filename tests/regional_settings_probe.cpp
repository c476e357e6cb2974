// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the decimal and the thousands separator that the program takes from
// its environment, for tests that start it with a locale of their choosing.
#include <QTextStream>

#include "format/regional_settings.h"

int main() {
  const zarandola::RegionalSettings settings = zarandola::RegionalSettings::system();
  QTextStream(stdout) << settings.decimal_separator << settings.group_separator;
  return 0;
}
