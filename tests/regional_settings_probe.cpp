// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the decimal and the thousands separator that the program takes from
// its environment, for tests that start it with a locale of their choosing.
#include <QString>
#include <cstdio>

#include "ui/system_settings.h"

int main() {
  const zarandola::RegionalSettings settings = zarandola::system_regional_settings();
  const char32_t separators[] = {settings.decimal_separator, settings.group_separator};
  std::fputs(QString::fromUcs4(separators, 2).toUtf8().constData(), stdout);
  return 0;
}
