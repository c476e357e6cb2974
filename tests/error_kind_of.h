// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <optional>

#include "errors/run_time_error.h"

namespace zarandola::testing {

// The kind of the error that the operation raises; none when it returns.
std::optional<ErrorKind> error_kind_of(auto&& operation) {
  try {
    operation();
  } catch (const RunTimeError& error) {
    return error.kind();
  }
  return std::nullopt;
}

}  // namespace zarandola::testing
