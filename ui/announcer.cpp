// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>

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

namespace {

// A notification that stands directly under the application: said inside the
// window, it would have Orca read the whole window again before it.
class AccessibleAnnouncer : public QAccessibleWidget {
 public:
  explicit AccessibleAnnouncer(Announcer* announcer) : QAccessibleWidget(announcer, QAccessible::Notification) {}
  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(qApp); }
};

}  // namespace

QAccessibleInterface* accessible_announcer(const QString& class_name, QObject* object) {
  if (class_name != QLatin1String(Announcer::staticMetaObject.className())) return nullptr;
  return new AccessibleAnnouncer(static_cast<Announcer*>(object));
}

}  // namespace zarandola
