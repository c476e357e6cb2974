// SPDX-License-Identifier: GPL-3.0-or-later
// The Windows printer under Wine, whose default printer is the queue of the
// Wine checks (tests/windows/check_under_wine.sh): ZARANDOLA_TEST_PAGE names
// the file where that queue writes each page. tests/windows/printed_page.sh
// runs the first test and reads the page it leaves. The disabled tests need
// the queue changed first; the Wine checks run them.
#include "printing/windows_printer_service.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QGuiApplication>
#include <QPrinterInfo>
#include <QThread>
#include <optional>

#include "errors/run_time_error.h"
#include "report/printed_report.h"

namespace zarandola {
namespace {

// The queue's page, as Wine shows the Unix file system: drive Z:.
QString page_file() { return QStringLiteral("Z:") + qEnvironmentVariable("ZARANDOLA_TEST_PAGE"); }

bool page_arrives_within(int milliseconds) {
  const QDeadlineTimer deadline(milliseconds);
  while (!deadline.hasExpired()) {
    if (QFile(page_file()).size() > 0) return true;
    QThread::msleep(100);
  }
  return false;
}

Page twenty_trials() { return report_page({{"20"}, {}}, RegionalSettings::spanish()); }

// One test, so that the two documents never share the queue's page file.
TEST(WindowsPrinterService, SendsAWholePageAndNothingOfACancelledDocument) {
  ASSERT_FALSE(qEnvironmentVariableIsEmpty("ZARANDOLA_TEST_PAGE"));
  QFile::remove(page_file());
  WindowsPrinterService printer;
  printer.set_font_name("Comic Sans MS");
  printer.print_line(20, {"media página"});
  printer.cancel_document();
  EXPECT_TRUE(printer.end_document().printer.empty());
  EXPECT_FALSE(page_arrives_within(3000));

  const SentPage sent = print_page(twenty_trials(), printer);
  EXPECT_EQ(sent.printer, QPrinterInfo::defaultPrinterName().toStdString());
}

// The error the report of 20 trials ends in, if any.
std::optional<RunTimeError> error_printing_a_report() {
  WindowsPrinterService printer;
  try {
    print_page(twenty_trials(), printer);
  } catch (const RunTimeError& error) {
    return error;
  }
  return std::nullopt;
}

// With the queue refusing jobs, Wine ends the document in failure.
TEST(WindowsPrinterService, DISABLED_TellsWhenTheQueueRefusesThePage) {
  const std::optional<RunTimeError> error = error_printing_a_report();
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->kind(), ErrorKind::Printer);
  EXPECT_EQ(QString::fromStdString(error->what()),
            QStringLiteral("La impresora «%1» no ha aceptado la página.").arg(QPrinterInfo::defaultPrinterName()));
}

// With the queue deleted, Wine has no printer at all.
TEST(WindowsPrinterService, DISABLED_TellsWhenThereIsNoDefaultPrinter) {
  const std::optional<RunTimeError> error = error_printing_a_report();
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->kind(), ErrorKind::NoDefaultPrinter);
  EXPECT_STREQ(error->what(), "No hay ninguna impresora predeterminada.");
}

}  // namespace
}  // namespace zarandola

int main(int argc, char* argv[]) {
  QGuiApplication application(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
