// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <map>
#include <memory>
#include <vector>

#include "modal_message.h"
#include "recording_printer.h"
#include "scripted_random_source.h"
#include "ui/average_chart.h"
#include "ui/evolution_window.h"
#include "ui/frmzarandola.h"
#include "ui/picture_box.h"
#include "window/simulate_command.h"
#include "window_texts.h"

namespace zarandola {
namespace {

using testing::controls_of;
using testing::message_from;
using testing::RecordingPrinter;
using testing::results_of;
using testing::ScriptedRandomSource;
using testing::texts_of;

const SimulationResults worked_example{.limon = "01",
                                       .manzana = "02",
                                       .cereza = "05",
                                       .nopre = "12",
                                       .limonp = "5,00",
                                       .manzanap = "10,00",
                                       .cerezap = "25,00",
                                       .noprep = "60,00",
                                       .limont = "2,78",
                                       .manzanat = "11,11",
                                       .cerezat = "25,00",
                                       .nopret = "61,11",
                                       .premed = "70,00",
                                       .espemat = "61,11"};

// Twenty trials: one lemon pair, two apple pairs, five cherry pairs and twelve without a prize.
std::vector<float> twenty_trials_script() {
  std::vector<float> values{0.95f, 0.95f, 0.6f, 0.6f, 0.6f, 0.6f};
  for (int i = 0; i < 5; ++i) values.insert(values.end(), {0.1f, 0.1f});
  for (int i = 0; i < 12; ++i) values.insert(values.end(), {0.1f, 0.6f});
  return values;
}

// Notes the application's cursor at each operation, as the user sees it.
struct CursorRecordingPrinter : RecordingPrinter {
  CursorRecordingPrinter() {
    on_operation = [this] {
      const QCursor* shown = QGuiApplication::overrideCursor();
      cursor = shown ? shown->shape() : Qt::ArrowCursor;
    };
  }
  Qt::CursorShape cursor = Qt::ArrowCursor;
};

// Counts the paint events that a widget receives.
struct PaintCount : QObject {
  explicit PaintCount(QWidget* widget) { widget->installEventFilter(this); }
  bool eventFilter(QObject*, QEvent* event) override {
    count += event->type() == QEvent::Paint;
    return false;
  }
  int count = 0;
};

class WindowTest : public ::testing::Test {
 protected:
  explicit WindowTest(std::vector<float> script = twenty_trials_script())
      : source_(std::move(script)), window_(runner_on(source_), printer_) {
    window_.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window_));
  }

  QWidget* control(const char* name) { return window_.findChild<QWidget*>(QString::fromUtf8(name)); }
  QPushButton* button(const char* name) { return window_.findChild<QPushButton*>(QString::fromUtf8(name)); }
  const TextBoxes& boxes() { return window_.text_boxes(); }
  void type_count(const QString& text) { boxes().numexp->setText(text); }

  ScriptedRandomSource source_;
  CursorRecordingPrinter printer_;
  frmzarandola window_;
};

TEST_F(WindowTest, HasTheFortyOneControls) {
  std::map<std::string, int> kinds;
  for (QWidget* widget : controls_of(window_)) {
    if (qobject_cast<PictureBox*>(widget))
      ++kinds["picture"];
    else if (qobject_cast<QLabel*>(widget))
      ++kinds["label"];
    else if (qobject_cast<QLineEdit*>(widget))
      ++kinds["text box"];
    else if (qobject_cast<QPushButton*>(widget))
      ++kinds["button"];
    else if (qobject_cast<QGroupBox*>(widget))
      ++kinds["frame"];
    else
      ++kinds[widget->metaObject()->className()];
  }
  EXPECT_EQ(kinds,
            (std::map<std::string, int>{{"button", 4}, {"frame", 2}, {"label", 19}, {"picture", 1}, {"text box", 15}}));
  EXPECT_EQ(window_.windowTitle(), "Zarandola");
  EXPECT_EQ(window_.size(), QSize(634, 593));
  EXPECT_FALSE(window_.windowIcon().isNull());
}

