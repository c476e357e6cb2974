// SPDX-License-Identifier: GPL-3.0-or-later
// Runs GoogleTest inside a QApplication, offscreen and in a Spanish setting,
// prepared as the program prepares its own.
#include <gtest/gtest.h>

#include <QApplication>

#include "modal_message.h"
#include "ui/application.h"

int main(int argc, char* argv[]) {
#ifndef Q_OS_WIN  // which has only its own platform, under Wine on a display of the checks
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
  qputenv("LC_ALL", "es_ES.UTF-8");
  QApplication app(argc, argv);
  zarandola::prepare_application(app);
  zarandola::testing::UnexpectedMessageBoxes unexpected;
  app.installEventFilter(&unexpected);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
