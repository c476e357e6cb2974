// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/evolution_window.h"

#include <QVBoxLayout>

#include "ui/average_chart.h"

namespace zarandola {

EvolutionWindow::EvolutionWindow(QWidget* parent) : QDialog(parent), chart_(new AverageChart) {
  setObjectName(QStringLiteral("frmevolucion"));
  setWindowTitle(QStringLiteral("Evolución del premio medio"));
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                 Qt::WindowCloseButtonHint);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(chart_);
  resize(960, 600);  // whole on a projector of 1280 by 720
}

void EvolutionWindow::show_path(std::span<const PathPoint> points) { chart_->show_path(points); }

void EvolutionWindow::present() {
  show();
  raise();
  activateWindow();
  chart_->setFocus();
}

}  // namespace zarandola
