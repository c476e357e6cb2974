// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <Qt>
#include <span>

#include "ui/text_boxes.h"

// The fixed layout of the main window, as data: one row a control.
namespace zarandola::layout {

enum class ControlKind { Label, TextBox, CommandButton, Frame, PictureBox };

struct FontStyle {
  const char* face;  // nullptr: the control shows no text and sets no font
  double points;
  bool bold;
};

struct Colours {
  QColor text;        // invalid: the platform's standard colour
  QColor background;  // invalid: the platform's standard colour
};

struct ControlRow {
  const char* name;
  ControlKind kind;
  const char* parent;            // nullptr: placed directly on the window
  const char* caption;           // UTF-8; a text box's initial text
  int left, top, width, height;  // twips, relative to the parent
  FontStyle font;
  Colours colours;
  Qt::Alignment alignment;
  int tab_index;
  // What a screen reader says of the control, where its caption does not say
  // it: for a text box, the short form of the captions a sighted user reads
  // for it (its prompt, or its row's and its column's headings).
  const char* accessible_name;
  // Where the window keeps the control, if its commands use it.
  QLineEdit* TextBoxes::*box = nullptr;
  QPushButton* CommandButtons::*button = nullptr;
  const char* accessible_description = nullptr;
};

// 15 twips to a device-independent pixel.
constexpr int twips_to_pixels(int twips) { return (twips + 7) / 15; }

constexpr int client_width_twips = 9510;
constexpr int client_height_twips = 8895;

std::span<const ControlRow> controls();

}  // namespace zarandola::layout
