// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QFont>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QString>

namespace zarandola {

// One page drawn as PDF in memory, in a printer's page layout and resolution:
// lines of text from the top left of the printable area down, each in the font
// given for it.
class PdfPage {
 public:
  PdfPage(const QPageLayout& layout, int resolution);

  // False when Qt could not begin drawing.
  bool is_open() const { return painter_.isActive(); }

  void blank_line(const QFont& font);
  // The indent is n blanks of the font, so the text starts after them.
  void text_line(const QFont& font, int indent, const QString& text);

  // Ends the drawing: the PDF, or nothing when Qt could not finish it.
  QByteArray finish();

 private:
  QBuffer pdf_;
  QPdfWriter writer_;
  QPainter painter_;
  qreal line_top_ = 0;
};

}  // namespace zarandola
