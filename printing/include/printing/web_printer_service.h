// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <memory>

#include "report/printer_service.h"

namespace zarandola {

class PdfPage;

// The browser's printing: the page is drawn as PDF in memory, on A4, and
// handed to the page, which opens the browser's own print dialog on it, or
// offers it as the download "zarandola-informe.pdf" where the browser cannot
// show a PDF. Nothing is stored.
class WebPrinterService final : public PrinterService {
 public:
  WebPrinterService();
  ~WebPrinterService() override;

  void set_font_name(const std::string& name) override;
  void set_font_size(float points) override;
  void print_blank_line() override;
  void print_line(int indent, const std::vector<std::string>& items) override;
  SentPage end_document() override;
  void cancel_document() noexcept override;

 private:
  PdfPage& page();

  QFont font_;
  std::unique_ptr<PdfPage> page_;  // of the open document, if any
};

}  // namespace zarandola
