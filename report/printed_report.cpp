// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/printed_report.h"

#include <utility>

#include "core/game_model.h"
#include "format/number_text.h"

namespace zarandola {
namespace {

constexpr int title_indent = 30;
constexpr int heading_indent = 15;
constexpr int line_indent = 20;

}  // namespace

PrintedReport::PrintedReport(FieldReader read_field, RegionalSettings settings)
    : read_field_(std::move(read_field)), settings_(settings) {}

QString PrintedReport::field_as(const char* field, const DisplayPattern& pattern) const {
  return format_number(read_field_(field), pattern, settings_);
}

void PrintedReport::print_outcome_line(PrinterService& printer, const char* sentence, const char* count_field,
                                       const char* percent_field) const {
  // Braced lists evaluate in order: the count is read before the percentage.
  printer.print_line(line_indent,
                     {QString::fromUtf8(sentence), field_as(count_field, count_pattern), QStringLiteral(" veces, el "),
                      field_as(percent_field, percent_pattern), QStringLiteral("%")});
}

void PrintedReport::print_theory_line(PrinterService& printer, const char* sentence, double percent) const {
  printer.print_line(line_indent, {QString::fromUtf8(sentence), format_number(percent, percent_pattern, settings_),
                                   QStringLiteral("%")});
}

void PrintedReport::print_on(PrinterService& printer) const {
  printer.set_font_name(QStringLiteral("Comic Sans MS"));
  printer.set_font_size(14);
  printer.print_blank_line();
  printer.print_blank_line();
  printer.print_blank_line();
  printer.print_line(title_indent, {QStringLiteral("LAS RULETAS ZARANDOLA")});
  printer.print_blank_line();

  printer.set_font_size(12);
  printer.print_line(heading_indent, {QStringLiteral("1) RESULTADOS TRAS REALIZAR "), field_as("numexp", count_pattern),
                                      QString::fromUtf8(" VECES LA SIMULACIÓN")});
  printer.print_blank_line();
  print_outcome_line(printer, "Se obtiene premio con los limones ", "limon", "limonp");
  print_outcome_line(printer, "Se obtiene premio con las manzanas ", "manzana", "manzanap");
  print_outcome_line(printer, "Se obtiene premio con las cerezas ", "cereza", "cerezap");
  print_outcome_line(printer, "No se obtiene ningún premio ", "nopre", "noprep");
  printer.print_blank_line();
  printer.print_line(line_indent, {QStringLiteral("El premio medio ha sido de "), field_as("premed", money_pattern),
                                   QStringLiteral(" pesetas")});
  printer.print_blank_line();
  printer.print_blank_line();

  printer.print_line(heading_indent, {QString::fromUtf8("2) RESULTADOS TEÓRICOS")});
  printer.print_blank_line();
  print_theory_line(printer, "La probabilidad de que coincidan dos limones es ", TheoreticalValues::lemon_pair_percent);
  print_theory_line(printer, "La probabilidad de que coincidan dos manzanas es ",
                    TheoreticalValues::apple_pair_percent);
  print_theory_line(printer, "La probabilidad de que coincidan dos cerezas es ",
                    TheoreticalValues::cherry_pair_percent);
  print_theory_line(printer, "La probabilidad de que no coincidan las frutas es ", TheoreticalValues::no_prize_percent);
  printer.print_blank_line();
  printer.print_line(line_indent,
                     {QStringLiteral("En un juego justo, como este, el precio de la tirada debe ser igual a la ")});
  printer.print_line(line_indent, {QString::fromUtf8("esperanza matemática del premio, que es de "),
                                   format_number(TheoreticalValues::expected_prize, count_pattern, settings_),
                                   QStringLiteral(" pesetas")});
  printer.end_document();
}

}  // namespace zarandola
