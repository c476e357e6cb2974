// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frmzarandola.h"

#include <QApplication>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>
#include <limits>
#include <utility>
#include <vector>

#include "core/run_time_error.h"
#include "report/printed_report.h"
#include "ui/error_message.h"
#include "ui/picture_box.h"
#include "ui/simulate_command.h"
#include "ui/window_layout.h"

// The window's pictures are compiled into this library; a static library has to
// register them itself.
static void register_resources() { Q_INIT_RESOURCE(resources); }

namespace zarandola {
namespace {

using layout::ControlKind;
using layout::ControlSpec;
using layout::twips_to_pixels;

// The window's faces are not on Linux: Liberation Sans has the metrics of the
// usual sans-serif face of those platforms, and Comic Neue is drawn after the
// comic face, so each stands in at the same size and weight.
void install_font_substitutes() {
  QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
  QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
}

QFont font_of(const layout::FontSpec& spec) {
  QFont font(QString::fromUtf8(spec.face));
  font.setPointSizeF(spec.points);
  font.setBold(spec.bold);
  return font;
}

QWidget* make_widget(const ControlSpec& spec) {
  const QString caption = QString::fromUtf8(spec.caption);
  switch (spec.kind) {
    case ControlKind::Label: {
      auto* label = new QLabel(caption);
      label->setTextFormat(Qt::PlainText);
      label->setWordWrap(true);
      label->setAlignment(spec.alignment);
      return label;
    }
    case ControlKind::TextBox: {
      auto* box = new QLineEdit(caption);
      box->setAlignment(spec.alignment | Qt::AlignVCenter);
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

void apply_colours(QWidget* widget, const ControlSpec& spec) {
  QPalette palette = widget->palette();
  const bool text_box = spec.kind == ControlKind::TextBox;
  if (spec.colours.text.isValid())
    palette.setColor(text_box ? QPalette::Text : QPalette::WindowText, spec.colours.text);
  if (spec.colours.background.isValid()) palette.setColor(QPalette::Base, spec.colours.background);
  widget->setPalette(palette);
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
  setWindowTitle(QStringLiteral("Zarandola"));
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  QIcon icon(QStringLiteral(":/zarandola/icon.png"));
  icon.addFile(QStringLiteral(":/zarandola/icon-16.png"));
  setWindowIcon(icon);
  setFixedSize(twips_to_pixels(layout::client_width_twips), twips_to_pixels(layout::client_height_twips));
  install_font_substitutes();
  build_controls();

  connect_button("Simular", &frmzarandola::simulate);
  connect_button("Borrar", &frmzarandola::clear);
  connect_button("Command1", &frmzarandola::print_report);
  connect_button("Command2", &frmzarandola::end_program);
  findChild<QPushButton*>(QStringLiteral("Simular"))->setDefault(true);
  text_box(QStringLiteral("numexp"))->setFocus();
}

void frmzarandola::build_controls() {
  std::vector<const ControlSpec*> focus_order;
  for (const ControlSpec& spec : layout::controls()) {
    QWidget* widget = make_widget(spec);
    QWidget* container = spec.parent ? findChild<QWidget*>(QString::fromUtf8(spec.parent)) : this;
    widget->setParent(container);
    widget->setObjectName(QString::fromUtf8(spec.name));
    widget->setProperty("tabIndex", spec.tab_index);
    widget->setGeometry(twips_to_pixels(spec.left), twips_to_pixels(spec.top), twips_to_pixels(spec.width),
                        twips_to_pixels(spec.height));
    if (spec.font.face) widget->setFont(font_of(spec.font));
    apply_colours(widget, spec);
    if (spec.accessible_name) widget->setAccessibleName(QString::fromUtf8(spec.accessible_name));
    if (auto* box = qobject_cast<QLineEdit*>(widget)) text_boxes_.insert(box->objectName(), box);
    if (takes_focus(spec.kind)) focus_order.push_back(&spec);
  }
  std::ranges::sort(focus_order, {}, &ControlSpec::tab_index);
  for (std::size_t i = 1; i < focus_order.size(); ++i)
    setTabOrder(findChild<QWidget*>(QString::fromUtf8(focus_order[i - 1]->name)),
                findChild<QWidget*>(QString::fromUtf8(focus_order[i]->name)));
}

QLineEdit* frmzarandola::text_box(const QString& name) const { return text_boxes_.value(name); }

void frmzarandola::connect_button(const char* name, void (frmzarandola::*command)()) {
  connect(findChild<QPushButton*>(QString::fromUtf8(name)), &QPushButton::clicked, this,
          [this, command] { run_command(command); });
}

void frmzarandola::run_command(void (frmzarandola::*command)()) {
  try {
    (this->*command)();
  } catch (const RunTimeError& error) {
    show_error(error);
  }
}

void frmzarandola::show_error(const RunTimeError& error) {
  QMessageBox box(QMessageBox::Warning, QStringLiteral("Zarandola"), QString::fromUtf8(error.what()), QMessageBox::Ok,
                  this);
  box.setInformativeText(advice_for(error.kind()));
  box.exec();
}

void frmzarandola::reject() { findChild<QPushButton*>(QStringLiteral("Command2"))->click(); }

void frmzarandola::simulate() {
  const SimulationResults results = [this] {
    WaitCursor wait;
    return zarandola::simulate(text_box(QStringLiteral("numexp"))->text(), run_trials_);
  }();
  for (const auto& [field, text] : results) text_box(QString::fromUtf8(field))->setText(text);
}

void frmzarandola::clear() {
  for (const char* name : {"numexp", "limon", "manzana", "cereza", "nopre", "limonp", "manzanap", "cerezap", "noprep",
                           "limont", "manzanat", "cerezat", "nopret", "premed", "espemat"})
    text_box(QString::fromUtf8(name))->setText(QString());
  text_box(QStringLiteral("numexp"))->setFocus();
}

void frmzarandola::print_report() {
  const PrintedReport report([this](const char* field) { return text_box(QString::fromUtf8(field))->text(); });
  WaitCursor wait;
  report.print_on(printer_);
}

void frmzarandola::end_program() { QCoreApplication::quit(); }

}  // namespace zarandola
