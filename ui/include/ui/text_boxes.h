// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>
#include <QString>

#include "report/window_fields.h"

class QPushButton;

namespace zarandola {

using TextBoxes = WindowFields<QLineEdit*>;

struct CommandButtons {
  QPushButton* Simular;
  QPushButton* Borrar;
  QPushButton* Command1;  // "Imprimir"
  QPushButton* Command2;  // "Terminar"
};

// What the fifteen text boxes show.
inline WindowFields<QString> texts_of(const TextBoxes& boxes) {
  WindowFields<QString> texts;
  for_each_window_field([](const QLineEdit* box, QString& text) { text = box->text(); }, boxes, texts);
  return texts;
}

}  // namespace zarandola
