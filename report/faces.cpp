// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/faces.h"

namespace zarandola {

std::string drawn_face(std::string_view named_face) {
  if (named_face == "MS Sans Serif") return "Liberation Sans";
  if (named_face == "Comic Sans MS") return "Comic Neue";
  return std::string(named_face);
}

}  // namespace zarandola
