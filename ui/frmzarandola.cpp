// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frmzarandola.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>
#include <utility>
#include <vector>

#include "errors/run_time_error.h"
#include "report/printed_report.h"
#include "ui/announcer.h"
#include "ui/evolution_window.h"
#include "ui/picture_box.h"
#include "ui/qt_values.h"
#include "ui/system_settings.h"
#include "ui/text_box.h"
#include "window/average_picture.h"
#include "window/layout.h"
#include "window/messages.h"
#include "window/simulate_command.h"

// The window's pictures are compiled into this library; a static library has to
// register them itself.
static void register_resources() { Q_INIT_RESOURCE(resources); }

namespace zarandola {
namespace {

using layout::ControlKind;
using layout::ControlRow;
using layout::twips_to_pixels;

QWidget* make_widget(const ControlRow& row) {
  const QString caption = qt_text(row.caption);
  switch (row.kind) {
    case ControlKind::Label: {
      auto* label = new QLabel(caption);
      label->setTextFormat(Qt::PlainText);
      label->setWordWrap(true);
      label->setAlignment(qt_alignment(row.alignment) | Qt::AlignTop);
      return label;
    }
    case ControlKind::TextBox: {
      auto* box = new TextBox(caption, row.field == Field::numexp);
      box->setAlignment(qt_alignment(row.alignment) | Qt::AlignVCenter);
      box->setMaxLength(std::numeric_limits<int>::max());  // no limit on what a person may type
      return box;
    }
    case ControlKind::CommandButton:
      return new QPushButton(caption);
    case ControlKind::Frame:
      return new QGroupBox(caption);
    case ControlKind::PictureBox:
      return new PictureBox(QPixmap(QStringLiteral(":/zarandola/wheels.png")));
  }
  return nullptr;
}

void apply_colours(QWidget* widget, const ControlRow& row) {
  QPalette palette = widget->palette();
  const bool text_box = row.kind == ControlKind::TextBox;
  if (row.colours.text)
    palette.setColor(text_box ? QPalette::Text : QPalette::WindowText, qt_colour(*row.colours.text));
  if (row.colours.background) palette.setColor(QPalette::Base, qt_colour(*row.colours.background));
  widget->setPalette(palette);
}

// The fixed colours of the texts were chosen for the standard light dialog: on
// a dark desktop theme the window keeps a light dialog palette of its own.
void keep_light(QWidget* window) {
  if (window->palette().color(QPalette::Window).lightness() >= 128) return;
  window->setPalette(QPalette(QColor(239, 239, 239)));
}

// Every size drawn for the desktop, so that a dock or a task switcher need not
// scale the title bar's.
QIcon program_icon() {
  QIcon icon;
  for (const QString& file : QDir(QStringLiteral(":/zarandola")).entryList({QStringLiteral("icon-*.png")}))
    icon.addFile(QStringLiteral(":/zarandola/") + file);
  return icon;
}

bool takes_focus(ControlKind kind) {
  return kind == ControlKind::TextBox || kind == ControlKind::CommandButton || kind == ControlKind::PictureBox;
}

// Restores the cursor however the command ends.
class WaitCursor {
 public:
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

frmzarandola::frmzarandola(TrialRunner run_trials, PrinterService& printer, QWidget* parent)
    : QDialog(parent), run_trials_(std::move(run_trials)), printer_(printer) {
  register_resources();
  setObjectName(QStringLiteral("frmzarandola"));
  setWindowTitle(qt_text(layout::window_title));
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  setWindowIcon(program_icon());
  keep_light(this);
  auto* client = new QWidget;
  client->setFixedSize(twips_to_pixels(layout::client_width_twips), twips_to_pixels(layout::client_height_twips));
  build_controls(client);
  place_client(client);
  announcer_ = new Announcer(this);
  offer_evolution();

  connect_command(buttons_.Simular, &frmzarandola::simulate);
  connect_command(buttons_.Borrar, &frmzarandola::clear);
  connect_command(buttons_.Command1, &frmzarandola::print_report);
  connect_command(buttons_.Command2, &frmzarandola::end_program);
  buttons_.Simular->setDefault(true);
  // The desktop's usual way to quit, besides the window's own access keys.
  connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this), &QShortcut::activated, buttons_.Command2,
          &QPushButton::click);
  boxes_.numexp->setFocus();
}

void frmzarandola::build_controls(QWidget* client) {
  std::vector<std::pair<int, QWidget*>> focus_order;  // by tab index
  for (const ControlRow& row : layout::controls()) {
    QWidget* widget = make_widget(row);
    widget->setParent(row.parent ? client->findChild<QWidget*>(qt_text(row.parent)) : client);
    widget->setObjectName(qt_text(row.name));
    widget->setGeometry(twips_to_pixels(row.left), twips_to_pixels(row.top), twips_to_pixels(row.width),
                        twips_to_pixels(row.height));
    if (row.font.face) widget->setFont(qt_font(row.font));
    apply_colours(widget, row);
    if (row.accessible_name) widget->setAccessibleName(qt_text(row.accessible_name));
    if (row.accessible_description) widget->setAccessibleDescription(qt_text(row.accessible_description));
    if (row.field) boxes_.*field_member<QLineEdit*>(*row.field) = static_cast<QLineEdit*>(widget);
    if (row.button) buttons_.*button_member(*row.button) = static_cast<QPushButton*>(widget);
    if (takes_focus(row.kind)) focus_order.emplace_back(row.tab_index, widget);
  }
  std::ranges::sort(focus_order);
  for (std::size_t i = 1; i < focus_order.size(); ++i) setTabOrder(focus_order[i - 1].second, focus_order[i].second);
}

// The window is its fixed client area, unless the screen's free area cannot
// hold it with a title bar: then the client area scrolls, and follows the focus.
void frmzarandola::place_client(QWidget* client) {
  auto* window_layout = new QVBoxLayout(this);
  window_layout->setContentsMargins(0, 0, 0, 0);
  const QSize available = screen()->availableSize() - QSize(0, style()->pixelMetric(QStyle::PM_TitleBarHeight));
  if (client->width() <= available.width() && client->height() <= available.height()) {
    window_layout->addWidget(client);
    setFixedSize(client->size());
    return;
  }
  auto* scroll_area = new QScrollArea;
  scroll_area->setFrameShape(QFrame::NoFrame);
  scroll_area->setWidget(client);
  window_layout->addWidget(scroll_area);
  const int scroll_bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  setMaximumSize(client->size() + QSize(scroll_bar, scroll_bar));
  resize(maximumSize().boundedTo(available));
  // At the top of the free area, so that the title bar is on the screen and the window can be moved.
  move(screen()->availableGeometry().topLeft());
  connect(qApp, &QApplication::focusChanged, scroll_area, [scroll_area](QWidget*, QWidget* focused) {
    if (focused && scroll_area->widget()->isAncestorOf(focused)) scroll_area->ensureWidgetVisible(focused);
  });
}

// The picture of the average prize opens from the keyboard and from a right
// click anywhere on the window; the average prize's tooltip names the key.
void frmzarandola::offer_evolution() {
  evolution_ = new EvolutionWindow(this);
  auto* open = new QAction(qt_text(picture::open_command), this);
  open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
  connect(open, &QAction::triggered, evolution_, &EvolutionWindow::present);
  addAction(open);
  const QString keys = open->shortcut().toString(QKeySequence::PortableText);  // as the keys are labelled
  boxes_.premed->setToolTip(qt_text(picture::open_hint(keys.toStdString())));
}

// A right click on a caption, a frame, a button or the picture.
void frmzarandola::contextMenuEvent(QContextMenuEvent* event) {
  auto* menu = new QMenu(this);
  menu->addActions(actions());
  pop_up(menu, event);
}

void frmzarandola::connect_command(QPushButton* button, void (frmzarandola::*command)()) {
  connect(button, &QPushButton::clicked, this, [this, command] { run_command(command); });
}

void frmzarandola::run_command(void (frmzarandola::*command)()) {
  try {
    (this->*command)();
  } catch (const RunTimeError& error) {
    show_error(error);
  }
}

void frmzarandola::show_error(const RunTimeError& error) {
  announcer_->forget();
  show_message(QMessageBox::Warning, qt_text(error.what()), qt_text(advice_for(error.kind())));
}

void frmzarandola::show_message(QMessageBox::Icon icon, const QString& text, const QString& advice) {
  auto* box = new QMessageBox(icon, qt_text(layout::window_title), text, QMessageBox::Ok, this);
  box->setInformativeText(advice);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->exec();
}

void frmzarandola::reject() { buttons_.Command2->click(); }

void frmzarandola::simulate() {
  const RegionalSettings settings = system_regional_settings();
  const std::string count = boxes_.numexp->text().toStdString();
  const SimulationRun run = [&] {
    WaitCursor wait;
    return zarandola::simulate(count, run_trials_, settings);
  }();
  for_each_result_field([](QLineEdit* box, const std::string& text) { box->setText(qt_text(text)); }, boxes_,
                        run.results);
  evolution_->show_path(run.path.points());
  if (auto* scrolled = findChild<QScrollArea*>()) scrolled->ensureWidgetVisible(boxes_.premed);  // the answer line
  announcer_->say(qt_text(spoken_answer(count, run.results, settings)));
}

void frmzarandola::clear() {
  announcer_->forget();
  for_each_window_field([](QLineEdit* box) { box->setText(QString()); }, boxes_);
  evolution_->show_path({});
  boxes_.numexp->setFocus();
}

void frmzarandola::print_report() {
  const Page page = report_page(texts_of(boxes_), system_regional_settings());
  const SentPage sent = [&] {
    WaitCursor wait;
    return print_page(page, printer_);
  }();
  if (const std::string waiting = waiting_page_message(sent); !waiting.empty())
    show_message(QMessageBox::Information, qt_text(waiting));
}

void frmzarandola::end_program() { QCoreApplication::quit(); }

}  // namespace zarandola
