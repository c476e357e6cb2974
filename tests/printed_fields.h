// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <ostream>

#include "report/window_fields.h"

// Failures show the fields' texts one after another.
namespace zarandola {

template <typename T>
void PrintTo(const ResultFields<T>& fields, std::ostream* out) {
  for_each_result_field([&](const T& text) { *out << ' ' << ::testing::PrintToString(text); }, fields);
}

template <typename T>
void PrintTo(const WindowFields<T>& fields, std::ostream* out) {
  *out << ::testing::PrintToString(fields.numexp);
  PrintTo(static_cast<const ResultFields<T>&>(fields), out);
}

}  // namespace zarandola
