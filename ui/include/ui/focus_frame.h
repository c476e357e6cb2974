// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QWidget>

namespace zarandola {

// The style's focus frame around rect while the widget has the focus: a tab
// stop that draws itself shows where the focus is, as every other control does.
inline void draw_focus_frame(QPainter& painter, const QWidget& widget, const QRect& rect) {
  if (!widget.hasFocus()) return;
  QStyleOptionFocusRect focus;
  focus.initFrom(&widget);
  focus.rect = rect;
  widget.style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, &widget);
}

}  // namespace zarandola
