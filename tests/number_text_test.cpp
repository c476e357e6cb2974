// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/number_text.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <QProcess>
#include <limits>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

#include "core/game_model.h"
#include "error_kind_of.h"

namespace zarandola {
namespace {

const RegionalSettings spanish = RegionalSettings::spanish();
const RegionalSettings english = RegionalSettings::english();

using testing::error_kind_of;

TEST(TextToInt32, ReadsWhatAPersonTypes) {
  const struct {
    const char16_t* text;
    std::int32_t spanish_value;
  } cases[] = {
      {u"20", 20},
      {u"  10000 ", 10000},
      {u"+7", 7},
      {u"-5", -5},
      {u"10.000", 10000},
      {u"1.234.567", 1234567},
      {u"2,5", 3},
      {u"-2,5", -3},
      {u"2,49", 2},
      {u"0,4", 0},
      {u",5", 1},
      {u"5,", 5},
      {u"007", 7},
      {u"2147483647", 2147483647},
      {u"-2147483648", std::numeric_limits<std::int32_t>::min()},
      {u"2147483646,5", 2147483647},
  };
  for (const auto& c : cases)
    EXPECT_EQ(text_to_int32(QStringView(c.text), spanish), c.spanish_value)
        << QStringView(c.text).toString().toStdString();
  EXPECT_EQ(text_to_int32(u"1,234", english), 1234);
  EXPECT_EQ(text_to_int32(u"2.5", english), 3);
}

TEST(TextToInt32, RejectsTextThatIsNoNumberAndNumbersBeyond32Bits) {
  for (const char16_t* text : {u"", u" ", u"abc", u"12abc", u"1 000", u"--5", u"+-5", u"2.5", u"1.23.456", u"1234.567",
                               u"12.34", u".123", u"1e5", u"5%", u",", u"-", u"١٢", u"1,2,3"})
    EXPECT_EQ(error_kind_of([&] { text_to_int32(QStringView(text), spanish); }), ErrorKind::TypeMismatch)
        << QStringView(text).toString().toStdString();
  for (const char16_t* text : {u"2147483648", u"-2147483649", u"2147483647,5", u"99999999999999999999999"})
    EXPECT_EQ(error_kind_of([&] { text_to_int32(QStringView(text), spanish); }), ErrorKind::Overflow)
        << QStringView(text).toString().toStdString();
}

TEST(TextToDouble, KeepsTheFractionAndChecksTheRange) {
  EXPECT_EQ(text_to_double(u"2,5", spanish), 2.5);
  EXPECT_EQ(text_to_double(u"-2,5", spanish), -2.5);
  EXPECT_EQ(text_to_double(u" 1.234,5 ", spanish), 1234.5);
  EXPECT_EQ(text_to_double(u"1,234.5", english), 1234.5);
  EXPECT_EQ(text_to_double(u"0,1", spanish), 0.1);
  EXPECT_EQ(text_to_double(QString("0," + QString(400, u'0') + "1"), spanish), 0.0);
  EXPECT_EQ(error_kind_of([] { text_to_double(QString(400, u'9'), spanish); }), ErrorKind::Overflow);
  EXPECT_EQ(error_kind_of([] { text_to_double(u" ", spanish); }), ErrorKind::TypeMismatch);
  EXPECT_EQ(error_kind_of([] { text_to_double(u"1.5", spanish); }), ErrorKind::TypeMismatch);
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
  EXPECT_EQ(format_number(QString("10000"), count_pattern, spanish), "10.000");
  EXPECT_EQ(format_number(QString("5"), count_pattern, spanish), "05");
  EXPECT_EQ(format_number(QString("2,78"), percent_pattern, spanish), "2,78");
  EXPECT_EQ(format_number(QString("25,00"), percent_pattern, spanish), "25,00");
  EXPECT_EQ(format_number(QString("1.234,50"), money_pattern, spanish), "1.234,50");
  EXPECT_EQ(format_number(QString("1,234.50"), money_pattern, english), "1,234.50");
  for (const char* text : {"", " ", "abc", "1.5", "2,78%"})
    EXPECT_EQ(format_number(QString(text), percent_pattern, spanish), text) << '"' << text << '"';
  EXPECT_EQ(format_number(QString(400, u'9'), count_pattern, spanish), QString(400, u'9'));
}

TEST(RegionalSettings, TakesTheLocaleSeparatorsAndSpanishForTheCLocale) {
  const RegionalSettings c = RegionalSettings::of_locale(QLocale::c());
  EXPECT_EQ(c.decimal_separator, u',');
  EXPECT_EQ(c.group_separator, u'.');
  const RegionalSettings us = RegionalSettings::of_locale(QLocale(QLocale::English, QLocale::UnitedStates));
  EXPECT_EQ(us.decimal_separator, u'.');
  EXPECT_EQ(us.group_separator, u',');
  const RegionalSettings spain = RegionalSettings::of_locale(QLocale(QLocale::Spanish, QLocale::Spain));
  EXPECT_EQ(spain.decimal_separator, u',');
  EXPECT_EQ(spain.group_separator, u'.');
}

// Windows takes the separators from the user's regional format, not from
// variables: the Wine checks start the program in each locale. A browser
// starts no program: the site's checks open it in each language.
#if !defined(Q_OS_WIN) && !defined(Q_OS_WASM)
// The separators of a program started with only these variables set.
QString separators_with(const QStringList& variables) {
  QProcessEnvironment environment;
  for (const QString& variable : variables) environment.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
  QProcess probe;
  probe.setProcessEnvironment(environment);
  probe.start(QStringLiteral(REGIONAL_SETTINGS_PROBE), {});
  EXPECT_TRUE(probe.waitForFinished(10000));
  return QString::fromUtf8(probe.readAllStandardOutput());
}

TEST(RegionalSettings, FollowTheNumericSettingAloneAndFallBackToSpanish) {
  const struct {
    QStringList environment;
    const char* separators;  // decimal, then thousands
  } cases[] = {
      {{"LANG=es_ES.UTF-8"}, ",."},
      {{"LANG=en_US.UTF-8"}, ".,"},
      {{"LANG=C"}, ",."},
      {{}, ",."},
      {{"LANG=C", "LC_NUMERIC=en_US.UTF-8"}, ".,"},
      {{"LANG=en_GB.UTF-8", "LC_MESSAGES=C"}, ".,"},
      {{"LC_ALL=es_ES.UTF-8", "LC_NUMERIC=en_US.UTF-8", "LANG=en_US.UTF-8"}, ",."},
      {{"LC_ALL=POSIX", "LANG=en_US.UTF-8"}, ",."},
  };
  for (const auto& c : cases)
    EXPECT_EQ(separators_with(c.environment), c.separators) << c.environment.join(u' ').toStdString();
}
#elif defined(Q_OS_WIN)
// The separators read once the user has set these in the regional format;
// the user's own are put back afterwards.
QString separators_with(const wchar_t* decimal, const wchar_t* thousands) {
  wchar_t own_decimal[LOCALE_NAME_MAX_LENGTH] = {};
  wchar_t own_thousands[LOCALE_NAME_MAX_LENGTH] = {};
  GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, own_decimal, LOCALE_NAME_MAX_LENGTH);
  GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, own_thousands, LOCALE_NAME_MAX_LENGTH);
  EXPECT_TRUE(SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, decimal));
  EXPECT_TRUE(SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, thousands));
  const RegionalSettings settings = RegionalSettings::system();
  SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, own_decimal);
  SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, own_thousands);
  return QString(settings.decimal_separator) + settings.group_separator;
}

TEST(RegionalSettings, TakeTheFirstCharacterOfTheUsersOwnAndSpanishForNone) {
  const struct {
    const wchar_t* decimal;
    const wchar_t* thousands;
    const char* separators;
  } cases[] = {
      {L"'", L"_", "'_"},
      {L"'x", L"_y", "'_"},
      {L"", L"", ",."},
  };
  for (const auto& c : cases) EXPECT_EQ(separators_with(c.decimal, c.thousands), c.separators) << c.separators;
}
#endif

}  // namespace
}  // namespace zarandola
