// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/cups_printer_service.h"

#include <cups/cups.h>

#include <QPrinter>
#include <QPrinterInfo>
#include <chrono>
#include <cstring>
#include <utility>

#include "errors/run_time_error.h"
#include "printing/pdf_page.h"
#include "report/faces.h"

namespace zarandola {
namespace {

using Clock = std::chrono::steady_clock;

// How long one print may keep the window waiting in all, and how long a
// connection may take within that.
constexpr auto print_deadline = std::chrono::seconds(9);
constexpr int connect_timeout_ms = 3000;

[[noreturn]] void raise(ErrorKind kind, const QString& description) {
  throw RunTimeError(kind, description.toStdString());
}

// The print system's reason for its last refusal, as CUPS words it, without
// the full stop that a sentence of ours adds: said only where it adds what our
// own words cannot, such as why a queue refuses jobs.
QString last_cups_error() {
  QString reason = QString::fromUtf8(cupsLastErrorString()).trimmed();
  while (reason.endsWith(u'.')) reason.chop(1);
  return reason;
}

// The default printer that the user's environment names, read as libcups
// reads it before it asks the print system: LPDEST, else PRINTER unless it is
// the traditional "lp"; empty when none is named.
QString printer_named_by_environment() {
  if (qEnvironmentVariableIsSet("LPDEST")) return qEnvironmentVariable("LPDEST");
  const QString printer = qEnvironmentVariable("PRINTER");
  return printer == u"lp" ? QString() : printer;
}

}  // namespace

// A connection to the print system for one document. Every wait on it ends by
// a common deadline, where libcups alone would wait a minute per request.
class PrintConnection {
 public:
  PrintConnection() : deadline_(Clock::now() + print_deadline) {
    http_ = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, connect_timeout_ms, nullptr);
    if (!http_) {
      const QString printer = printer_named_by_environment();
      raise(ErrorKind::PrintServiceDown,
            QStringLiteral("No se puede conectar con el servicio de impresión%1.")
                .arg(printer.isEmpty() ? QString() : QStringLiteral(" para imprimir en «%1»").arg(printer)));
    }
    httpSetTimeout(http_, 1.0, &PrintConnection::keep_waiting, this);
  }
  ~PrintConnection() { httpClose(http_); }
  PrintConnection(const PrintConnection&) = delete;
  PrintConnection& operator=(const PrintConnection&) = delete;

  http_t* http() const { return http_; }

  // libcups may give a request's last status as the answer to one that got none.
  bool went_silent() const { return timed_out_; }

  QString default_printer() {
    cups_dest_t* destination = cupsGetNamedDest(http_, nullptr, nullptr);
    if (destination) {
      const QString name = QString::fromUtf8(destination->name);
      cupsFreeDests(1, destination);
      return name;
    }
    raise_if_silent();
    const QString named = printer_named_by_environment();
    if (!named.isEmpty())
      raise(ErrorKind::UnknownPrinter,
            QStringLiteral("La impresora predeterminada «%1» no existe en el servicio de impresión.").arg(named));
    if (!cupsGetDefault2(http_)) {
      raise_if_silent();
      raise(ErrorKind::NoDefaultPrinter, QStringLiteral("No hay ninguna impresora predeterminada."));
    }
    raise(ErrorKind::UnknownPrinter,
          QStringLiteral("La impresora predeterminada no existe en el servicio de impresión."));
  }

  // True when the queue is stopped: it keeps the jobs it takes until someone starts it again.
  bool is_stopped(const QByteArray& printer) const {
    cups_dest_t* destination = cupsGetNamedDest(http_, printer.constData(), nullptr);
    if (!destination) return false;
    const char* state = cupsGetOption("printer-state", destination->num_options, destination->options);
    const bool stopped = state && std::strcmp(state, "5") == 0;  // IPP_PSTATE_STOPPED
    cupsFreeDests(1, destination);
    return stopped;
  }

  // The error for a request that failed: the service's silence, or else the
  // printer's refusal in CUPS's words.
  RunTimeError failure(const QString& printer) const {
    if (timed_out_) return silence();
    return {ErrorKind::Printer, QStringLiteral("La impresora «%1» no ha aceptado la página: %2.")
                                    .arg(printer, last_cups_error())
                                    .toStdString()};
  }

 private:
  static RunTimeError silence() {
    return {ErrorKind::PrintServiceSilent, QStringLiteral("El servicio de impresión no ha respondido en %1 segundos.")
                                               .arg(print_deadline.count())
                                               .toStdString()};
  }

