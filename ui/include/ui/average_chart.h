// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <span>
#include <vector>

#include "core/average_path.h"
#include "window/average_picture.h"

namespace zarandola {

// The picture of how a run's average prize settled on the fair price, drawn
// from its geometry.
class AverageChart : public QWidget {
  Q_OBJECT

 public:
  explicit AverageChart(QWidget* parent = nullptr);

  // Shows this path; an empty one says that there is no run yet.
  void show_path(std::span<const PathPoint> points);
  // The picture at the chart's size.
  picture::AveragePicture picture() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<PathPoint> points_;
};

}  // namespace zarandola
