// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/average_chart.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygonF>
#include <QStringList>
#include <algorithm>
#include <cmath>

#include "core/game_model.h"
#include "format/number_text.h"
#include "report/faces.h"
#include "ui/focus_frame.h"

namespace zarandola {
namespace {

constexpr DisplayPattern whole_pattern{1, 0, true};  // 1, 10, 1.000
constexpr DisplayPattern prize_pattern{1, 2, true};  // 5,00, 61,11
constexpr double fair_price = TheoreticalValues::expected_prize;
const QColor path_colour(0x1f, 0x4e, 0xa8);
const QColor fair_colour(0xb2, 0x22, 0x22);
const QColor band_colour(0xcd, 0xe8, 0xc8);
const QColor grid_colour(0xdc, 0xdc, 0xdc);
constexpr int gap = 12;  // pixels between a text and what it labels

// How far a run's average may stray, as two standard errors of n trials.
double two_standard_errors(double trials) { return 2.0 * std::sqrt(TheoreticalValues::prize_variance / trials); }

QFont chart_font(double points, bool bold = false) {
  QFont font(drawn_face(QStringLiteral("MS Sans Serif")));
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}
QFont title_font() { return chart_font(16, true); }
QFont label_font() { return chart_font(12); }

QString no_run_text() {
  return QStringLiteral(
      "Todavía no hay ninguna simulación: escriba un número de veces en la ventana de Zarandola y "
      "pulse «Simular».");
}

QString whole_number_text(double value) { return format_number(static_cast<std::int32_t>(value), whole_pattern); }

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

}  // namespace

QPointF ChartScale::at(double trial, double prize) const {
  const double across = std::log10(trial) / std::log10(last_trial);
  return {plot.left() + across * plot.width(), plot.bottom() - prize / top_prize * plot.height()};
}

QString path_description(std::span<const PathPoint> points, const RegionalSettings& settings) {
  if (points.empty()) return no_run_text();
  QStringList said;
  for (const PathPoint& point : points) {
    const bool told = &point == &points.back() || (point.trial >= 10 && is_power_of_ten(point.trial));
    if (!told) continue;
    const QString trials = format_number(point.trial, whole_pattern, settings);
    const QString prize = format_number(point.average_prize, prize_pattern, settings);
    if (said.empty())
      said << QStringLiteral("Tras %1 %2, %3 pta")
                  .arg(trials, point.trial == 1 ? QStringLiteral("tirada") : QStringLiteral("tiradas"), prize);
    else
      said << QStringLiteral("tras %1, %2 pta").arg(trials, prize);
  }
  said << QStringLiteral("precio justo %1 pta.").arg(format_number(fair_price, prize_pattern, settings));
  return said.join(QStringLiteral("; "));
}

AverageChart::AverageChart(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);  // so that a screen reader reads it as its window opens
  setMinimumSize(480, 320);
  setAccessibleName(QStringLiteral("Gráfico de la evolución del premio medio"));
  show_path({});
}

void AverageChart::show_path(std::span<const PathPoint> points) {
  points_.assign(points.begin(), points.end());
  setAccessibleDescription(path_description(points_));
  update();
}

ChartScale AverageChart::scale() const {
  const double top_prize = top_prize_of(points_);
  const QFontMetrics labels(label_font());
  const QFontMetrics title(title_font());
  const double left = labels.height() + labels.horizontalAdvance(whole_number_text(top_prize)) + 2 * gap;
  const double right = labels.horizontalAdvance(QStringLiteral("00.000.000")) / 2.0 + gap;
  const double top = title.height() + 2 * gap;
  const double bottom = 2 * labels.height() + 2 * gap;
  return {.plot = QRectF(left, top, width() - left - right, height() - top - bottom),
          .last_trial = std::max(10.0, points_.empty() ? 0.0 : points_.back().trial),
          .top_prize = top_prize};
}

