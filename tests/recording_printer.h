// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "errors/run_time_error.h"
#include "report/printer_service.h"

namespace zarandola::testing {

// Writes down every operation, the items of a line between bars; or, from a
// given operation on, refuses them with an error of the given kind. Its page
// may be left waiting in a stopped queue.
class RecordingPrinter : public PrinterService {
 public:
  void set_font_name(const std::string& name) override { record("font " + name); }
  void set_font_size(float points) override { record("size " + number(points)); }
  void print_blank_line() override { record("blank"); }
  void print_line(int indent, const std::vector<std::string>& items) override {
    std::string line = std::to_string(indent) + " |";
    for (const std::string& item : items) line += item + "|";
    record(line);
  }
  SentPage end_document() override {
    record("end");
    return {"Grabadora", stopped};
  }
  void cancel_document() noexcept override { operations.push_back("cancel"); }

  std::vector<std::string> operations;
  std::size_t refuse_from = std::numeric_limits<std::size_t>::max();  // an index into operations
  ErrorKind refusal = ErrorKind::Printer;
  bool stopped = false;
  std::function<void()> on_operation = [] {};  // before each is recorded or refused

 private:
  static std::string number(float points) {
    std::string text = std::to_string(points);
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
    return text;
  }

  void record(const std::string& operation) {
    on_operation();
    if (operations.size() >= refuse_from) throw RunTimeError(refusal, "La impresora se ha quedado sin papel.");
    operations.push_back(operation);
  }
};

}  // namespace zarandola::testing
