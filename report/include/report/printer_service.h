// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace zarandola {

// What became of a page that the printer took.
struct SentPage {
  std::string printer;
  // The queue took the page but is stopped: it prints when the printer is started again.
  bool waits_for_stopped_printer = false;
};

// The default printer as the report sees it. The first output of a document
// begins it; end_document sends the page. An operation that fails throws
// RunTimeError of kind Printer; the document is then cancelled, so that no
// half page comes out. Texts are UTF-8.
class PrinterService {
 public:
  virtual ~PrinterService() = default;
  virtual void set_font_name(const std::string& name) = 0;
  // Also the height of the blank lines that follow.
  virtual void set_font_size(float points) = 0;
  virtual void print_blank_line() = 0;
  // Draws the items one after another from the indent, counted in character
  // widths of the current font, then moves to the next line.
  virtual void print_line(int indent, const std::vector<std::string>& items) = 0;
  virtual SentPage end_document() = 0;
  // Drops an unfinished document, if any, so that the next output begins a
  // new one. Never throws.
  virtual void cancel_document() noexcept = 0;
};

}  // namespace zarandola
