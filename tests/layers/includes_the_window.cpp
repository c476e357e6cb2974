// SPDX-License-Identifier: GPL-3.0-or-later
// Built against a lower layer alone, this must fail: the window is out of its sight.
#include "ui/frmzarandola.h"
