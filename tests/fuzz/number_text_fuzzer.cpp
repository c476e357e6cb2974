// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds any text to the number conversions, in a Spanish and an English
// setting: each text converts or raises the program's own type-mismatch or
// overflow error, formatting a text never fails, and a text that reads as a
// whole number in range reads as the same value both ways.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "errors/run_time_error.h"
#include "format/number_text.h"

namespace {

using zarandola::ErrorKind;
using zarandola::RunTimeError;

void require(bool condition) {
  if (!condition) __builtin_trap();
}

template <typename Conversion>
auto converted(Conversion conversion) -> std::optional<decltype(conversion())> {
  try {
    return conversion();
  } catch (const RunTimeError& error) {
    require(error.kind() == ErrorKind::TypeMismatch || error.kind() == ErrorKind::Overflow);
    return std::nullopt;
  }
}

void check(std::string_view text, const zarandola::RegionalSettings& settings) {
  const auto whole = converted([&] { return zarandola::text_to_int32(text, settings); });
  const auto real = converted([&] { return zarandola::text_to_double(text, settings); });
  // A text that reads as a number reads as one both ways, bar the range.
  if (whole) require(real.has_value());
  if (real && *real == std::trunc(*real) && std::fabs(*real) <= std::numeric_limits<std::int32_t>::max())
    require(whole && *whole == *real);
  for (const auto& pattern : {zarandola::count_pattern, zarandola::percent_pattern, zarandola::money_pattern}) {
    const std::string rendered = zarandola::format_number(text, pattern, settings);
    require(real.has_value() || rendered == text);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  check(text, zarandola::RegionalSettings::spanish());
  check(text, zarandola::RegionalSettings::english());
  return 0;
}
