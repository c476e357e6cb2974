// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QPageLayout>
#include <QPdfWriter>

#include "printing/page_lines.h"

namespace zarandola {

// One page drawn as PDF in memory, in a printer's page layout and resolution.
class PdfPage {
 public:
  PdfPage(const QPageLayout& layout, int resolution);

  // False when Qt could not begin drawing.
  bool is_open() const { return lines_.is_open(); }
  PageLines& lines() { return lines_; }

  // Ends the drawing: the PDF, or nothing when Qt could not finish it.
  QByteArray finish();

 private:
  QBuffer pdf_;
  QPdfWriter writer_;
  PageLines lines_;
};

}  // namespace zarandola
