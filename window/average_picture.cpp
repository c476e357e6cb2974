// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/average_picture.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iterator>

#include "core/game_model.h"
#include "format/number_text.h"

namespace zarandola::picture {
namespace {

constexpr DisplayPattern whole_pattern{1, 0, true};  // 1, 10, 1.000
constexpr DisplayPattern prize_pattern{1, 2, true};  // 5,00, 61,11
constexpr double fair_price = TheoreticalValues::expected_prize;

// How far a run's average may stray, as two standard errors of n trials.
double two_standard_errors(double trials) { return 2.0 * std::sqrt(TheoreticalValues::prize_variance / trials); }

bool is_power_of_ten(std::int32_t trial) {
  while (trial % 10 == 0) trial /= 10;
  return trial == 1;
}

// Whole steps of 50 pta, or of 100 where the path reaches higher, up to the
// path's highest average and the band's top at the first trial.
double prize_step(double top_prize) { return top_prize > 300.0 ? 100.0 : 50.0; }
double top_prize_of(std::span<const PathPoint> points) {
  double highest = fair_price + two_standard_errors(1.0);
  for (const PathPoint& point : points) highest = std::max(highest, static_cast<double>(point.average_prize));
  const double step = prize_step(highest);
  return std::ceil(highest / step) * step;
}

// Room for the axes' labels and titles around the plot, and the title above it.
Scale scale_of(std::span<const PathPoint> points, double width, double height, const TextMeasure& measure,
               const RegionalSettings& settings) {
  const double top_prize = top_prize_of(points);
  const double label_height = measure.height(TextStyle::Label);
  const double left =
      label_height +
      measure.width(TextStyle::Label, format_number(static_cast<std::int32_t>(top_prize), whole_pattern, settings)) +
      2 * gap;
  const double right = measure.width(TextStyle::Label, "00.000.000") / 2.0 + gap;
  const double top = measure.height(TextStyle::Title) + 2 * gap;
  const double bottom = 2 * label_height + 2 * gap;
  return {.plot = {left, top, width - left - right, height - top - bottom},
          .last_trial = std::max(10.0, points.empty() ? 0.0 : static_cast<double>(points.back().trial)),
          .top_prize = top_prize};
}

// A grid line and a tick under every power of ten, with its label, and a
// shorter tick at each of its multiples.
void add_trial_axis(AveragePicture& picture, double label_height, const RegionalSettings& settings) {
  const Scale& scale = picture.scale;
  const Box& plot = scale.plot;
  for (double decade = 1; decade <= scale.last_trial; decade *= 10) {
    const double x = scale.at(decade, 0).x;
    picture.grid.push_back({{x, plot.top}, {x, plot.bottom()}});
    for (int multiple = 2; multiple <= 9 && decade * multiple <= scale.last_trial; ++multiple) {
      const double minor = scale.at(decade * multiple, 0).x;
      picture.ticks.push_back({{minor, plot.bottom()}, {minor, plot.bottom() + gap / 3.0}});
    }
    picture.ticks.push_back({{x, plot.bottom()}, {x, plot.bottom() + gap / 2.0}});
    picture.texts.push_back({format_number(static_cast<std::int32_t>(decade), whole_pattern, settings),
                             TextStyle::Label,
                             {x - 100, plot.bottom() + gap / 2.0, 200, label_height},
                             Alignment::Centre});
  }
  picture.texts.push_back({"Número de tiradas (escala logarítmica)",
                           TextStyle::Label,
                           {plot.left, plot.bottom() + label_height + gap, plot.width, label_height},
                           Alignment::Centre});
}

// A grid line and a tick at every step of the prize, with its label.
void add_prize_axis(AveragePicture& picture, double label_height, const RegionalSettings& settings) {
  const Scale& scale = picture.scale;
  const Box& plot = scale.plot;
  const double step = prize_step(scale.top_prize);
  for (double prize = 0; prize <= scale.top_prize; prize += step) {
    const double y = scale.at(1, prize).y;
    picture.grid.push_back({{plot.left, y}, {plot.right(), y}});
    picture.ticks.push_back({{plot.left - gap / 2.0, y}, {plot.left, y}});
    picture.texts.push_back({format_number(static_cast<std::int32_t>(prize), whole_pattern, settings),
                             TextStyle::Label,
                             {0, y - label_height / 2, plot.left - gap, label_height},
                             Alignment::Right});
  }
  picture.texts.push_back({"Premio medio (pta)",
                           TextStyle::Label,
                           {gap / 2.0, plot.top, label_height, plot.height},
                           Alignment::Centre,
                           false});
}

// The band's upper edge left to right, about a point every two pixels, and its
// lower edge back.
std::vector<Point> band_of(const Scale& scale) {
  std::vector<Point> band;
  const int columns = std::max(2, static_cast<int>(scale.plot.width / 2));
  for (int column = 0; column <= 2 * columns + 1; ++column) {
    const int along = column <= columns ? column : 2 * columns + 1 - column;
    const double trial = std::pow(scale.last_trial, static_cast<double>(along) / columns);
    const double spread = two_standard_errors(trial);
    band.push_back(scale.at(trial, column <= columns ? fair_price + spread : std::max(0.0, fair_price - spread)));
  }
  return band;
}

// What each colour means, at the top right, where the path has settled.
void add_legend(AveragePicture& picture, const TextMeasure& measure, const RegionalSettings& settings) {
  const struct {
    std::string text;
    Rgb colour;
  } entries[] = {
      {"Premio medio de la simulación", path_colour},
      {"Precio justo: " + format_number(fair_price, prize_pattern, settings) + " pta", fair_colour},
      {"Precio justo ± 2 errores típicos", band_colour},
  };
  const double line_height = measure.height(TextStyle::Label);
  const double sample = 3 * gap;
  double widest = 0;
  for (const auto& entry : entries) widest = std::max(widest, measure.width(TextStyle::Label, entry.text));
  const Box& plot = picture.scale.plot;
  picture.legend = {plot.right() - widest - sample - 4 * gap, plot.top + gap, widest + sample + 3 * gap,
                    std::size(entries) * line_height + gap};
  double y = picture.legend.top + gap / 2.0;
  for (const auto& [text, colour] : entries) {
    const Box swatch{picture.legend.left + gap, y + line_height / 4.0, sample, line_height / 2.0};
    const Box line{swatch.left, swatch.top + swatch.height / 2 - curve_width / 2, sample, curve_width};
    picture.legend_entries.push_back(
        {text, colour, colour == band_colour ? swatch : line, {swatch.right() + gap, y, widest, line_height}});
    y += line_height;
  }
}

}  // namespace

Point Scale::at(double trial, double prize) const {
  const double across = std::log10(trial) / std::log10(last_trial);
  return {plot.left + across * plot.width, plot.bottom() - prize / top_prize * plot.height};
}

AveragePicture average_picture(std::span<const PathPoint> points, double width, double height,
                               const TextMeasure& measure, const RegionalSettings& settings) {
  AveragePicture picture;
  picture.scale = scale_of(points, width, height, measure, settings);
  const Scale& scale = picture.scale;
  const double label_height = measure.height(TextStyle::Label);
  add_trial_axis(picture, label_height, settings);
  add_prize_axis(picture, label_height, settings);
  picture.texts.push_back({"Premio medio según el número de tiradas",
                           TextStyle::Title,
                           {0, gap, width, scale.plot.top - 2 * gap},
                           Alignment::Centre});
  picture.band = band_of(scale);
  picture.fair_price = {scale.at(1, fair_price), scale.at(scale.last_trial, fair_price)};
  for (const PathPoint& point : points) picture.path.push_back(scale.at(point.trial, point.average_prize));
  add_legend(picture, measure, settings);
  return picture;
}

std::string no_run_text() {
  return "Todavía no hay ninguna simulación: escriba un número de veces en la ventana de Zarandola y pulse "
         "«Simular».";
}

std::string path_description(std::span<const PathPoint> points, const RegionalSettings& settings) {
  if (points.empty()) return no_run_text();
  std::string said;
  for (const PathPoint& point : points) {
    const bool told = &point == &points.back() || (point.trial >= 10 && is_power_of_ten(point.trial));
    if (!told) continue;
    const std::string trials = format_number(point.trial, whole_pattern, settings);
    const std::string prize = format_number(point.average_prize, prize_pattern, settings);
    if (said.empty())
      said = "Tras " + trials + (point.trial == 1 ? " tirada, " : " tiradas, ") + prize + " pta";
    else
      said += "; tras " + trials + ", " + prize + " pta";
  }
  return said + "; precio justo " + format_number(fair_price, prize_pattern, settings) + " pta.";
}

}  // namespace zarandola::picture
