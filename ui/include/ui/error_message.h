// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "errors/run_time_error.h"

namespace zarandola {

// What the user can do about an error of this kind, in a sentence.
QString advice_for(ErrorKind kind);

}  // namespace zarandola
