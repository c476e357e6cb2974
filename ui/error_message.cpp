// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/error_message.h"

namespace zarandola {

QString advice_for(ErrorKind kind) {
  switch (kind) {
    case ErrorKind::TypeMismatch:
      return QStringLiteral("Escriba el número de veces con cifras, por ejemplo 10000.");
    case ErrorKind::Overflow:
      return QStringLiteral(
          "Escriba un número de veces más pequeño: las sumas admiten hasta unos 35 millones de tiradas.");
    case ErrorKind::FloatingPoint:
    case ErrorKind::InvalidTrialCount:
      return QStringLiteral("Escriba, por ejemplo, 10000 para simular diez mil tiradas.");
    case ErrorKind::Printer:
      return QStringLiteral("Compruebe que hay una impresora predeterminada preparada y vuelva a intentarlo.");
  }
  return {};
}

}  // namespace zarandola
