#include "ui/toolkit/notification_announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "ui/toolkit/announcer.h"

namespace tavro::toolkit {

namespace {

QAccessibleInterface* AccessibleAnnouncerOf(const QString& class_name, QObject* object) {
  if (class_name != QLatin1StringView(NotificationAnnouncer::staticMetaObject.className()))
    return nullptr;
  return new QAccessibleWidget(static_cast<NotificationAnnouncer*>(object),
                               QAccessible::Notification);
}

}  // namespace

NotificationAnnouncer::NotificationAnnouncer(QWidget* window) : QWidget(window) {
  static const bool installed = (QAccessible::installFactory(AccessibleAnnouncerOf), true);
  (void)installed;
  setObjectName(QStringLiteral("announcement"));
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setGeometry(0, 0, 0, 0);  // nothing to see
  hide();
}

void NotificationAnnouncer::Announce(const QString& text) {
  // Hidden and shown again, so that the same text twice is spoken twice.
  hide();
  setAccessibleName(text);
  show();
}

void Announce(QWidget& window, const QString& text) {
  auto* announcer = window.findChild<NotificationAnnouncer*>(QString(), Qt::FindDirectChildrenOnly);
  if (!announcer) announcer = new NotificationAnnouncer(&window);
  announcer->Announce(text);
}

}  // namespace tavro::toolkit
