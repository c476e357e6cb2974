// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string>
#include <vector>

#include "core/average_path.h"
#include "format/regional_settings.h"
#include "window/drawing.h"

// The picture of how a run's average prize settled on the fair price, as
// geometry: the path against the trial number, the fair price and a band of
// two standard errors either side of it, with its axes, in the pixels of a
// picture of a given size. A face draws it with a few loops.
namespace zarandola::picture {

// The picture's window, what a screen reader calls the picture, and the
// command that opens it from the main window, whose key its average's tooltip
// names (Ctrl+E).
inline constexpr const char* window_title = "Evolución del premio medio";
inline constexpr const char* accessible_name = "Gráfico de la evolución del premio medio";
inline constexpr const char* open_command = "Ver la evolución del premio medio…";
inline std::string open_hint(const std::string& keys) { return keys + ": ver la evolución del premio medio"; }

inline constexpr Rgb path_colour{0x1f, 0x4e, 0xa8};
inline constexpr Rgb fair_colour{0xb2, 0x22, 0x22};
inline constexpr Rgb band_colour{0xcd, 0xe8, 0xc8};
inline constexpr Rgb grid_colour{0xdc, 0xdc, 0xdc};
inline constexpr double curve_width = 3;  // the path's and the fair price's
// The room between a text and what it labels, and around the no-run text.
inline constexpr double gap = 12;

// The picture's two kinds of text: its title, and every other.
enum class TextStyle { Title, Label };

constexpr FontStyle font_of(TextStyle style) {
  return style == TextStyle::Title ? FontStyle{"MS Sans Serif", 16, true} : FontStyle{"MS Sans Serif", 12, false};
}

// The width and height of the picture's texts as its face draws them.
class TextMeasure {
 public:
  virtual ~TextMeasure() = default;
  virtual double width(TextStyle style, const std::string& text) const = 0;
  virtual double height(TextStyle style) const = 0;
};

// Where a trial number and a prize fall: the trial on a logarithmic scale
// from 1 at the left edge of the plot to the last trial at the right, the
// prize from 0 pta at the bottom to the top prize at the top.
struct Scale {
  Box plot;
  double last_trial = 10.0;
  double top_prize = 100.0;

  Point at(double trial, double prize) const;
};

struct Line {
  Point from, to;
};

// A text in its box. An upright text reads across the box, from its top; one
// that is not reads upwards, centred along the box's height.
struct Text {
  std::string text;
  TextStyle style;
  Box box;
  Alignment alignment;
  bool upright = true;
};

// What a colour means: its sample (a filled box for the band, a thick line
// for the curves) and its words.
struct LegendEntry {
  std::string text;
  Rgb colour;
  Box sample;
  Box text_box;
};

struct AveragePicture {
  Scale scale;
  std::vector<Line> grid;   // in the grid's colour, under everything
  std::vector<Line> ticks;  // black, as is the frame around the plot
  std::vector<Text> texts;  // black
  // Inside the plot only: the band, then the fair price, then the path.
  std::vector<Point> band;  // a closed shape
  Line fair_price;
  std::vector<Point> path;  // a line through the points
  Box legend;               // white, framed in black
  std::vector<LegendEntry> legend_entries;
};

// The picture of a run's path in a picture of width by height pixels; with no
// point, the axes of ten trials alone.
AveragePicture average_picture(std::span<const PathPoint> points, double width, double height,
                               const TextMeasure& measure, const RegionalSettings& settings);

// What the picture says before any run.
std::string no_run_text();

// The path in words, for a screen reader: its value after 10, 100, 1.000 …
// trials and after the last, then the fair price; before any run, no_run_text.
std::string path_description(std::span<const PathPoint> points, const RegionalSettings& settings);

}  // namespace zarandola::picture
