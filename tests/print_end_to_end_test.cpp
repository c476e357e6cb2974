// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the report from the real window on the default printer, a private
// CUPS queue that print_end_to_end.sh sets up, and reads the page it made.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <csignal>
#include <optional>
#include <thread>
#include <tuple>
#include <utility>
#include <vector>

#include "core/clock_random_source.h"
#include "modal_message.h"
#include "pdf_text.h"
#include "printing/cups_printer_service.h"
#include "ui/frmzarandola.h"
#include "window_texts.h"

namespace zarandola {
namespace {

using testing::printed_lines;
using testing::PrintedLine;
using testing::run;

// The page has arrived when the queue has written it and the file stays put.
bool wait_for_page(const QString& path) {
  qint64 last_size = -1;
  return QTest::qWaitFor(
      [&] {
        const qint64 size = QFileInfo(path).size();
        const bool settled = size > 0 && size == last_size;
        last_size = size;
        return settled;
      },
      60000);
}

// Lines as pdftotext reads them.
QStringList texts_in(const std::vector<PrintedLine>& lines) {
  QStringList texts;
  for (const PrintedLine& line : lines) texts << line.text;
  return texts;
}

// What "Imprimir" said, and how long it kept the window.
struct TimedMessage {
  std::optional<testing::ModalMessage> message;
  qint64 milliseconds;
};

// The program's own window with its real random source and printer.
class RealWindow : public ::testing::Test {
 protected:
  explicit RealWindow(CupsDocumentCalls calls = {}) : printer(std::move(calls)), window(runner_on(source), printer) {
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
  }

  const TextBoxes& boxes() const { return window.text_boxes(); }
  void click(const char* button) { QTest::mouseClick(window.findChild<QPushButton*>(button), Qt::LeftButton); }

  // After a failed print the window works as before.
  void expect_simular_works() {
    boxes().numexp->setText("10");
    click("Simular");
    EXPECT_EQ(boxes().limont->text(), "2,78");
  }

  TimedMessage timed_imprimir() {
    QElapsedTimer clock;
    clock.start();
    auto message = testing::message_from([&] { click("Command1"); });
    return {std::move(message), clock.elapsed()};
  }

  // Imprimir says so after a wait of its own deadline: not shorter, not longer.
  void expect_imprimir_to_give_up(const char* text, qint64 at_least_ms, qint64 under_ms) {
    const TimedMessage imprimir = timed_imprimir();
    ASSERT_TRUE(imprimir.message) << "Imprimir said nothing";
    EXPECT_TRUE(imprimir.message->text.contains(text)) << imprimir.message->text.toStdString();
    EXPECT_GE(imprimir.milliseconds, at_least_ms) << "gave up before its deadline";
    EXPECT_LT(imprimir.milliseconds, under_ms);
  }

  // Where the test queue puts its pages; a page left by an earlier test is removed.
  static QString fresh_page_path() {
    const QString page = qEnvironmentVariable("ZARANDOLA_TEST_PAGE");
    EXPECT_FALSE(page.isEmpty()) << "run through print_end_to_end.sh";
    QFile::remove(page);
    return page;
  }

  // Runs a CUPS administration command, such as cupsreject, on the test queue.
  static void on_test_queue(const QString& command) { run(command, {qEnvironmentVariable("ZARANDOLA_TEST_QUEUE")}); }

  // The lines of the report of what the window shows, as pdftotext reads them.
  QStringList expected_report(const QString& printed_count) const {
    const TextBoxes& b = boxes();
    return {
        "LAS RULETAS ZARANDOLA",
        QString("1) RESULTADOS TRAS REALIZAR %1 VECES LA SIMULACIÓN").arg(printed_count),
        QString("Se obtiene premio con los limones %1 veces, el %2%").arg(b.limon->text(), b.limonp->text()),
        QString("Se obtiene premio con las manzanas %1 veces, el %2%").arg(b.manzana->text(), b.manzanap->text()),
        QString("Se obtiene premio con las cerezas %1 veces, el %2%").arg(b.cereza->text(), b.cerezap->text()),
        QString("No se obtiene ningún premio %1 veces, el %2%").arg(b.nopre->text(), b.noprep->text()),
        QString("El premio medio ha sido de %1 pesetas").arg(b.premed->text()),
        "2) RESULTADOS TEÓRICOS",
        "La probabilidad de que coincidan dos limones es 2,78%",
        "La probabilidad de que coincidan dos manzanas es 11,11%",
        "La probabilidad de que coincidan dos cerezas es 25,00%",
        "La probabilidad de que no coincidan las frutas es 61,11%",
        "En un juego justo, como este, el precio de la tirada debe ser igual a la",
        "esperanza matemática del premio, que es de 61 pesetas",
    };
  }

