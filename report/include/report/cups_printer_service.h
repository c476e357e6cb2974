// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <memory>

#include "report/printer_service.h"

namespace zarandola {

class PdfPage;
class PrintConnection;

// The system's default printer: the page is drawn with Qt as PDF in memory, in
// the page layout and margins that the printer gives, and streamed to the
// print system with libcups, whose own answer to every step says whether the
// queue took it. Nothing is written to disk, and no print keeps the window
// waiting for more than about ten seconds, whatever the print system does.
class CupsPrinterService final : public PrinterService {
 public:
  CupsPrinterService();
  ~CupsPrinterService() override;

  void set_font_name(const QString& name) override;
  void set_font_size(float points) override;
  void print_blank_line() override;
  void print_line(int indent, const QStringList& items) override;
  SentPage end_document() override;
  void cancel_document() noexcept override;

 private:
  void begin_document_if_needed();
  void send_page(const QByteArray& pdf);

  QFont font_;
  // The open document's, if any.
  std::unique_ptr<PrintConnection> connection_;
  QString printer_name_;
  QByteArray media_;
  std::unique_ptr<PdfPage> page_;
};

}  // namespace zarandola
