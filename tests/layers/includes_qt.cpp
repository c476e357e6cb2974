// SPDX-License-Identifier: GPL-3.0-or-later
// Built against one of the program's own libraries alone, this must fail: they use no toolkit.
#include <QString>