  ClockRandomSource source;
  CupsPrinterService printer;
  frmzarandola window;
};

using PrintEndToEnd = RealWindow;

TEST_F(PrintEndToEnd, ImprimirSendsTheOnePageReportToTheDefaultPrinter) {
  const QString page = fresh_page_path();
  boxes().numexp->setText("10000");
  click("Simular");
  click("Command1");
  ASSERT_TRUE(wait_for_page(page)) << "no page arrived at " << page.toStdString();

  EXPECT_TRUE(run("pdfinfo", {page}).contains(QRegularExpression(R"(Pages:\s+1\n)")));
  EXPECT_TRUE(run("pdffonts", {page}).contains("ComicNeue"));

  const QStringList expected = expected_report("10.000");
  const std::vector<PrintedLine> lines = printed_lines(page);
  ASSERT_EQ(texts_in(lines), expected) << texts_in(lines).join(u'\n').toStdString();

  // Page lines 4, 6, 8 to 11, 13, 16, 18 to 21, 23 and 24 hold text; the rest are blank.
  const int page_line[] = {4, 6, 8, 9, 10, 11, 13, 16, 18, 19, 20, 21, 23, 24};
  const PrintedLine& title = lines[0];
  const PrintedLine& first_heading = lines[1];
  const PrintedLine& second_heading = lines[7];
  EXPECT_GT(title.left, first_heading.left + 50) << "the title stands further in than the headings";
  EXPECT_NEAR(second_heading.left, first_heading.left, 0.5);
  const double body_line_height = lines[3].top - lines[2].top;
  for (std::size_t i = 2; i < lines.size(); ++i) {
    if (i == 7) continue;
    EXPECT_GT(lines[i].left, first_heading.left + 20) << lines[i].text.toStdString() << ": not right of the headings";
    EXPECT_NEAR(lines[i].left, lines[2].left, 0.5) << lines[i].text.toStdString();
    const double gap_in_lines = (lines[i].top - lines[i - 1].top) / body_line_height;
    EXPECT_NEAR(gap_in_lines, page_line[i] - page_line[i - 1], 0.05) << lines[i].text.toStdString();
  }
  // The first five page lines are set at 14 points, the rest at 12: the title is
  // taller, and it and the blank after it take more room than two body lines.
  EXPECT_NEAR(title.height / first_heading.height, 14.0 / 12.0, 0.02);
  EXPECT_NEAR((first_heading.top - title.top) / body_line_height, 2 * 14.0 / 12.0, 0.05);

  // A second report in the same run of the program is a page of its own.
  QFile::remove(page);
  click("Command1");
  ASSERT_TRUE(wait_for_page(page)) << "the second report did not arrive";
  EXPECT_EQ(texts_in(printed_lines(page)), expected);
}

TEST_F(PrintEndToEnd, ARejectingQueueIsNamedInAMessageAndLosesNoPageAfterwards) {
  const QString page = fresh_page_path();
  const auto jobs = [] { return run("lpstat", {"-W", "all", "-o"}); };
  const QString jobs_before = jobs();
  boxes().numexp->setText("20");
  click("Simular");
  on_test_queue("cupsreject");
  const auto message = testing::message_from([&] { click("Command1"); });
  on_test_queue("cupsaccept");
  ASSERT_TRUE(message) << "Imprimir said nothing of the rejected page";
  EXPECT_EQ(message->title, "Zarandola");
  EXPECT_TRUE(message->text.contains("La impresora «zarandola-test» no ha aceptado la página"))
      << message->text.toStdString();
  EXPECT_EQ(jobs(), jobs_before) << "a job was left behind";

  // The program goes on, and the next report is a whole page of its own.
  click("Command1");
  ASSERT_TRUE(wait_for_page(page));
  EXPECT_EQ(texts_in(printed_lines(page)), expected_report("20"));
}

TEST_F(PrintEndToEnd, AStoppedQueueKeepsThePageUntilItIsStartedAgain) {
  const QString page = fresh_page_path();
  boxes().numexp->setText("20");
  click("Simular");
  on_test_queue("cupsdisable");
  const auto message = testing::message_from([&] { click("Command1"); });
  QTest::qWait(1000);
  const bool printed_while_stopped = QFileInfo::exists(page);
  on_test_queue("cupsenable");
  ASSERT_TRUE(message) << "Imprimir said nothing of the stopped printer";
  EXPECT_TRUE(message->text.contains("La página está en la cola de la impresora «zarandola-test»"))
      << message->text.toStdString();
  EXPECT_FALSE(printed_while_stopped);
  ASSERT_TRUE(wait_for_page(page)) << "the page did not come out once the printer was started";
  EXPECT_EQ(texts_in(printed_lines(page)), expected_report("20"));
}

enum class Step { Start, Write, Finish };

// libcups's own calls but one, which fails as a print system may.
CupsDocumentCalls failing_at(Step step) {
  CupsDocumentCalls calls;
  switch (step) {
    case Step::Start:
      calls.start = [](auto...) { return HTTP_STATUS_ERROR; };
      break;
    case Step::Write:
      calls.write = [](http_t* http, const char* data, size_t length) {  // the connection breaks half way
        cupsWriteRequestData(http, data, length / 2);
        return HTTP_STATUS_ERROR;
      };
      break;
    case Step::Finish:
      calls.finish = [](auto...) { return IPP_STATUS_ERROR_INTERNAL; };
      break;
  }
  return calls;
}

class AFailingStep : public RealWindow, public ::testing::WithParamInterface<Step> {
 protected:
  AFailingStep() : RealWindow(failing_at(GetParam())) {}
};

TEST_P(AFailingStep, AfterTheJobExistsCancelsItAndSaysSo) {
  const QString page = fresh_page_path();
  boxes().numexp->setText("20");
  click("Simular");
  const auto message = testing::message_from([&] { click("Command1"); });
  ASSERT_TRUE(message) << "Imprimir said nothing of the failure";
  EXPECT_TRUE(message->text.contains("La impresora «zarandola-test» no ha aceptado la página"))
      << message->text.toStdString();
  EXPECT_EQ(run("lpstat", {"-W", "not-completed", "-o"}), "") << "the job was left in the queue";
  QTest::qWait(1000);
  EXPECT_FALSE(QFileInfo::exists(page)) << "a page came out all the same";
}

INSTANTIATE_TEST_SUITE_P(PrintEndToEnd, AFailingStep, ::testing::Values(Step::Start, Step::Write, Step::Finish));

// The scheduler stops answering as the page's last part goes.
class ServiceSilentHalfWay : public RealWindow {
 protected:
  ServiceSilentHalfWay() : RealWindow(falling_silent()) {}

