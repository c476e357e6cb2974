// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/printed_report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

#include "error_kind_of.h"
#include "recording_printer.h"
#include "report/faces.h"

namespace zarandola {
namespace {

using testing::error_kind_of;
using testing::RecordingPrinter;

// The fields of the worked example; the page reads none of the theoretical
// ones, which hold texts that must not appear on it.
const ReportFields worked_example{{"20"},
                                  {.limon = "01",
                                   .manzana = "02",
                                   .cereza = "05",
                                   .nopre = "12",
                                   .limonp = "5,00",
                                   .manzanap = "10,00",
                                   .cerezap = "25,00",
                                   .noprep = "60,00",
                                   .limont = "not read: limont",
                                   .manzanat = "not read: manzanat",
                                   .cerezat = "not read: cerezat",
                                   .nopret = "not read: nopret",
                                   .premed = "70,00",
                                   .espemat = "not read: espemat"}};

std::vector<std::string> report_of(const ReportFields& fields) {
  RecordingPrinter printer;
  print_page(report_page(fields, RegionalSettings::spanish()), printer);
  return printer.operations;
}

TEST(PrintedReport, PrintsTheWorkedExampleOperationByOperation) {
  const std::vector<std::string> expected{
      "font Comic Sans MS",
      "size 14",
      "blank",
      "blank",
      "blank",
      "30 |LAS RULETAS ZARANDOLA|",
      "blank",
      "size 12",
      "15 |1) RESULTADOS TRAS REALIZAR |20| VECES LA SIMULACIÓN|",
      "blank",
      "20 |Se obtiene premio con los limones |01| veces, el |5,00|%|",
      "20 |Se obtiene premio con las manzanas |02| veces, el |10,00|%|",
      "20 |Se obtiene premio con las cerezas |05| veces, el |25,00|%|",
      "20 |No se obtiene ningún premio |12| veces, el |60,00|%|",
      "blank",
      "20 |El premio medio ha sido de |70,00| pesetas|",
      "blank",
      "blank",
      "15 |2) RESULTADOS TEÓRICOS|",
      "blank",
      "20 |La probabilidad de que coincidan dos limones es |2,78|%|",
      "20 |La probabilidad de que coincidan dos manzanas es |11,11|%|",
      "20 |La probabilidad de que coincidan dos cerezas es |25,00|%|",
      "20 |La probabilidad de que no coincidan las frutas es |61,11|%|",
      "blank",
      "20 |En un juego justo, como este, el precio de la tirada debe ser igual a la |",
      "20 |esperanza matemática del premio, que es de |61| pesetas|",
      "end",
  };
  EXPECT_EQ(report_of(worked_example), expected);
}

TEST(PrintedReport, PrintsEmptyFieldsAsNothingAndOtherTextUnchanged) {
  const std::vector<std::string> cleared = report_of({});
  EXPECT_EQ(cleared.size(), 28u);
  EXPECT_EQ(cleared[8], "15 |1) RESULTADOS TRAS REALIZAR || VECES LA SIMULACIÓN|");
  EXPECT_EQ(cleared[10], "20 |Se obtiene premio con los limones || veces, el ||%|");
  EXPECT_EQ(cleared[26], "20 |esperanza matemática del premio, que es de |61| pesetas|");

  ReportFields typed = worked_example;
  for (const auto& [count, printed] : {std::pair{"10000", "10.000"}, {"5", "05"}, {"abc", "abc"}, {" ", " "}}) {
    typed.numexp = count;
    EXPECT_EQ(report_of(typed)[8],
              "15 |1) RESULTADOS TRAS REALIZAR |" + std::string(printed) + "| VECES LA SIMULACIÓN|")
        << count;
  }
}

TEST(PrintedReport, TwoReportsInARowAreTheSame) {
  RecordingPrinter printer;
  const Page page = report_page(worked_example, RegionalSettings::spanish());
  print_page(page, printer);
  print_page(page, printer);
  ASSERT_EQ(printer.operations.size(), 56u);
  EXPECT_TRUE(std::equal(printer.operations.begin(), printer.operations.begin() + 28, printer.operations.begin() + 28));
  EXPECT_EQ(printer.operations[29], "size 14");
}

TEST(PrintedReport, APrinterFailingAnywhereHasItsDocumentCancelledAndTheNextReportStartsAfresh) {
  const Page page = report_page(worked_example, RegionalSettings::spanish());
  // At the first operation, half way, and at the end of the document itself.
  for (const std::size_t failing_operation : {0u, 12u, 27u}) {
    SCOPED_TRACE(failing_operation);
    RecordingPrinter printer;
    printer.refuse_from = failing_operation;
    EXPECT_EQ(error_kind_of([&] { print_page(page, printer); }), ErrorKind::Printer);
    ASSERT_EQ(printer.operations.size(), failing_operation + 1);
    EXPECT_EQ(printer.operations.back(), "cancel");

    printer.operations.clear();
    printer.refuse_from = std::numeric_limits<std::size_t>::max();
    print_page(page, printer);
    EXPECT_EQ(printer.operations, report_of(worked_example));
  }
}

TEST(DrawnFace, IsTheFaceThatTheLayoutAndThePageWereMeasuredWith) {
  for (const auto& [named, drawn] : {std::pair{"MS Sans Serif", "Liberation Sans"}, {"Comic Sans MS", "Comic Neue"}})
    EXPECT_EQ(drawn_face(named), drawn);
}

}  // namespace
}  // namespace zarandola
