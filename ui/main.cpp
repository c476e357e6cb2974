// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include "ui/application.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  return zarandola::run_program(application);
}
