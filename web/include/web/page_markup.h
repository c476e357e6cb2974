// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "report/printed_report.h"
#include "window/average_picture.h"
#include "window/drawing.h"
#include "window/layout.h"

// The browser's face: the window, its printed page and its picture as HTML
// and SVG, written from the same data that the desktop draws with Qt.
namespace zarandola::web {

// A text as HTML shows it: its markup characters escaped.
std::string html_escaped(std::string_view text);

// A font as CSS names it, in the face that the page carries for it.
std::string css_font(const FontStyle& font);

// A control's place and size in CSS pixels, from the window's top left corner.
Box window_box(const layout::ControlRow& row);

// The window's controls as positioned HTML, in the order of the table, each
// frame holding its controls; the page is drawn before any script runs. Each
// button names its command for the page's script (data-command).
std::string window_markup();

// A page's text with the window's title in place of each "@TITLE@" and the
// window in place of "@WINDOW@".
std::string filled_page(std::string_view page_template);

// The page of "Imprimir" as the browser prints it: one line of HTML a line
// of the page, in its face and size, indented with blanks as the printer does.
std::string print_markup(const Page& page);

// The picture drawn as SVG, its texts in the faces that measured them.
std::string picture_svg(const picture::AveragePicture& drawn, double width, double height);

}  // namespace zarandola::web