// Also run on a laptop screen of 1366 × 768 at 150 %, too small for the
// window: the window then fits the screen, and the focus scrolls every box
// and button into view.
TEST_F(WindowTest, EveryBoxAndButtonComesIntoViewWithTheFocus) {
  window_.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
  const QRect screen = window_.screen()->availableGeometry();
  EXPECT_LE(window_.width(), screen.width());
  EXPECT_LE(window_.height() + window_.style()->pixelMetric(QStyle::PM_TitleBarHeight), screen.height())
      << "no room left for the title bar";
  const auto in_view = [&](const QWidget* widget) {
    return window_.rect().contains(QRect(widget->mapTo(&window_, QPoint(0, 0)), widget->size()));
  };
  // Enter, typed where the window opens, brings the answer line into view.
  type_count("20");
  QTest::keyClick(boxes().numexp, Qt::Key_Return);
  EXPECT_TRUE(in_view(boxes().premed)) << "the answer is out of view";
  for (QWidget* widget : controls_of(window_)) {
    if (!qobject_cast<QLineEdit*>(widget) && !qobject_cast<QPushButton*>(widget)) continue;
    widget->setFocus();
    QCoreApplication::processEvents();
    EXPECT_TRUE(in_view(widget)) << widget->objectName().toStdString() << " is out of view";
  }
  if (window_.findChild<QScrollArea*>()) {
    EXPECT_EQ(window_.pos(), screen.topLeft()) << "the title bar may be off the screen";
  }
}

TEST_F(WindowTest, ThePictureShowsWhenItHasTheFocus) {
  window_.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
  QWidget* picture = control("Picture1");
  boxes().numexp->setFocus();
  const QImage without_focus = picture->grab().toImage();
  QTest::keyClick(boxes().numexp, Qt::Key_Tab);
  ASSERT_TRUE(picture->hasFocus());
  EXPECT_NE(picture->grab().toImage(), without_focus) << "no focus mark";
}

TEST_F(WindowTest, CaptionsKeepTheirAccentsAndTrailingBlanks) {
  EXPECT_EQ(button("Simular")->text(), "&Simular");
  EXPECT_EQ(button("Borrar")->text(), "&Borrar");
  EXPECT_EQ(button("Command1")->text(), "&Imprimir");
  EXPECT_EQ(button("Command2")->text(), "&Terminar");
  EXPECT_EQ(qobject_cast<QLabel*>(control("Label5"))->text(), QString::fromUtf8("¿Qué precio les recomendarías?"));
  EXPECT_EQ(qobject_cast<QLabel*>(control("Label14"))->text(), QString::fromUtf8("% teórico"));
  EXPECT_EQ(qobject_cast<QLabel*>(control("Label12"))->text(), QString::fromUtf8("nº de veces"));
  EXPECT_EQ(qobject_cast<QLabel*>(control("Label15"))->text(), "El premio medio ha sido de ");
  EXPECT_EQ(qobject_cast<QLabel*>(control("Label17"))->text(),
            QString::fromUtf8("El valor teórico (esperanza matemática) es "));
  EXPECT_TRUE(qobject_cast<QGroupBox*>(control("Frame1"))->title().isEmpty());
  for_each_window_field(
      [](QLineEdit* box) {
        EXPECT_EQ(box->text(), " ") << box->objectName().toStdString();
        EXPECT_FALSE(box->accessibleName().isEmpty()) << box->objectName().toStdString();
      },
      boxes());
}

