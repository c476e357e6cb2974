// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/pdf_page.h"

#include <QFontMetricsF>

namespace zarandola {

PdfPage::PdfPage(const QPageLayout& layout, int resolution) : writer_(&pdf_) {
  pdf_.open(QIODevice::WriteOnly);
  writer_.setPageLayout(layout);
  writer_.setResolution(resolution);
  writer_.setTitle(QStringLiteral("Zarandola"));
  painter_.begin(&writer_);
}

void PdfPage::blank_line(const QFont& font) { line_top_ += QFontMetricsF(font, &writer_).lineSpacing(); }

void PdfPage::text_line(const QFont& font, int indent, const QString& text) {
  const QFontMetricsF metrics(font, &writer_);
  painter_.setFont(font);
  painter_.drawText(QPointF(indent * metrics.horizontalAdvance(u' '), line_top_ + metrics.ascent()), text);
  line_top_ += metrics.lineSpacing();
}

QByteArray PdfPage::finish() { return painter_.end() ? pdf_.data() : QByteArray(); }

}  // namespace zarandola
