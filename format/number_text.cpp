// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/number_text.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>

#include "errors/run_time_error.h"

namespace zarandola {
namespace {

constexpr char32_t replacement_character = U'\uFFFD';

// The code points of a UTF-8 text; a byte that starts no valid sequence
// stands for the replacement character.
std::u32string decode_utf8(std::string_view text) {
  std::u32string decoded;
  for (std::size_t at = 0; at < text.size();) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const int length = lead < 0x80                   ? 1
                       : lead >= 0xc2 && lead < 0xe0 ? 2
                       : lead >= 0xe0 && lead < 0xf0 ? 3
                       : lead >= 0xf0 && lead < 0xf5 ? 4
                                                     : 0;
    char32_t code = length == 1 ? lead : lead & (0x7f >> length);
    bool valid = length > 0 && at + length <= text.size();
    for (int i = 1; valid && i < length; ++i) {
      const auto next = static_cast<unsigned char>(text[at + i]);
      valid = (next & 0xc0) == 0x80;
      code = code << 6 | (next & 0x3f);
    }
    // Overlong forms, surrogates and code points past the last plane.
    constexpr char32_t least_of_length[] = {0, 0, 0x80, 0x800, 0x10000};
    valid = valid && code >= least_of_length[length] && code <= 0x10ffff && (code < 0xd800 || code > 0xdfff);
    decoded += valid ? code : replacement_character;
    at += valid ? length : 1;
  }
  return decoded;
}

void append_utf8(std::string& text, char32_t code) {
  if (code < 0x80) {
    text += static_cast<char>(code);
    return;
  }
  const int length = code < 0x800 ? 2 : code < 0x10000 ? 3 : 4;
  constexpr unsigned char lead_bits[] = {0, 0, 0xc0, 0xe0, 0xf0};
  text += static_cast<char>(lead_bits[length] | code >> (6 * (length - 1)));
  for (int i = length - 2; i >= 0; --i) text += static_cast<char>(0x80 | ((code >> (6 * i)) & 0x3f));
}

std::string utf8_of(std::u32string_view codes) {
  std::string text;
  for (const char32_t code : codes) append_utf8(text, code);
  return text;
}

// The blanks that a person may leave around a number: Unicode's spaces and
// line and paragraph separators, and the ASCII controls that space text.
bool is_blank(char32_t c) {
  return c == U' ' || (c >= U'\t' && c <= U'\r') || c == U'\u0085' || c == U'\u00a0' || c == U'\u1680' ||
         (c >= U'\u2000' && c <= U'\u200a') || c == U'\u2028' || c == U'\u2029' || c == U'\u202f' || c == U'\u205f' ||
         c == U'\u3000';
}

std::u32string_view trimmed(std::u32string_view text) {
  while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
  return text;
}

// What a message may show of a text: no control, no invisible formatting
// character that could turn it around, nothing private or that is no
// character at all.
bool is_printable(char32_t c) {
  const bool control = c < 0x20 || (c >= 0x7f && c < 0xa0);
  const bool format = c == 0xad || (c >= 0x600 && c <= 0x605) || c == 0x61c || c == 0x6dd || c == 0x70f ||
                      c == 0x180e || (c >= 0x200b && c <= 0x200f) || (c >= 0x202a && c <= 0x202e) ||
                      (c >= 0x2060 && c <= 0x206f) || c == 0xfeff || (c >= 0xfff9 && c <= 0xfffb) ||
                      (c >= 0xe0000 && c <= 0xe007f);
  const bool private_use = (c >= 0xe000 && c <= 0xf8ff) || c >= 0xf0000;
  const bool non_character = (c >= 0xfdd0 && c <= 0xfdef) || (c & 0xfffe) == 0xfffe;
  return !control && !format && !private_use && !non_character && c != replacement_character;
}

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

bool is_ascii_digit(char32_t c) { return c >= U'0' && c <= U'9'; }

// Thousands separators are taken only where they belong: after a first group
// of one to three digits and between full groups of three, so that "2.5"
// typed in a Spanish setting is not silently read as 25.
std::optional<DecimalText> read_decimal(std::string_view text, const RegionalSettings& settings) {
  const std::u32string codes = decode_utf8(text);
  const std::u32string_view body = trimmed(codes);
  DecimalText number;
  std::size_t at = 0;
  if (at < body.size() && (body[at] == U'+' || body[at] == U'-')) {
    number.negative = body[at] == U'-';
    ++at;
  }
  int group_length = 0;
  bool grouped = false;
  for (; at < body.size(); ++at) {
    const char32_t c = body[at];
    if (is_ascii_digit(c)) {
      number.integer_digits += static_cast<char>(c);
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
      number.fraction_digits += static_cast<char>(body[at]);
  }
  if (at != body.size() || (number.integer_digits.empty() && number.fraction_digits.empty())) return std::nullopt;
  return number;
}

// The user's text as a message quotes it: short, and with nothing unprintable.
std::string quoted(std::string_view text) {
  constexpr std::size_t longest = 30;
  const std::u32string codes = decode_utf8(text);
  const std::u32string_view body = trimmed(codes);
  std::u32string shown(body.substr(0, longest));
  for (char32_t& c : shown)
    if (!is_printable(c)) c = U'?';
  if (body.size() > longest) shown += U'…';
  return "«" + utf8_of(shown) + "»";
}

[[noreturn]] void throw_not_a_number(std::string_view text) {
  if (trimmed(decode_utf8(text)).empty())
    throw RunTimeError(ErrorKind::TypeMismatch, "No se ha escrito ningún número.");
  throw RunTimeError(ErrorKind::TypeMismatch, quoted(text) + " no es un número.");
}

[[noreturn]] void throw_too_large(std::string_view text) {
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

std::string group_in_threes(std::string_view digits, char32_t separator) {
  std::string grouped;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) append_utf8(grouped, separator);
    grouped += digits[i];
  }
  return grouped;
}

}  // namespace

