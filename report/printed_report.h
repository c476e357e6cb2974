// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

#include "format/number_text.h"
#include "format/regional_settings.h"
#include "report/printer_service.h"

namespace zarandola {

// The one-page report of "Imprimir": the figures as the window's fields show
// them, each read when its line is due, and the theoretical results.
class PrintedReport {
 public:
  // The current text of a field of the window, by its name.
  using FieldReader = std::function<QString(const char* field)>;

  explicit PrintedReport(FieldReader read_field, RegionalSettings settings = RegionalSettings::system());

  void print_on(PrinterService& printer) const;

 private:
  QString field_as(const char* field, const DisplayPattern& pattern) const;
  void print_outcome_line(PrinterService& printer, const char* sentence, const char* count_field,
                          const char* percent_field) const;
  void print_theory_line(PrinterService& printer, const char* sentence, double percent) const;

  FieldReader read_field_;
  RegionalSettings settings_;
};

}  // namespace zarandola
