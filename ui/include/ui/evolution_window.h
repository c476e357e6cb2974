// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <span>

#include "core/average_path.h"

namespace zarandola {

class AverageChart;

// "Evolución del premio medio": the picture of the last run's average prize,
// beside the main window. It keeps its place and size while the program runs,
// and Esc closes it.
class EvolutionWindow : public QDialog {
  Q_OBJECT

 public:
  explicit EvolutionWindow(QWidget* parent = nullptr);

  // Shows the path of the last run; an empty one, that there is none yet.
  void show_path(std::span<const PathPoint> points);
  // Brings the window to the front with the picture in focus, so that a
  // screen reader reads its description.
  void present();

  const AverageChart& chart() const { return *chart_; }

 protected:
  // Where it was, to open there again: a window manager may put a window that
  // opens anew elsewhere, by the height of its title bar.
  void hideEvent(QHideEvent* event) override;

 private:
  AverageChart* chart_;
  QRect place_;
};

}  // namespace zarandola