  void raise_if_silent() const {
    if (timed_out_) throw silence();
  }

  // libcups asks this after each second without an answer: go on waiting until the deadline.
  static int keep_waiting(http_t*, void* self) {
    auto* connection = static_cast<PrintConnection*>(self);
    connection->timed_out_ = Clock::now() >= connection->deadline_;
    return connection->timed_out_ ? 0 : 1;
  }

  http_t* http_ = nullptr;
  Clock::time_point deadline_;
  bool timed_out_ = false;
};

CupsPrinterService::CupsPrinterService(CupsDocumentCalls calls) : calls_(std::move(calls)) {}

CupsPrinterService::~CupsPrinterService() { cancel_document(); }

void CupsPrinterService::set_font_name(const std::string& name) {
  font_.setFamily(QString::fromStdString(drawn_face(name)));
}

void CupsPrinterService::set_font_size(float points) { font_.setPointSizeF(points); }

void CupsPrinterService::begin_document_if_needed() {
  if (page_) return;
  try {
    connection_ = std::make_unique<PrintConnection>();
    printer_name_ = connection_->default_printer();
    // The printer's own page layout and resolution, for a page drawn as PDF,
    // the format that CUPS queues take.
    const QPrinter printer(QPrinterInfo::printerInfo(printer_name_), QPrinter::HighResolution);
    // The queue is told the page's size too, or it would set the page on its own default paper.
    media_ = printer.pageLayout().pageSize().key().toUtf8();
    page_ = std::make_unique<PdfPage>(printer.pageLayout(), printer.resolution());
    if (!page_->is_open())
      raise(ErrorKind::Printer,
            QStringLiteral("No se ha podido preparar la página para la impresora «%1».").arg(printer_name_));
  } catch (const RunTimeError&) {
    cancel_document();
    throw;
  }
}

void CupsPrinterService::print_blank_line() {
  begin_document_if_needed();
  page_->lines().blank_line(font_);
}

void CupsPrinterService::print_line(int indent, const std::vector<std::string>& items) {
  begin_document_if_needed();
  page_->lines().text_line(font_, indent, joined(items));
}

SentPage CupsPrinterService::end_document() {
  if (!page_) return {};
  try {
    const QByteArray pdf = page_->finish();
    if (pdf.isEmpty())
      raise(ErrorKind::Printer,
            QStringLiteral("No se ha podido componer la página para la impresora «%1».").arg(printer_name_));
    send_page(pdf);
  } catch (const RunTimeError&) {
    cancel_document();
    throw;
  }
  const SentPage sent{printer_name_.toStdString(), connection_->is_stopped(printer_name_.toUtf8())};
  cancel_document();  // the queue holds its own copy now
  return sent;
}

// Streams the page as one job; a job that any step leaves unfinished is cancelled.
void CupsPrinterService::send_page(const QByteArray& pdf) {
  http_t* http = connection_->http();
  const QByteArray printer = printer_name_.toUtf8();
  cups_option_t options[] = {{const_cast<char*>("media"), const_cast<char*>(media_.constData())}};
  const int job = cupsCreateJob(http, printer.constData(), "Zarandola", 1, options);
  if (job == 0) throw connection_->failure(printer_name_);
  // A document whose data did not all go is never finished: half a page would print.
  const bool sent =
      calls_.start(http, printer.constData(), job, "Zarandola", CUPS_FORMAT_PDF, 1) == HTTP_STATUS_CONTINUE &&
      calls_.write(http, pdf.constData(), pdf.size()) == HTTP_STATUS_CONTINUE &&
      calls_.finish(http, printer.constData()) == IPP_STATUS_OK;
  if (sent && !connection_->went_silent()) return;
  const RunTimeError error = connection_->failure(printer_name_);  // before the cancel changes CUPS's last answer
  if (error.kind() != ErrorKind::PrintServiceSilent) cancel_job(job);
  throw error;
}

// On a connection of its own: the job's may be stuck half way through a request.
void CupsPrinterService::cancel_job(int job) const {
  try {
    const PrintConnection connection;
    cupsCancelJob2(connection.http(), printer_name_.toUtf8().constData(), job, 0);
  } catch (const RunTimeError&) {
    // The service went away: the failure already being reported says so.
  }
}

void CupsPrinterService::cancel_document() noexcept {
  page_.reset();
  connection_.reset();
}

}  // namespace zarandola
