// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

class QAccessibleInterface;
class QContextMenuEvent;
class QMenu;

namespace zarandola {

// A text box of the window. A result box that Tab reaches leaves its figure
// unselected: a screen reader then says its caption and its figure, where it
// would say a selection first. The trial count selects as usual, to be typed over.
// The window's own actions come first: their keys reach them (Ctrl+E, which a
// line edit takes for "end of line" on Linux), and they end its context menu.
class TextBox : public QLineEdit {
  Q_OBJECT

 public:
  TextBox(const QString& text, bool selects_on_tab);

  // Where the caret stands, in the box's coordinates.
  QRect caret_rect() const { return cursorRect(); }

 protected:
  bool event(QEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  bool selects_on_tab_;
};

// Shows a context menu where the event asks, without waiting for it, and
// frees it when it closes.
void pop_up(QMenu* menu, const QContextMenuEvent* event);

// The accessible face of a TextBox, for QAccessible::installFactory: Qt's own
// for a line edit gives a text attribute run of no length at each character,
// and Orca, joining them, drops the last character of every figure.
QAccessibleInterface* accessible_text_box(const QString& class_name, QObject* object);

}  // namespace zarandola
