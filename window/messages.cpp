// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/messages.h"

namespace zarandola {

std::string advice_for(ErrorKind kind) {
  switch (kind) {
    case ErrorKind::TypeMismatch:
      return "Escriba el número de veces con cifras, por ejemplo 10000.";
    case ErrorKind::Overflow:
      return "Escriba un número de veces más pequeño: las sumas admiten hasta unos 35 millones de tiradas.";
    case ErrorKind::FloatingPoint:
    case ErrorKind::InvalidTrialCount:
      return "Escriba, por ejemplo, 10000 para simular diez mil tiradas.";
    case ErrorKind::NoDefaultPrinter:
      return "Elija una impresora predeterminada en la configuración de impresoras del sistema y vuelva a intentarlo.";
    case ErrorKind::UnknownPrinter:
      return "Elija como predeterminada una impresora que exista, en la configuración de impresoras del sistema.";
    case ErrorKind::PrintServiceDown:
      return "Compruebe que el servicio de impresión (CUPS) está en marcha y vuelva a intentarlo.";
    case ErrorKind::PrintServiceSilent:
      return "Vuelva a intentarlo dentro de un momento; si sigue sin responder, reinicie el servicio "
             "de impresión (CUPS).";
    case ErrorKind::Printer:
      return "Compruebe que la impresora está preparada y acepta trabajos, y vuelva a intentarlo.";
  }
  return {};
}

std::string waiting_page_message(const SentPage& sent) {
  if (!sent.waits_for_stopped_printer) return {};
  return "La página está en la cola de la impresora «" + sent.printer +
         "», que está detenida: se imprimirá cuando se vuelva a poner en marcha.";
}

}  // namespace zarandola
