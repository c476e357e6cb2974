// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QString>
#include <QWidget>
#include <ostream>
#include <vector>

#include "printed_fields.h"
#include "ui/frmzarandola.h"
#include "ui/text_boxes.h"

// Failures show texts as texts.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace zarandola {

using WindowTexts = WindowFields<std::string>;

namespace testing {

// The controls that the window builds from its layout, without Qt's own inner
// widgets and the windows it owns.
inline std::vector<QWidget*> controls_of(const QWidget& window) {
  std::vector<QWidget*> controls;
  for (QWidget* widget : window.findChildren<QWidget*>())
    if (widget->window() == &window && !widget->objectName().isEmpty() && !widget->objectName().startsWith("qt_"))
      controls.push_back(widget);
  return controls;
}

inline WindowTexts texts_of(const frmzarandola& window) { return zarandola::texts_of(window.text_boxes()); }

// What the fourteen result fields show.
inline ResultFields<std::string> results_of(const frmzarandola& window) { return texts_of(window); }

}  // namespace testing
}  // namespace zarandola