void AverageChart::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  painter.setPen(Qt::black);
  painter.setFont(label_font());
  if (points_.empty()) {
    painter.drawText(rect().adjusted(2 * gap, 2 * gap, -2 * gap, -2 * gap), Qt::AlignCenter | Qt::TextWordWrap,
                     no_run_text());
  } else {
    const ChartScale scale = this->scale();
    draw_axes(painter, scale);
    painter.setRenderHint(QPainter::Antialiasing);  // for the curves; the axes stay crisp
    painter.save();
    painter.setClipRect(scale.plot);
    // The band, its upper edge left to right and its lower edge back.
    QPolygonF band;
    const int columns = std::max(2, static_cast<int>(scale.plot.width() / 2));
    for (int column = 0; column <= 2 * columns + 1; ++column) {
      const int along = column <= columns ? column : 2 * columns + 1 - column;
      const double trial = std::pow(scale.last_trial, static_cast<double>(along) / columns);
      const double spread = two_standard_errors(trial);
      band << scale.at(trial, column <= columns ? fair_price + spread : std::max(0.0, fair_price - spread));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(band_colour);
    painter.drawPolygon(band);
    painter.setPen(QPen(fair_colour, 3));
    painter.drawLine(scale.at(1, fair_price), scale.at(scale.last_trial, fair_price));
    QPolygonF path;
    for (const PathPoint& point : points_) path << scale.at(point.trial, point.average_prize);
    painter.setPen(QPen(path_colour, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(path);
    painter.restore();
    draw_legend(painter, scale);
  }
  draw_focus_frame(painter, *this, rect().adjusted(2, 2, -2, -2));
}

// The grid, the ticks with their labels, the frame and the titles.
void AverageChart::draw_axes(QPainter& painter, const ChartScale& scale) const {
  const QRectF& plot = scale.plot;
  const QFontMetrics metrics(painter.font());
  const double label_height = metrics.height();
  for (double decade = 1; decade <= scale.last_trial; decade *= 10) {
    const double x = scale.at(decade, 0).x();
    painter.setPen(grid_colour);
    painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    painter.setPen(Qt::black);
    for (int multiple = 2; multiple <= 9 && decade * multiple <= scale.last_trial; ++multiple) {
      const double minor = scale.at(decade * multiple, 0).x();
      painter.drawLine(QPointF(minor, plot.bottom()), QPointF(minor, plot.bottom() + gap / 3.0));
    }
    painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + gap / 2.0));
    painter.drawText(QRectF(x - 100, plot.bottom() + gap / 2.0, 200, label_height), Qt::AlignHCenter,
                     whole_number_text(decade));
  }
  const double step = prize_step(scale.top_prize);
  for (double prize = 0; prize <= scale.top_prize; prize += step) {
    const double y = scale.at(1, prize).y();
    painter.setPen(grid_colour);
    painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    painter.setPen(Qt::black);
    painter.drawLine(QPointF(plot.left() - gap / 2.0, y), QPointF(plot.left(), y));
    painter.drawText(QRectF(0, y - label_height / 2, plot.left() - gap, label_height), Qt::AlignRight,
                     whole_number_text(prize));
  }
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(plot);
  painter.drawText(QRectF(plot.left(), plot.bottom() + label_height + gap, plot.width(), label_height),
                   Qt::AlignHCenter, QStringLiteral("Número de tiradas (escala logarítmica)"));
  painter.save();
  painter.translate(0, plot.center().y());
  painter.rotate(-90);
  painter.drawText(QRectF(-plot.height() / 2, gap / 2.0, plot.height(), label_height), Qt::AlignHCenter,
                   QStringLiteral("Premio medio (pta)"));
  painter.restore();
  painter.save();
  painter.setFont(title_font());
  painter.drawText(QRectF(0, gap, width(), plot.top() - 2 * gap), Qt::AlignHCenter,
                   QStringLiteral("Premio medio según el número de tiradas"));
  painter.restore();
}

// What each colour means, at the top right, where the path has settled.
void AverageChart::draw_legend(QPainter& painter, const ChartScale& scale) const {
  const QString fair = format_number(fair_price, prize_pattern);
  const std::pair<QString, QColor> entries[] = {
      {QStringLiteral("Premio medio de la simulación"), path_colour},
      {QStringLiteral("Precio justo: %1 pta").arg(fair), fair_colour},
      {QStringLiteral("Precio justo ± 2 errores típicos"), band_colour},
  };
  const QFontMetrics metrics(painter.font());
  const double sample = 3 * gap;
  double widest = 0;
  for (const auto& entry : entries)
    widest = std::max(widest, static_cast<double>(metrics.horizontalAdvance(entry.first)));
  const QRectF box(scale.plot.right() - widest - sample - 4 * gap, scale.plot.top() + gap, widest + sample + 3 * gap,
                   std::size(entries) * metrics.height() + gap);
  painter.setPen(Qt::black);
  painter.setBrush(Qt::white);
  painter.drawRect(box);
  double y = box.top() + gap / 2.0;
  for (const auto& [text, colour] : entries) {
    const QRectF swatch(box.left() + gap, y + metrics.height() / 4.0, sample, metrics.height() / 2.0);
    if (colour == band_colour)
      painter.fillRect(swatch, colour);
    else
      painter.fillRect(QRectF(swatch.left(), swatch.center().y() - 1.5, sample, 3), colour);
    painter.drawText(QRectF(swatch.right() + gap, y, widest, metrics.height()), Qt::AlignLeft, text);
    y += metrics.height();
  }
}

}  // namespace zarandola
