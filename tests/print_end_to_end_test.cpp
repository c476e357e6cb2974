// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the report from the real window on the default printer, a private
// CUPS queue that print_end_to_end.sh sets up, and reads the page it made.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include "core/clock_random_source.h"
#include "modal_message.h"
#include "report/qt_printer_service.h"
#include "ui/frmzarandola.h"

namespace zarandola {
namespace {

QString run(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  EXPECT_TRUE(process.waitForFinished(30000)) << program.toStdString();
  EXPECT_EQ(process.exitCode(), 0) << program.toStdString() << ": " << process.readAllStandardError().toStdString();
  return QString::fromUtf8(process.readAllStandardOutput());
}

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

// The height of the first word box of pdftotext -bbox that holds the word.
double height_of_word(const QString& boxes, const QString& word) {
  const QRegularExpression box(
      QString::fromLatin1(R"re(yMin="([\d.]+)" xMax="[\d.]+" yMax="([\d.]+)">%1<)re").arg(word));
  const QRegularExpressionMatch match = box.match(boxes);
  return match.hasMatch() ? match.captured(2).toDouble() - match.captured(1).toDouble() : 0;
}

// The program's own window with its real random source and printer.
class RealWindow : public ::testing::Test {
 protected:
  RealWindow() : window(runner_on(source), printer) {
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
  }

  void click(const char* button) { QTest::mouseClick(window.findChild<QPushButton*>(button), Qt::LeftButton); }

  // Where the test queue puts its pages; a page left by an earlier test is removed.
  static QString fresh_page_path() {
    const QString page = qEnvironmentVariable("ZARANDOLA_TEST_PAGE");
    EXPECT_FALSE(page.isEmpty()) << "run through print_end_to_end.sh";
    QFile::remove(page);
    return page;
  }

  ClockRandomSource source;
  QtPrinterService printer;
  frmzarandola window;
};

using PrintEndToEnd = RealWindow;

TEST_F(PrintEndToEnd, ImprimirSendsTheOnePageReportToTheDefaultPrinter) {
  const QString page = fresh_page_path();
  window.text_box("numexp")->setText("10000");
  click("Simular");
  click("Command1");
  ASSERT_TRUE(wait_for_page(page)) << "no page arrived at " << page.toStdString();

  EXPECT_TRUE(run("pdfinfo", {page}).contains(QRegularExpression(R"(Pages:\s+1\n)")));
  EXPECT_TRUE(run("pdffonts", {page}).contains("ComicNeue"));

  const auto field = [&](const char* name) { return window.text_box(name)->text(); };
  const QStringList expected{
      "LAS RULETAS ZARANDOLA",
      "1) RESULTADOS TRAS REALIZAR 10.000 VECES LA SIMULACIÓN",
      QString("Se obtiene premio con los limones %1 veces, el %2%").arg(field("limon"), field("limonp")),
      QString("Se obtiene premio con las manzanas %1 veces, el %2%").arg(field("manzana"), field("manzanap")),
      QString("Se obtiene premio con las cerezas %1 veces, el %2%").arg(field("cereza"), field("cerezap")),
      QString("No se obtiene ningún premio %1 veces, el %2%").arg(field("nopre"), field("noprep")),
      QString("El premio medio ha sido de %1 pesetas").arg(field("premed")),
      "2) RESULTADOS TEÓRICOS",
      "La probabilidad de que coincidan dos limones es 2,78%",
      "La probabilidad de que coincidan dos manzanas es 11,11%",
      "La probabilidad de que coincidan dos cerezas es 25,00%",
      "La probabilidad de que no coincidan las frutas es 61,11%",
      "En un juego justo, como este, el precio de la tirada debe ser igual a la",
      "esperanza matemática del premio, que es de 61 pesetas",
  };
  QStringList printed;
  for (const QString& line : run("pdftotext", {"-layout", page, "-"}).split(u'\n'))
    if (!line.trimmed().isEmpty()) printed << line.simplified();
  EXPECT_EQ(printed, expected) << printed.join(u'\n').toStdString();

  const QString boxes = run("pdftotext", {"-bbox", page, "-"});
  EXPECT_GT(height_of_word(boxes, "RULETAS"), 1.1 * height_of_word(boxes, "RESULTADOS"));
}

// A whole session on the real window, which the sanitizer build also checks
// for leaks and invalid memory access: start, a run, a clear, a report, quit.
using Session = RealWindow;

TEST_F(Session, StartRunClearPrintAndQuit) {
  const QString page = fresh_page_path();
  window.text_box("numexp")->setText("10000");
  click("Simular");
  EXPECT_EQ(window.text_box("espemat")->text(), "61,11");
  click("Borrar");
  EXPECT_EQ(window.text_box("espemat")->text(), "");
  click("Command1");
  ASSERT_TRUE(wait_for_page(page));
  EXPECT_TRUE(run("pdftotext", {page, "-"}).contains("esperanza matemática del premio, que es de 61 pesetas"));

  QTimer::singleShot(0, [&] { click("Command2"); });
  QTimer::singleShot(10000, [] { QCoreApplication::exit(1); });
  EXPECT_EQ(QCoreApplication::exec(), 0) << "Terminar did not end the program";
}

// Run with CUPS_SERVER naming a scheduler that is not there.
using NoDefaultPrinter = RealWindow;

TEST_F(NoDefaultPrinter, ImprimirSaysSoAndTheProgramGoesOn) {
  const auto message = testing::message_from([&] { click("Command1"); });
  ASSERT_TRUE(message);
  EXPECT_EQ(message->title, "Zarandola");
  EXPECT_TRUE(message->text.contains("No hay ninguna impresora predeterminada")) << message->text.toStdString();
  window.text_box("numexp")->setText("10");
  click("Simular");
  EXPECT_EQ(window.text_box("limont")->text(), "2,78");
}

}  // namespace
}  // namespace zarandola
