// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/qt_printer_service.h"

#include <QFontMetricsF>
#include <QPrinter>
#include <QPrinterInfo>

#include "errors/run_time_error.h"

namespace zarandola {

QtPrinterService::QtPrinterService() = default;

QtPrinterService::~QtPrinterService() { cancel_document(); }

void QtPrinterService::set_font_name(const QString& name) {
  font_.setFamily(name);
  if (painter_.isActive()) painter_.setFont(font_);
}

void QtPrinterService::set_font_size(float points) {
  font_.setPointSizeF(points);
  if (painter_.isActive()) painter_.setFont(font_);
}

void QtPrinterService::begin_document_if_needed() {
  if (painter_.isActive()) return;
  const QPrinterInfo default_printer = QPrinterInfo::defaultPrinter();
  if (default_printer.isNull()) fail(QStringLiteral("No hay ninguna impresora predeterminada."));
  printer_ = std::make_unique<QPrinter>(default_printer, QPrinter::HighResolution);
  printer_->setDocName(QStringLiteral("Zarandola"));
  if (!painter_.begin(printer_.get()))
    fail(QStringLiteral("La impresora «%1» no ha aceptado el documento.").arg(default_printer.printerName()));
  painter_.setFont(font_);
  line_top_ = 0;
}

void QtPrinterService::print_blank_line() {
  begin_document_if_needed();
  line_top_ += QFontMetricsF(font_, printer_.get()).lineSpacing();
}

void QtPrinterService::print_line(int indent, const QStringList& items) {
  begin_document_if_needed();
  const QFontMetricsF metrics(font_, printer_.get());
  // The indent is n blanks of the current font, so the first item starts
  // after them; every text line follows this one rule.
  const qreal left = indent * metrics.horizontalAdvance(u' ');
  painter_.drawText(QPointF(left, line_top_ + metrics.ascent()), items.join(QString()));
  line_top_ += metrics.lineSpacing();
}

void QtPrinterService::end_document() {
  if (!painter_.isActive()) return;
  const QString name = printer_->printerName();
  const bool sent = painter_.end();
  printer_.reset();
  if (!sent) fail(QStringLiteral("La impresora «%1» no ha podido imprimir la página.").arg(name));
}

void QtPrinterService::cancel_document() {
  if (!painter_.isActive()) return;
  printer_->abort();
  painter_.end();
  printer_.reset();
}

void QtPrinterService::fail(const QString& reason) {
  cancel_document();
  throw RunTimeError(ErrorKind::Printer, reason.toStdString());
}

}  // namespace zarandola
