// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/system_settings.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <QProcess>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace zarandola {
namespace {

TEST(RegionalSettings, TakesTheLocaleSeparatorsAndSpanishForTheCLocale) {
  const RegionalSettings c = regional_settings_of(QLocale::c());
  EXPECT_EQ(c.decimal_separator, u',');
  EXPECT_EQ(c.group_separator, u'.');
  const RegionalSettings us = regional_settings_of(QLocale(QLocale::English, QLocale::UnitedStates));
  EXPECT_EQ(us.decimal_separator, u'.');
  EXPECT_EQ(us.group_separator, u',');
  const RegionalSettings spain = regional_settings_of(QLocale(QLocale::Spanish, QLocale::Spain));
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
  const RegionalSettings settings = system_regional_settings();
  SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, own_decimal);
  SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, own_thousands);
  return QString::fromUcs4(&settings.decimal_separator, 1) + QString::fromUcs4(&settings.group_separator, 1);
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
