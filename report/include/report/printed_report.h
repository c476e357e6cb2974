// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "format/regional_settings.h"
#include "report/printer_service.h"
#include "report/window_fields.h"

namespace zarandola {

// What the window's fields show at the click; the page prints ten of them.
using ReportFields = WindowFields<std::string>;

// One line of the page at its size; a blank line has no items.
struct PageLine {
  float points;
  int indent;
  std::vector<std::string> items;
};

struct Page {
  std::string font_name;
  std::vector<PageLine> lines;
};

// The one-page report of "Imprimir": the figures as the fields show them, and
// the theoretical results, every text in place.
Page report_page(const ReportFields& fields, const RegionalSettings& settings);

// Hands the page to the printer: the face, then each line, with the size set
// at the start and wherever it changes, then the end of the document. If an
// operation fails, the document is cancelled and the error goes on.
SentPage print_page(const Page& page, PrinterService& printer);

}  // namespace zarandola
