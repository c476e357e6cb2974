// SPDX-License-Identifier: GPL-3.0-or-later
// The program as the page's script calls it: "Simular", the printed page and
// the picture of the average, each answered with the texts the page shows.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <cstdint>
#include <optional>
#include <utility>

#include "core/clock_random_source.h"
#include "errors/run_time_error.h"
#include "web/page_markup.h"
#include "window/messages.h"
#include "window/simulate_command.h"

namespace zarandola {
namespace {

using emscripten::val;

// The browser's separators, as the page finds them in its languages.
RegionalSettings settings_of(unsigned decimal_separator, unsigned group_separator) {
  return {static_cast<char32_t>(decimal_separator), static_cast<char32_t>(group_separator)};
}

// How the last run's average settled, for its picture; the window's fields
// hold the rest.
AveragePath& last_path() {
  static AveragePath path;
  return path;
}

const TrialRunner& trial_runner() {
  static ClockRandomSource source;
  static const TrialRunner runner = runner_on(source);
  return runner;
}

// Calls f with each text box's name and its member of the window's fields.
template <typename F>
void for_each_box(F&& f) {
  for (const layout::ControlRow& row : layout::controls())
    if (row.field) f(row.name, field_member<std::string>(*row.field));
}

val colour_of(const std::optional<Rgb>& colour) {
  if (!colour) return val::null();
  val channels = val::array();
  for (const std::uint8_t channel : {colour->red, colour->green, colour->blue})
    channels.call<void>("push", static_cast<unsigned>(channel));
  return channels;
}

// The window's controls where the page must draw them, in CSS pixels, and in
// their colours ([red, green, blue], or null for the standard one).
val controls() {
  val list = val::array();
  for (const layout::ControlRow& row : layout::controls()) {
    const Box box = web::window_box(row);
    val control = val::object();
    control.set("name", std::string(row.name));
    control.set("left", box.left);
    control.set("top", box.top);
    control.set("width", box.width);
    control.set("height", box.height);
    control.set("ink", colour_of(row.colours.text));
    control.set("paper", colour_of(row.colours.background));
    list.call<void>("push", control);
  }
  return list;
}

val failure(const RunTimeError& error) {
  val answer = val::object();
  answer.set("message", std::string(error.what()));
  answer.set("advice", advice_for(error.kind()));
  return answer;
}

// "Simular": the fourteen result texts by the names of their boxes and the
// sentence for a screen reader, or the error's message and advice.
val simulate_count(const std::string& count, unsigned decimal_separator, unsigned group_separator) {
  const RegionalSettings settings = settings_of(decimal_separator, group_separator);
  try {
    SimulationRun run = simulate(count, trial_runner(), settings);
    WindowFields<std::string> shown{{count}, run.results};
    val fields = val::object();
    for_each_box([&](const char* name, auto member) {
      if (member != &WindowFields<std::string>::numexp) fields.set(std::string(name), shown.*member);
    });
    last_path() = std::move(run.path);
    val answer = val::object();
    answer.set("fields", fields);
    answer.set("sentence", spoken_answer(count, run.results, settings));
    return answer;
  } catch (const RunTimeError& error) {
    return failure(error);
  }
}

void forget_run() { last_path() = AveragePath(); }

// The page of "Imprimir" for the boxes' texts, given by their names.
std::string report_markup(const val& texts, unsigned decimal_separator, unsigned group_separator) {
  ReportFields fields;
  for_each_box([&](const char* name, auto member) { fields.*member = texts[name].as<std::string>(); });
  return web::print_markup(report_page(fields, settings_of(decimal_separator, group_separator)));
}

// Measures the picture's texts with the page's own fonts, through the
// page's measure.width(font, text) and measure.height(font).
class PageTextMeasure final : public picture::TextMeasure {
 public:
  explicit PageTextMeasure(val measure) : measure_(std::move(measure)) {}
  double width(picture::TextStyle style, const std::string& text) const override {
    return measure_.call<double>("width", web::css_font(picture::font_of(style)), text);
  }
  double height(picture::TextStyle style) const override {
    return measure_.call<double>("height", web::css_font(picture::font_of(style)));
  }

 private:
  val measure_;
};

// The picture of the last run, width by height pixels, and what a screen
// reader says of it; with no run, its words for that in place of a drawing.
val average_picture(double width, double height, val measure, unsigned decimal_separator, unsigned group_separator) {
  const RegionalSettings settings = settings_of(decimal_separator, group_separator);
  const auto points = last_path().points();
  val answer = val::object();
  answer.set("title", std::string(picture::window_title));
  answer.set("name", std::string(picture::accessible_name));
  answer.set("description", picture::path_description(points, settings));
  if (points.empty()) {
    answer.set("noRun", picture::no_run_text());
  } else {
    const PageTextMeasure page_measure(std::move(measure));
    answer.set("svg", web::picture_svg(picture::average_picture(points, width, height, page_measure, settings), width,
                                       height));
  }
  return answer;
}

// Where the browser has no separators of its own.
val spanish_separators() {
  constexpr RegionalSettings spanish = RegionalSettings::spanish();
  val pair = val::array();
  pair.call<void>("push", static_cast<unsigned>(spanish.decimal_separator));
  pair.call<void>("push", static_cast<unsigned>(spanish.group_separator));
  return pair;
}

}  // namespace
}  // namespace zarandola

EMSCRIPTEN_BINDINGS(zarandola) {
  using namespace zarandola;
  emscripten::function("controls", &controls);
  emscripten::function("simulate", &simulate_count);
  emscripten::function("forgetRun", &forget_run);
  emscripten::function("reportMarkup", &report_markup);
  emscripten::function("averagePicture", &average_picture);
  emscripten::function("spanishSeparators", &spanish_separators);
}
