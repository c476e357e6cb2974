// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the program as main does, on an application that nothing else has
// prepared, and ends it as a desktop session does.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
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

// A session ends the program with SIGTERM, a terminal with SIGINT (Ctrl+C).
class Program : public ::testing::TestWithParam<int> {};

TEST_P(Program, StartsWithEverythingSetUpAndEndsWithStatusZeroOnTheSignal) {
  RunningProgram seen;
  QTimer::singleShot(500, [&] {
    for (const QWidget* widget : QApplication::topLevelWidgets())
      seen.window_shown = seen.window_shown || (qobject_cast<const frmzarandola*>(widget) && widget->isVisible());
    seen.ok_button = QCoreApplication::translate("QPlatformTheme", "OK");
    std::raise(GetParam());
  });
  QTimer::singleShot(10000, [] { QCoreApplication::exit(1); });
  EXPECT_EQ(run_program(*qApp), 0);

  EXPECT_TRUE(seen.window_shown);
  EXPECT_EQ(seen.ok_button.toStdString(), "Aceptar") << "Qt's own texts are not in Spanish";

  // A dock ties the window to its launcher and icon by these two names.
  QFile desktop_file(QStringLiteral(DESKTOP_FILE));
  ASSERT_TRUE(desktop_file.open(QIODevice::ReadOnly | QIODevice::Text));
  EXPECT_EQ((QGuiApplication::desktopFileName() + ".desktop").toStdString(),
            QFileInfo(desktop_file).fileName().toStdString());
  const QStringList lines = QString::fromUtf8(desktop_file.readAll()).split(u'\n');
  EXPECT_TRUE(lines.contains("StartupWMClass=" + QCoreApplication::applicationName()))
      << QCoreApplication::applicationName().toStdString();
  EXPECT_TRUE(lines.contains("Icon=" INSTALLED_ICON)) << "the menu entry names an icon that is not installed";
}

INSTANTIATE_TEST_SUITE_P(Signals, Program, ::testing::Values(SIGTERM, SIGINT),
                         [](const auto& signal) { return std::string(sigabbrev_np(signal.param)); });

// The program as a shell starts it: what it prints, on which stream, and its status.
struct CommandLineCase {
  const char* name;
  QStringList arguments;
  bool display;  // or none at all: no X11, no Wayland, no platform named
  int status;    // or still_running: the window is up, and SIGTERM ends it with 0
  QString out;   // the whole of stdout
  QString err;   // a part of stderr
  // DISPLAY, where no X server answers
  const char* x_display = nullptr;
};

constexpr int still_running = -1;

TEST(CommandLine, IsAnsweredLikeADebianProgramsOne) {
  const QString help_start = QString::fromUtf8("Uso: zarandola [OPCIÓN]...\n");
  const QString unknown = QString::fromUtf8("zarandola: opción desconocida: «%1»\nPruebe «zarandola --help»");
  const CommandLineCase cases[] = {
      {"help without a display", {"--help"}, false, 0, help_start, ""},
      {"short help", {"-h"}, true, 0, help_start, ""},
      {"version without a display", {"--version"}, false, 0, "zarandola 1.0.0\n", ""},
      {"short version", {"-v"}, true, 0, "zarandola 1.0.0\n", ""},
      {"a Qt option is not read as -v", {"-reverse", "--nonsense"}, true, 2, "", unknown.arg("nonsense")},
      {"an unknown option", {"--bogus"}, true, 2, "", unknown.arg("bogus")},
      {"an argument", {"datos.txt"}, true, 2, "", QString::fromUtf8("zarandola: argumento de más: «datos.txt»\n")},
      {"Qt's platform option opens a display", {"-platform", "offscreen", "-x"}, false, 2, "", unknown.arg("x")},
      {"Qt's own warning on the way up",
       {"-style", "nonexistent"},
       true,
       still_running,
       "",
       "QApplication: invalid style override 'nonexistent'"},
      {"no display",
       {},
       false,
       1,
       "",
       QString::fromUtf8("zarandola: no se puede abrir la ventana: no hay ninguna pantalla a la que conectarse "
                         "(DISPLAY no está definida).\n")},
      {"a display that does not answer",
       {},
       false,
       1,
       "",
       QString::fromUtf8("zarandola: no se puede abrir la ventana: no se puede conectar con la pantalla «:97».\n"),
       ":97"},
  };
  const QTemporaryDir runtime_dir;  // as a desktop session gives, or Qt warns of its absence
  for (const CommandLineCase& row : cases) {
    SCOPED_TRACE(row.name);
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) environment.remove(name);
    environment.insert("XDG_RUNTIME_DIR", runtime_dir.path());
    if (row.display) environment.insert("QT_QPA_PLATFORM", "offscreen");
    if (row.x_display) environment.insert("DISPLAY", row.x_display);
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(PROGRAM), row.arguments);
    if (row.status == still_running) {
      EXPECT_FALSE(program.waitForFinished(2000)) << "ended at once";
      program.terminate();
    }
    ASSERT_TRUE(program.waitForFinished(10000)) << "still running";
    const QString out = QString::fromUtf8(program.readAllStandardOutput());
    const QString err = QString::fromUtf8(program.readAllStandardError());
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), std::max(row.status, 0)) << err.toStdString();
    EXPECT_TRUE(row.out == help_start ? out.startsWith(help_start) && out.contains("--version") : out == row.out)
        << out.toStdString();
    EXPECT_TRUE(row.err.isEmpty() ? err.isEmpty() : err.startsWith(row.err)) << err.toStdString();
    if (row.status != still_running) {
      EXPECT_LE(err.count(u'\n'), 2) << err.toStdString();
    }
  }
}

}  // namespace
}  // namespace zarandola

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
