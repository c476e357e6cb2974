// Runs GoogleTest inside a QApplication, offscreen and in a Spanish setting.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("LC_ALL", "es_ES.UTF-8");
  QApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
