#include "format/regional_settings.h"

#include <QLocale>

namespace zarandola {

RegionalSettings RegionalSettings::spanish() { return {QChar(u','), QChar(u'.')}; }

RegionalSettings RegionalSettings::english() { return {QChar(u'.'), QChar(u',')}; }

RegionalSettings RegionalSettings::of_locale(const QLocale& locale) {
  if (locale.language() == QLocale::C) return spanish();
  // Qt gives each separator as a text; the first code unit stands for it.
  const auto first_of = [](const QString& text, QChar fallback) { return text.isEmpty() ? fallback : text.front(); };
  return {first_of(locale.decimalPoint(), QChar(u',')), first_of(locale.groupSeparator(), QChar(u'.'))};
}

RegionalSettings RegionalSettings::system() { return of_locale(QLocale::system()); }

}  // namespace zarandola
