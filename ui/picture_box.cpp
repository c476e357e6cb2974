// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/picture_box.h"

#include <QPainter>

#include "ui/focus_frame.h"

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
  QPainter painter(this);
  draw_focus_frame(painter, *this, contentsRect().adjusted(2, 2, -2, -2));
}

}  // namespace zarandola
