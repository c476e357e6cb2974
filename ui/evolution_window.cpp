// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/evolution_window.h"

#include <QVBoxLayout>

#include "ui/average_chart.h"
#include "ui/qt_values.h"

namespace zarandola {

EvolutionWindow::EvolutionWindow(QWidget* parent) : QDialog(parent), chart_(new AverageChart) {
  setObjectName(QStringLiteral("frmevolucion"));
  setWindowTitle(qt_text(picture::window_title));
  // A dialog, beside the main window, that a projector may show maximized.
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                 Qt::WindowCloseButtonHint);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(chart_);
  resize(960, 600);  // whole on a projector of 1280 by 720
}

void EvolutionWindow::hideEvent(QHideEvent* event) {
  place_ = geometry();
  QDialog::hideEvent(event);
}

void EvolutionWindow::show_path(std::span<const PathPoint> points) { chart_->show_path(points); }

void EvolutionWindow::present() {
  if (!isVisible() && place_.isValid()) setGeometry(place_);
  show();
  raise();
  activateWindow();
  chart_->setFocus();
}

}  // namespace zarandola
