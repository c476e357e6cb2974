// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cups/cups.h>

#include <QFont>
#include <functional>
#include <memory>

#include "report/printer_service.h"

namespace zarandola {

class PdfPage;
class PrintConnection;

// The libcups calls that stream a job's page once the job exists: libcups's
// own, or in a test, calls that fail where the print system may.
struct CupsDocumentCalls {
  std::function<http_status_t(http_t*, const char* printer, int job, const char* name, const char* format, int last)>
      start = cupsStartDocument;
  std::function<http_status_t(http_t*, const char* data, size_t length)> write = cupsWriteRequestData;
  std::function<ipp_status_t(http_t*, const char* printer)> finish = cupsFinishDocument;
};

// The system's default printer: the page is drawn with Qt as PDF in memory, in
// the page layout and margins that the printer gives, and streamed to the
// print system with libcups, whose own answer to every step says whether the
// queue took it. Nothing is written to disk, and no print keeps the window
// waiting for more than about ten seconds, whatever the print system does.
class CupsPrinterService final : public PrinterService {
 public:
  explicit CupsPrinterService(CupsDocumentCalls calls = {});
  ~CupsPrinterService() override;

  void set_font_name(const std::string& name) override;
  void set_font_size(float points) override;
  void print_blank_line() override;
  void print_line(int indent, const std::vector<std::string>& items) override;
  SentPage end_document() override;
  void cancel_document() noexcept override;

 private:
  void begin_document_if_needed();
  void send_page(const QByteArray& pdf);
  void cancel_job(int job) const;

  CupsDocumentCalls calls_;
  QFont font_;
  // The open document's, if any.
  std::unique_ptr<PrintConnection> connection_;
  QString printer_name_;
  QByteArray media_;
  std::unique_ptr<PdfPage> page_;
};

}  // namespace zarandola
