// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QAccessibleInterface;

namespace zarandola {

// Has a screen reader say a sentence once, politely, where a sighted user sees
// the change at a glance: a notification drawn nowhere, named by the sentence
// until it is forgotten. Qt 6.8 announces it; before, Orca says a notification
// as it appears, and it appears again.
class Announcer : public QWidget {
  Q_OBJECT

 public:
  explicit Announcer(QWidget* window);

  void say(const QString& sentence);
  // Nothing said before can be heard again.
  void forget();
};

// The accessible face of an Announcer, for QAccessible::installFactory.
QAccessibleInterface* accessible_announcer(const QString& class_name, QObject* object);

}  // namespace zarandola