TEST_F(WindowTest, ResultFieldsTitleAndHeadingsWearTheirColoursAndFonts) {
  const TextBoxes& b = boxes();
  for (QLineEdit* box : {b.limon, b.manzana, b.cereza, b.nopre, b.limonp, b.manzanap, b.cerezap, b.noprep, b.premed}) {
    const QPalette palette = box->palette();
    EXPECT_EQ(palette.color(QPalette::Text), QColor(0, 0, 255)) << box->objectName().toStdString();
    EXPECT_EQ(palette.color(QPalette::Base), QColor(224, 224, 224)) << box->objectName().toStdString();
    EXPECT_TRUE(box->font().bold()) << box->objectName().toStdString();
  }
  for (QLineEdit* box : {b.limont, b.manzanat, b.cerezat, b.nopret, b.espemat}) {
    const QPalette palette = box->palette();
    EXPECT_EQ(palette.color(QPalette::Text), QColor(192, 0, 0)) << box->objectName().toStdString();
    EXPECT_EQ(palette.color(QPalette::Base), QColor(192, 192, 192)) << box->objectName().toStdString();
  }
  QLineEdit* numexp = b.numexp;
  EXPECT_EQ(numexp->palette().color(QPalette::Base), QApplication::palette(numexp).color(QPalette::Base));
  EXPECT_FALSE(numexp->font().bold());
  EXPECT_LT(b.espemat->font().pointSizeF(), b.premed->font().pointSizeF());
  EXPECT_EQ(b.premed->alignment(), Qt::AlignRight | Qt::AlignVCenter) << "the money is not right-aligned";
  // The title and the headings, as a user sees them.
  struct Heading {
    const char* name;
    double points;
  };
  for (const Heading& heading : {Heading{"Label1", 18}, Heading{"Label6", 9.75}, Heading{"Label12", 9.75},
                                 Heading{"Label13", 9.75}, Heading{"Label14", 9.75}}) {
    const QFont font = control(heading.name)->font();
    EXPECT_EQ(QFontInfo(font).family(), "Liberation Sans") << heading.name;
    EXPECT_EQ(font.pointSizeF(), heading.points) << heading.name;
    EXPECT_TRUE(font.bold()) << heading.name;
  }
  EXPECT_EQ(control("Label1")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
}

TEST_F(WindowTest, TabWalksTheFocusChainAndWrapsAround) {
  window_.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
  const TextBoxes& b = boxes();
  EXPECT_EQ(QApplication::focusWidget(), b.numexp);
  type_count("20");
  std::vector<QWidget*> visited;
  for (int step = 0; step < 20; ++step) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QWidget* focus = visited.emplace_back(QApplication::focusWidget());
    EXPECT_NE(QAccessible::queryAccessibleInterface(focus)->text(QAccessible::Name), "") << "a tab stop without a name";
    // A new count typed after Tab replaces the old one; a figure is read, not replaced.
    const auto* box = qobject_cast<QLineEdit*>(focus);
    EXPECT_TRUE(!box || box->hasSelectedText() == (box == b.numexp)) << focus->objectName().toStdString();
  }
  const std::vector<QWidget*> expected{
      control("Picture1"), button("Simular"),  button("Borrar"),   b.limon,   b.limonp, b.limont, b.manzana, b.manzanap,
      b.manzanat,          b.cereza,           b.cerezap,          b.cerezat, b.nopre,  b.noprep, b.nopret,  b.premed,
      b.espemat,           button("Command1"), button("Command2"), b.numexp};
  EXPECT_EQ(visited, expected);
}

TEST_F(WindowTest, SimulateShowsTheWorkedExample) {
  type_count("20");
  button("Simular")->click();
  EXPECT_EQ(boxes().numexp->text(), "20");
  EXPECT_EQ(results_of(window_), worked_example);
  EXPECT_EQ(source_.reseeds, 20u);
}

TEST_F(WindowTest, ClearEmptiesAllFifteenEvenTwiceAndSimulateFillsThemAgain) {
  type_count("20");
  button("Simular")->click();
  for (int time = 0; time < 2; ++time) {
    control("Simular")->setFocus();
    button("Borrar")->click();
    for_each_window_field([](QLineEdit* box) { EXPECT_EQ(box->text(), "") << box->objectName().toStdString(); },
                          boxes());
    EXPECT_TRUE(boxes().numexp->hasFocus());
  }
  type_count("20");
  button("Simular")->click();
  EXPECT_EQ(results_of(window_), worked_example);
}

