// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/command_line.h"

#include <QCommandLineParser>
#include <cstdio>
#include <cstdlib>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace zarandola {
namespace {

const QCommandLineOption help_option(QStringList{QStringLiteral("h"), QStringLiteral("help")});
const QCommandLineOption version_option(QStringList{QStringLiteral("v"), QStringLiteral("version")});

const char* const help_text =
    "Uso: zarandola [OPCIÓN]...\n"
    "Halla por simulación el precio justo de un juego de dos ruletas con frutas.\n"
    "\n"
    "  -h, --help     muestra esta ayuda y termina\n"
    "  -v, --version  muestra la versión y termina\n"
    "\n"
    "Admite también las opciones comunes de Qt, como -platform, -style o -reverse.\n";

void print(std::FILE* stream, const QString& text) {
#ifdef Q_OS_WIN
  // A program of the window subsystem starts without a console. Unless its
  // output is redirected, the text goes to the console it was started from, as
  // UTF-16, which shows the accents whatever the console's code page.
  const DWORD handle_kind = stream == stdout ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE;
  if (!GetStdHandle(handle_kind) && (AttachConsole(ATTACH_PARENT_PROCESS) || GetLastError() == ERROR_ACCESS_DENIED)) {
    const HANDLE console = CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    WriteConsoleW(console, text.utf16(), static_cast<DWORD>(text.size()), nullptr, nullptr);
    CloseHandle(console);
    return;
  }
#endif
  std::fputs(text.toUtf8().constData(), stream);
}

// Qt's own options are single words after one dash ("-reverse"): read as
// letters, they would ask for help or the version.
bool parse(QCommandLineParser& parser, const QStringList& arguments) {
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.addOptions({help_option, version_option});
  return parser.parse(arguments);
}

QString refusal(const QCommandLineParser& parser) {
  if (!parser.unknownOptionNames().isEmpty())
    return QStringLiteral("opción desconocida: «%1»").arg(parser.unknownOptionNames().constFirst());
  return QStringLiteral("argumento de más: «%1»").arg(parser.positionalArguments().constFirst());
}

std::string no_display_line() {
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  const QByteArray display = qEnvironmentVariableIsEmpty("DISPLAY") ? qgetenv("WAYLAND_DISPLAY") : qgetenv("DISPLAY");
  QString cause;
  if (!platform.isEmpty())
    cause = QStringLiteral("no se puede iniciar la plataforma gráfica «%1»").arg(QString::fromLocal8Bit(platform));
  else if (display.isEmpty())
    cause = QStringLiteral("no hay ninguna pantalla a la que conectarse (DISPLAY no está definida)");
  else
    cause = QStringLiteral("no se puede conectar con la pantalla «%1»").arg(QString::fromLocal8Bit(display));
  return ("zarandola: no se puede abrir la ventana: " + cause + ".\n").toStdString();
}

QtMessageHandler handler_before = nullptr;

// Qt warns on its way to the fatal message; both say the same, in English.
void handle_start_up_message(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtFatalMsg) {
    std::fputs(no_display_line().c_str(), stderr);
    std::_Exit(1);
  }
  if (QByteArrayView(context.category).startsWith("qt.qpa")) return;
  handler_before(type, context, message);
}

}  // namespace

std::optional<int> answer_help_or_version(const QStringList& arguments) {
  QCommandLineParser parser;
  parse(parser, arguments);  // what it cannot read is for later
  if (parser.isSet(help_option)) {
    print(stdout, QString::fromUtf8(help_text));
    return 0;
  }
  if (parser.isSet(version_option)) {
    print(stdout, QStringLiteral("zarandola " ZARANDOLA_VERSION "\n"));
    return 0;
  }
  return std::nullopt;
}

std::optional<int> refuse_unknown_arguments(const QStringList& arguments) {
  QCommandLineParser parser;
  if (parse(parser, arguments) && parser.positionalArguments().isEmpty()) return std::nullopt;
  print(stderr,
        QStringLiteral("zarandola: %1\nPruebe «zarandola --help» para más información.\n").arg(refusal(parser)));
  return 2;
}

DisplayFailureInSpanish::DisplayFailureInSpanish() { handler_before = qInstallMessageHandler(handle_start_up_message); }

DisplayFailureInSpanish::~DisplayFailureInSpanish() { qInstallMessageHandler(handler_before); }

}  // namespace zarandola
