// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/faces.h"

namespace zarandola {

QString drawn_face(const QString& named_face) {
  if (named_face == u"MS Sans Serif") return QStringLiteral("Liberation Sans");
  if (named_face == u"Comic Sans MS") return QStringLiteral("Comic Neue");
  return named_face;
}

}  // namespace zarandola
