// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/number_text.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>

#include "errors/run_time_error.h"

namespace zarandola {
namespace {

// A number as a person typed it, reduced to plain ASCII digits.
struct DecimalText {
  bool negative = false;
  std::string integer_digits;   // no separators; may be empty, as in ",5"
  std::string fraction_digits;  // may be empty, as in "5" or "5,"

  std::string significant_integer_digits() const {
    const auto first = integer_digits.find_first_not_of('0');
    return first == std::string::npos ? std::string() : integer_digits.substr(first);
  }
};

bool is_ascii_digit(QChar c) { return c >= u'0' && c <= u'9'; }

// Thousands separators are taken only where they belong: after a first group
// of one to three digits and between full groups of three, so that "2.5"
// typed in a Spanish setting is not silently read as 25.
std::optional<DecimalText> read_decimal(QStringView text, const RegionalSettings& settings) {
  const QStringView body = text.trimmed();
  DecimalText number;
  qsizetype at = 0;
  if (at < body.size() && (body[at] == u'+' || body[at] == u'-')) {
    number.negative = body[at] == u'-';
    ++at;
  }
  int group_length = 0;
  bool grouped = false;
  for (; at < body.size(); ++at) {
    const QChar c = body[at];
    if (is_ascii_digit(c)) {
      number.integer_digits += static_cast<char>(c.unicode());
      ++group_length;
    } else if (c == settings.group_separator) {
      if (group_length == 0 || group_length > 3 || (grouped && group_length != 3)) return std::nullopt;
      grouped = true;
      group_length = 0;
    } else {
      break;
    }
  }
  if (grouped && group_length != 3) return std::nullopt;
  if (at < body.size() && body[at] == settings.decimal_separator) {
    for (++at; at < body.size() && is_ascii_digit(body[at]); ++at)
      number.fraction_digits += static_cast<char>(body[at].unicode());
  }
  if (at != body.size() || (number.integer_digits.empty() && number.fraction_digits.empty())) return std::nullopt;
  return number;
}

// The user's text as a message quotes it: short, and with nothing unprintable.
std::string quoted(QStringView text) {
  constexpr qsizetype longest = 30;
  QString shown = text.trimmed().left(longest).toString();
  for (QChar& c : shown)
    if (!c.isPrint()) c = u'?';
  if (text.trimmed().size() > longest) shown += u'…';
  return "«" + shown.toStdString() + "»";
}

[[noreturn]] void throw_not_a_number(QStringView text) {
  if (text.trimmed().isEmpty()) throw RunTimeError(ErrorKind::TypeMismatch, "No se ha escrito ningún número.");
  throw RunTimeError(ErrorKind::TypeMismatch, quoted(text) + " no es un número.");
}

[[noreturn]] void throw_too_large(QStringView text) {
  throw RunTimeError(ErrorKind::Overflow, quoted(text) + " es un número demasiado grande.");
}

std::optional<double> to_double(const DecimalText& number) {
  const std::string integer = number.significant_integer_digits();
  const std::string ascii = (number.negative ? "-" : "") + (integer.empty() ? std::string("0") : integer) + "." +
                            number.fraction_digits + "0";
  double value = 0;
#ifdef __cpp_lib_to_chars
  const bool out_of_range =
      std::from_chars(ascii.data(), ascii.data() + ascii.size(), value).ec == std::errc::result_out_of_range;
#else
  // Emscripten's libc++ reads no floating point with from_chars; strtod
  // reads the point of the C locale, which the program never leaves.
  errno = 0;
  value = std::strtod(ascii.c_str(), nullptr);
  const bool out_of_range = errno == ERANGE;
#endif
  if (out_of_range) {
    // Out of range below 1 means too close to zero: that reads as zero.
    if (!integer.empty()) return std::nullopt;
    return number.negative ? -0.0 : 0.0;
  }
  return value;
}

// True when value lies exactly halfway between two neighbours with `decimals`
// decimals. Such a value is a binary fraction: its fractional part times
// 2^(decimals + 1) is an odd whole number (a half, or an odd number of eighths).
bool is_exact_half(double value, int decimals) {
  const double scaled = std::ldexp(std::fabs(value - std::trunc(value)), decimals + 1);
  return scaled == std::trunc(scaled) && std::fmod(scaled, 2.0) == 1.0;
}

QString group_in_threes(const QString& digits, QChar separator) {
  QString grouped;
  for (qsizetype i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) grouped += separator;
    grouped += digits[i];
  }
  return grouped;
}

}  // namespace

std::int32_t text_to_int32(QStringView text, const RegionalSettings& settings) {
  const auto number = read_decimal(text, settings);
  if (!number) throw_not_a_number(text);
  const std::string integer = number->significant_integer_digits();
  if (integer.size() > 10) throw_too_large(text);
  std::int64_t magnitude = integer.empty() ? 0 : std::stoll(integer);
  if (!number->fraction_digits.empty() && number->fraction_digits.front() >= '5') ++magnitude;
  const std::int64_t value = number->negative ? -magnitude : magnitude;
  if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
    throw_too_large(text);
  return static_cast<std::int32_t>(value);
}

double text_to_double(QStringView text, const RegionalSettings& settings) {
  const auto number = read_decimal(text, settings);
  if (!number) throw_not_a_number(text);
  const auto value = to_double(*number);
  if (!value) throw_too_large(text);
  return *value;
}

QString format_number(double value, const DisplayPattern& pattern, const RegionalSettings& settings) {
  // to_chars rounds correctly but settles exact halves to even; one step away
  // from zero makes them round away instead.
  if (is_exact_half(value, pattern.decimals))
    value = std::nextafter(value, std::copysign(std::numeric_limits<double>::infinity(), value));
  char buffer[std::numeric_limits<double>::max_exponent10 + 32];
  const auto end =
      std::to_chars(std::begin(buffer), std::end(buffer), value, std::chars_format::fixed, pattern.decimals).ptr;
  const QString fixed = QString::fromLatin1(buffer, end - buffer);
  if (!std::isfinite(value)) return fixed;

  const bool negative = fixed.startsWith(u'-');
  const QString unsigned_part = negative ? fixed.mid(1) : fixed;
  const qsizetype point = unsigned_part.indexOf(u'.');
  QString integer = unsigned_part.left(point < 0 ? unsigned_part.size() : point);
  const QString decimals = point < 0 ? QString() : unsigned_part.mid(point + 1);
  if (integer.size() < pattern.integer_zeros) integer = QString(pattern.integer_zeros - integer.size(), u'0') + integer;

  QString rendered = pattern.grouped ? group_in_threes(integer, settings.group_separator) : integer;
  if (pattern.decimals > 0) rendered += settings.decimal_separator + decimals;
  // A value that rounds to zero is shown without a sign.
  const bool all_zero = (integer + decimals).count(u'0') == integer.size() + decimals.size();
  return negative && !all_zero ? u'-' + rendered : rendered;
}

QString format_number(std::int32_t value, const DisplayPattern& pattern, const RegionalSettings& settings) {
  return format_number(static_cast<double>(value), pattern, settings);
}

QString format_number(float value, const DisplayPattern& pattern, const RegionalSettings& settings) {
  return format_number(static_cast<double>(value), pattern, settings);
}

QString format_number(const QString& text, const DisplayPattern& pattern, const RegionalSettings& settings) {
  const auto number = read_decimal(text, settings);
  if (!number) return text;
  const auto value = to_double(*number);
  return value ? format_number(*value, pattern, settings) : text;
}

}  // namespace zarandola
