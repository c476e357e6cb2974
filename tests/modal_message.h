// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
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

// Runs the action and answers the message box that it opens, if any.
inline std::optional<ModalMessage> message_from(const std::function<void()>& action) {
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

}  // namespace zarandola::testing
