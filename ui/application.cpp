// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/application.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QSocketNotifier>
#include <QStyleHints>
#include <QTranslator>
#include <memory>

#include "core/clock_random_source.h"
#include "ui/announcer.h"
#include "ui/command_line.h"
#include "ui/frmzarandola.h"
#include "ui/text_box.h"

#if defined(Q_OS_WIN)
#include "printing/windows_printer_service.h"
#else
#include <sys/socket.h>
#include <unistd.h>

#include <csignal>

#include "printing/cups_printer_service.h"
#endif

namespace zarandola {
namespace {

#if defined(Q_OS_WIN)
using SystemPrinterService = WindowsPrinterService;
#else
using SystemPrinterService = CupsPrinterService;

// A signal handler may only write to a descriptor; the event loop reads the
// other end and quits from there.
int signal_socket[2] = {-1, -1};

void on_termination_signal(int) {
  const char byte = 1;
  [[maybe_unused]] const auto written = ::write(signal_socket[1], &byte, 1);
}
#endif

// Without Qt's Spanish translation installed, its texts stay in English.
void install_spanish_qt_texts(QCoreApplication& application) {
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  auto* translator = new QTranslator(&application);
  if (!translator->load(QLocale(QLocale::Spanish, QLocale::Spain), QStringLiteral("qtbase"), QStringLiteral("_"),
                        folder)) {
    delete translator;
    return;
  }
  QCoreApplication::installTranslator(translator);
}

// The X11 window class comes from the application name, which would otherwise
// follow the name the program was started by; the desktop file's
// StartupWMClass says the same name. On Wayland the application id is the
// desktop file's name itself.
void declare_desktop_identity() {
  QCoreApplication::setApplicationName(QStringLiteral("zarandola"));
  QGuiApplication::setDesktopFileName(QStringLiteral("org.zarandola.Zarandola"));
}

// The faces that the window is drawn in (drawn_face), where the program
// carries them: on Windows in its own folder. On Debian its packages bring
// them, and the program loads none.
void load_carried_faces() {
#ifdef Q_OS_WIN
  const QDir folder(QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"));
  for (const QString& file : folder.entryList({QStringLiteral("*.ttf"), QStringLiteral("*.otf")}, QDir::Files))
    QFontDatabase::addApplicationFont(folder.filePath(file));
#endif
}

// The window's fixed colours were chosen for a light dialog: a desktop's dark
// setting (Windows' "apps use the dark theme") would darken what Qt's styles
// draw around them. Qt 6.8 lets a program ask for the light scheme.
void keep_light_colour_scheme() {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
  QGuiApplication::styleHints()->setColorScheme(Qt::ColorScheme::Light);
#endif
}

// Orca says the answer of a run when a notification appears, and a figure
// whole, where Qt's own text box would lose its last character.
void install_accessible_faces() {
  QAccessible::installFactory(accessible_announcer);
  QAccessible::installFactory(accessible_text_box);
}

// Windows has no such signals: closing the session ends the program through
// Qt, as closing the window does.
void quit_on_termination_signals([[maybe_unused]] QCoreApplication& application) {
#ifndef Q_OS_WIN
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signal_socket) != 0) return;
  auto* notifier = new QSocketNotifier(signal_socket[0], QSocketNotifier::Read, &application);
  QObject::connect(notifier, &QSocketNotifier::activated, &application, [] {
    char byte;
    [[maybe_unused]] const auto taken = ::read(signal_socket[0], &byte, 1);  // or the notifier fires on and on
    QCoreApplication::quit();
  });
  struct sigaction action {};
  action.sa_handler = on_termination_signal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
#endif
}

QStringList arguments_of(int argc, char** argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  return arguments;
}

// The window and what it draws on.
struct Program {
  ClockRandomSource random_source;
  SystemPrinterService printer;
  frmzarandola window{runner_on(random_source), printer};
};

}  // namespace

void prepare_application(QApplication& application) {
  install_spanish_qt_texts(application);
  declare_desktop_identity();
  load_carried_faces();
  keep_light_colour_scheme();
  install_accessible_faces();
  quit_on_termination_signals(application);
}

int run_program(QApplication& application) {
  prepare_application(application);
  Program program;
  program.window.show();
  return QApplication::exec();
}

int start_program(int& argc, char** argv) {
  if (const auto status = answer_help_or_version(arguments_of(argc, argv))) return *status;
  std::unique_ptr<QApplication> application;
  {
    const DisplayFailureInSpanish failure_in_spanish;
    application = std::make_unique<QApplication>(argc, argv);  // takes Qt's own options out of argv
  }
  if (const auto status = refuse_unknown_arguments(arguments_of(argc, argv))) return *status;
  return run_program(*application);
}

}  // namespace zarandola
