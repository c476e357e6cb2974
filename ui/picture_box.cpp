// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/picture_box.h"

#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace zarandola {

PictureBox::PictureBox(const QPixmap& picture, QWidget* parent) : QFrame(parent), picture_(picture) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(2);
  setFocusPolicy(Qt::StrongFocus);
  setBackgroundRole(QPalette::Window);
}

void PictureBox::paintEvent(QPaintEvent* event) {
  {
    QPainter painter(this);
    painter.setClipRect(contentsRect());
    painter.drawPixmap(contentsRect().topLeft(), picture_);
  }
  QFrame::paintEvent(event);
  // A tab stop shows where the focus is, as every other control does.
  if (hasFocus()) {
    QStylePainter painter(this);
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = contentsRect().adjusted(2, 2, -2, -2);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
  }
}

}  // namespace zarandola
