// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QPainter>
#include <memory>

#include "report/printer_service.h"

class QPrinter;
class QTemporaryFile;

namespace zarandola {

// The system's default printer: the page is drawn with Qt into a private PDF
// file, in the page layout and margins that the printer gives, and handed to
// the print system with libcups, whose own answer says whether the queue took it.
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
  [[noreturn]] void fail(const QString& reason);

  QFont font_;
  // The open document's, if any.
  QString printer_name_;
  std::unique_ptr<QTemporaryFile> page_file_;
  std::unique_ptr<QPrinter> printer_;
  QPainter painter_;
  qreal line_top_ = 0;
};

}  // namespace zarandola
