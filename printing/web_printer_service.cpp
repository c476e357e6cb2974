// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/web_printer_service.h"

#include <emscripten.h>

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>

#include "errors/run_time_error.h"
#include "printing/pdf_page.h"
#include "report/faces.h"

// Hands the PDF to the page's printPdf (web/site.js), which answers whether
// the browser took it.
EM_JS(int, hand_pdf_to_page, (const char* data, int size), {
  const pdf = HEAPU8.slice(data, data + size);
  return globalThis.zarandola && globalThis.zarandola.printPdf(pdf) ? 1 : 0;
});

namespace zarandola {
namespace {

// The margins that a desktop printer leaves, near enough: the page's lines
// start where they would on paper from a printer.
QPageLayout a4_layout() {
  return {QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(6.35, 6.35, 6.35, 6.35), QPageLayout::Millimeter};
}

constexpr int resolution = 1200;

[[noreturn]] void raise(const char* description) { throw RunTimeError(ErrorKind::Printer, description); }

}  // namespace

WebPrinterService::WebPrinterService() = default;

WebPrinterService::~WebPrinterService() = default;

void WebPrinterService::set_font_name(const std::string& name) {
  font_.setFamily(QString::fromStdString(drawn_face(name)));
}

void WebPrinterService::set_font_size(float points) { font_.setPointSizeF(points); }

PdfPage& WebPrinterService::page() {
  if (!page_) {
    page_ = std::make_unique<PdfPage>(a4_layout(), resolution);
    if (!page_->is_open()) {
      page_.reset();
      raise("No se ha podido preparar la página en el navegador.");
    }
  }
  return *page_;
}

void WebPrinterService::print_blank_line() { page().lines().blank_line(font_); }

void WebPrinterService::print_line(int indent, const std::vector<std::string>& items) {
  page().lines().text_line(font_, indent, joined(items));
}

SentPage WebPrinterService::end_document() {
  if (!page_) return {};
  const QByteArray pdf = page_->finish();
  page_.reset();
  if (pdf.isEmpty()) raise("No se ha podido componer la página en el navegador.");
  if (!hand_pdf_to_page(pdf.constData(), static_cast<int>(pdf.size())))
    raise("El navegador no ha aceptado la página para imprimirla ni para descargarla.");
  return {"el navegador"};
}

void WebPrinterService::cancel_document() noexcept { page_.reset(); }

}  // namespace zarandola
