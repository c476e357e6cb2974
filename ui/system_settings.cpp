// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/system_settings.h"

#include <QLocale>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace zarandola {
namespace {

#ifdef Q_OS_WIN
// One separator of the user's Windows regional format, custom ones included.
char32_t windows_separator(LCTYPE item, char32_t fallback) {
  wchar_t text[LOCALE_NAME_MAX_LENGTH] = {};
  if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, item, text, LOCALE_NAME_MAX_LENGTH) <= 1) return fallback;
  return static_cast<char16_t>(text[0]);  // the first code unit stands for it
}
#else
// The locale of the user's numbers, named by LC_ALL, else LC_NUMERIC, else
// LANG: the setting that the system takes its separators from, and not the
// language of its messages.
QLocale numeric_locale() {
  for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
    const QString name = qEnvironmentVariable(variable);
    if (!name.isEmpty()) return QLocale(name);
  }
  return QLocale::c();
}
#endif

}  // namespace

RegionalSettings regional_settings_of(const QLocale& locale) {
  constexpr RegionalSettings spanish = RegionalSettings::spanish();
  if (locale.language() == QLocale::C) return spanish;
  // Qt gives each separator as a text; its first character stands for it.
  const auto first_of = [](const QString& text, char32_t fallback) {
    return text.isEmpty() ? fallback : text.toUcs4().front();
  };
  return {first_of(locale.decimalPoint(), spanish.decimal_separator),
          first_of(locale.groupSeparator(), spanish.group_separator)};
}

#ifdef Q_OS_WIN
RegionalSettings system_regional_settings() {
  constexpr RegionalSettings spanish = RegionalSettings::spanish();
  return {windows_separator(LOCALE_SDECIMAL, spanish.decimal_separator),
          windows_separator(LOCALE_STHOUSAND, spanish.group_separator)};
}
#else
RegionalSettings system_regional_settings() { return regional_settings_of(numeric_locale()); }
#endif

}  // namespace zarandola