TEST_F(WindowTest, ImprimirPrintsTheFieldsAsTheyStandAtTheClick) {
  type_count("20");
  button("Simular")->click();
  type_count("10000");
  boxes().cereza->setText("siete");
  const auto before = texts_of(window_);
  button("Command1")->click();
  ASSERT_EQ(printer_.operations.size(), 28u);
  EXPECT_EQ(printer_.operations[8], "15 |1) RESULTADOS TRAS REALIZAR |10.000| VECES LA SIMULACIÓN|");
  EXPECT_EQ(printer_.operations[12], "20 |Se obtiene premio con las cerezas |siete| veces, el |25,00|%|");
  EXPECT_EQ(printer_.operations[15], "20 |El premio medio ha sido de |70,00| pesetas|");
  EXPECT_EQ(texts_of(window_), before);
  EXPECT_EQ(printer_.cursor, Qt::WaitCursor) << "no sign of work while the page is sent";
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// Each cause of a failed print has advice of its own.
struct PrintFailure {
  ErrorKind kind;
  const char* advice_part;
};

TEST_F(WindowTest, AFailedPrintShowsItsReasonAndAdviceAndTheProgramGoesOn) {
  const PrintFailure failures[] = {
      {ErrorKind::Printer, "acepta trabajos"},
      {ErrorKind::NoDefaultPrinter, "Elija una impresora predeterminada"},
      {ErrorKind::UnknownPrinter, "Elija como predeterminada una impresora que exista"},
      {ErrorKind::PrintServiceDown, "servicio de impresión (CUPS) está en marcha"},
      {ErrorKind::PrintServiceSilent, "dentro de un momento"},
  };
  type_count("20");
  for (const PrintFailure& failure : failures) {
    SCOPED_TRACE(failure.advice_part);
    printer_.refuse_from = 0;
    printer_.refusal = failure.kind;
    const auto message = message_from([&] { button("Command1")->click(); });
    ASSERT_TRUE(message);
    EXPECT_EQ(message->title, "Zarandola");
    EXPECT_TRUE(message->text.contains("sin papel")) << message->text.toStdString();
    EXPECT_TRUE(message->text.contains(failure.advice_part)) << message->text.toStdString();
    EXPECT_EQ(printer_.cursor, Qt::WaitCursor);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "still busy after the failure";
  }
  printer_.refuse_from = std::numeric_limits<std::size_t>::max();
  button("Simular")->click();
  EXPECT_EQ(boxes().premed->text(), "70,00");
}

TEST_F(WindowTest, APageLeftInAStoppedQueueIsToldInAnInformationBox) {
  printer_.stopped = true;
  const auto message = message_from([&] { button("Command1")->click(); });
  ASSERT_TRUE(message);
  EXPECT_EQ(message->title, "Zarandola");
  EXPECT_TRUE(message->text.startsWith("La página está en la cola de la impresora «Grabadora», que está detenida"))
      << message->text.toStdString();
}

TEST_F(WindowTest, AScreenReaderHearsEachBoxByAShortCaptionAndItsFigureWhole) {
  struct Caption {
    QLineEdit* box;
    QString name;
    const char* description;  // how it begins
  };
  const TextBoxes& b = boxes();
  const char* const simulated = "Resultado de la última simulación";
  const char* const theoretical = "Valor teórico";
  // The prompt; the two sentences; then, in the grid, the row's fruit and the column's heading.
  std::vector<Caption> cases{{b.numexp, "Indica el número de veces que haremos la simulación", ""},
                             {b.premed, "Premio medio", simulated},
                             {b.espemat, "Esperanza matemática", theoretical}};
  const std::pair<QString, std::array<QLineEdit*, 3>> grid[] = {{"Limones", {b.limon, b.limonp, b.limont}},
                                                                {"Manzanas", {b.manzana, b.manzanap, b.manzanat}},
                                                                {"Cerezas", {b.cereza, b.cerezap, b.cerezat}},
                                                                {"Sin premio", {b.nopre, b.noprep, b.nopret}}};
  for (const auto& [fruit, row] : grid) {
    cases.push_back({row[0], fruit + ", nº de veces", simulated});
    cases.push_back({row[1], fruit + ", %", simulated});
    cases.push_back({row[2], fruit + ", % teórico", theoretical});
  }
  ASSERT_EQ(cases.size(), 15u);
  for (const Caption& c : cases) {
    SCOPED_TRACE(c.box->objectName().toStdString());
    QAccessibleInterface* box = QAccessible::queryAccessibleInterface(c.box);
    EXPECT_EQ(box->text(QAccessible::Name), c.name);
    EXPECT_TRUE(box->relations(QAccessible::Label).isEmpty()) << "a caption heard twice";
    const QString description = box->text(QAccessible::Description);
    EXPECT_TRUE(*c.description ? description.startsWith(c.description) : description.isEmpty())
        << description.toStdString();
    EXPECT_TRUE(box->state().editable && !box->state().readOnly);
  }

  // The figure as a screen reader reads, edits and follows it.
  b.limonp->setText("5,00");
  QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(b.limonp)->textInterface();
  ASSERT_TRUE(text);
  EXPECT_EQ(text->text(1, 3), ",0");
  int start = -1, end = -1;
  text->attributes(2, &start, &end);
  EXPECT_EQ(std::pair(start, end), std::pair(0, 4)) << "one run of attributes, or Orca drops the last figure";
  const QRect box_on_screen(b.limonp->mapToGlobal(QPoint(0, 0)), b.limonp->size());
  int last_left = -1;
  for (int offset = 0; offset < 4; ++offset) {
    SCOPED_TRACE(offset);
    const QRect character = text->characterRect(offset);
    EXPECT_TRUE(box_on_screen.contains(character)) << "outside the box";
    EXPECT_GT(character.left(), last_left);
    last_left = character.left();
    EXPECT_EQ(text->offsetAtPoint(character.topLeft() + QPoint(1, 1)), offset);
  }
  EXPECT_EQ(text->characterRect(4), QRect()) << "a character past the end";
  EXPECT_EQ(text->characterRect(-1), QRect());
  auto* editable = QAccessible::queryAccessibleInterface(b.limonp)->editableTextInterface();
  editable->replaceText(1, 2, ".");
  editable->insertText(4, "1");
  EXPECT_EQ(b.limonp->text(), "5.001");
  text->setSelection(0, 1, 3);
  text->selection(0, &start, &end);
  EXPECT_EQ(std::pair(start, end), std::pair(1, 3));
  EXPECT_EQ(b.limonp->selectedText(), ".0");
}

// Every name and description that a screen reader could find in the window,
// leaving out the windows it owns.
QString everything_to_hear(const QWidget& window) {
  QString texts;
  for (QWidget* widget : window.findChildren<QWidget*>())
    if (widget->window() == &window)
      for (const auto t : {QAccessible::Name, QAccessible::Description})
        texts += QAccessible::queryAccessibleInterface(widget)->text(t) + u'\n';
  return texts;
}

// Whether a run is said once is for the speech test to hear: here, what it says
// and that nothing of it is left to be heard again.
TEST_F(WindowTest, ARunIsAnnouncedAndNothingOfItIsLeftAfterBorrarOrAnError) {
  const auto announced = [&] {
    for (QWidget* widget : window_.findChildren<QWidget*>())
      if (QAccessible::queryAccessibleInterface(widget)->role() == QAccessible::Notification)
        return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
    return QString("no notification");
  };
  type_count("20");
  button("Simular")->click();
  EXPECT_EQ(announced(), "20 tiradas: premio medio 70,00 pta; precio justo 61,11 pta");
  button("Borrar")->click();
  EXPECT_FALSE(everything_to_hear(window_).contains("tiradas")) << "the answer can still be heard";

  type_count("20");
  button("Simular")->click();
  type_count("abc");
  message_from([&] { button("Simular")->click(); });
  EXPECT_FALSE(everything_to_hear(window_).contains("tiradas")) << "the answer outlives the error";
}

TEST_F(WindowTest, QtsOwnTextsAreInSpanish) {
  type_count("abc");
  const auto message = message_from([&] { button("Simular")->click(); });
  ASSERT_TRUE(message);
  EXPECT_EQ(message->buttons, QStringList{"Aceptar"});
  const std::unique_ptr<QMenu> menu(boxes().numexp->createStandardContextMenu());
  QStringList entries;
  for (const QAction* action : menu->actions()) entries << action->text().remove(u'&').section(u'\t', 0, 0);
  EXPECT_TRUE(entries.contains("Copiar") && entries.contains("Pegar")) << entries.join(", ").toStdString();
}

struct BadCount {
  const char16_t* text;
  const char* message_part;
  const char* advice_part;
};

TEST_F(WindowTest, ABadCountShowsAMessageAndLeavesEveryFieldAsItWas) {
  type_count("20");
  button("Simular")->click();
  const char* digits = "Escriba el número de veces con cifras";
  const char* smaller = "Escriba un número de veces más pequeño";
  const char* example = "Escriba, por ejemplo, 10000";
  const BadCount cases[] = {
      {u" ", "No se ha escrito", digits},
      {u"", "No se ha escrito", digits},
      {u"abc", "«abc» no es un número", digits},
      {u"99999999999", "demasiado grande", smaller},
      {u"85899346", "los porcentajes no caben", smaller},
      {u"0", "número entero", example},
      {u"-5", "número entero", example},
      {u"0,4", "número entero", example},
      {u"2,5", "número entero", example},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(QStringView(c.text).toString().toStdString());
    type_count(QStringView(c.text).toString());
    const auto before = texts_of(window_);
    const auto message = message_from([&] { button("Simular")->click(); });
    ASSERT_TRUE(message);
    EXPECT_EQ(message->title, "Zarandola");
    EXPECT_TRUE(message->text.contains(QString::fromUtf8(c.message_part))) << message->text.toStdString();
    EXPECT_TRUE(message->text.contains(QString::fromUtf8(c.advice_part))) << message->text.toStdString();
    EXPECT_EQ(texts_of(window_), before);
  }
}

// Ctrl+E reaches the window from the trial count too, though a line edit takes
// it for "end of line" on Linux.
TEST_F(WindowTest, CtrlEAndARightClickShowHowTheAverageSettledUntilBorrar) {
  window_.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
  auto* evolution = window_.findChild<EvolutionWindow*>();
  ASSERT_TRUE(evolution);
  const auto description = [&] { return evolution->chart().accessibleDescription(); };
  const QString no_run = "Todavía no hay ninguna simulación";
  EXPECT_TRUE(boxes().premed->toolTip().startsWith("Ctrl+E: ")) << "the average prize does not name its key";
  // A box gives way to the window's keys, even to one it takes for itself everywhere.
  QAction select_all_probe;
  select_all_probe.setShortcut(QKeySequence::SelectAll);
  window_.addAction(&select_all_probe);
  QSignalSpy probed(&select_all_probe, &QAction::triggered);
  QTest::keyClick(boxes().numexp, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(probed.count(), 1) << "the box kept the window's key";
  window_.removeAction(&select_all_probe);
  QTest::keyClick(boxes().numexp, Qt::Key_E, Qt::ControlModifier);
  // Qt counts a dialog as active whenever its parent is: only the application's own answer tells.
  const auto activated = [&] { return QTest::qWaitFor([&] { return QApplication::activeWindow() == evolution; }); };
  EXPECT_TRUE(activated());
  EXPECT_EQ(evolution->windowTitle(), "Evolución del premio medio");
  EXPECT_TRUE(QTest::qWaitFor([&] { return evolution->chart().hasFocus(); }))
      << "a screen reader would not read the picture";
  auto* chart = evolution->findChild<AverageChart*>();
  QTest::keyClick(chart, Qt::Key_Tab);  // as a keyboard user's focus shows
  const QImage focused = chart->grab().toImage();
  chart->clearFocus();
  EXPECT_NE(chart->grab().toImage(), focused) << "no focus frame around the picture";
  EXPECT_TRUE(description().startsWith(no_run));
  const QRect place = evolution->geometry().translated(40, 30);
  evolution->setGeometry(place);
  QTest::keyClick(evolution, Qt::Key_Escape);
  EXPECT_FALSE(evolution->isVisible());

  type_count("20");
  button("Simular")->click();
  EXPECT_EQ(description(), "Tras 10 tiradas, 140,00 pta; tras 20, 70,00 pta; precio justo 61,11 pta.");
  // A right click anywhere gives a menu that ends with the window, a box's own
  // menu too, and the window comes back where it was.
  for (QWidget* clicked : {control("Label19"), static_cast<QWidget*>(boxes().premed)}) {
    SCOPED_TRACE(clicked->objectName().toStdString());
    evolution->close();
    const QPoint pointer = clicked->mapToGlobal(QPoint(2, 2));
    QContextMenuEvent right_click(QContextMenuEvent::Mouse, QPoint(2, 2), pointer);
    QApplication::sendEvent(clicked, &right_click);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_TRUE(menu);
    EXPECT_TRUE(menu->geometry().contains(pointer))
        << "the menu opened away from the pointer";  // Qt may move it to fit the screen
    EXPECT_EQ(menu->actions().last()->text(), "Ver la evolución del premio medio…");
    EXPECT_TRUE(menu->actions().size() == 1 || menu->actions().end()[-2]->isSeparator()) << "no separator before it";
    menu->actions().last()->trigger();
    menu->close();
    EXPECT_TRUE(evolution->isVisible());
    EXPECT_EQ(evolution->geometry(), place) << "the window did not keep its place";
  }
  // Ctrl+E on an open window that was moved brings it up where it is.
  evolution->setGeometry(place.translated(10, 10));
  window_.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
  QTest::keyClick(boxes().numexp, Qt::Key_E, Qt::ControlModifier);
  EXPECT_TRUE(activated()) << "the open picture was not brought to the front";
  EXPECT_EQ(evolution->geometry(), place.translated(10, 10)) << "the open window jumped back";

  PaintCount painted(chart);  // the open picture draws the next run, and the empty one after Borrar, at once
  for (const char* command : {"Simular", "Borrar"}) {
    const int before = painted.count;
    button(command)->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return painted.count > before; })) << command << " left the old picture";
  }
  EXPECT_TRUE(description().startsWith(no_run)) << "Borrar left the path";
}

