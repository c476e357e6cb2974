#include <QApplication>

#include "core/clock_random_source.h"
#include "ui/frmzarandola.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  zarandola::ClockRandomSource random_source;
  zarandola::frmzarandola window(random_source);
  window.show();
  return app.exec();
}
