// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/regional_settings.h"

#include <QLocale>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace zarandola {
namespace {

#ifdef Q_OS_WIN
// One separator of the user's Windows regional format, custom ones included.
QChar windows_separator(LCTYPE item, QChar fallback) {
  wchar_t text[LOCALE_NAME_MAX_LENGTH] = {};
  if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, item, text, LOCALE_NAME_MAX_LENGTH) <= 1) return fallback;
  return QChar(static_cast<char16_t>(text[0]));  // the first code unit stands for it
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

RegionalSettings RegionalSettings::spanish() { return {QChar(u','), QChar(u'.')}; }

RegionalSettings RegionalSettings::english() { return {QChar(u'.'), QChar(u',')}; }

RegionalSettings RegionalSettings::of_locale(const QLocale& locale) {
  if (locale.language() == QLocale::C) return spanish();
  // Qt gives each separator as a text; the first code unit stands for it.
  const auto first_of = [](const QString& text, QChar fallback) { return text.isEmpty() ? fallback : text.front(); };
  return {first_of(locale.decimalPoint(), QChar(u',')), first_of(locale.groupSeparator(), QChar(u'.'))};
}

#ifdef Q_OS_WIN
RegionalSettings RegionalSettings::system() {
  const RegionalSettings spanish_settings = spanish();
  return {windows_separator(LOCALE_SDECIMAL, spanish_settings.decimal_separator),
          windows_separator(LOCALE_STHOUSAND, spanish_settings.group_separator)};
}
#else
RegionalSettings RegionalSettings::system() { return of_locale(numeric_locale()); }
#endif

}  // namespace zarandola
