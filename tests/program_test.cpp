// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the program as main does, on an application that nothing else has
// prepared, and ends it as a desktop session does.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontInfo>
#include <QTimer>
#include <csignal>

#include "ui/application.h"
#include "ui/frmzarandola.h"

namespace zarandola {
namespace {

// What the running program showed and had set up, seen from its event loop.
struct RunningProgram {
  bool window_shown = false;
  QString ok_button;
};

TEST(Program, StartsWithEverythingSetUpAndEndsWithStatusZeroOnSigterm) {
  RunningProgram seen;
  QTimer::singleShot(500, [&] {
    for (const QWidget* widget : QApplication::topLevelWidgets())
      seen.window_shown = seen.window_shown || (qobject_cast<const frmzarandola*>(widget) && widget->isVisible());
    seen.ok_button = QCoreApplication::translate("QPlatformTheme", "OK");
    std::raise(SIGTERM);
  });
  QTimer::singleShot(10000, [] { QCoreApplication::exit(1); });
  EXPECT_EQ(run_program(*qApp), 0);

  EXPECT_TRUE(seen.window_shown);
  EXPECT_EQ(seen.ok_button.toStdString(), "Aceptar") << "Qt's own texts are not in Spanish";
  EXPECT_EQ(QFontInfo(QFont("MS Sans Serif")).family().toStdString(), "Liberation Sans");
  EXPECT_EQ(QFontInfo(QFont("Comic Sans MS")).family().toStdString(), "Comic Neue");

  // A dock ties the window to its launcher and icon by these two names.
  QFile desktop_file(QStringLiteral(DESKTOP_FILE));
  ASSERT_TRUE(desktop_file.open(QIODevice::ReadOnly | QIODevice::Text));
  EXPECT_EQ((QGuiApplication::desktopFileName() + ".desktop").toStdString(),
            QFileInfo(desktop_file).fileName().toStdString());
  const QStringList lines = QString::fromUtf8(desktop_file.readAll()).split(u'\n');
  EXPECT_TRUE(lines.contains("StartupWMClass=" + QCoreApplication::applicationName()))
      << QCoreApplication::applicationName().toStdString();
}

}  // namespace
}  // namespace zarandola

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
