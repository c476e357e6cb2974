// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/number_text.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "core/game_model.h"
#include "error_kind_of.h"

namespace zarandola {
namespace {

const RegionalSettings spanish = RegionalSettings::spanish();
const RegionalSettings english = RegionalSettings::english();

using testing::error_kind_of;

TEST(TextToInt32, ReadsWhatAPersonTypes) {
  const struct {
    const char* text;
    std::int32_t spanish_value;
  } cases[] = {
      {"20", 20},
      {"  10000 ", 10000},
      {"+7", 7},
      {"-5", -5},
      {"10.000", 10000},
      {"1.234.567", 1234567},
      {"2,5", 3},
      {"-2,5", -3},
      {"2,49", 2},
      {"0,4", 0},
      {",5", 1},
      {"5,", 5},
      {"007", 7},
      {"2147483647", 2147483647},
      {"-2147483648", std::numeric_limits<std::int32_t>::min()},
      {"2147483646,5", 2147483647},
  };
  for (const auto& c : cases) EXPECT_EQ(text_to_int32(c.text, spanish), c.spanish_value) << c.text;
  EXPECT_EQ(text_to_int32("1,234", english), 1234);
  EXPECT_EQ(text_to_int32("2.5", english), 3);
}

TEST(TextToInt32, RejectsTextThatIsNoNumberAndNumbersBeyond32Bits) {
  for (const char* text : {"", " ", "abc", "12abc", "1 000", "--5", "+-5", "2.5", "1.23.456", "1234.567", "12.34",
                           ".123", "1e5", "5%", ",", "-", "١٢", "1,2,3"})
    EXPECT_EQ(error_kind_of([&] { text_to_int32(text, spanish); }), ErrorKind::TypeMismatch) << text;
  for (const char* text : {"2147483648", "-2147483649", "2147483647,5", "99999999999999999999999"})
    EXPECT_EQ(error_kind_of([&] { text_to_int32(text, spanish); }), ErrorKind::Overflow) << text;
}

TEST(TextToDouble, KeepsTheFractionAndChecksTheRange) {
  EXPECT_EQ(text_to_double("2,5", spanish), 2.5);
  EXPECT_EQ(text_to_double("-2,5", spanish), -2.5);
  EXPECT_EQ(text_to_double(" 1.234,5 ", spanish), 1234.5);
  EXPECT_EQ(text_to_double("1,234.5", english), 1234.5);
  EXPECT_EQ(text_to_double("0,1", spanish), 0.1);
  EXPECT_EQ(text_to_double("0," + std::string(400, '0') + "1", spanish), 0.0);
  EXPECT_EQ(error_kind_of([] { text_to_double(std::string(400, '9'), spanish); }), ErrorKind::Overflow);
  EXPECT_EQ(error_kind_of([] { text_to_double(" ", spanish); }), ErrorKind::TypeMismatch);
  EXPECT_EQ(error_kind_of([] { text_to_double("1.5", spanish); }), ErrorKind::TypeMismatch);
}

TEST(FormatNumber, RendersTheThreePatternsInSpanishAndEnglish) {
  EXPECT_EQ(format_number(7, count_pattern, spanish), "07");
  EXPECT_EQ(format_number(0, count_pattern, spanish), "00");
  EXPECT_EQ(format_number(123456, count_pattern, spanish), "123.456");
  EXPECT_EQ(format_number(123456, count_pattern, english), "123,456");
  EXPECT_EQ(format_number(-1234567, count_pattern, spanish), "-1.234.567");
  EXPECT_EQ(format_number(TheoreticalValues::expected_prize, count_pattern, spanish), "61");
  EXPECT_EQ(format_number(TheoreticalValues::lemon_pair_percent, percent_pattern, spanish), "2,78");
  EXPECT_EQ(format_number(25.0, percent_pattern, spanish), "25,00");
  EXPECT_EQ(format_number(1234.5, percent_pattern, spanish), "1234,50");
  EXPECT_EQ(format_number(0.001, percent_pattern, english), "0.00");
  EXPECT_EQ(format_number(1234.5, money_pattern, spanish), "1.234,50");
  EXPECT_EQ(format_number(1234.5, money_pattern, english), "1,234.50");
  EXPECT_EQ(format_number(70.0f, money_pattern, spanish), "70,00");
  EXPECT_EQ(format_number(TheoreticalValues::expected_prize, money_pattern, spanish), "61,11");
  EXPECT_EQ(format_number(1e20, count_pattern, spanish), "100.000.000.000.000.000.000");
}

TEST(FormatNumber, RoundsExactHalvesAwayFromZeroAndShowsNoNegativeZero) {
  EXPECT_EQ(format_number(0.125, percent_pattern, spanish), "0,13");
  EXPECT_EQ(format_number(0.375, percent_pattern, spanish), "0,38");
  EXPECT_EQ(format_number(-0.125, percent_pattern, spanish), "-0,13");
  EXPECT_EQ(format_number(2.5, count_pattern, spanish), "03");
  EXPECT_EQ(format_number(0.5, count_pattern, spanish), "01");
  // Not a half in binary: 2.675 is stored just below it.
  EXPECT_EQ(format_number(2.675, percent_pattern, spanish), "2,67");
  EXPECT_EQ(format_number(-0.0, percent_pattern, spanish), "0,00");
  EXPECT_EQ(format_number(-0.001, money_pattern, spanish), "00,00");
  EXPECT_EQ(format_number(-0.4, count_pattern, spanish), "00");
}

TEST(FormatNumber, RendersTextThatReadsAsANumberAndLeavesOtherTextAlone) {
  EXPECT_EQ(format_number(std::string_view("10000"), count_pattern, spanish), "10.000");
  EXPECT_EQ(format_number(std::string_view("5"), count_pattern, spanish), "05");
  EXPECT_EQ(format_number(std::string_view("2,78"), percent_pattern, spanish), "2,78");
  EXPECT_EQ(format_number(std::string_view("25,00"), percent_pattern, spanish), "25,00");
  EXPECT_EQ(format_number(std::string_view("1.234,50"), money_pattern, spanish), "1.234,50");
  EXPECT_EQ(format_number(std::string_view("1,234.50"), money_pattern, english), "1,234.50");
  for (const char* text : {"", " ", "abc", "1.5", "2,78%"})
    EXPECT_EQ(format_number(std::string_view(text), percent_pattern, spanish), text) << '"' << text << '"';
  EXPECT_EQ(format_number(std::string(400, '9'), count_pattern, spanish), std::string(400, '9'));
}

// A separator beyond ASCII, as the narrow no-break space of a French setting,
// reads and writes as UTF-8; a message quotes what it shows of the text by
// characters, with a ? for a byte that is no UTF-8 and for what does not print.
TEST(NumberText, ReadsAndWritesCharactersBeyondAsciiAndQuotesOnlyWhatPrints) {
  const RegionalSettings french{U',', U'\u202f'};
  EXPECT_EQ(text_to_int32("1\u202f234\u202f567", french), 1234567);
  EXPECT_EQ(format_number(1234567.5, money_pattern, french), "1\u202f234\u202f567,50");
  EXPECT_EQ(text_to_double("\u00a0\u30002,5\u2003", spanish), 2.5);
  const auto message_for = [](const std::string& text) {
    try {
      text_to_int32(text, spanish);
    } catch (const RunTimeError& error) {
      return std::string(error.what());
    }
    return std::string("no message");
  };
  EXPECT_EQ(message_for("\xff"
                        "5\x01\u200e\u00e9\xe2\x82"),
            "«?5??é??» no es un número.");
  std::string long_text;
  for (int i = 0; i < 31; ++i) long_text += "ñ";
  EXPECT_EQ(message_for(long_text), "«" + long_text.substr(0, 60) + "…» no es un número.");
}

}  // namespace
}  // namespace zarandola
