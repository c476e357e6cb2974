// SPDX-License-Identifier: GPL-3.0-or-later
// Runs GoogleTest inside a QApplication, offscreen and in a Spanish setting,
// prepared as the program prepares its own.
#include <gtest/gtest.h>

#include <QApplication>

#include "modal_message.h"
#include "ui/application.h"

int main(int argc, char* argv[]) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("LC_ALL", "es_ES.UTF-8");
  QApplication app(argc, argv);
  zarandola::prepare_application(app);
  zarandola::testing::UnexpectedMessageBoxes unexpected;
  app.installEventFilter(&unexpected);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