class OverflowTest : public WindowTest {
 protected:
  OverflowTest() : WindowTest({0.1f, 0.6f}) {}  // every trial without a prize
};

TEST_F(OverflowTest, APercentageBeyond32BitsWritesNothing) {
  const auto before = texts_of(window_);
  type_count("21474837");
  const auto message = message_from([&] { button("Simular")->click(); });
  ASSERT_TRUE(message);
  EXPECT_TRUE(message->text.contains("35 millones")) << message->text.toStdString();
  auto after = texts_of(window_);
  after.numexp = " ";
  EXPECT_EQ(after, before);
}

class AllCherriesTest : public WindowTest {
 protected:
  AllCherriesTest() : WindowTest({0.0f}) {}
};

TEST_F(AllCherriesTest, ATotalPrizeBeyond32BitsWritesNothing) {
  type_count("21474837");
  const auto message = message_from([&] { button("Simular")->click(); });
  ASSERT_TRUE(message);
  EXPECT_TRUE(message->text.contains("2.147.483.647 pesetas")) << message->text.toStdString();
  EXPECT_EQ(boxes().limon->text(), " ");
  EXPECT_EQ(boxes().premed->text(), " ");
  EXPECT_TRUE(window_.findChild<EvolutionWindow*>()->chart().accessibleDescription().startsWith("Todavía"))
      << "the failed run left its path";
}

