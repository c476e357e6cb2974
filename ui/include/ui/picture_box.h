// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>
#include <QPixmap>

namespace zarandola {

// A stored picture drawn unscaled at the top-left corner inside a sunken
// border. It takes the focus like the other controls of the tab order.
class PictureBox : public QFrame {
  Q_OBJECT

 public:
  explicit PictureBox(const QPixmap& picture, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap picture_;
};

}  // namespace zarandola
