// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/printed_report.h"

#include <optional>
#include <utility>

#include "core/game_model.h"
#include "format/number_text.h"

namespace zarandola {
namespace {

constexpr float title_points = 14;
constexpr float body_points = 12;
constexpr int title_indent = 30;
constexpr int heading_indent = 15;
constexpr int line_indent = 20;

PageLine blank(float points) { return {points, 0, {}}; }

PageLine body_line(std::vector<std::string> items) { return {body_points, line_indent, std::move(items)}; }

// Cancels the printer's document unless it was ended, whatever is thrown on
// the way, so that the next report begins a document of its own.
class OpenDocument {
 public:
  explicit OpenDocument(PrinterService& printer) : printer_(printer) {}
  ~OpenDocument() {
    if (!ended_) printer_.cancel_document();
  }
  OpenDocument(const OpenDocument&) = delete;
  OpenDocument& operator=(const OpenDocument&) = delete;

  SentPage end() {
    const SentPage sent = printer_.end_document();
    ended_ = true;
    return sent;
  }

 private:
  PrinterService& printer_;
  bool ended_ = false;
};

}  // namespace

Page report_page(const ReportFields& fields, const RegionalSettings& settings) {
  const auto as = [&](const std::string& text, const DisplayPattern& pattern) {
    return format_number(text, pattern, settings);
  };
  const auto outcome_line = [&](const char* sentence, const std::string& count, const std::string& percent) {
    return body_line({sentence, as(count, count_pattern), " veces, el ", as(percent, percent_pattern), "%"});
  };
  const auto theory_line = [&](const char* sentence, double percent) {
    return body_line({sentence, format_number(percent, percent_pattern, settings), "%"});
  };
  return Page{
      "Comic Sans MS",
      {
          blank(title_points),
          blank(title_points),
          blank(title_points),
          {title_points, title_indent, {"LAS RULETAS ZARANDOLA"}},
          blank(title_points),
          {body_points,
           heading_indent,
           {"1) RESULTADOS TRAS REALIZAR ", as(fields.numexp, count_pattern), " VECES LA SIMULACIÓN"}},
          blank(body_points),
          outcome_line("Se obtiene premio con los limones ", fields.limon, fields.limonp),
          outcome_line("Se obtiene premio con las manzanas ", fields.manzana, fields.manzanap),
          outcome_line("Se obtiene premio con las cerezas ", fields.cereza, fields.cerezap),
          outcome_line("No se obtiene ningún premio ", fields.nopre, fields.noprep),
          blank(body_points),
          body_line({"El premio medio ha sido de ", as(fields.premed, money_pattern), " pesetas"}),
          blank(body_points),
          blank(body_points),
          {body_points, heading_indent, {"2) RESULTADOS TEÓRICOS"}},
          blank(body_points),
          theory_line("La probabilidad de que coincidan dos limones es ", TheoreticalValues::lemon_pair_percent),
          theory_line("La probabilidad de que coincidan dos manzanas es ", TheoreticalValues::apple_pair_percent),
          theory_line("La probabilidad de que coincidan dos cerezas es ", TheoreticalValues::cherry_pair_percent),
          theory_line("La probabilidad de que no coincidan las frutas es ", TheoreticalValues::no_prize_percent),
          blank(body_points),
          body_line({"En un juego justo, como este, el precio de la tirada debe ser igual a la "}),
          // The page gives the fair price in whole pesetas, where the window shows it with decimals.
          body_line({"esperanza matemática del premio, que es de ",
                     format_number(TheoreticalValues::expected_prize, count_pattern, settings), " pesetas"}),
      },
  };
}

SentPage print_page(const Page& page, PrinterService& printer) {
  OpenDocument document(printer);
  printer.set_font_name(page.font_name);
  std::optional<float> size;
  for (const PageLine& line : page.lines) {
    if (size != line.points) {
      size = line.points;
      printer.set_font_size(line.points);
    }
    if (line.items.empty())
      printer.print_blank_line();
    else
      printer.print_line(line.indent, line.items);
  }
  return document.end();
}

}  // namespace zarandola
