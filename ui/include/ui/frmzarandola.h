// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QMessageBox>

#include "core/simulation.h"
#include "report/printer_service.h"
#include "ui/text_boxes.h"

namespace zarandola {

class Announcer;
class EvolutionWindow;
class RunTimeError;

// The program's one window. A dialog, so that Enter presses "Simular" and Esc
// presses "Terminar" as the platform's dialogs do.
class frmzarandola : public QDialog {
  Q_OBJECT

 public:
  frmzarandola(TrialRunner run_trials, PrinterService& printer, QWidget* parent = nullptr);

  // The fifteen text boxes, one member each.
  const TextBoxes& text_boxes() const { return boxes_; }

 protected:
  // Esc and the title bar's close button end the program like "Terminar".
  void reject() override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void build_controls(QWidget* client);
  void place_client(QWidget* client);
  void offer_evolution();
  void connect_command(QPushButton* button, void (frmzarandola::*command)());
  // Runs a command; an error it raises is shown to the user and the program goes on.
  void run_command(void (frmzarandola::*command)());
  void show_error(const RunTimeError& error);
  void show_message(QMessageBox::Icon icon, const QString& text, const QString& advice = QString());

  void simulate();
  void clear();
  void print_report();
  void end_program();

  TrialRunner run_trials_;
  PrinterService& printer_;
  TextBoxes boxes_{};
  CommandButtons buttons_{};
  Announcer* announcer_ = nullptr;
  EvolutionWindow* evolution_ = nullptr;
};

}  // namespace zarandola
