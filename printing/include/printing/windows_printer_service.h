// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>
#include <vector>

#include "report/printer_service.h"

namespace zarandola {

// The Windows default printer, through Qt's native Windows printing. The lines
// are kept until the document ends and only then drawn and sent as one print
// job, so a cancelled document never reaches the printer. Nothing is written
// to disk.
class WindowsPrinterService final : public PrinterService {
 public:
  void set_font_name(const std::string& name) override;
  void set_font_size(float points) override;
  void print_blank_line() override;
  void print_line(int indent, const std::vector<std::string>& items) override;
  SentPage end_document() override;
  void cancel_document() noexcept override;

 private:
  struct Line {  // a blank line has no text
    QFont font;
    int indent;
    QString text;
  };

  void begin_document_if_needed();

  QFont font_;
  QString printer_name_;  // of the open document, if any
  std::vector<Line> lines_;
};

}  // namespace zarandola
