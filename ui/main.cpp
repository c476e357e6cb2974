// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include "core/clock_random_source.h"
#include "report/cups_printer_service.h"
#include "ui/application.h"
#include "ui/frmzarandola.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  zarandola::prepare_application(app);
  zarandola::ClockRandomSource random_source;
  zarandola::CupsPrinterService printer;
  zarandola::frmzarandola window(zarandola::runner_on(random_source), printer);
  window.show();
  return app.exec();
}
