// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/pdf_page.h"

namespace zarandola {

PdfPage::PdfPage(const QPageLayout& layout, int resolution) : writer_(&pdf_) {
  pdf_.open(QIODevice::WriteOnly);
  writer_.setPageLayout(layout);
  writer_.setResolution(resolution);
  writer_.setTitle(QStringLiteral("Zarandola"));
  lines_.begin(writer_);
}

QByteArray PdfPage::finish() { return lines_.finish() ? pdf_.data() : QByteArray(); }

}  // namespace zarandola
