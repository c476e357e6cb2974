// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>
#include <string>

#include "report/window_fields.h"
#include "window/layout.h"

class QPushButton;

namespace zarandola {

using TextBoxes = WindowFields<QLineEdit*>;

struct CommandButtons {
  QPushButton* Simular;
  QPushButton* Borrar;
  QPushButton* Command1;  // "Imprimir"
  QPushButton* Command2;  // "Terminar"
};

// The member of the buttons that a name stands for.
constexpr QPushButton* CommandButtons::*button_member(layout::Button name) {
  constexpr QPushButton* CommandButtons::*members[] = {&CommandButtons::Simular, &CommandButtons::Borrar,
                                                       &CommandButtons::Command1, &CommandButtons::Command2};
  return members[static_cast<std::size_t>(name)];
}

// What the fifteen text boxes show.
inline WindowFields<std::string> texts_of(const TextBoxes& boxes) {
  WindowFields<std::string> texts;
  for_each_window_field([](const QLineEdit* box, std::string& text) { text = box->text().toStdString(); }, boxes,
                        texts);
  return texts;
}

}  // namespace zarandola
