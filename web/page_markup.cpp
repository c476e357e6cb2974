// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/page_markup.h"

#include <charconv>
#include <cstdio>

#include "report/faces.h"

namespace zarandola::web {
namespace {

using layout::ControlKind;
using layout::ControlRow;
using layout::twips_to_pixels;

// A coordinate to a hundredth of a pixel, with no trailing zeros.
std::string number(double value) {
  char digits[32];
  std::string text(digits, std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, 2).ptr);
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  return text == "-0" ? "0" : text;
}

std::string css_colour(Rgb colour) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.red, colour.green, colour.blue);
  return text;
}

std::string attribute(const char* name, std::string_view value) {
  return std::string(" ") + name + "=\"" + html_escaped(value) + '"';
}

const char* css_alignment(Alignment alignment) {
  switch (alignment) {
    case Alignment::Left:
      return "left";
    case Alignment::Centre:
      return "center";
    case Alignment::Right:
      return "right";
    case Alignment::None:
      break;
  }
  return nullptr;
}

std::string control_style(const ControlRow& row) {
  std::string style = "left:" + number(twips_to_pixels(row.left)) + "px;top:" + number(twips_to_pixels(row.top)) +
                      "px;width:" + number(twips_to_pixels(row.width)) +
                      "px;height:" + number(twips_to_pixels(row.height)) + "px";
  if (row.font.face) style += ";font:" + css_font(row.font);
  if (row.colours.text) style += ";color:" + css_colour(*row.colours.text);
  if (row.colours.background) style += ";background-color:" + css_colour(*row.colours.background);
  if (const char* alignment = css_alignment(row.alignment)) style += std::string(";text-align:") + alignment;
  return style;
}

// A button's caption with its access key underlined, and the key: the letter
// after the "&" ("&&" is a plain "&").
struct Mnemonic {
  std::string markup;
  char key = 0;
};

Mnemonic mnemonic_of(std::string_view caption) {
  Mnemonic result;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] != '&' || i + 1 == caption.size()) {
      result.markup += html_escaped(caption.substr(i, 1));
    } else if (caption[++i] == '&') {
      result.markup += "&amp;";
    } else {
      result.key = caption[i];
      result.markup += "<u>" + html_escaped(caption.substr(i, 1)) + "</u>";
    }
  }
  return result;
}

bool takes_focus(ControlKind kind) {
  return kind == ControlKind::TextBox || kind == ControlKind::CommandButton || kind == ControlKind::PictureBox;
}

std::string opening(const ControlRow& row, const char* tag, const char* css_class) {
  std::string html = std::string("<") + tag + attribute("id", row.name) + attribute("class", css_class);
  // The page has nothing else to focus: the table's order is the page's.
  if (takes_focus(row.kind)) html += attribute("tabindex", std::to_string(row.tab_index + 1));
  if (row.accessible_name && row.kind != ControlKind::PictureBox) html += attribute("aria-label", row.accessible_name);
  if (row.accessible_description) html += attribute("aria-description", row.accessible_description);
  return html + attribute("style", control_style(row));
}

std::string text_box(const ControlRow& row) {
  std::string html = opening(row, "input", "casilla") + attribute("type", "text") + attribute("value", row.caption) +
                     " autocomplete=\"off\" spellcheck=\"false\"";
  if (row.field == Field::numexp) html += " inputmode=\"decimal\" autofocus";
  if (row.field == Field::premed) html += attribute("title", picture::open_hint("Ctrl+E"));
  return html + ">";
}

// What the page's script calls each button's command.
const char* command_of(layout::Button button) {
  switch (button) {
    case layout::Button::Simular:
      return "simulate";
    case layout::Button::Borrar:
      return "clear";
    case layout::Button::Command1:
      return "print";
    case layout::Button::Command2:
      return "end";
  }
  return "";
}