std::int32_t text_to_int32(std::string_view text, const RegionalSettings& settings) {
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

double text_to_double(std::string_view text, const RegionalSettings& settings) {
  const auto number = read_decimal(text, settings);
  if (!number) throw_not_a_number(text);
  const auto value = to_double(*number);
  if (!value) throw_too_large(text);
  return *value;
}

std::string format_number(double value, const DisplayPattern& pattern, const RegionalSettings& settings) {
  // to_chars rounds correctly but settles exact halves to even; one step away
  // from zero makes them round away instead.
  if (is_exact_half(value, pattern.decimals))
    value = std::nextafter(value, std::copysign(std::numeric_limits<double>::infinity(), value));
  char buffer[std::numeric_limits<double>::max_exponent10 + 32];
  const auto end =
      std::to_chars(std::begin(buffer), std::end(buffer), value, std::chars_format::fixed, pattern.decimals).ptr;
  const std::string_view fixed(buffer, end - buffer);
  if (!std::isfinite(value)) return std::string(fixed);

  const bool negative = fixed.starts_with('-');
  const std::string_view unsigned_part = negative ? fixed.substr(1) : fixed;
  const std::size_t point = unsigned_part.find('.');
  std::string integer(unsigned_part.substr(0, point));
  const std::string_view decimals =
      point == std::string_view::npos ? std::string_view() : unsigned_part.substr(point + 1);
  if (std::ssize(integer) < pattern.integer_zeros) integer.insert(0, pattern.integer_zeros - integer.size(), '0');

  std::string rendered = pattern.grouped ? group_in_threes(integer, settings.group_separator) : integer;
  if (pattern.decimals > 0) {
    append_utf8(rendered, settings.decimal_separator);
    rendered += decimals;
  }
  // A value that rounds to zero is shown without a sign.
  const bool all_zero =
      integer.find_first_not_of('0') == std::string::npos && decimals.find_first_not_of('0') == std::string_view::npos;
  return negative && !all_zero ? '-' + rendered : rendered;
}

std::string format_number(std::int32_t value, const DisplayPattern& pattern, const RegionalSettings& settings) {
  return format_number(static_cast<double>(value), pattern, settings);
}

std::string format_number(float value, const DisplayPattern& pattern, const RegionalSettings& settings) {
  return format_number(static_cast<double>(value), pattern, settings);
}

std::string format_number(std::string_view text, const DisplayPattern& pattern, const RegionalSettings& settings) {
  const auto number = read_decimal(text, settings);
  if (!number) return std::string(text);
  const auto value = to_double(*number);
  return value ? format_number(*value, pattern, settings) : std::string(text);
}

}  // namespace zarandola
