// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// What the window and its pictures are drawn with, as plain values that each
// face turns into its own.
namespace zarandola {

struct Rgb {
  std::uint8_t red, green, blue;
  bool operator==(const Rgb&) const = default;
};

// How a text lies across its box; a label's lies at the box's top, a text
// box's in its middle. None: the control shows no text of its own.
enum class Alignment { None, Left, Centre, Right };

struct FontStyle {
  const char* face;  // as the window names it; nullptr: no text, and no font set
  double points;
  bool bold;
};

struct Point {
  double x = 0, y = 0;
  bool operator==(const Point&) const = default;
};

struct Box {
  double left = 0, top = 0, width = 0, height = 0;
  double right() const { return left + width; }
  double bottom() const { return top + height; }
  bool operator==(const Box&) const = default;
};

}  // namespace zarandola
