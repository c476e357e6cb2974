// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>
#include <Qt>
#include <string>

#include "report/faces.h"
#include "window/drawing.h"

// The program's plain values as Qt's, where a widget or a painter takes them.
namespace zarandola {

inline QString qt_text(const std::string& utf8) { return QString::fromStdString(utf8); }
// In the face that the named one is drawn in.
inline QFont qt_font(const FontStyle& style) {
  QFont font(qt_text(drawn_face(style.face)));
  font.setPointSizeF(style.points);
  font.setBold(style.bold);
  return font;
}

inline QColor qt_colour(Rgb rgb) { return {rgb.red, rgb.green, rgb.blue}; }
inline QPointF qt_point(Point point) { return {point.x, point.y}; }
inline QRectF qt_rect(const Box& box) { return {box.left, box.top, box.width, box.height}; }

inline Qt::Alignment qt_alignment(Alignment alignment) {
  switch (alignment) {
    case Alignment::Left:
      return Qt::AlignLeft;
    case Alignment::Centre:
      return Qt::AlignHCenter;
    case Alignment::Right:
      return Qt::AlignRight;
    case Alignment::None:
      break;
  }
  return {};
}

}  // namespace zarandola
