// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

namespace zarandola {

enum class ErrorKind {
  TypeMismatch,        // a text that is not a number
  Overflow,            // an integer or a conversion result out of range
  FloatingPoint,       // an invalid division, a division by zero, an overflow
  InvalidTrialCount,   // a number that is not a whole count of at least 1
  NoDefaultPrinter,    // the print system has no default printer
  UnknownPrinter,      // the default printer named is not one the print system knows
  PrintServiceDown,    // the print system is not running or cannot be reached
  PrintServiceSilent,  // the print system took the connection but did not answer in time
  Printer,             // the printer refused the page, or the page could not be made
};

// The one error type of the program. what() holds a short description in
// Spanish (UTF-8), ready to be shown to the user.
class RunTimeError : public std::runtime_error {
 public:
  RunTimeError(ErrorKind kind, const std::string& description) : std::runtime_error(description), kind_(kind) {}

  ErrorKind kind() const noexcept { return kind_; }

 private:
  ErrorKind kind_;
};

}  // namespace zarandola
