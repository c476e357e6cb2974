// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCursor>
#include <QGuiApplication>
#include <QString>
#include <QStringList>
#include <limits>
#include <vector>

#include "errors/run_time_error.h"
#include "report/printer_service.h"

namespace zarandola::testing {

// Writes down every operation, the items of a line between bars; or, from a
// given operation on, refuses them with an error of the given kind. Its page
// may be left waiting in a stopped queue.
class RecordingPrinter final : public PrinterService {
 public:
  void set_font_name(const QString& name) override { record("font " + name); }
  void set_font_size(float points) override { record("size " + QString::number(points)); }
  void print_blank_line() override { record("blank"); }
  void print_line(int indent, const QStringList& items) override {
    record(QString::number(indent) + " |" + items.join(u'|') + "|");
  }
  SentPage end_document() override {
    record("end");
    return {"Grabadora", stopped};
  }
  void cancel_document() noexcept override { operations.push_back("cancel"); }

  std::vector<QString> operations;
  std::size_t refuse_from = std::numeric_limits<std::size_t>::max();  // an index into operations
  ErrorKind refusal = ErrorKind::Printer;
  bool stopped = false;
  Qt::CursorShape cursor = Qt::ArrowCursor;  // the application's, at the last operation

 private:
  void record(const QString& operation) {
    const QCursor* shown = QGuiApplication::overrideCursor();
    cursor = shown ? shown->shape() : Qt::ArrowCursor;
    if (operations.size() >= refuse_from) throw RunTimeError(refusal, "La impresora se ha quedado sin papel.");
    operations.push_back(operation);
  }
};

}  // namespace zarandola::testing
