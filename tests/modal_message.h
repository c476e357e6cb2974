// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QMessageBox>
#include <QScopedValueRollback>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <optional>

namespace zarandola::testing {

struct ModalMessage {
  QString title;
  QString text;  // the message and its advice, a line apart
  QStringList buttons;
};

inline bool message_expected = false;

// Runs the action and answers the message box that it opens, if any.
inline std::optional<ModalMessage> message_from(const std::function<void()>& action) {
  const QScopedValueRollback expected(message_expected, true);
  std::optional<ModalMessage> seen;
  QTimer::singleShot(0, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      seen = ModalMessage{box->windowTitle(), box->text() + "\n" + box->informativeText(), {}};
      for (const QAbstractButton* button : box->buttons()) seen->buttons << button->text();
      box->accept();
    }
  });
  action();
  QCoreApplication::processEvents();
  return seen;
}

// Any other message box fails the test at once with its text, and is closed.
class UnexpectedMessageBoxes : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* box = qobject_cast<QMessageBox*>(watched);
    if (box && event->type() == QEvent::Show && !message_expected) {
      ADD_FAILURE() << "an unexpected message box: " << box->text().toStdString();
      QTimer::singleShot(0, box, &QMessageBox::reject);
    }
    return false;
  }
};

}  // namespace zarandola::testing
