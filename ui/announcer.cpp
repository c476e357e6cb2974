// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace zarandola {

Announcer::Announcer(QWidget* window) : QWidget(window) { setFixedSize(0, 0); }

void Announcer::say(const QString& sentence) {
  setAccessibleName(sentence);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
  QAccessibleAnnouncementEvent announcement(this, sentence);
  announcement.setPoliteness(QAccessible::AnnouncementPoliteness::Polite);
  QAccessible::updateAccessibility(&announcement);
#else
  QAccessibleEvent appeared(this, QAccessible::ObjectShow);
  QAccessible::updateAccessibility(&appeared);
#endif
}

void Announcer::forget() { setAccessibleName(QString()); }

QAccessibleInterface* accessible_announcer(const QString& class_name, QObject* object) {
  if (class_name != QLatin1String(Announcer::staticMetaObject.className())) return nullptr;
  return new QAccessibleWidget(static_cast<Announcer*>(object), QAccessible::Notification);
}

}  // namespace zarandola