std::string button(const ControlRow& row) {
  const Mnemonic caption = mnemonic_of(row.caption);
  std::string html = opening(row, "button", "boton") + attribute("type", "button");
  if (row.button) html += attribute("data-command", command_of(*row.button));
  if (caption.key) {
    const char key[] = {static_cast<char>(caption.key & ~0x20), '\0'};  // as a keyboard labels it
    html += attribute("aria-keyshortcuts", std::string("Alt+") + key) + attribute("data-key", key);
  }
  return html + ">" + caption.markup + "</button>";
}

std::string control_markup(const ControlRow& row) {
  switch (row.kind) {
    case ControlKind::Label:
      return opening(row, "div", "etiqueta") + ">" + html_escaped(row.caption) + "</div>";
    case ControlKind::TextBox:
      return text_box(row);
    case ControlKind::CommandButton:
      return button(row);
    case ControlKind::PictureBox:
      // The site's builder puts the picture's address in place of its name.
      return opening(row, "img", "dibujo") + attribute("src", "@URL:wheels.png@") +
             attribute("alt", row.accessible_name) + ">";
    case ControlKind::Frame: {
      std::string html = opening(row, "div", "marco") + " role=\"group\">";
      for (const ControlRow& child : layout::controls())
        if (child.parent && std::string_view(child.parent) == row.name) html += control_markup(child);
      return html + "</div>";
    }
  }
  return {};
}

const ControlRow* row_named(std::string_view name) {
  for (const ControlRow& row : layout::controls())
    if (name == row.name) return &row;
  return nullptr;
}

std::string svg_line(const picture::Line& line) {
  return "<line x1=\"" + number(line.from.x) + "\" y1=\"" + number(line.from.y) + "\" x2=\"" + number(line.to.x) +
         "\" y2=\"" + number(line.to.y) + "\"/>";
}

std::string svg_box(const char* tag, const Box& box) {
  return std::string("<") + tag + " x=\"" + number(box.left) + "\" y=\"" + number(box.top) + "\" width=\"" +
         number(box.width) + "\" height=\"" + number(box.height) + "\"";
}

std::string svg_points(const std::vector<Point>& points) {
  std::string text;
  for (const Point& point : points) text += number(point.x) + "," + number(point.y) + " ";
  return text;
}

const char* text_anchor(Alignment alignment) {
  return alignment == Alignment::Centre ? "middle" : alignment == Alignment::Right ? "end" : "start";
}

double anchor_x(const Box& box, Alignment alignment) {
  return alignment == Alignment::Centre  ? box.left + box.width / 2
         : alignment == Alignment::Right ? box.right()
                                         : box.left;
}

// Upwards text is drawn across its box turned a quarter round its bottom left corner.
std::string svg_text(const picture::Text& text) {
  Box box = text.box;
  std::string turn;
  if (!text.upright) {
    turn = " transform=\"translate(" + number(box.left) + " " + number(box.bottom()) + ") rotate(-90)\"";
    box = {0, 0, text.box.height, text.box.width};
  }
  return "<text x=\"" + number(anchor_x(box, text.alignment)) + "\" y=\"" + number(box.top) +
         "\" dominant-baseline=\"text-before-edge\" text-anchor=\"" + text_anchor(text.alignment) +
         "\" style=\"font:" + html_escaped(css_font(picture::font_of(text.style))) + "\"" + turn + ">" +
         html_escaped(text.text) + "</text>";
}

}  // namespace

