// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QRectF>
#include <QString>
#include <QWidget>
#include <span>
#include <vector>

#include "core/average_path.h"
#include "format/regional_settings.h"

namespace zarandola {

// Where a trial number and a prize fall on the chart: the trial on a
// logarithmic scale from 1 at the left edge of the plot to the last trial at
// the right, the prize from 0 pta at the bottom to the top prize at the top.
struct ChartScale {
  QRectF plot;
  double last_trial = 10.0;
  double top_prize = 100.0;

  QPointF at(double trial, double prize) const;
};

// The path of a run's average prize in words, for a screen reader: its value
// after 10, 100, 1.000 … trials and after the last, then the fair price.
QString path_description(std::span<const PathPoint> points,
                         const RegionalSettings& settings = RegionalSettings::system());

// The picture of how a run's average prize settled on the fair price: the
// path against the trial number, the fair price and a band of two standard
// errors either side of it.
class AverageChart : public QWidget {
  Q_OBJECT

 public:
  explicit AverageChart(QWidget* parent = nullptr);

  // Shows this path; an empty one says that there is no run yet.
  void show_path(std::span<const PathPoint> points);
  ChartScale scale() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void draw_axes(QPainter& painter, const ChartScale& scale) const;
  void draw_legend(QPainter& painter, const ChartScale& scale) const;

  std::vector<PathPoint> points_;
};

}  // namespace zarandola
