// SPDX-License-Identifier: GPL-3.0-or-later
// How the window looks, whatever the faces and colours of the desktop: run
// here with the window tests, and under Wine with the faces that the Windows
// program carries and Windows' dark setting.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleHints>
#include <algorithm>
#include <cmath>
#include <vector>

#include "recording_printer.h"
#include "scripted_random_source.h"
#include "ui/average_chart.h"
#include "ui/evolution_window.h"
#include "ui/frmzarandola.h"
#include "ui/qt_values.h"
#include "window_texts.h"

namespace zarandola {
namespace {

using testing::controls_of;
using testing::RecordingPrinter;
using testing::ScriptedRandomSource;

class WindowLook : public ::testing::Test {
 protected:
  WindowLook() : window_(runner_on(source_), printer_) {
    window_.show();
    QCoreApplication::processEvents();
  }

  QWidget* control(const char* name) { return window_.findChild<QWidget*>(QString::fromUtf8(name)); }

  ScriptedRandomSource source_{{}};
  RecordingPrinter printer_;
  frmzarandola window_;
};

TEST_F(WindowLook, EveryControlLiesInsideItsContainerAndNoCaptionIsClipped) {
  // In the faces that the layout was measured with.
  EXPECT_EQ(QFontInfo(window_.text_boxes().numexp->font()).family(), "Liberation Sans");
  EXPECT_EQ(QFontInfo(control("Label19")->font()).family(), "Comic Neue");
  for (QWidget* widget : controls_of(window_)) {
    const std::string name = widget->objectName().toStdString();
    EXPECT_TRUE(widget->parentWidget()->rect().contains(widget->geometry())) << name;
    if (auto* label = qobject_cast<QLabel*>(widget)) {
      EXPECT_LE(label->heightForWidth(label->width()), label->height()) << name << " needs more lines than it shows";
    }
    if (auto* push = qobject_cast<QPushButton*>(widget)) {
      EXPECT_LT(push->fontMetrics().horizontalAdvance(push->text()), push->width() - 8) << name;
    }
  }
  // No text box or button covers another, wherever its frame puts it.
  std::vector<QWidget*> boxes_and_buttons;
  for (QWidget* widget : controls_of(window_))
    if (qobject_cast<QLineEdit*>(widget) || qobject_cast<QPushButton*>(widget)) boxes_and_buttons.push_back(widget);
  ASSERT_EQ(boxes_and_buttons.size(), 19u);
  const auto on_window = [&](const QWidget* w) { return QRect(w->mapTo(&window_, QPoint(0, 0)), w->size()); };
  for (std::size_t i = 0; i < boxes_and_buttons.size(); ++i)
    for (std::size_t j = i + 1; j < boxes_and_buttons.size(); ++j)
      EXPECT_FALSE(on_window(boxes_and_buttons[i]).intersects(on_window(boxes_and_buttons[j])))
          << boxes_and_buttons[i]->objectName().toStdString() << " overlaps "
          << boxes_and_buttons[j]->objectName().toStdString();
  // The prize table shows as three lines, one fruit a line.
  auto* prizes = qobject_cast<QLabel*>(control("Label3"));
  EXPECT_EQ(prizes->heightForWidth(prizes->width()), 3 * prizes->fontMetrics().lineSpacing());
  // Single-line captions stay on one line.
  for (const char* name : {"Label8", "Label9", "Label10", "Label11", "Label16", "Label17", "Label7", "Label19"}) {
    auto* label = qobject_cast<QLabel*>(control(name));
    EXPECT_EQ(label->heightForWidth(label->width()), label->fontMetrics().lineSpacing()) << name;
  }
}

// WCAG's contrast ratio of two colours.
double contrast(const QColor& first, const QColor& second) {
  const auto luminance = [](const QColor& colour) {
    const auto linear = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
  };
  const double a = luminance(first);
  const double b = luminance(second);
  return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

TEST(DarkTheme, EveryCaptionAndTheTrialCountStayReadable) {
  const QPalette desktop = QApplication::palette();
  // Under Wine, the Windows checks turn on Windows' own dark setting instead.
  if (qEnvironmentVariable("ZARANDOLA_DESKTOP") != "dark") QApplication::setPalette(QPalette(QColor(50, 50, 50)));
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
  EXPECT_NE(QGuiApplication::styleHints()->colorScheme(), Qt::ColorScheme::Dark);
#endif
  ScriptedRandomSource source({});
  RecordingPrinter printer;
  frmzarandola window(runner_on(source), printer);
  QApplication::setPalette(desktop);
  for (const QLabel* label : window.findChildren<QLabel*>()) {
    SCOPED_TRACE(label->objectName().toStdString());
    const bool large = label->font().pointSizeF() >= 14 && label->font().bold();
    EXPECT_GE(contrast(label->palette().color(QPalette::WindowText), label->palette().color(QPalette::Window)),
              large ? 3.0 : 4.5);
  }
  const QPalette count = window.text_boxes().numexp->palette();
  EXPECT_GE(contrast(count.color(QPalette::Text), count.color(QPalette::Base)), 4.5);
}

// Which of red, green and blue a drawn pixel leans to, or white.
char tint(const QColor& colour) {
  const int r = colour.red(), g = colour.green(), b = colour.blue();
  if (std::min({r, g, b}) > 235) return 'w';
  if (r > g && r > b) return 'r';
  return g > b ? 'g' : 'b';
}

// A run that wins 100 pta at every trial: its path runs flat at 100 pta, above
// the band from a few dozen trials on.
TEST(EvolutionPicture, TheFairPriceTheBandAndThePathLieWhereTheAxesSay) {
  ScriptedRandomSource cherries({0.0f});
  AveragePath path(20000);
  run_simulation(20000, cherries, path);
  EvolutionWindow window;
  window.show_path(path.points());
  window.show();
  QCoreApplication::processEvents();
  const QImage image = window.grab().toImage();
  const picture::Scale scale = window.chart().picture().scale;
  const auto at = [&](double trial, double prize) { return qt_point(scale.at(trial, prize)); };
  const auto pixel = [&](QPointF place) { return image.pixelColor(window.chart().mapTo(&window, place.toPoint())); };
  const auto drawn = [&](double trial, double prize) { return tint(pixel(at(trial, prize))); };
  // A tick is a line a pixel wide: it lies on the pixel of its place or the next.
  const auto tick_at = [&](QPointF at, QPointF across) {
    return std::min({pixel(at - across).lightness(), pixel(at).lightness(), pixel(at + across).lightness()}) < 100;
  };
  for (double trial = 1; trial <= 10000; trial *= 10)
    EXPECT_TRUE(tick_at(at(trial, 0) + QPointF(0, 3), QPointF(1, 0))) << "no tick under " << trial;
  for (double prize = 0; prize <= scale.top_prize; prize += 50)
    EXPECT_TRUE(tick_at(at(1, prize) - QPointF(3, 0), QPointF(0, 1))) << "no tick beside " << prize;
  const double fair = TheoreticalValues::expected_prize;
  for (const double trial : {100.0, 300.0}) {
    SCOPED_TRACE(trial);
    const double spread = 2 * std::sqrt(TheoreticalValues::prize_variance / trial);
    EXPECT_EQ(drawn(trial, fair), 'r') << "the fair price";
    EXPECT_EQ(drawn(trial, fair + spread / 2), 'g') << "inside the band";
    EXPECT_EQ(drawn(trial, fair - spread / 2), 'g') << "inside the band";
    EXPECT_EQ(drawn(trial, fair + 1.5 * spread), 'w') << "beyond the band";
    EXPECT_EQ(drawn(trial, fair - 1.5 * spread), 'w') << "beyond the band";
  }
  for (const double trial : {30.0, 3000.0, 15000.0}) EXPECT_EQ(drawn(trial, 100), 'b') << "the path at " << trial;
}

}  // namespace
}  // namespace zarandola
