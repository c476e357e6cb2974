// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <span>

#include "report/window_fields.h"
#include "window/drawing.h"

// The fixed layout of the main window, as data: one row a control.
namespace zarandola::layout {

enum class ControlKind { Label, TextBox, CommandButton, Frame, PictureBox };

struct Colours {
  std::optional<Rgb> text;        // none: the platform's standard colour
  std::optional<Rgb> background;  // none: the platform's standard colour
};

// The window's four buttons, by the names of their controls.
enum class Button { Simular, Borrar, Command1, Command2 };

struct ControlRow {
  const char* name;
  ControlKind kind;
  const char* parent;            // nullptr: placed directly on the window
  const char* caption;           // UTF-8; a text box's initial text
  int left, top, width, height;  // twips, relative to the parent
  FontStyle font;
  Colours colours;
  Alignment alignment;
  int tab_index;
  // What a screen reader says of the control, where its caption does not say
  // it: for a text box, the short form of the captions a sighted user reads
  // for it (its prompt, or its row's and its column's headings).
  const char* accessible_name;
  // The field or the button that the control is, if the commands use it.
  std::optional<Field> field = {};
  std::optional<Button> button = {};
  const char* accessible_description = nullptr;
};

// The window's title, which its message boxes bear too.
inline constexpr const char* window_title = "Zarandola";

// 15 twips to a device-independent pixel.
constexpr int twips_to_pixels(int twips) { return (twips + 7) / 15; }

constexpr int client_width_twips = 9510;
constexpr int client_height_twips = 8895;

std::span<const ControlRow> controls();

}  // namespace zarandola::layout
