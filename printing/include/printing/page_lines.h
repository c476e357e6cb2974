// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QPainter>
#include <QString>
#include <string>
#include <vector>

class QPaintDevice;

namespace zarandola {

// A printed line's items, as one text.
QString joined(const std::vector<std::string>& items);

// Lines of text drawn on one page of a paint device, a printer or a PDF, from
// the top left of its printable area down, each in the font given for it.
class PageLines {
 public:
  // False when Qt could not begin drawing on the device.
  bool begin(QPaintDevice& device);
  bool is_open() const { return painter_.isActive(); }

  void blank_line(const QFont& font);
  // The indent is n blanks of the font, so the text starts after them.
  void text_line(const QFont& font, int indent, const QString& text);

  // False when the device could not finish the page.
  bool finish() { return painter_.end(); }

 private:
  QPaintDevice* device_ = nullptr;
  QPainter painter_;
  qreal line_top_ = 0;
};

}  // namespace zarandola
