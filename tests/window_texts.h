// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>
#include <QString>
#include <map>
#include <string>

#include "ui/frmzarandola.h"

namespace zarandola::testing {

inline const char* const all_text_boxes[] = {"numexp",   "limon",    "manzana", "cereza", "nopre",
                                             "limonp",   "manzanap", "cerezap", "noprep", "limont",
                                             "manzanat", "cerezat",  "nopret",  "premed", "espemat"};

// What the fifteen text boxes show, by name.
inline std::map<std::string, QString> texts_of(const frmzarandola& window) {
  std::map<std::string, QString> texts;
  for (const char* name : all_text_boxes) texts[name] = window.text_box(name)->text();
  return texts;
}

}  // namespace zarandola::testing
