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
    case ErrorKind::NoDefaultPrinter:
      return QStringLiteral(
          "Elija una impresora predeterminada en la configuración de impresoras del sistema y vuelva a intentarlo.");
    case ErrorKind::UnknownPrinter:
      return QStringLiteral(
          "Elija como predeterminada una impresora que exista, en la configuración de impresoras del sistema.");
    case ErrorKind::PrintServiceDown:
      return QStringLiteral("Compruebe que el servicio de impresión (CUPS) está en marcha y vuelva a intentarlo.");
    case ErrorKind::PrintServiceSilent:
      return QStringLiteral(
          "Vuelva a intentarlo dentro de un momento; si sigue sin responder, reinicie el servicio "
          "de impresión (CUPS).");
    case ErrorKind::Printer:
      return QStringLiteral("Compruebe que la impresora está preparada y acepta trabajos, y vuelva a intentarlo.");
  }
  return {};
}

}  // namespace zarandola