  static CupsDocumentCalls falling_silent() {
    CupsDocumentCalls calls;
    calls.finish = [](http_t* http, const char* printer) {
      const pid_t scheduler = qEnvironmentVariableIntValue("ZARANDOLA_TEST_SCHEDULER_PID");
      // A signal only asks: the page's end goes once the kernel, after the name's ")", says stopped.
      const auto stopped = [&] {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(scheduler));
        return stat.open(QIODevice::ReadOnly) && stat.readAll().split(')').last().startsWith(" T");
      };
      EXPECT_EQ(::kill(scheduler, SIGSTOP), 0) << "no scheduler to stop";
      for (int wait = 0; wait < 1000 && !stopped(); ++wait) ::usleep(1000);
      EXPECT_TRUE(stopped()) << "the scheduler did not stop";
      const ipp_status_t status = cupsFinishDocument(http, printer);
      ::kill(scheduler, SIGCONT);
      return status;
    };
    return calls;
  }
};

TEST_F(ServiceSilentHalfWay, IsToldAsSilenceAfterTheDeadline) {
  boxes().numexp->setText("20");
  click("Simular");
  expect_imprimir_to_give_up("El servicio de impresión no ha respondido", 8500, 12000);
}

// A whole session on the real window, which the sanitizer build also checks
// for leaks and invalid memory access: start, a run, a clear, a report, quit.
using Session = RealWindow;

TEST_F(Session, StartRunClearPrintAndQuit) {
  const QString page = fresh_page_path();
  boxes().numexp->setText("10000");
  click("Simular");
  EXPECT_EQ(boxes().espemat->text(), "61,11");
  click("Borrar");
  EXPECT_EQ(boxes().espemat->text(), "");
  click("Command1");
  ASSERT_TRUE(wait_for_page(page));
  EXPECT_TRUE(run("pdftotext", {page, "-"}).contains("esperanza matemática del premio, que es de 61 pesetas"));

  QTimer::singleShot(0, [&] { click("Command2"); });
  QTimer::singleShot(10000, [] { QCoreApplication::exit(1); });
  EXPECT_EQ(QCoreApplication::exec(), 0) << "Terminar did not end the program";
}

TEST_F(PrintEndToEnd, ADefaultPrinterThatDoesNotExistIsNamed) {
  qputenv("PRINTER", "no-such-queue");
  const auto message = testing::message_from([&] { click("Command1"); });
  qunsetenv("PRINTER");
  ASSERT_TRUE(message);
  EXPECT_TRUE(
      message->text.startsWith("La impresora predeterminada «no-such-queue» no existe en el servicio de impresión.\n"))
      << message->text.toStdString();
  EXPECT_TRUE(message->text.contains("Elija como predeterminada")) << message->text.toStdString();
}

// Run once the test queue, the scheduler's only one, has been removed.
using NoDefaultPrinter = RealWindow;

TEST_F(NoDefaultPrinter, ImprimirSaysSo) {
  const auto message = testing::message_from([&] { click("Command1"); });
  ASSERT_TRUE(message);
  EXPECT_TRUE(message->text.startsWith("No hay ninguna impresora predeterminada.\n")) << message->text.toStdString();
  EXPECT_TRUE(message->text.contains("Elija una impresora predeterminada")) << message->text.toStdString();
}

// Run with CUPS_SERVER naming a scheduler that is not there, and PRINTER a queue.
using PrintServiceDown = RealWindow;

TEST_F(PrintServiceDown, ImprimirSaysSoAtOnceAndTheProgramGoesOn) {
  const TimedMessage imprimir = timed_imprimir();
  ASSERT_TRUE(imprimir.message);
  EXPECT_EQ(imprimir.message->title, "Zarandola");
  EXPECT_TRUE(imprimir.message->text.startsWith(
      "No se puede conectar con el servicio de impresión para imprimir en «zarandola-test».\n"))
      << imprimir.message->text.toStdString();
  EXPECT_TRUE(imprimir.message->text.contains("Compruebe que el servicio de impresión (CUPS) está en marcha"))
      << imprimir.message->text.toStdString();
  EXPECT_LT(imprimir.milliseconds, 2000);
  expect_simular_works();
}

// The message names the printer that libcups would have asked for: LPDEST's
// before PRINTER's, and none for PRINTER's traditional "lp".
TEST_F(PrintServiceDown, ImprimirNamesThePrinterAsLibcupsChoosesIt) {
  using Case = std::tuple<const char*, const char*, const char*>;  // LPDEST, none when not set; PRINTER; the name told
  for (const auto& [lpdest, printer, named] :
       {Case{"lp", "zarandola-test", " para imprimir en «lp»"}, Case{nullptr, "lp", ""}, Case{"", "foo", ""}}) {
    if (lpdest) qputenv("LPDEST", lpdest);
    qputenv("PRINTER", printer);
    const QString text = timed_imprimir().message.value().text;
    qunsetenv("LPDEST");
    EXPECT_TRUE(text.startsWith(QString::fromUtf8("No se puede conectar con el servicio de impresión%1.\n").arg(named)))
        << text.toStdString();
  }
  qputenv("PRINTER", "zarandola-test");
}

// A print service that answers its first requests, each with IPP's "not
// found", and then never again.
struct Silence {
  const char* printer;  // PRINTER, or none
  int answered;
  // Debian 13's libcups looks for a named printer once more on a connection
  // of its own, which the program's deadline does not reach.
  qint64 within_ms = 12000;
};

class SilentPrintService : public RealWindow, public ::testing::WithParamInterface<Silence> {
 protected:
  SilentPrintService() {
    const QByteArray path = QFile::encodeName(folder.filePath("cups.sock"));
    sockaddr_un address{.sun_family = AF_UNIX, .sun_path = {}};
    path.toStdString().copy(address.sun_path, sizeof address.sun_path - 1);
    EXPECT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    EXPECT_EQ(::listen(listener, 1), 0);
    cupsSetServer(path.constData());  // libcups keeps the first server it was given
    if (GetParam().printer) qputenv("PRINTER", GetParam().printer);
    service = std::thread([this] { answer_then_fall_silent(); });
  }
  ~SilentPrintService() override {
    qunsetenv("PRINTER");
    cupsSetServer(nullptr);
    ::shutdown(listener, SHUT_RDWR);  // wakes an accept that no client came to
    service.join();
    ::close(connection);
    ::close(listener);
  }

