#include <QApplication>

#include "core/clock_random_source.h"
#include "report/qt_printer_service.h"
#include "ui/frmzarandola.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  zarandola::ClockRandomSource random_source;
  zarandola::QtPrinterService printer;
  zarandola::frmzarandola window(random_source, printer);
  window.show();
  return app.exec();
}
