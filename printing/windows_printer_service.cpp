// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/windows_printer_service.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <utility>

#include "errors/run_time_error.h"
#include "printing/page_lines.h"

namespace zarandola {
namespace {

[[noreturn]] void raise(ErrorKind kind, const QString& description) {
  throw RunTimeError(kind, description.toStdString());
}

// Qt's Windows print engine tells of a failed EndPage or EndDoc only by a
// warning, and reports the page done all the same; these warnings are the
// system's answer, so while a page is sent they are collected, not shown.
class PrintEngineComplaints {
 public:
  PrintEngineComplaints() : before_(qInstallMessageHandler(&PrintEngineComplaints::take)) { current_ = this; }
  ~PrintEngineComplaints() {
    qInstallMessageHandler(before_);
    current_ = nullptr;
  }
  PrintEngineComplaints(const PrintEngineComplaints&) = delete;
  PrintEngineComplaints& operator=(const PrintEngineComplaints&) = delete;

  bool any() const { return any_; }

 private:
  static void take(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (current_ && message.startsWith(QLatin1String("QWin32PrintEngine::"))) {
      current_->any_ = true;
      return;
    }
    if (current_ && current_->before_) current_->before_(type, context, message);
  }

  static inline PrintEngineComplaints* current_ = nullptr;
  QtMessageHandler before_;
  bool any_ = false;
};

}  // namespace

// The page keeps the face it names, which every Windows has, rather than the
// stand-in that the window is drawn in: under Wine a page in a face that the
// program loads itself comes out blank, as one does in an OpenType CFF face,
// which the system may fall back on. Tahoma, TrueType on every Windows and in
// Wine, comes next instead.
void WindowsPrinterService::set_font_name(const std::string& name) {
  font_.setFamilies({QString::fromStdString(name), QStringLiteral("Tahoma")});
}

void WindowsPrinterService::set_font_size(float points) { font_.setPointSizeF(points); }

void WindowsPrinterService::begin_document_if_needed() {
  if (!printer_name_.isEmpty()) return;
  const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
  if (printer.isNull()) raise(ErrorKind::NoDefaultPrinter, QStringLiteral("No hay ninguna impresora predeterminada."));
  printer_name_ = printer.printerName();
}

void WindowsPrinterService::print_blank_line() {
  begin_document_if_needed();
  lines_.push_back({font_, 0, {}});
}

void WindowsPrinterService::print_line(int indent, const std::vector<std::string>& items) {
  begin_document_if_needed();
  lines_.push_back({font_, indent, joined(items)});
}

SentPage WindowsPrinterService::end_document() {
  if (printer_name_.isEmpty()) return {};
  const QString name = printer_name_;
  const std::vector<Line> lines = std::move(lines_);
  cancel_document();  // whatever happens below, the next report begins afresh

  QPrinter printer(QPrinterInfo::printerInfo(name), QPrinter::HighResolution);
  printer.setDocName(QStringLiteral("Zarandola"));
  const PrintEngineComplaints complaints;
  PageLines page;
  if (!page.begin(printer))
    raise(ErrorKind::Printer, QStringLiteral("La impresora «%1» no ha aceptado el documento.").arg(name));
  for (const Line& line : lines) page.text_line(line.font, line.indent, line.text);
  if (!page.finish() || complaints.any() || printer.printerState() == QPrinter::Error)
    raise(ErrorKind::Printer, QStringLiteral("La impresora «%1» no ha aceptado la página.").arg(name));
  return {name.toStdString()};
}

void WindowsPrinterService::cancel_document() noexcept {
  printer_name_.clear();
  lines_.clear();
}

}  // namespace zarandola
