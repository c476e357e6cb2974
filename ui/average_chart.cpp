// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/average_chart.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygonF>

#include "ui/focus_frame.h"
#include "ui/qt_values.h"
#include "ui/system_settings.h"

namespace zarandola {
namespace {

using picture::TextStyle;

QFont font_for(TextStyle style) { return qt_font(picture::font_of(style)); }

class QtTextMeasure final : public picture::TextMeasure {
 public:
  double width(TextStyle style, const std::string& text) const override {
    return QFontMetrics(font_for(style)).horizontalAdvance(qt_text(text));
  }
  double height(TextStyle style) const override { return QFontMetrics(font_for(style)).height(); }
};

QLineF line_of(const picture::Line& line) { return {qt_point(line.from), qt_point(line.to)}; }

QPolygonF polygon_of(const std::vector<Point>& points) {
  QPolygonF polygon;
  for (const Point& point : points) polygon << qt_point(point);
  return polygon;
}

void draw_text(QPainter& painter, const picture::Text& text) {
  painter.save();
  painter.setFont(font_for(text.style));
  QRectF box = qt_rect(text.box);
  if (!text.upright) {  // reads upwards
    painter.translate(box.left(), box.bottom());
    painter.rotate(-90);
    box = QRectF(0, 0, box.height(), box.width());
  }
  painter.drawText(box, qt_alignment(text.alignment), qt_text(text.text));
  painter.restore();
}

void draw_picture(QPainter& painter, const picture::AveragePicture& drawn) {
  painter.setPen(qt_colour(picture::grid_colour));
  for (const picture::Line& line : drawn.grid) painter.drawLine(line_of(line));
  painter.setPen(Qt::black);
  for (const picture::Line& line : drawn.ticks) painter.drawLine(line_of(line));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(qt_rect(drawn.scale.plot));
  for (const picture::Text& text : drawn.texts) draw_text(painter, text);

  painter.setRenderHint(QPainter::Antialiasing);  // for the curves; the axes stay crisp
  painter.save();
  painter.setClipRect(qt_rect(drawn.scale.plot));
  painter.setPen(Qt::NoPen);
  painter.setBrush(qt_colour(picture::band_colour));
  painter.drawPolygon(polygon_of(drawn.band));
  painter.setPen(QPen(qt_colour(picture::fair_colour), picture::curve_width));
  painter.drawLine(line_of(drawn.fair_price));
  painter.setPen(
      QPen(qt_colour(picture::path_colour), picture::curve_width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.drawPolyline(polygon_of(drawn.path));
  painter.restore();

  painter.setPen(Qt::black);
  painter.setBrush(Qt::white);
  painter.drawRect(qt_rect(drawn.legend));
  painter.setFont(font_for(TextStyle::Label));
  for (const picture::LegendEntry& entry : drawn.legend_entries) {
    painter.fillRect(qt_rect(entry.sample), qt_colour(entry.colour));
    painter.drawText(qt_rect(entry.text_box), Qt::AlignLeft, qt_text(entry.text));
  }
}

}  // namespace

AverageChart::AverageChart(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);  // so that a screen reader reads it as its window opens
  setMinimumSize(480, 320);
  setAccessibleName(qt_text(picture::accessible_name));
  show_path({});
}

void AverageChart::show_path(std::span<const PathPoint> points) {
  points_.assign(points.begin(), points.end());
  setAccessibleDescription(qt_text(picture::path_description(points_, system_regional_settings())));
  update();
}

picture::AveragePicture AverageChart::picture() const {
  return picture::average_picture(points_, width(), height(), QtTextMeasure(), system_regional_settings());
}

void AverageChart::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  painter.setPen(Qt::black);
  if (points_.empty()) {
    const double margin = 2 * picture::gap;
    painter.setFont(font_for(TextStyle::Label));
    painter.drawText(QRectF(rect()).adjusted(margin, margin, -margin, -margin), Qt::AlignCenter | Qt::TextWordWrap,
                     qt_text(picture::no_run_text()));
  } else {
    draw_picture(painter, picture());
  }
  draw_focus_frame(painter, *this, rect().adjusted(2, 2, -2, -2));
}

}  // namespace zarandola
