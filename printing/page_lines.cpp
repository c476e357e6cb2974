// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/page_lines.h"

#include <QFontMetricsF>

namespace zarandola {

QString joined(const std::vector<std::string>& items) {
  QString text;
  for (const std::string& item : items) text += QString::fromStdString(item);
  return text;
}

bool PageLines::begin(QPaintDevice& device) {
  device_ = &device;
  line_top_ = 0;
  return painter_.begin(device_);
}

void PageLines::blank_line(const QFont& font) { line_top_ += QFontMetricsF(font, device_).lineSpacing(); }

void PageLines::text_line(const QFont& font, int indent, const QString& text) {
  const QFontMetricsF metrics(font, device_);
  painter_.setFont(font);
  painter_.drawText(QPointF(indent * metrics.horizontalAdvance(u' '), line_top_ + metrics.ascent()), text);
  line_top_ += metrics.lineSpacing();
}

}  // namespace zarandola
