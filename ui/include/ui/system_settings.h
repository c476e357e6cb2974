// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "format/regional_settings.h"

class QLocale;

namespace zarandola {

// The locale's own separators; the C locale has no regional format of its
// own, so it gets the Spanish one, which matches the program's language.
RegionalSettings regional_settings_of(const QLocale& locale);

// The user's numeric setting; with C or POSIX numbers, or none, the Spanish
// one. On Windows, the separators of the user's regional format.
RegionalSettings system_regional_settings();

}  // namespace zarandola