TEST_F(WindowTest, AccessKeysAndEnterWorkLikeClicks) {
  window_.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
  type_count("20");
  // An access key presses its button the way the platform shows a press:
  // the click follows a moment later.
  QTest::keyClick(&window_, Qt::Key_S, Qt::AltModifier);
  EXPECT_TRUE(QTest::qWaitFor([&] { return boxes().cereza->text() == "05"; }));
  QTest::keyClick(&window_, Qt::Key_I, Qt::AltModifier);
  EXPECT_TRUE(QTest::qWaitFor([&] { return printer_.operations.size() == 28; }));
  QTest::keyClick(&window_, Qt::Key_B, Qt::AltModifier);
  EXPECT_TRUE(QTest::qWaitFor([&] { return boxes().cereza->text() == ""; }));
  type_count("20");
  QTest::keyClick(boxes().numexp, Qt::Key_Return);
  EXPECT_EQ(boxes().cereza->text(), "05");
}

// Each way of ending must leave the application's event loop with code 0.
int exit_code_after(const std::function<void()>& ending) {
  QTimer::singleShot(0, ending);
  QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
  return QCoreApplication::exec();
}

TEST_F(WindowTest, TerminarEscapeCtrlQAndTheTitleBarEndTheProgram) {
  window_.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
  EXPECT_EQ(exit_code_after([&] { QTest::keyClick(&window_, Qt::Key_T, Qt::AltModifier); }), 0);
  EXPECT_EQ(exit_code_after([&] { QTest::keyClick(boxes().limonp, Qt::Key_Q, Qt::ControlModifier); }), 0);
  EXPECT_EQ(exit_code_after([&] { QTest::keyClick(boxes().numexp, Qt::Key_Escape); }), 0);
  EXPECT_EQ(exit_code_after([&] { window_.close(); }), 0);
}

}  // namespace
}  // namespace zarandola