std::string html_escaped(std::string_view text) {
  std::string escaped;
  for (const char c : text) {
    switch (c) {
      case '&':
        escaped += "&amp;";
        break;
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

std::string css_font(const FontStyle& font) {
  return std::string(font.bold ? "bold " : "") + number(font.points) + "pt \"" + drawn_face(font.face) + "\"";
}

Box window_box(const ControlRow& row) {
  Box box{static_cast<double>(twips_to_pixels(row.left)), static_cast<double>(twips_to_pixels(row.top)),
          static_cast<double>(twips_to_pixels(row.width)), static_cast<double>(twips_to_pixels(row.height))};
  if (const ControlRow* parent = row.parent ? row_named(row.parent) : nullptr) {
    const Box frame = window_box(*parent);
    box.left += frame.left;
    box.top += frame.top;
  }
  return box;
}

std::string window_markup() {
  std::string html = "<main id=\"frmzarandola\" class=\"ventana\"" + attribute("aria-label", layout::window_title) +
                     " style=\"width:" + number(twips_to_pixels(layout::client_width_twips)) +
                     "px;height:" + number(twips_to_pixels(layout::client_height_twips)) + "px\">\n";
  for (const ControlRow& row : layout::controls())
    if (!row.parent) html += control_markup(row) + "\n";
  return html + "</main>";
}

std::string filled_page(std::string_view page_template) {
  std::string page(page_template);
  const auto fill = [&page](std::string_view mark, const std::string& text) {
    for (std::size_t at = page.find(mark); at != std::string::npos; at = page.find(mark, at + text.size()))
      page.replace(at, mark.size(), text);
  };
  fill("@TITLE@", html_escaped(layout::window_title));
  fill("@WINDOW@", window_markup());
  return page;
}

std::string print_markup(const Page& page) {
  const std::string face = drawn_face(page.font_name);
  std::string html;
  for (const PageLine& line : page.lines) {
    html += "<div style=\"font:" + number(line.points) + "pt &quot;" + html_escaped(face) + "&quot;\">";
    html += std::string(static_cast<std::size_t>(line.indent), ' ');
    for (const std::string& item : line.items) html += html_escaped(item);
    html += line.items.empty() ? " </div>" : "</div>";
  }
  return html;
}

std::string picture_svg(const picture::AveragePicture& drawn, double width, double height) {
  std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 " + number(width) + " " + number(height) +
                    "\" width=\"" + number(width) + "\" height=\"" + number(height) + "\">";
  svg += "<rect width=\"100%\" height=\"100%\" fill=\"white\"/>";
  svg += "<g shape-rendering=\"crispEdges\" stroke=\"" + css_colour(picture::grid_colour) + "\">";
  for (const picture::Line& line : drawn.grid) svg += svg_line(line);
  svg += "</g><g shape-rendering=\"crispEdges\" stroke=\"black\">";
  for (const picture::Line& line : drawn.ticks) svg += svg_line(line);
  svg += svg_box("rect", drawn.scale.plot) + " fill=\"none\"/></g>";
  for (const picture::Text& text : drawn.texts) svg += svg_text(text);

  svg += "<clipPath id=\"plot\">" + svg_box("rect", drawn.scale.plot) + "/></clipPath><g clip-path=\"url(#plot)\">";
  svg += "<polygon points=\"" + svg_points(drawn.band) + "\" fill=\"" + css_colour(picture::band_colour) + "\"/>";
  const std::string curve_width = "\" stroke-width=\"" + number(picture::curve_width) + "\"";
  svg += "<g stroke=\"" + css_colour(picture::fair_colour) + curve_width + ">" + svg_line(drawn.fair_price) + "</g>";
  svg += "<polyline points=\"" + svg_points(drawn.path) + "\" fill=\"none\" stroke=\"" +
         css_colour(picture::path_colour) + curve_width + " stroke-linecap=\"round\" stroke-linejoin=\"round\"/></g>";

  svg += svg_box("rect", drawn.legend) + " fill=\"white\" stroke=\"black\" shape-rendering=\"crispEdges\"/>";
  for (const picture::LegendEntry& entry : drawn.legend_entries) {
    svg += svg_box("rect", entry.sample) + " fill=\"" + css_colour(entry.colour) + "\"/>";
    svg += svg_text({entry.text, picture::TextStyle::Label, entry.text_box, Alignment::Left});
  }
  return svg + "</svg>";
}

}  // namespace zarandola::web
