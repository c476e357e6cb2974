// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QPainter>
#include <memory>

#include "report/printer_service.h"

class QPrinter;

namespace zarandola {

// The system's default printer through Qt: the printer's own format (CUPS on
// Linux), no dialog, the page layout and margins the printer gives.
class QtPrinterService final : public PrinterService {
 public:
  QtPrinterService();
  ~QtPrinterService() override;

  void set_font_name(const QString& name) override;
  void set_font_size(float points) override;
  void print_blank_line() override;
  void print_line(int indent, const QStringList& items) override;
  void end_document() override;

 private:
  void begin_document_if_needed();
  void cancel_document();
  [[noreturn]] void fail(const QString& reason);

  QFont font_;
  std::unique_ptr<QPrinter> printer_;  // the open document's, if any
  QPainter painter_;
  qreal line_top_ = 0;
};

}  // namespace zarandola