  void answer_then_fall_silent() {
    connection = ::accept(listener, nullptr, nullptr);
    const QByteArray not_found = QByteArrayLiteral(
        "HTTP/1.1 200 OK\r\nContent-Type: application/ipp\r\nContent-Length: 9\r\n\r\n\x02\x00\x04\x06\0\0\0\x01\x03");
    for (int request = 0; request < GetParam().answered && read_header(); ++request)
      EXPECT_EQ(::write(connection, not_found.constData(), not_found.size()), not_found.size());
  }

  // A request's body follows only when the service asks for it: an answer first refuses it.
  bool read_header() const {
    QByteArray header;
    for (char byte; !header.endsWith("\r\n\r\n"); header.append(byte))
      if (::read(connection, &byte, 1) != 1) return false;
    return true;
  }

  QTemporaryDir folder;
  const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
  int connection = -1;
  std::thread service;
};

TEST_P(SilentPrintService, ImprimirGivesUpWithinTwelveSecondsAndTheProgramGoesOn) {
  expect_imprimir_to_give_up("El servicio de impresión no ha respondido", 8500, GetParam().within_ms);
  expect_simular_works();
}

INSTANTIATE_TEST_SUITE_P(Silence, SilentPrintService,
                         ::testing::Values(Silence{nullptr, 0}, Silence{"zarandola-test", 0, 90000},
                                           Silence{nullptr, 1}));

// A print service whose address takes no more connections: connecting hangs.
class UnreachablePrintService : public RealWindow {
 protected:
  UnreachablePrintService() {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    const auto* any = reinterpret_cast<sockaddr*>(&address);
    EXPECT_EQ(::bind(listener, any, length), 0);
    EXPECT_EQ(::listen(listener, 0), 0);
    EXPECT_EQ(::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length), 0);
    EXPECT_EQ(::connect(filler, any, length), 0) << "the one place in the backlog is taken";
    qputenv("CUPS_SERVER", QByteArray("127.0.0.1:") + QByteArray::number(ntohs(address.sin_port)));
  }
  ~UnreachablePrintService() override {
    ::close(filler);
    ::close(listener);
  }
  const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
  const int filler = ::socket(AF_INET, SOCK_STREAM, 0);
};

TEST_F(UnreachablePrintService, ImprimirGivesUpConnectingAfterAFewSeconds) {
  expect_imprimir_to_give_up("No se puede conectar con el servicio de impresión", 2500, 6000);
  expect_simular_works();
}

}  // namespace
}  // namespace zarandola
