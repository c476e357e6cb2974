// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>
#include <vector>

class QAccessibleInterface;
class QLabel;

namespace zarandola {

// A text box of the window that knows every caption a sighted user reads for
// it, so that a screen reader can say them too: Qt's own accessible text box
// is tied to one label at most, and a result field has two headings.
class TextBox : public QLineEdit {
  Q_OBJECT

 public:
  using QLineEdit::QLineEdit;

  void set_labels(std::vector<QLabel*> labels) { labels_ = std::move(labels); }
  const std::vector<QLabel*>& labels() const { return labels_; }

 private:
  std::vector<QLabel*> labels_;
};

// The accessible face of a TextBox, for QAccessible::installFactory: the text
// box Qt offers, labelled by all its captions.
QAccessibleInterface* accessible_text_box(const QString& class_name, QObject* object);

}  // namespace zarandola
