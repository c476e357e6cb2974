// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QHash>
#include <QString>

#include "core/simulation.h"
#include "report/printer_service.h"

class QLineEdit;

namespace zarandola {

class RunTimeError;

// The program's one window. A dialog, so that Enter presses "Simular" and Esc
// presses "Terminar" as the platform's dialogs do.
class frmzarandola : public QDialog {
  Q_OBJECT

 public:
  frmzarandola(TrialRunner run_trials, PrinterService& printer, QWidget* parent = nullptr);

  // One of the fifteen text boxes, by its name.
  QLineEdit* text_box(const QString& name) const;

 protected:
  // Esc and the title bar's close button end the program like "Terminar".
  void reject() override;

 private:
  void build_controls();
  void connect_button(const char* name, void (frmzarandola::*command)());
  // Runs a command; an error it raises is shown to the user and the program goes on.
  void run_command(void (frmzarandola::*command)());
  void show_error(const RunTimeError& error);

  void simulate();
  void clear();
  void print_report();
  void end_program();

  TrialRunner run_trials_;
  PrinterService& printer_;
  QHash<QString, QLineEdit*> text_boxes_;
};

}  // namespace zarandola
