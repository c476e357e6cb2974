// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/regional_settings.h"

#include <QLocale>

namespace zarandola {
namespace {

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

}  // namespace

RegionalSettings RegionalSettings::spanish() { return {QChar(u','), QChar(u'.')}; }

RegionalSettings RegionalSettings::english() { return {QChar(u'.'), QChar(u',')}; }

RegionalSettings RegionalSettings::of_locale(const QLocale& locale) {
  if (locale.language() == QLocale::C) return spanish();
  // Qt gives each separator as a text; the first code unit stands for it.
  const auto first_of = [](const QString& text, QChar fallback) { return text.isEmpty() ? fallback : text.front(); };
  return {first_of(locale.decimalPoint(), QChar(u',')), first_of(locale.groupSeparator(), QChar(u'.'))};
}

RegionalSettings RegionalSettings::system() { return of_locale(numeric_locale()); }

}  // namespace zarandola
