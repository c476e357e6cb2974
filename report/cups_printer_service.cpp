// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/cups_printer_service.h"

#include <cups/cups.h>

#include <QDir>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>
#include <cstring>
#include <iterator>

#include "errors/run_time_error.h"

namespace zarandola {
namespace {

// The print system's reason for its last refusal, as CUPS words it, without
// the full stop that a sentence of ours adds.
QString last_cups_error() {
  QString reason = QString::fromUtf8(cupsLastErrorString()).trimmed();
  while (reason.endsWith(u'.')) reason.chop(1);
  return reason;
}

// True when the queue is stopped: it keeps the jobs it takes until someone starts it again.
bool is_stopped(const QString& printer) {
  const std::unique_ptr<cups_dest_t, void (*)(cups_dest_t*)> destination(
      cupsGetNamedDest(CUPS_HTTP_DEFAULT, printer.toUtf8().constData(), nullptr),
      [](cups_dest_t* dest) { cupsFreeDests(1, dest); });
  if (!destination) return false;
  const char* state = cupsGetOption("printer-state", destination->num_options, destination->options);
  return state && std::strcmp(state, "5") == 0;  // IPP_PSTATE_STOPPED
}

}  // namespace

CupsPrinterService::CupsPrinterService() = default;

CupsPrinterService::~CupsPrinterService() { cancel_document(); }

void CupsPrinterService::set_font_name(const QString& name) {
  font_.setFamily(name);
  if (painter_.isActive()) painter_.setFont(font_);
}

void CupsPrinterService::set_font_size(float points) {
  font_.setPointSizeF(points);
  if (painter_.isActive()) painter_.setFont(font_);
}

void CupsPrinterService::begin_document_if_needed() {
  if (painter_.isActive()) return;
  const QPrinterInfo destination = QPrinterInfo::defaultPrinter();
  if (destination.isNull()) fail(QStringLiteral("No hay ninguna impresora predeterminada."));
  printer_name_ = destination.printerName();
  page_file_ = std::make_unique<QTemporaryFile>(QDir::tempPath() + QStringLiteral("/zarandola-XXXXXX.pdf"));
  if (!page_file_->open())
    fail(QStringLiteral("No se ha podido preparar la página para la impresora «%1»: %2.")
             .arg(printer_name_, page_file_->errorString()));
  // The printer's own page layout and resolution, written as PDF, the format
  // that CUPS queues take.
  printer_ = std::make_unique<QPrinter>(destination, QPrinter::HighResolution);
  const QPageLayout layout = printer_->pageLayout();
  const int resolution = printer_->resolution();
  printer_->setOutputFormat(QPrinter::PdfFormat);
  printer_->setPageLayout(layout);
  printer_->setResolution(resolution);
  printer_->setOutputFileName(page_file_->fileName());
  printer_->setDocName(QStringLiteral("Zarandola"));
  if (!painter_.begin(printer_.get()))
    fail(QStringLiteral("No se ha podido preparar la página para la impresora «%1».").arg(printer_name_));
  painter_.setFont(font_);
  line_top_ = 0;
}

void CupsPrinterService::print_blank_line() {
  begin_document_if_needed();
  line_top_ += QFontMetricsF(font_, printer_.get()).lineSpacing();
}

void CupsPrinterService::print_line(int indent, const QStringList& items) {
  begin_document_if_needed();
  const QFontMetricsF metrics(font_, printer_.get());
  // The indent is n blanks of the current font, so the first item starts
  // after them; every text line follows this one rule.
  const qreal left = indent * metrics.horizontalAdvance(u' ');
  painter_.drawText(QPointF(left, line_top_ + metrics.ascent()), items.join(QString()));
  line_top_ += metrics.lineSpacing();
}

SentPage CupsPrinterService::end_document() {
  if (!painter_.isActive()) return {};
  if (!painter_.end())
    fail(QStringLiteral("No se ha podido componer la página para la impresora «%1».").arg(printer_name_));
  // The queue is told the page's size too, or it would set the page on its own default paper.
  const QByteArray media = printer_->pageLayout().pageSize().key().toUtf8();
  cups_option_t options[] = {{const_cast<char*>("document-format"), const_cast<char*>(CUPS_FORMAT_PDF)},
                             {const_cast<char*>("media"), const_cast<char*>(media.constData())}};
  const int job = cupsPrintFile2(CUPS_HTTP_DEFAULT, printer_name_.toUtf8().constData(),
                                 page_file_->fileName().toUtf8().constData(), "Zarandola", std::size(options), options);
  if (job == 0)
    fail(QStringLiteral("La impresora «%1» no ha aceptado la página: %2.").arg(printer_name_, last_cups_error()));
  const SentPage sent{printer_name_, is_stopped(printer_name_)};
  cancel_document();  // the queue holds its own copy now
  return sent;
}

void CupsPrinterService::cancel_document() noexcept {
  if (painter_.isActive()) {
    printer_->abort();
    painter_.end();
  }
  printer_.reset();
  page_file_.reset();  // removes the file
}

void CupsPrinterService::fail(const QString& reason) {
  cancel_document();
  throw RunTimeError(ErrorKind::Printer, reason.toStdString());
}

}  // namespace zarandola
