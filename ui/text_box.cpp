// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/text_box.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMenu>

namespace zarandola {

TextBox::TextBox(const QString& text, bool selects_on_tab) : QLineEdit(text), selects_on_tab_(selects_on_tab) {}

void TextBox::focusInEvent(QFocusEvent* event) {
  if (selects_on_tab_) return QLineEdit::focusInEvent(event);
  QFocusEvent without_selection(event->type(), Qt::OtherFocusReason);
  QLineEdit::focusInEvent(&without_selection);
}

void pop_up(QMenu* menu, const QContextMenuEvent* event) {
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(event->globalPos());
}

bool TextBox::event(QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride) {
    const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
    for (const QAction* action : window()->actions()) {
      if (action->shortcut() == pressed) {
        event->ignore();  // let the window's shortcut have it
        return true;
      }
    }
  }
  return QLineEdit::event(event);
}

void TextBox::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = createStandardContextMenu();
  menu->addSeparator();
  menu->addActions(window()->actions());
  pop_up(menu, event);
}

namespace {

// Reads and edits the box through its own public operations, as Qt's
// accessible line edit does.
class AccessibleTextBox : public QAccessibleWidget,
                          public QAccessibleTextInterface,
                          public QAccessibleEditableTextInterface {
 public:
  explicit AccessibleTextBox(TextBox* box) : QAccessibleWidget(box, QAccessible::EditableText) {}

  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Value ? box()->text() : QAccessibleWidget::text(t);
  }
  void setText(QAccessible::Text t, const QString& text) override {
    if (t == QAccessible::Value)
      box()->setText(text);
    else
      QAccessibleWidget::setText(t, text);
  }
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = !box()->isReadOnly();
    state.readOnly = box()->isReadOnly();
    state.selectableText = true;
    return state;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::EditableTextInterface) return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  // The text, one run of attributes from end to end.
  QString text(int start, int end) const override { return box()->text().mid(start, end - start); }
  int characterCount() const override { return static_cast<int>(box()->text().size()); }
  QString attributes(int, int* start, int* end) const override {
    *start = 0;
    *end = characterCount();
    return {};
  }
  int cursorPosition() const override { return box()->cursorPosition(); }
  void setCursorPosition(int position) override { box()->setCursorPosition(position); }
  void scrollToSubstring(int start, int) override { box()->setCursorPosition(start); }

  // Where each character stands on the screen, measured from the caret, so
  // that a magnifier can follow it.
  QRect characterRect(int offset) const override {
    if (offset < 0 || offset >= characterCount()) return {};
    const QFontMetrics metrics = box()->fontMetrics();
    const QString text = box()->text();
    const QRect caret = box()->caret_rect();
    const int left = caret.center().x() + metrics.horizontalAdvance(text.left(offset)) -
                     metrics.horizontalAdvance(text.left(box()->cursorPosition()));
    const QRect on_box(left, caret.top(), metrics.horizontalAdvance(text.at(offset)), caret.height());
    return on_box.translated(box()->mapToGlobal(QPoint(0, 0)));
  }
  int offsetAtPoint(const QPoint& point) const override { return box()->cursorPositionAt(box()->mapFromGlobal(point)); }

  // One selection at most.
  int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
  void selection(int index, int* start, int* end) const override {
    *start = *end = 0;
    if (index != 0 || !box()->hasSelectedText()) return;
    *start = box()->selectionStart();
    *end = box()->selectionEnd();
  }
  void addSelection(int start, int end) override { setSelection(0, start, end); }
  void removeSelection(int) override { box()->deselect(); }
  void setSelection(int, int start, int end) override { box()->setSelection(start, end - start); }

  // Editing.
  void deleteText(int start, int end) override { replaceText(start, end, QString()); }
  void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
  void replaceText(int start, int end, const QString& text) override {
    box()->setText(box()->text().replace(start, end - start, text));
  }

 private:
  TextBox* box() const { return static_cast<TextBox*>(widget()); }
};

}  // namespace

QAccessibleInterface* accessible_text_box(const QString& class_name, QObject* object) {
  if (class_name != QLatin1String(TextBox::staticMetaObject.className())) return nullptr;
  return new AccessibleTextBox(static_cast<TextBox*>(object));
}

}  // namespace zarandola
